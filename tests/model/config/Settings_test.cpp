// The model's and the view's settings through "config.dat": what is stored
// comes back after a restart, and missing or mistyped values fall back.
#include <gtest/gtest.h>

#include "model/CollectionModel.h"
#include "model/config/ViewSettings.h"
#include "model/records/RecordFormat.h"
#include "tests/model/config/ConfigTestSupport.h"

using namespace configtest;

TEST_F(ConfigTest, ModelAndViewSettingsSurviveARestart)
{
    int32_t timeFormat = RecordFormat::timeFormat();
    // An empty file beside the program keeps the test away from the user's.
    ASSERT_TRUE(iotest::writeFileBytes(iotest::nativeIn(m_dir, "config.dat"), iotest::Bytes()));
    {
        std::unique_ptr<ConfigFile> config = Configuration::load(String(u"Reelstack"));
        CollectionModel model(String(u"unused"));
        model.loadSettings(*config, String(u"en"));
        model.setIgnoreArticleWhenSortingTitles(false);
        model.setOpenLastCollectionAtStart(true);
        model.setRecentCollection(String(u"Caf\u00e9 \"Noir\" & <Friends>"));
        model.loaners().setDefaultLoanPeriod(30);
        model.setExtractOptions(0x0F0Fu);
        model.saveSettings(*config);
        model.loadViewSettings(*config);
        ViewSettings& view = model.viewSettings();
        RecordFormat::setTimeFormat(RecordFormat::kTimeHoursAndMinutes);
        view.movieCardBackgroundColor = Color(10, 20, 30);
        view.movieCardFontFamily = String(u"Verdana");
        model.sortMovies(0, 0);
        model.saveViewSettings(*config);
        ASSERT_TRUE(config->save());
    }
    RecordFormat::setTimeFormat(RecordFormat::kTimeAutomatic);

    std::unique_ptr<ConfigFile> config = Configuration::load(String(u"Reelstack"));
    CollectionModel model(String(u"unused"));
    model.loadSettings(*config, String(u"en"));
    EXPECT_FALSE(model.ignoreArticleWhenSortingTitles());
    EXPECT_TRUE(model.askForConfirmationWhenRemovingMovies());
    EXPECT_TRUE(model.openLastCollectionAtStart());
    EXPECT_EQ(show(model.recentCollection()), "Caf\\u00e9 \"Noir\" & <Friends>");
    EXPECT_EQ(model.loaners().defaultLoanPeriod(), 30);
    EXPECT_EQ(model.extractOptions(), 0x0F0Fu);
    model.loadViewSettings(*config);
    const ViewSettings& view = model.viewSettings();
    EXPECT_EQ(RecordFormat::timeFormat(), RecordFormat::kTimeHoursAndMinutes);
    EXPECT_EQ(view.movieCardBackgroundColor.value(), 0xFF0A141Eu);
    EXPECT_EQ(view.movieCardTextColor.value(), 0xFF8B6901u);
    EXPECT_EQ(show(view.movieCardFontFamily), "Verdana");
    EXPECT_EQ(model.sortMode(), 0);
    EXPECT_EQ(model.sortOrder(), 0);
    RecordFormat::setTimeFormat(timeFormat);
}

TEST_F(ConfigTest, ModelSettingsFallBackWhenMissingOrOutOfRange)
{
    using Stored = std::vector<std::pair<const char16_t*, const char16_t*>>;
    const Stored none;
    const Stored odd = {{u"model/ignoreArticleWhenSortingTitles", u"1"},
                        {u"model/defaultLoanPeriod", u"0"},
                        {u"model/extractOptions", u"-1"},
                        {u"model/extractor", u"7"}};
    const Stored portuguese = {{u"model/extractor", u"-1"}, {u"model/defaultLoanPeriod", u"-5"}};
    struct Row
    {
        const char* what;
        const Stored& stored;
        const char16_t* language;
        bool ignoreArticle;
        int32_t loanPeriod;
        uint32_t extractOptions;
        int32_t extractor;
    };
    const Row rows[] = {
        {"nothing stored: an absent key reads as 0", none, u"de", false, 1, 0u, 0},
        {"texts and values out of range", odd, u"de", true, 1, 0xFFFFFFFFu, 1},
        {"no site for the language", portuguese, u"pt", false, 1, 0u, 0},
    };
    for (const Row& row : rows) {
        ConfigFile config(String(u"other.dat"), String(), ConfigFile::kAppDirectory, ConfigFile::kXml);
        for (const auto& entry : row.stored)
            config.addEntry(String(entry.first), Variant(entry.second), String());
        CollectionModel model(String(u"unused"));
        model.loadSettings(config, String(row.language));
        EXPECT_EQ(model.ignoreArticleWhenSortingTitles(), row.ignoreArticle) << row.what;
        EXPECT_EQ(model.loaners().defaultLoanPeriod(), row.loanPeriod) << row.what;
        EXPECT_EQ(model.extractOptions(), row.extractOptions) << row.what;
        EXPECT_EQ(model.extractorIndex(), row.extractor) << row.what;
        // Saving never adds keys the configuration does not hold.
        model.saveSettings(config);
        EXPECT_EQ(config.count(), int(row.stored.size())) << row.what;
    }
}
