// The known keys of "config.dat" with their types and defaults: a wrong or
// missing key would make every start throw the user's settings away.
#include <gtest/gtest.h>

#include "graphics/color/Color.h"
#include "model/config/ConfigDefaults.h"
#include "tests/model/ModelTestSupport.h"

#include <set>
#include <sstream>
#include <string>
#include <vector>

using iotest::show;

namespace {

std::vector<std::string> keysOf(const ConfigDefaultList& defaults)
{
    std::vector<std::string> keys;
    for (const ConfigDefault& entry : defaults)
        keys.push_back(show(entry.key));
    return keys;
}

const ConfigDefault& at(const ConfigDefaultList& defaults, int index)
{
    return defaults.nodeAt(index)->value;
}

} // namespace

TEST(ConfigDefaults, RegistersTheHundredAndTenKeysInFileOrder)
{
    ConfigDefaultList defaults;
    ConfigDefaults::registerAll(defaults);
    std::vector<std::string> keys = keysOf(defaults);
    ASSERT_EQ(keys.size(), 110u);
    EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), 110u);

    EXPECT_EQ(
        std::vector<std::string>(keys.begin(), keys.begin() + 9),
        (std::vector<std::string>{"model/language", "model/ignoreArticleWhenSortingTitles",
                                  "model/askForConfirmationWhenRemovingMovies",
                                  "model/whenReelstackStartsOpenTheLastUsedCollection",
                                  "model/defaultLoanPeriod", "model/recentBrowsedFolder",
                                  "model/recentCollection", "model/extractOptions", "model/extractor"}));

    // Eighteen windows: six with their size, 48 keys in all.
    std::istringstream names(
        "Main Left Top Width Height / NewCollection Left Top / OpenCollection Left Top / "
        "AddEditMovie Left Top Width Height / Statistics Left Top / Options Left Top / "
        "AddEditMovieLink Left Top / AddEditMovieCast Left Top / AddEditMovieCrew Left Top / "
        "AddEditMovieEpisode Left Top / SelectMovie Left Top / "
        "ExtractOptions Left Top Width Height / SelectLinkToPlay Left Top / "
        "AddMovieByBarCode Left Top / AddMoviesByScanningFolder Left Top Width Height / "
        "AddEditLoan Left Top / AddEditLoaner Left Top Width Height / "
        "Loans Left Top Width Height /");
    std::vector<std::string> windows;
    std::string window;
    for (std::string word; names >> word;) {
        if (word == "/")
            window.clear();
        else if (window.empty())
            window = word;
        else
            windows.push_back(window + word);
    }
    ASSERT_EQ(windows.size(), 48u);
    for (size_t i = 0; i < windows.size(); ++i) {
        EXPECT_EQ(keys[9 + i], "view/window" + windows[i]);
        EXPECT_EQ(at(defaults, int(9 + i)).value.type(), Variant::kInt);
        EXPECT_EQ(at(defaults, int(9 + i)).value.toInt(), -1);
    }

    EXPECT_EQ(keys[57], "view/screenLayout");
    EXPECT_EQ(keys[60], "view/toolbar");
    EXPECT_EQ(keys[76], "view/sortMode");
    EXPECT_EQ(keys[77], "view/sortOrder");
    for (int column = 0; column < 16; ++column) {
        EXPECT_EQ(keys[size_t(78 + column)], "view/column" + std::to_string(column));
        EXPECT_EQ(keys[size_t(94 + column)], "view/columnWidth" + std::to_string(column));
    }
}

TEST(ConfigDefaults, GivesEachKeyItsTypeAndFirstStartValue)
{
    ConfigDefaultList defaults;
    ConfigDefaults::registerAll(defaults);
    auto find = [&defaults](const char* key) -> const Variant& {
        for (const ConfigDefault& entry : defaults) {
            if (show(entry.key) == key)
                return entry.value;
        }
        ADD_FAILURE() << key;
        static Variant none;
        return none;
    };

    EXPECT_EQ(find("model/language").type(), Variant::kString);
    EXPECT_EQ(show(find("model/language").toString()), "English");
    EXPECT_EQ(find("model/ignoreArticleWhenSortingTitles").type(), Variant::kBool);
    EXPECT_TRUE(find("model/whenReelstackStartsOpenTheLastUsedCollection").toBool());
    EXPECT_EQ(find("model/defaultLoanPeriod").toInt(), 14);
    EXPECT_EQ(find("model/recentCollection").type(), Variant::kString);
    EXPECT_TRUE(find("model/recentCollection").toString().isEmpty());
    EXPECT_EQ(find("model/extractOptions").toInt(), 65535);
    EXPECT_EQ(find("model/extractor").toInt(), -1);

    EXPECT_EQ(find("view/timeFormat").type(), Variant::kInt);
    EXPECT_FALSE(find("view/alwaysOnTop").toBool());
    EXPECT_EQ(find("view/alwaysOnTop").type(), Variant::kBool);
    EXPECT_TRUE(find("view/toolbar").toBool());
    EXPECT_EQ(find("view/viewMode").toInt(), 1);
    EXPECT_EQ(find("view/listZoom").type(), Variant::kFloat);
    EXPECT_EQ(find("view/listZoom").toFloat(), 0.0f);
    EXPECT_EQ(find("view/imagesZoom").toFloat(), 0.7f);
    EXPECT_EQ(find("view/coverFlowZoom").toFloat(), 1.0f);
    // Colours are opaque 0xAARRGGBB words.
    EXPECT_EQ(find("view/movieListBackgroundColor").type(), Variant::kUInt);
    EXPECT_EQ(find("view/movieListBackgroundColor").toUInt(), 0xFFA58500u);
    EXPECT_EQ(find("view/movieListTextColor").toUInt(), 0xFFFAF2E7u);
    EXPECT_EQ(find("view/movieListSelectedTextColor").toUInt(), 0xFF523E01u);
    EXPECT_EQ(find("view/movieCardBackgroundColor").toUInt(), 0xFFF2EED1u);
    EXPECT_EQ(find("view/movieCardTextColor").toUInt(), 0xFF8B6901u);
    EXPECT_EQ(find("view/movieCardTitleColor").toUInt(), 0xFF794B00u);
    EXPECT_EQ(find("view/movieCardLinkColor").toUInt(), 0xFF0086FFu);
    EXPECT_EQ(show(find("view/movieCardFontFamily").toString()), "Tahoma");
    EXPECT_EQ(find("view/movieCardFontSize").toInt(), 14);
    EXPECT_TRUE(find("view/movieCardAutoResizeBackground").toBool());
    EXPECT_EQ(find("view/sortMode").toInt(), 2);
    EXPECT_EQ(find("view/sortOrder").toInt(), 1);

    const int widths[16] = {150, 50, 70, 70, 70, 70, 50, 95, 120, 70, 50, 80, 50, 50, 50, 50};
    for (int column = 0; column < 16; ++column) {
        const Variant& shown = find(("view/column" + std::to_string(column)).c_str());
        EXPECT_EQ(shown.type(), Variant::kBool);
        EXPECT_TRUE(shown.toBool());
        const Variant& width = find(("view/columnWidth" + std::to_string(column)).c_str());
        EXPECT_EQ(width.type(), Variant::kInt);
        EXPECT_EQ(width.toInt(), widths[column]) << column;
    }
}
