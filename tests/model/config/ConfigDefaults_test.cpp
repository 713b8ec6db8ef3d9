// The known keys of "config.dat" in file order: a file written under other
// names would be thrown away and rebuilt at every start.
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
    std::vector<std::string> expected;
    std::istringstream model("language ignoreArticleWhenSortingTitles askForConfirmationWhenRemovingMovies "
                             "whenReelstackStartsOpenTheLastUsedCollection defaultLoanPeriod "
                             "recentBrowsedFolder recentCollection extractOptions extractor");
    for (std::string key; model >> key;)
        expected.push_back("model/" + key);
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
