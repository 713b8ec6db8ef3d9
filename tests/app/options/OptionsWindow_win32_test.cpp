// The options window on the test display, run modally and driven from a
// timer: every control shows the stored setting and OK writes each one back
// to the model, the View and "model/language"; Restore Defaults touches only
// the controls; a language or font the machine lacks survives OK.
#include "app/options/OptionsWindow.h"
#include "app/view/View.h"
#include "foundation/core/AppCore.h"
#include "foundation/data/Variant.h"
#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "model/records/RecordFormat.h"
#include "tests/app/RegisteredConfig.h"
#include "tests/app/loans/LoansTestSupport.h"
#include "tests/support/LaterStep.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/buttons/UICheck.h"
#include "ui/widgets/color/UIColorPicker.h"
#include "ui/widgets/combo/UIComboBox.h"
#include "ui/widgets/combo/UIComboBoxItem.h"
#include "ui/widgets/range/UISlider.h"
#include "ui/widgets/spinbox/UISpinBox.h"

#include <gtest/gtest.h>

using testsupport::LaterStep;
using testsupport::UIHarness;

namespace {

const char16_t kLanguageKey[] = u"model/language";

String assetLanguage(const char16_t* name)
{
    const std::string data = REELSTACK_TEST_DATA_DIR;
    return String::fromUtf8(data.c_str(), int(data.size())) + String(u"\\..\\..\\assets\\languages\\") +
           String(name) + String(u".xml");
}

uint32_t rgb(const Color& color)
{
    return color.value() & 0xFFFFFFu;
}

// Everything the window shows, read back from its controls.
struct Shown
{
    std::string language;
    int timeFormat = -1;
    bool checks[5] = {};
    uint32_t listColors[3] = {};
    uint32_t cardColors[4] = {};
    std::string font;
    int fontSize = 0;
    int loanPeriod = 0;

    static Shown of(OptionsWindow& window)
    {
        Shown shown;
        shown.language = iotest::show(window.languageBox()->currentText());
        shown.timeFormat = window.timeFormatBox()->currentIndex();
        UICheck* checks[5] = {window.askCheck(), window.openLastCheck(), window.ignoreArticleCheck(),
                              window.showTitleCheck(), window.autoResizeCheck()};
        for (int i = 0; i < 5; ++i)
            shown.checks[i] = checks[i]->isChecked();
        for (int i = 0; i < 3; ++i)
            shown.listColors[i] = rgb(window.listColor(i)->color());
        for (int i = 0; i < 4; ++i)
            shown.cardColors[i] = rgb(window.cardColor(i)->color());
        shown.font = iotest::show(window.fontBox()->currentText());
        shown.fontSize = window.fontSizeSlider()->value();
        shown.loanPeriod = window.loanPeriodBox()->intValue();
        return shown;
    }
};

class OptionsWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(UIHarness::start());
        core = std::make_unique<AppCore>(String(u"Reelstack options test"), String(u"1.0"));
        ASSERT_TRUE(movies.opened);
        const String languages = iotest::toPath(folder.path()) + String(u"\\languages");
        ASSERT_TRUE(Directory::create(languages));
        for (const char16_t* name : {u"English", u"German"})
            ASSERT_TRUE(
                File::copy(assetLanguage(name), languages + String(u"\\") + String(name) + String(u".xml")));
        core->setAppDirectory(iotest::toPath(folder.path()));
        RecordFormat::setTimeFormat(0);
    }
    void TearDown() override
    {
        RecordFormat::setTimeFormat(0);
        core.reset();
    }

    void store(const char16_t* language) { config.setValue(String(kLanguageKey), Variant(String(language))); }
    std::string storedLanguage() const
    {
        return iotest::show(config.value(String(kLanguageKey), Variant()).toString());
    }
    // Runs the window; step gets it shown and ends by closing it.
    bool run(const std::function<void(OptionsWindow&)>& step)
    {
        OptionsWindow window(*movies.model, view, config, nullptr);
        LaterStep later(150, [&] {
            UIHarness::activate(window.dialog());
            UIHarness::pumpFor(50);
            step(window);
            return true;
        });
        return window.exec();
    }
    static void click(UIButton* button) { UIHarness::click(button, button->rect().center()); }

    std::unique_ptr<AppCore> core;
    testsupport::TempDir folder;
    loanstest::Collection movies{{{u"Alien", 1979}}};
    View view{*movies.model};
    RegisteredConfig config;
};

} // namespace

TEST_F(OptionsWindowTest, EveryControlShowsTheStoredSettingAndOkWritesItBack)
{
    store(u"German");
    RecordFormat::setTimeFormat(2);
    CollectionModel& model = *movies.model;
    model.setAskForConfirmationWhenRemovingMovies(false);
    model.setOpenLastCollectionAtStart(true);
    model.setIgnoreArticleWhenSortingTitles(false);
    model.loaners().setDefaultLoanPeriod(21);
    view.movieListBackgroundColor = Color(1, 2, 3);
    view.movieListTextColor = Color(4, 5, 6);
    view.movieListSelectedTextColor = Color(7, 8, 9);
    view.movieListShowTitleUnderImage = false;
    view.movieCardAutoResizeBackground = true;
    ViewSettings& card = model.viewSettings();
    card.movieCardBackgroundColor = Color(10, 11, 12);
    card.movieCardTextColor = Color(13, 14, 15);
    card.movieCardTitleColor = Color(16, 17, 18);
    card.movieCardLinkColor = Color(19, 20, 21);
    card.movieCardFontFamily = String(u"Liberation Serif");
    card.movieCardFontSize = 17;

    Shown loaded;
    const bool accepted = run([&](OptionsWindow& window) {
        loaded = Shown::of(window);
        window.languageBox()->setCurrentText(String(u"English"), String::kCaseSensitive);
        window.timeFormatBox()->setCurrentIndex(1);
        window.askCheck()->setChecked(true);
        window.openLastCheck()->setChecked(false);
        window.ignoreArticleCheck()->setChecked(true);
        window.showTitleCheck()->setChecked(true);
        window.autoResizeCheck()->setChecked(false);
        for (int i = 0; i < 3; ++i)
            window.listColor(i)->setColor(Color(100 + i, 0, 0));
        for (int i = 0; i < 4; ++i)
            window.cardColor(i)->setColor(Color(0, 100 + i, 0));
        window.fontBox()->setCurrentText(String(u"Liberation Mono"), String::kCaseSensitive);
        window.fontSizeSlider()->setValue(20);
        window.loanPeriodBox()->setIntValue(30);
        click(window.okButton());
    });
    EXPECT_EQ(loaded.language, "Deutsch");
    EXPECT_EQ(loaded.timeFormat, 2);
    EXPECT_FALSE(loaded.checks[0]);
    EXPECT_TRUE(loaded.checks[1]);
    EXPECT_FALSE(loaded.checks[2]);
    EXPECT_FALSE(loaded.checks[3]);
    EXPECT_TRUE(loaded.checks[4]);
    EXPECT_EQ(loaded.listColors[0], 0x010203u);
    EXPECT_EQ(loaded.listColors[2], 0x070809u);
    EXPECT_EQ(loaded.cardColors[0], 0x0A0B0Cu);
    EXPECT_EQ(loaded.cardColors[3], 0x131415u);
    EXPECT_EQ(loaded.font, "Liberation Serif");
    EXPECT_EQ(loaded.fontSize, 17);
    EXPECT_EQ(loaded.loanPeriod, 21);

    ASSERT_TRUE(accepted);
    EXPECT_EQ(storedLanguage(), "English");
    EXPECT_EQ(RecordFormat::timeFormat(), 1);
    EXPECT_TRUE(model.askForConfirmationWhenRemovingMovies());
    EXPECT_FALSE(model.openLastCollectionAtStart());
    EXPECT_TRUE(model.ignoreArticleWhenSortingTitles());
    EXPECT_TRUE(view.movieListShowTitleUnderImage);
    EXPECT_FALSE(view.movieCardAutoResizeBackground);
    EXPECT_EQ(rgb(view.movieListBackgroundColor), 0x640000u);
    EXPECT_EQ(rgb(view.movieListTextColor), 0x650000u);
    EXPECT_EQ(rgb(view.movieListSelectedTextColor), 0x660000u);
    EXPECT_EQ(rgb(card.movieCardBackgroundColor), 0x006400u);
    EXPECT_EQ(rgb(card.movieCardLinkColor), 0x006700u);
    EXPECT_EQ(iotest::show(card.movieCardFontFamily), "Liberation Mono");
    EXPECT_EQ(card.movieCardFontSize, 20);
    EXPECT_EQ(model.loaners().defaultLoanPeriod(), 30);
}

TEST_F(OptionsWindowTest, RestoreDefaultsSetsOnlyTheControlsUntilOk)
{
    store(u"German");
    movies.model->loaners().setDefaultLoanPeriod(50);
    movies.model->viewSettings().movieCardFontSize = 18;
    view.movieListBackgroundColor = Color(1, 2, 3);

    Shown restored;
    EXPECT_FALSE(run([&](OptionsWindow& window) {
        click(window.restoreButton());
        UIHarness::pumpFor(30);
        restored = Shown::of(window);
        click(window.cancelButton());
    }));
    EXPECT_EQ(restored.language, "Deutsch") << "the first language by native name";
    EXPECT_EQ(restored.timeFormat, 0);
    for (bool check : restored.checks)
        EXPECT_TRUE(check);
    EXPECT_EQ(restored.listColors[0], 0xA58500u);
    EXPECT_EQ(restored.cardColors[3], 0x0086FFu);
    EXPECT_EQ(restored.font, "Tahoma") << "listed although not installed";
    EXPECT_EQ(restored.fontSize, 12);
    EXPECT_EQ(restored.loanPeriod, 14);
    EXPECT_EQ(storedLanguage(), "German") << "Cancel changes nothing";
    EXPECT_EQ(movies.model->loaners().defaultLoanPeriod(), 50);
    EXPECT_EQ(movies.model->viewSettings().movieCardFontSize, 18);
    EXPECT_EQ(rgb(view.movieListBackgroundColor), 0x010203u);

    EXPECT_TRUE(run([&](OptionsWindow& window) {
        click(window.restoreButton());
        click(window.okButton());
    }));
    EXPECT_EQ(movies.model->viewSettings().movieCardFontSize, 12);
    EXPECT_EQ(iotest::show(movies.model->viewSettings().movieCardFontFamily), "Tahoma");
    EXPECT_EQ(movies.model->loaners().defaultLoanPeriod(), 14);
}

TEST_F(OptionsWindowTest, WhatTheMachineLacksSurvivesOk)
{
    struct Case
    {
        const char16_t* stored;
        const char* shown;
        const char* kept;
    };
    const Case cases[] = {
        {u"german", "Deutsch", "German"},
        {u"Klingon", "", "Klingon"},
        {u"", "", ""},
    };
    for (const Case& c : cases) {
        store(c.stored);
        movies.model->viewSettings().movieCardFontFamily = String(u"No Such Family");
        movies.model->viewSettings().movieCardFontSize = 40;
        std::string language, font;
        EXPECT_TRUE(run([&](OptionsWindow& window) {
            language = iotest::show(window.languageBox()->currentText());
            font = iotest::show(window.fontBox()->currentText());
            click(window.okButton());
        }));
        if (*c.shown) {
            EXPECT_EQ(language, c.shown) << iotest::show(String(c.stored));
        }
        EXPECT_EQ(storedLanguage(), c.kept) << "no other language chosen silently";
        EXPECT_EQ(font, "No Such Family");
        EXPECT_EQ(iotest::show(movies.model->viewSettings().movieCardFontFamily), "No Such Family");
        EXPECT_EQ(movies.model->viewSettings().movieCardFontSize, 22) << "clamped by the slider";
    }
}
