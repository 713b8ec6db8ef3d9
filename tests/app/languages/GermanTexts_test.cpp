// The German language file against the texts the program shows: the main
// window's menus, tool bar and views, the dialogs and the widgets' own
// texts. Every text that reaches the translator without a German item is
// a miss, and there must be none.
#include "app/about/AboutWindow.h"
#include "app/barcode/AddMovieByBarCodeWindow.h"
#include "app/collections/NewCollectionWindow.h"
#include "app/collections/OpenCollectionWindow.h"
#include "app/extraction/ExtractOptionsWindow.h"
#include "app/extraction/SelectMovieWindow.h"
#include "app/feedback/FeedbackWindow.h"
#include "app/htmlexport/ExportToHtmlWindow.h"
#include "app/loans/AddEditLoanWindow.h"
#include "app/loans/AddEditLoanerWindow.h"
#include "app/loans/LoansWindow.h"
#include "app/main/MainWindow.h"
#include "app/movie/AddEditEpisodeWindow.h"
#include "app/movie/AddEditMovieCastWindow.h"
#include "app/movie/AddEditMovieCrewWindow.h"
#include "app/movie/AddEditMovieLinkWindow.h"
#include "app/movie/AddEditMovieWindow.h"
#include "app/options/OptionsWindow.h"
#include "app/password/PasswordEnteringWindow.h"
#include "app/password/PasswordProtectionWindow.h"
#include "app/play/SelectLinkToPlayWindow.h"
#include "app/scan/AddMoviesByScanningFolderWindow.h"
#include "app/stats/StatisticsTexts.h"
#include "app/stats/StatisticsWindow.h"
#include "app/textexchange/ExportToTextWindow.h"
#include "app/textexchange/ImportFromTextWindow.h"
#include "app/view/View.h"
#include "foundation/core/AppCore.h"
#include "foundation/core/Translator.h"
#include "model/NewMovieRecord.h"
#include "model/extractors/SearchResult.h"
#include "model/records/MovieLink.h"
#include "tests/app/RegisteredConfig.h"
#include "tests/app/TwelveMovies.h"
#include "tests/support/WidgetFakes.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/messagebox/UIMessageBox.h"
#include "ui/widgets/text/UITextEdit.h"

#include <algorithm>
#include <memory>
#include <set>
#include <string>

namespace {

std::string plain(const String& text)
{
    std::string out;
    for (int i = 0; i < text.length(); ++i)
        out += text.at(i) < 128 ? char(text.at(i)) : '?';
    return out;
}

String germanFile()
{
    const std::string data = REELSTACK_TEST_DATA_DIR;
    return String::fromUtf8(data.c_str(), int(data.size())) + String(u"/../../assets/languages/German.xml");
}

class GermanTexts : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        core = std::make_unique<AppCore>(String(u"Reelstack German texts"), String(u"1.0"));
        auto* german = new Translator;
        ASSERT_TRUE(german->load(germanFile())) << plain(germanFile());
        EXPECT_EQ(plain(german->englishName()), "German");
        EXPECT_EQ(plain(german->nativeName()), "Deutsch");
        german->setMissRecorder([this](const String& text, const String& context) {
            misses.insert("[" + plain(context) + "] " + plain(text));
        });
        core->installTranslator(german);
    }
    void TearDown() override
    {
        core.reset();
        WidgetTest::TearDown();
    }

    std::string missList() const
    {
        std::string list;
        for (const std::string& miss : misses)
            list += miss + "\n";
        return list;
    }

    std::unique_ptr<AppCore> core;
    std::set<std::string> misses;
};

} // namespace

TEST_F(GermanTexts, TheMainWindowLeavesNothingInEnglish)
{
    twelvemovies::Collection twelve;
    ASSERT_TRUE(twelve.opened);
    View view(twelve.model);
    view.createMainWindow();
    view.mainWindow()->fillMovieList();
    EXPECT_TRUE(misses.empty()) << missList();
}

TEST_F(GermanTexts, TheDialogsLeaveNothingInEnglish)
{
    twelvemovies::Collection twelve;
    ASSERT_TRUE(twelve.opened);
    View view(twelve.model);
    RegisteredConfig config;
    Loaner& loaner = twelve.model.loaners().append(Loaner())->value;
    loaner.loans.append(Loan{1, Date(2024, 1, 1), Date(2024, 1, 15), Date(), String()});
    loaner.loans.append(Loan{404, Date(2024, 1, 1), Date(2024, 1, 15), Date(), String()});

    {
        LoansWindow window(twelve.model, top);
        window.refresh();
        window.loanerTable()->selectRow(0);
        EXPECT_EQ(window.loanTable()->rowCount(), 2);
    }
    {
        AddEditLoanerWindow window(twelve.model, top, nullptr);
    }
    {
        AddEditLoanerWindow window(twelve.model, top, &loaner);
    }
    {
        AddEditLoanWindow window(twelve.model, top, loaner, nullptr);
        window.load();
    }
    {
        AddEditLoanWindow window(twelve.model, top, loaner, &loaner.loans.first()->value);
        window.load();
    }
    {
        OptionsWindow window(twelve.model, view, config, top);
        window.load();
    }
    {
        PasswordEnteringWindow window(String(u"Movies"), String(u"x"));
    }
    {
        PasswordProtectionWindow window(twelve.model, nullptr);
    }
    {
        NewCollectionWindow window(twelve.model);
    }
    {
        OpenCollectionWindow window(twelve.model);
    }
    EXPECT_TRUE(misses.empty()) << missList();
}

TEST_F(GermanTexts, TheMovieEditorsLeaveNothingInEnglish)
{
    twelvemovies::Collection twelve;
    ASSERT_TRUE(twelve.opened);
    Movie* movie = twelve.model.movies().first()->value;
    {
        AddEditMovieWindow window(twelve.model, top, nullptr, 0, NewMovieRecord());
    }
    {
        AddEditMovieWindow window(twelve.model, top, movie, 0, NewMovieRecord());
    }
    {
        AddEditEpisodeWindow window(top, movie, nullptr);
    }
    {
        AddEditMovieCastWindow window(top, movie, nullptr);
    }
    {
        AddEditMovieCrewWindow window(top, movie, nullptr);
    }
    {
        AddEditMovieLinkWindow window(top, movie, nullptr);
    }
    EXPECT_TRUE(misses.empty()) << missList();
}

TEST_F(GermanTexts, TheWidgetsOwnTextsLeaveNothingInEnglish)
{
    UIMessageBox box(UIMessageBox::kQuestion, String(), String(),
                     UIMessageBox::kRestartNow | UIMessageBox::kClose | UIMessageBox::kYes |
                         UIMessageBox::kNo | UIMessageBox::kOk | UIMessageBox::kCancel,
                     top);
    box.build();
    auto* line = new UILineEdit(top);
    line->retranslate();
    auto* text = new UITextEdit(top);
    text->retranslate();
    EXPECT_TRUE(misses.empty()) << missList();
}

TEST_F(GermanTexts, TheLaterWindowsLeaveNothingInEnglish)
{
    twelvemovies::Collection twelve;
    ASSERT_TRUE(twelve.opened);
    SearchResultList results;
    results.append(SearchResult{String(u"Heat"), 1995, String(u"/title/1"), 0});
    MovieLink link;
    List<const MovieLink*> links;
    links.append(&link);
    {
        ExtractOptionsWindow window(twelve.model, top, ~0u);
    }
    {
        SelectMovieWindow window(top, results);
    }
    {
        AddMovieByBarCodeWindow window;
    }
    {
        AddMoviesByScanningFolderWindow window;
    }
    {
        SelectLinkToPlayWindow window(links);
    }
    {
        StatisticsWindow window(twelve.model, nullptr);
    }
    {
        FeedbackWindow window(nullptr);
    }
    {
        AboutWindow window;
    }
    {
        ExportToHtmlWindow window;
    }
    {
        ExportToTextWindow window(twelve.model);
    }
    {
        ImportFromTextWindow window(twelve.model);
    }
    EXPECT_TRUE(misses.empty()) << missList();
}

// What the windows only show once they run (the fields to extract), in
// message boxes and balloons, and the figures of the statistics.
TEST_F(GermanTexts, TheLaterMessagesLeaveNothingInEnglish)
{
    const struct
    {
        const char16_t* context;
        const char16_t* text;
    } shown[] = {
        {u"ExtractOptionsWindow", u"Original Title"},
        {u"ExtractOptionsWindow", u"Genre"},
        {u"ExtractOptionsWindow", u"Studio"},
        {u"ExtractOptionsWindow", u"Country"},
        {u"ExtractOptionsWindow", u"Language"},
        {u"ExtractOptionsWindow", u"Year"},
        {u"ExtractOptionsWindow", u"IMDb Rating"},
        {u"ExtractOptionsWindow", u"MPAA Rating"},
        {u"ExtractOptionsWindow", u"Poster"},
        {u"ExtractOptionsWindow", u"Cast"},
        {u"ExtractOptionsWindow", u"Crew"},
        {u"ExtractOptionsWindow", u"Episodes"},
        {u"ExtractOptionsWindow", u"Running Time"},
        {u"ExtractOptionsWindow", u"Color"},
        {u"Movie", u"Color"},
        {u"Movie", u"Black & White"},
        {u"Movie", u"Color, Black & White"},
        {u"ExtractOptionsWindow", u"Plot"},
        {u"ExtractOptionsWindow", u"Links"},
        {u"AddMovieByBarCodeWindow", u"Bar code ^ was not found."},
        {u"AddMovieByBarCodeWindow",
         u"Enter the all digits printed on the bar code, including any numbers\nto the right or "
         u"left of the bar code itself, even if they don't line up\nwith the main row of numbers."},
        {u"AddMoviesByScanningFolderWindow", u"Hard Disk"},
        {u"AddMoviesByScanningFolderWindow", u"Please select a folder where your movies."},
        {u"FeedbackWindow", u"An error occurred, please try again later."},
        {u"FeedbackWindow", u"Can not send feedback."},
        {u"FeedbackWindow", u"Please check your connection and try again."},
        {u"FeedbackWindow", u"Please fill the required fields."},
        {u"FeedbackWindow", u"Your feedback has been sent successfully. Thank you."},
        {u"ExportToTextWindow", u"The file ^ could not be written."},
        {u"ExportToTextWindow", u"Another program may hold it open, or the folder may not allow changes."},
        {u"ImportFromTextWindow", u"Import (^ Movies)"},
        {u"ImportFromTextWindow", u"^ lines were skipped: they give no title or no year."},
        {u"ImportFromTextWindow", u"The first is line ^."},
        {u"ImportFromTextWindow", u"^ line was skipped: it gives no title or no year."},
        {u"ImportFromTextWindow", u"It is line ^."},
        {u"Common/Dialogs", u"TXT Files"},
        {u"MainWindow", u"Are you sure you want to delete the movie?"},
        {u"MainWindow", u"This action cannot be undone."},
        {u"MainWindow", u"A new version of Reelstack is available."},
        {u"MainWindow", u"This version of Reelstack (^) is the current version."},
        {u"MainWindow", u"Would you like to visit the Reelstack home page for more information?"},
    };
    for (const auto& text : shown)
        EXPECT_FALSE(core->translate(text.text, text.context).isEmpty()) << plain(String(text.text));
    EXPECT_EQ(plain(StatisticsTexts::count(3)), "3 Filme");
    EXPECT_EQ(plain(StatisticsTexts::runningTime(90)).substr(0, 20), "1 Stunden 30 Minuten");
    EXPECT_TRUE(misses.empty()) << missList();
}

// The bar code hint is laid out in three lines in both languages; the file
// writes its breaks as escapes, and they must come out as breaks.
TEST_F(GermanTexts, TheBarCodeHintKeepsItsThreeLines)
{
    const String hint = core->translate(
        u"Enter the all digits printed on the bar code, including any numbers\nto the right or "
        u"left of the bar code itself, even if they don't line up\nwith the main row of numbers.",
        u"AddMovieByBarCodeWindow");
    const std::string shown = plain(hint);
    EXPECT_EQ(shown.find("\\n"), std::string::npos) << shown;
    EXPECT_EQ(std::count(shown.begin(), shown.end(), '\n'), 2) << shown;
    EXPECT_EQ(shown.substr(0, 14), "Geben Sie alle") << shown;
    EXPECT_TRUE(misses.empty()) << missList();
}
