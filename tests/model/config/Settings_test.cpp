// The model's and the view's settings through "config.dat": what is stored
// comes back after a restart, and missing or mistyped values fall back.
#include <gtest/gtest.h>

#include "foundation/data/ConfigFile.h"
#include "model/CollectionModel.h"
#include "model/config/Configuration.h"
#include "model/config/ViewSettings.h"
#include "model/records/RecordFormat.h"
#include "tests/model/config/ConfigTestSupport.h"

using configtest::ConfigTest;
using iotest::show;

namespace {

// Restores the process-wide running-time format after a test changes it.
class TimeFormatScope
{
public:
    TimeFormatScope() : m_saved(RecordFormat::timeFormat()) {}
    ~TimeFormatScope() { RecordFormat::setTimeFormat(m_saved); }
    TimeFormatScope(const TimeFormatScope&) = delete;
    TimeFormatScope& operator=(const TimeFormatScope&) = delete;

private:
    int32_t m_saved;
};

ConfigFile emptyConfig()
{
    return ConfigFile(String(u"other.dat"), String(), ConfigFile::kAppDirectory, ConfigFile::kXml);
}

void set(ConfigFile& config, const char16_t* key, const char16_t* text)
{
    config.addEntry(String(key), Variant(text), String());
}

} // namespace

TEST_F(ConfigTest, ModelAndViewSettingsSurviveARestart)
{
    TimeFormatScope timeFormat;
    // An empty file beside the program keeps the test away from the user's.
    ASSERT_TRUE(iotest::writeFileBytes(iotest::nativeIn(m_dir, "config.dat"), iotest::Bytes()));
    {
        std::unique_ptr<ConfigFile> config = Configuration::load(String(u"Reelstack"));
        CollectionModel model(String(u"unused"));
        model.loadSettings(*config, String(u"en"));
        EXPECT_TRUE(model.ignoreArticleWhenSortingTitles());
        EXPECT_EQ(model.loaners().defaultLoanPeriod(), 14);
        EXPECT_EQ(model.extractOptions(), 65535u);

        model.setIgnoreArticleWhenSortingTitles(false);
        model.setAskForConfirmationWhenRemovingMovies(false);
        model.setOpenLastCollectionAtStart(true);
        model.setRecentCollection(String(u"Caf\u00e9 \"Noir\" & <Friends>"));
        model.setRecentBrowsedFolder(String(u"D:\\Filme\\Neu"));
        model.loaners().setDefaultLoanPeriod(30);
        model.setExtractOptions(0x0F0Fu);
        model.saveSettings(*config);

        model.loadViewSettings(*config);
        ViewSettings& view = model.viewSettings();
        EXPECT_EQ(view.movieCardLinkColor.value(), 0xFF0086FFu);
        EXPECT_EQ(show(view.movieCardFontFamily), "Tahoma");
        EXPECT_EQ(model.sortMode(), 2);
        RecordFormat::setTimeFormat(RecordFormat::kTimeHoursAndMinutes);
        view.movieCardBackgroundColor = Color(10, 20, 30);
        view.movieCardFontFamily = String(u"Verdana");
        view.movieCardFontSize = 18;
        model.sortMovies(0, 0);
        model.saveViewSettings(*config);
        ASSERT_TRUE(config->save());
    }
    RecordFormat::setTimeFormat(RecordFormat::kTimeAutomatic);

    iotest::Bytes saved = configBytes();
    std::unique_ptr<ConfigFile> config = Configuration::load(String(u"Reelstack"));
    EXPECT_EQ(configBytes(), saved);
    CollectionModel model(String(u"unused"));
    model.loadSettings(*config, String(u"en"));
    EXPECT_FALSE(model.ignoreArticleWhenSortingTitles());
    EXPECT_FALSE(model.askForConfirmationWhenRemovingMovies());
    EXPECT_TRUE(model.openLastCollectionAtStart());
    EXPECT_EQ(show(model.recentCollection()), "Caf\\u00e9 \"Noir\" & <Friends>");
    EXPECT_EQ(show(model.recentBrowsedFolder()), "D:\\Filme\\Neu");
    EXPECT_EQ(model.loaners().defaultLoanPeriod(), 30);
    EXPECT_EQ(model.extractOptions(), 0x0F0Fu);

    model.loadViewSettings(*config);
    const ViewSettings& view = model.viewSettings();
    EXPECT_EQ(RecordFormat::timeFormat(), RecordFormat::kTimeHoursAndMinutes);
    EXPECT_EQ(view.movieCardBackgroundColor.value(), 0xFF0A141Eu);
    EXPECT_EQ(view.movieCardTextColor.value(), 0xFF8B6901u);
    EXPECT_EQ(show(view.movieCardFontFamily), "Verdana");
    EXPECT_EQ(view.movieCardFontSize, 18);
    EXPECT_EQ(model.sortMode(), 0);
    EXPECT_EQ(model.sortOrder(), 0);
    // The language is the application's, not the model's.
    EXPECT_EQ(show(config->value(String(u"model/language"), Variant()).toString()), "English");
}

TEST_F(ConfigTest, ModelSettingsFallBackWhenMissingOrOutOfRange)
{
    CollectionModel model(String(u"unused"));
    ConfigFile none = emptyConfig();
    model.loadSettings(none, String(u"de"));
    EXPECT_FALSE(model.ignoreArticleWhenSortingTitles());
    EXPECT_FALSE(model.askForConfirmationWhenRemovingMovies());
    EXPECT_FALSE(model.openLastCollectionAtStart());
    EXPECT_TRUE(model.recentCollection().isEmpty());
    EXPECT_EQ(model.loaners().defaultLoanPeriod(), 1);
    EXPECT_EQ(model.extractOptions(), 0u);
    EXPECT_EQ(model.extractorIndex(), 1);

    ConfigFile odd = emptyConfig();
    set(odd, u"model/ignoreArticleWhenSortingTitles", u"1");
    set(odd, u"model/askForConfirmationWhenRemovingMovies", u"true");
    set(odd, u"model/whenReelstackStartsOpenTheLastUsedCollection", u"0");
    set(odd, u"model/defaultLoanPeriod", u"0");
    set(odd, u"model/extractOptions", u"-1");
    set(odd, u"model/extractor", u"7");
    model.loadSettings(odd, String(u"de"));
    EXPECT_TRUE(model.ignoreArticleWhenSortingTitles());
    EXPECT_TRUE(model.askForConfirmationWhenRemovingMovies());
    EXPECT_FALSE(model.openLastCollectionAtStart());
    EXPECT_EQ(model.loaners().defaultLoanPeriod(), 1);
    EXPECT_EQ(model.extractOptions(), 0xFFFFFFFFu);
    EXPECT_EQ(model.extractorIndex(), 1);

    ConfigFile portuguese = emptyConfig();
    set(portuguese, u"model/extractor", u"-1");
    set(portuguese, u"model/defaultLoanPeriod", u"-5");
    model.loadSettings(portuguese, String(u"pt"));
    EXPECT_EQ(model.extractorIndex(), 0);
    EXPECT_EQ(model.loaners().defaultLoanPeriod(), 1);

    // Saving never adds keys the configuration does not hold.
    ConfigFile partial = emptyConfig();
    set(partial, u"model/recentCollection", u"old");
    model.setRecentCollection(String(u"new"));
    model.saveSettings(partial);
    EXPECT_EQ(partial.count(), 1);
    EXPECT_EQ(show(partial.value(String(u"model/recentCollection"), Variant()).toString()), "new");
}
