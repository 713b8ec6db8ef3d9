// The known keys of "config.dat" with their types and defaults: a wrong or
// missing key would make every start throw the user's settings away.
#include <gtest/gtest.h>

#include "tests/model/config/ConfigTestSupport.h"

#include <set>
#include <sstream>

using namespace configtest;

TEST(ConfigDefaults, RegistersTheHundredAndTenKeysInFileOrder)
{
    std::vector<std::string> keys = registeredKeys();
    ASSERT_EQ(keys.size(), 110u);
    EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), 110u);
    std::vector<std::string> expected = {"model/language",
                                         "model/ignoreArticleWhenSortingTitles",
                                         "model/askForConfirmationWhenRemovingMovies",
                                         "model/whenReelstackStartsOpenTheLastUsedCollection",
                                         "model/defaultLoanPeriod",
                                         "model/recentBrowsedFolder",
                                         "model/recentCollection",
                                         "model/extractOptions",
                                         "model/extractor"};
    // Eighteen windows, six with their size.
    std::istringstream windows("Main+ NewCollection OpenCollection AddEditMovie+ Statistics Options "
                               "AddEditMovieLink AddEditMovieCast AddEditMovieCrew AddEditMovieEpisode "
                               "SelectMovie ExtractOptions+ SelectLinkToPlay AddMovieByBarCode "
                               "AddMoviesByScanningFolder+ AddEditLoan AddEditLoaner+ Loans+");
    for (std::string window; windows >> window;) {
        bool sized = window.back() == '+';
        std::string name = "view/window" + (sized ? window.substr(0, window.size() - 1) : window);
        for (const char* part : {"Left", "Top", "Width", "Height"}) {
            if (sized || part[0] == 'L' || part[0] == 'T')
                expected.push_back(name + part);
        }
    }
    EXPECT_EQ(std::vector<std::string>(keys.begin(), keys.begin() + 57), expected);
    EXPECT_EQ(keys[76], "view/sortMode");
    for (int column = 0; column < 16; ++column) {
        EXPECT_EQ(keys[size_t(78 + column)], "view/column" + std::to_string(column));
        EXPECT_EQ(keys[size_t(94 + column)], "view/columnWidth" + std::to_string(column));
    }
}

TEST(ConfigDefaults, GivesKeysTheirTypeAndFirstStartValue)
{
    const std::pair<const char*, Variant> rows[] = {
        {"model/language", Variant(u"English")},
        {"model/defaultLoanPeriod", Variant(14)},
        {"model/extractOptions", Variant(65535)},
        {"view/windowMainLeft", Variant(-1)},
        {"view/alwaysOnTop", Variant(false)},
        {"view/imagesZoom", Variant(0.7f)},
        {"view/movieListBackgroundColor", Variant(0xFFA58500u)}, // opaque colours
        {"view/movieCardFontFamily", Variant(u"Tahoma")},
        {"view/columnWidth8", Variant(120)},
    };
    ConfigDefaultList defaults = registered();
    for (const auto& row : rows) {
        int found = 0;
        for (const ConfigDefault& entry : defaults) {
            if (show(entry.key) == row.first) {
                ++found;
                EXPECT_TRUE(entry.value == row.second) << row.first;
            }
        }
        EXPECT_EQ(found, 1) << row.first;
    }
}
