// The movie editor run modally on a collection in a temporary data folder,
// driven by real input from a timer: what OK stores, stepping through the
// collection, and values the controls cannot show surviving open and OK.
#include "app/movie/AddEditMovieWindow.h"

#include "app/movie/MovieListEditor.h"
#include "tests/app/movie/MovieEditorFixture.h"
#include "ui/widgets/buttons/UICheck.h"
#include "ui/widgets/color/UIColorPicker.h"
#include "ui/widgets/combo/UIComboBox.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/spinbox/UISpinBox.h"
#include "ui/widgets/text/UITextEdit.h"
#include "ui/widgets/text/UITextEditView.h"

using namespace movietest;

namespace {

std::string joined(const StringList& list)
{
    return utf8(list.join(String(u"|")));
}

class EditorRun : public MovieEditorTest
{
protected:
    // Runs the editor with act driving it; the editor's results.
    void runEditor(AddEditMovieWindow& editor, const std::function<void()>& act)
    {
        UIDialog* dialog = editor.dialog();
        EXPECT_TRUE(drive(dialog, act, [&] { editor.exec(results); }));
    }

    uint32_t results[3] = {9, 9, 9};
};

} // namespace

TEST_F(EditorRun, OkStoresTheControlsAndAnEmptyTitleStoresNothing)
{
    AddEditMovieWindow editor(*model, window, nullptr, 0, NewMovieRecord());
    bool refused = false;
    int pageAfterRefusal = -1;
    runEditor(editor, [&] {
        UIHarness::saveShot(editor.dialog(), "MovieEditor-General");
        clickTab(editor.pageBar(), AddEditMovieWindow::kAdditionalPage);
        UIHarness::saveShot(editor.dialog(), "MovieEditor-Additional");
        type(editor.titleEdit(), "   ");
        click(editor.okButton());
        refused = balloonSays("Please fill the required fields.");
        pageAfterRefusal = editor.pageBar()->currentIndex();
        UIBalloonTip::hideBalloon();
        EXPECT_EQ(model->movieCount(), 0) << "nothing is stored";
        type(editor.titleEdit(), " night harbour ");
        type(editor.genreEdit(), "drama, ,comedy ");
        type(editor.languageEdit(), ",en");
        clickTab(editor.pageBar(), AddEditMovieWindow::kPlotPage);
        type(editor.tagsEdit(), "old,, new ");
        clickTab(editor.pageBar(), AddEditMovieWindow::kAdditionalPage);
        type(editor.barcodeEdit(), "1234567890123456");
        click(editor.okButton());
    });
    EXPECT_TRUE(refused);
    EXPECT_EQ(pageAfterRefusal, AddEditMovieWindow::kGeneralPage);
    EXPECT_EQ(results[0], 1u);
    EXPECT_EQ(results[1], 0u);
    EXPECT_EQ(results[2], 0u);
    ASSERT_EQ(model->movieCount(), 1);
    const Movie* movie = model->movies().first()->value;
    EXPECT_EQ(editor.lastMovie(), movie);
    EXPECT_EQ(utf8(movie->title), "night harbour");
    EXPECT_EQ(joined(movie->genres), "drama|comedy");
    EXPECT_EQ(joined(movie->languages), "en");
    EXPECT_EQ(joined(movie->tags), "old|new");
    EXPECT_EQ(utf8(movie->barcode), "1234567890123") << "at most 13 characters";
    EXPECT_EQ(movie->year, 0) << "n/a";
    EXPECT_EQ(movie->runningTime, 0);
    EXPECT_EQ(movie->myRating, 0.0f);
    EXPECT_GT(movie->id, 0);
    EXPECT_FALSE(movie->created.isNull());
    EXPECT_TRUE(movie->created == movie->modified);
    const CardStyle& style = movie->cardStyle;
    for (const Color* stored :
         {&style.backgroundColor, &style.textColor, &style.titleColor, &style.linkColor})
        EXPECT_EQ(stored->value(), 0u) << "the view's default is stored empty";
    EXPECT_TRUE(style.fontFamily.isEmpty()) << utf8(style.fontFamily);
}

TEST_F(EditorRun, ChangedColoursAndFontAreStoredAndTheResetGoesBackToTheView)
{
    Movie* movie = addMovie("Harbour");
    movie->cardStyle.textColor = Color(1, 2, 3);
    AddEditMovieWindow editor(*model, window, movie, 0, NewMovieRecord());
    runEditor(editor, [&] {
        clickTab(editor.pageBar(), AddEditMovieWindow::kDisplayPage);
        EXPECT_EQ(editor.colorPicker(1)->color(), Color(1, 2, 3));
        EXPECT_EQ(editor.colorPicker(0)->color(), model->viewSettings().movieCardBackgroundColor);
        UIHarness::saveShot(editor.dialog(), "MovieEditor-Display");
        editor.colorPicker(2)->setColor(Color(5, 5, 5));
        click(editor.resetButton());
        EXPECT_EQ(editor.colorPicker(1)->color(), model->viewSettings().movieCardTextColor);
        editor.colorPicker(0)->setColor(Color(9, 9, 9));
        click(editor.okButton());
    });
    EXPECT_EQ(movie->cardStyle.backgroundColor, Color(9, 9, 9));
    EXPECT_EQ(movie->cardStyle.textColor.value(), 0u) << "reset to the view's";
    EXPECT_EQ(movie->cardStyle.titleColor.value(), 0u);
}

TEST_F(EditorRun, AStrangeYearARatingBetweenStarsAndAMissingFontSurviveOpenAndOk)
{
    struct Row
    {
        int year;
        float rating;
        const char* font;
    };
    const Row rows[] = {
        {1895, 7.5f, "No Such Family Here"}, {2031, 10.0f, ""}, {1850, 0.5f, "Liberation Serif"}};
    for (const Row& row : rows) {
        Movie* movie = addMovie("Old One");
        movie->year = row.year;
        movie->myRating = row.rating;
        movie->cardStyle.fontFamily = text(row.font);
        AddEditMovieWindow editor(*model, window, movie, 0, NewMovieRecord());
        std::string ratingLabel;
        runEditor(editor, [&] {
            // Shown, so that their controls are filled and read back.
            clickTab(editor.pageBar(), AddEditMovieWindow::kAdditionalPage);
            ratingLabel = utf8(editor.myRatingLabel()->text());
            clickTab(editor.pageBar(), AddEditMovieWindow::kDisplayPage);
            click(editor.okButton());
        });
        EXPECT_EQ(results[0], 1u);
        EXPECT_EQ(movie->year, row.year);
        EXPECT_FLOAT_EQ(movie->myRating, row.rating);
        EXPECT_EQ(utf8(movie->cardStyle.fontFamily), row.font);
        EXPECT_EQ(ratingLabel, utf8(String::fromDouble(double(row.rating), 1)));
    }
}

TEST_F(EditorRun, SteppingSavesEachMovieAndCancelKeepsTheStepsTaken)
{
    Movie* first = addMovie("Alpha");
    Movie* second = addMovie("Beta");
    Movie* third = addMovie("Gamma");
    AddEditMovieWindow editor(*model, window, second, 0, NewMovieRecord());
    std::vector<bool> enabledBefore;
    std::vector<bool> enabledAfter;
    std::string tipBefore;
    std::string tipAfter;
    std::string titleAfter;
    runEditor(editor, [&] {
        UITabBar* bar = editor.stepBar();
        enabledBefore = {bar->tab(0)->isEnabled(), bar->tab(1)->isEnabled()};
        tipBefore = utf8(bar->tabToolTip(0)) + "/" + utf8(bar->tabToolTip(1));
        type(editor.titleEdit(), "x");
        clickTab(bar, 1);
        UIHarness::pumpUntil([&] { return editor.steppedCount() == 1; });
        enabledAfter = {bar->tab(0)->isEnabled(), bar->tab(1)->isEnabled()};
        tipAfter = utf8(bar->tabToolTip(0)) + "/" + utf8(bar->tabToolTip(1));
        titleAfter = utf8(editor.titleEdit()->text());
        type(editor.titleEdit(), "y");
        click(editor.cancelButton());
    });
    EXPECT_EQ(enabledBefore, (std::vector<bool>{true, true}));
    EXPECT_EQ(tipBefore, "Previous Movie (Alpha)/Next Movie (Gamma)");
    EXPECT_EQ(enabledAfter, (std::vector<bool>{true, false}));
    EXPECT_EQ(tipAfter, "Previous Movie (Betax)/Next Movie");
    EXPECT_EQ(titleAfter, "Gamma");
    EXPECT_EQ(results[0], 0u);
    EXPECT_EQ(results[2], 1u);
    EXPECT_EQ(editor.lastMovie(), third) << "the main window selects the movie shown last";
    EXPECT_EQ(utf8(second->title), "Betax") << "the step saved it";
    EXPECT_EQ(utf8(third->title), "Gamma") << "Cancel stored nothing more";
    EXPECT_EQ(utf8(first->title), "Alpha");
}

TEST_F(EditorRun, StepBarAtTheEndsWithOneMovieAndWhenAdding)
{
    struct Row
    {
        int movies;
        int edited; // -1: adding
        bool visible;
        bool previous;
        bool next;
    };
    const Row rows[] = {{1, 0, true, false, false},
                        {3, 0, true, false, true},
                        {3, 2, true, true, false},
                        {2, -1, false, false, false}};
    for (const Row& row : rows) {
        while (model->movieCount() > 0)
            model->removeMovie(model->movies().first()->value);
        for (int i = 0; i < row.movies; ++i)
            addMovie("Film");
        Movie* edited = row.edited < 0 ? nullptr : model->movies().nodeAt(row.edited)->value;
        AddEditMovieWindow editor(*model, window, edited, 0, NewMovieRecord());
        bool visible = false;
        bool previous = false;
        bool next = false;
        runEditor(editor, [&] {
            UITabBar* bar = editor.stepBar();
            visible = bar->isVisible();
            previous = bar->tab(0)->isEnabled();
            next = bar->tab(1)->isEnabled();
            click(editor.cancelButton());
        });
        EXPECT_EQ(visible, row.visible) << row.movies << " " << row.edited;
        if (row.visible) {
            EXPECT_EQ(previous, row.previous) << row.movies << " " << row.edited;
            EXPECT_EQ(next, row.next) << row.movies << " " << row.edited;
        }
    }
}

TEST_F(EditorRun, OkStoresEveryFieldOfAnEditedMovieAsTyped)
{
    Movie* movie = addMovie("Before");
    movie->genres.append(String(u"old"));
    movie->seen = true;
    const DateTime created = movie->created;
    AddEditMovieWindow editor(*model, window, movie, 0, NewMovieRecord());
    auto turnCombo = [](UIComboBox* combo, int notches) {
        UIHarness::moveMouse(combo, combo->rect().center());
        combo->setFocus();
        for (int i = 0; i < notches; ++i) {
            UIHarness::wheel(combo, combo->rect().center(), false, -WHEEL_DELTA);
            UIHarness::pump();
        }
    };
    std::string yearShown;
    std::string runningShown;
    runEditor(editor, [&] {
        yearShown = utf8(editor.yearBox()->text());
        runningShown = utf8(editor.runningTimeBox()->text());
        replaceText(editor.titleEdit(), " After ");
        type(editor.originalTitleEdit(), " apres ");
        replaceText(editor.genreEdit(), "noir ,, crime ");
        type(editor.studioEdit(), "north, south");
        type(editor.countryEdit(), " fr ");
        type(editor.languageEdit(), "fr, en,");
        replaceText(editor.yearBox()->lineEdit(), "1999");
        replaceText(editor.runningTimeBox()->lineEdit(), "95");
        turnCombo(editor.colourCombo(), 2);
        clickTab(editor.pageBar(), AddEditMovieWindow::kAdditionalPage);
        replaceText(editor.imdbRatingBox()->lineEdit(), "7.5");
        type(editor.mpaaRatingEdit(), " pg ");
        turnCombo(editor.myRatingCombo(), 3);
        type(editor.formatEdit(), " dvd ");
        type(editor.barcodeEdit(), " 123 ");
        type(editor.priceEdit(), " 12.50 ");
        click(editor.seenCheck());
        click(editor.wishCheck());
        clickTab(editor.pageBar(), AddEditMovieWindow::kPlotPage);
        type(editor.plotView(), "  a plot  ");
        type(editor.notesView(), " a note ");
        type(editor.tagsEdit(), "x, ,y");
        clickTab(editor.pageBar(), AddEditMovieWindow::kDisplayPage);
        click(editor.okButton());
    });
    EXPECT_EQ(yearShown, "n/a");
    EXPECT_EQ(runningShown, "n/a");
    ASSERT_EQ(results[0], 1u);
    EXPECT_EQ(utf8(movie->title), "After");
    EXPECT_EQ(utf8(movie->originalTitle), "apres");
    EXPECT_EQ(joined(movie->genres), "noir|crime");
    EXPECT_EQ(joined(movie->studios), "north|south");
    EXPECT_EQ(joined(movie->countries), "fr");
    EXPECT_EQ(joined(movie->languages), "fr|en");
    EXPECT_EQ(movie->year, 1999);
    EXPECT_EQ(movie->runningTime, 95);
    EXPECT_EQ(movie->colour, 2) << "Black & White";
    EXPECT_FLOAT_EQ(movie->imdbRating, 7.5f);
    EXPECT_EQ(utf8(movie->mpaaRating), "pg");
    EXPECT_FLOAT_EQ(movie->myRating, 3.0f);
    EXPECT_EQ(utf8(movie->format), "dvd");
    EXPECT_EQ(utf8(movie->barcode), "123");
    EXPECT_EQ(utf8(movie->purchasePrice), "12.50");
    EXPECT_FALSE(movie->seen);
    EXPECT_TRUE(movie->wishlist);
    EXPECT_EQ(utf8(movie->plot), "a plot");
    EXPECT_EQ(utf8(movie->notes), "a note");
    EXPECT_EQ(joined(movie->tags), "x|y");
    const CardStyle& style = movie->cardStyle;
    for (const Color* stored :
         {&style.backgroundColor, &style.textColor, &style.titleColor, &style.linkColor})
        EXPECT_EQ(stored->value(), 0u) << "the view's defaults shown and stored empty";
    EXPECT_TRUE(style.fontFamily.isEmpty()) << utf8(style.fontFamily);
    EXPECT_TRUE(movie->created == created) << "an edit keeps the creation time";
    EXPECT_FALSE(movie->modified.isNull());
    EXPECT_EQ(model->movieCount(), 1);
}

TEST_F(EditorRun, PagesShownBeforeAndAfterAStepShowTheMovieSteppedTo)
{
    Movie* first = addMovie("Alpha");
    first->mpaaRating = String(u"r");
    first->plot = String(u"plot a");
    Movie* second = addMovie("Beta");
    second->mpaaRating = String(u"pg");
    second->plot = String(u"plot b");
    for (const char16_t* actor : {u"ann", u"bo"}) {
        CastItem item;
        item.actor = String(actor);
        item.character = String(u"someone");
        second->cast.append(item);
    }
    AddEditMovieWindow editor(*model, window, first, 0, NewMovieRecord());
    std::string ratingBefore;
    std::string ratingAfter;
    std::string plotAfter;
    int castRows = -1;
    runEditor(editor, [&] {
        clickTab(editor.pageBar(), AddEditMovieWindow::kAdditionalPage);
        ratingBefore = utf8(editor.mpaaRatingEdit()->text());
        clickTab(editor.stepBar(), 1);
        UIHarness::pumpUntil([&] { return editor.steppedCount() == 1; });
        ratingAfter = utf8(editor.mpaaRatingEdit()->text());
        clickTab(editor.pageBar(), AddEditMovieWindow::kPlotPage);
        plotAfter = utf8(editor.plotView()->textEdit()->text().trim());
        clickTab(editor.pageBar(), AddEditMovieWindow::kCastCrewPage);
        castRows = editor.listEditor(MovieListEditor::kCast)->itemCount();
        click(editor.okButton());
    });
    EXPECT_EQ(ratingBefore, "r");
    EXPECT_EQ(ratingAfter, "pg") << "a page made before the step is filled again";
    EXPECT_EQ(plotAfter, "plot b") << "a page made after the step shows the new movie";
    EXPECT_EQ(castRows, 2);
    EXPECT_EQ(utf8(first->mpaaRating), "r");
    EXPECT_EQ(utf8(first->plot), "plot a") << "a page never shown stores nothing over the movie";
    EXPECT_EQ(utf8(second->plot), "plot b");
    EXPECT_EQ(second->cast.count(), 2);
}

TEST_F(EditorRun, AStepWhoseSaveFailsStaysOnTheMovieShown)
{
    Movie* first = addMovie("Alpha");
    Movie* second = addMovie("Beta");
    AddEditMovieWindow editor(*model, window, first, 0, NewMovieRecord());
    bool refused = false;
    std::string titleAfter;
    int steppedAfter = -1;
    runEditor(editor, [&] {
        replaceText(editor.titleEdit(), "  ");
        clickTab(editor.pageBar(), AddEditMovieWindow::kAdditionalPage);
        clickTab(editor.stepBar(), 1);
        refused = balloonSays("Please fill the required fields.");
        UIBalloonTip::hideBalloon();
        titleAfter = utf8(editor.titleEdit()->text());
        steppedAfter = editor.steppedCount();
        EXPECT_EQ(editor.pageBar()->currentIndex(), AddEditMovieWindow::kGeneralPage);
        click(editor.cancelButton());
    });
    EXPECT_TRUE(refused);
    EXPECT_EQ(titleAfter, "  ") << "the input stays for the user to mend";
    EXPECT_EQ(steppedAfter, 0);
    EXPECT_EQ(results[2], 0u);
    EXPECT_EQ(editor.lastMovie(), first);
    EXPECT_EQ(utf8(first->title), "Alpha");
    EXPECT_EQ(utf8(second->title), "Beta");
}
