// The German language file against the texts the program shows: the main
// window's menus, tool bar and views, the dialogs and the widgets' own
// texts. Every text that reaches the translator without a German item is
// a miss, and there must be none.
#include "app/collections/NewCollectionWindow.h"
#include "app/collections/OpenCollectionWindow.h"
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
#include "app/view/View.h"
#include "foundation/core/AppCore.h"
#include "foundation/core/Translator.h"
#include "model/NewMovieRecord.h"
#include "tests/app/RegisteredConfig.h"
#include "tests/app/TwelveMovies.h"
#include "tests/support/WidgetFakes.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/messagebox/UIMessageBox.h"
#include "ui/widgets/text/UITextEdit.h"

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
