// The movie editor's extraction from the loopback site under Wine, driven by
// real input: one result, a choice among several (by double click, by Enter
// after sorting, or none by the close box), failures that keep the fields,
// typed text that survives, and a fetched poster that Cancel throws away.
#include "app/movie/AddEditMovieWindow.h"

#include "tests/app/extraction/ExtractionFixture.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/spinbox/UISpinBox.h"
#include "ui/widgets/text/UITextEdit.h"
#include "ui/widgets/text/UITextEditView.h"

using namespace extractiontest;
using movietest::folderBytes;

namespace {

class EditorExtraction : public ExtractionTest
{
protected:
    // Runs a new movie's editor; act drives it once it is up.
    void runEditor(AddEditMovieWindow& editor, const std::function<void()>& act)
    {
        EXPECT_TRUE(drive(editor.dialog(), act, [&] { editor.exec(); }));
    }
    void pressEnterIn(UIWidget* widget)
    {
        UIHarness::typeAt(widget, {VK_RETURN});
        UIHarness::pump();
    }
    // Types the title and starts the extraction with Enter in the field;
    // the override cursor before and after.
    std::pair<int, int> extractTyped(AddEditMovieWindow& editor, const std::string& title)
    {
        type(editor.titleEdit(), title);
        const int before = UIApplication::instance()->overrideCursor();
        pressEnterIn(editor.titleEdit());
        return {before, UIApplication::instance()->overrideCursor()};
    }
};

} // namespace

TEST_F(EditorExtraction, EnterWithOneResultFillsTheFieldsAndKeepsTypedNotes)
{
    ASSERT_TRUE(Directory::create(imagesFolder()));
    const auto imagesBefore = folderBytes(imagesFolder());
    AddEditMovieWindow editor(*model, window, nullptr, 0, NewMovieRecord());
    std::pair<int, int> cursors;
    std::string title, originalTitle, notes, posterName;
    int year = 0;
    bool posterStaged = false;
    runEditor(editor, [&] {
        clickTab(editor.pageBar(), AddEditMovieWindow::kPlotPage);
        type(editor.notesView()->textEdit(), "bought in lisbon");
        clickTab(editor.pageBar(), AddEditMovieWindow::kGeneralPage);
        cursors = extractTyped(editor, "harbour");
        title = utf8(editor.titleEdit()->text());
        originalTitle = utf8(editor.originalTitleEdit()->text());
        year = editor.yearBox()->intValue();
        notes = utf8(editor.notesView()->textEdit()->text().trim());
        const Cover* poster = editor.workingCopy()->coverByKind(Cover::kPoster);
        posterName = poster ? utf8(poster->name) : std::string();
        posterStaged = poster && editor.staging().has(poster->name);
        UIHarness::saveShot(editor.dialog(), "MovieEditor-Extracted");
        click(editor.cancelButton());
    });
    EXPECT_EQ(cursors.first, cursors.second) << "the wait cursor is gone after the extraction";
    EXPECT_EQ(title, "Night Harbour");
    EXPECT_EQ(originalTitle, "Harbour of Night");
    EXPECT_EQ(year, 2004);
    EXPECT_EQ(notes, "bought in lisbon") << "typed and not saved, yet kept";
    EXPECT_FALSE(posterName.empty());
    EXPECT_TRUE(posterStaged) << "the poster waits in the staging folder";
    EXPECT_EQ(folderBytes(imagesFolder()), imagesBefore) << "Cancel leaves Images as it was";
    EXPECT_EQ(model->movieCount(), 0);
}

TEST_F(EditorExtraction, SeveralResultsAreChosenInTheSelectMovieWindow)
{
    struct Row
    {
        const char* how;
        const char* title; // after the choice
    };
    const Row rows[] = {{"double click", "Night Harbour"},
                        {"enter after sorting", "Harbour Lights"},
                        {"close box", "night harbour"}};
    for (const Row& row : rows) {
        AddEditMovieWindow editor(*model, window, nullptr, 0, NewMovieRecord());
        const std::string how = row.how;
        int positionOfChosen = -1;
        SelectMovieAnswer answer([&](UIDialog* dialog, UITable* table) {
            if (how == "double click") {
                doubleClick(table, table->cellRect(table->row(0), 0).center());
            } else if (how == "enter after sorting") {
                UIHeader* header = table->header();
                UIHarness::click(header, header->section(1)->rect().center());
                UIHarness::pump();
                positionOfChosen = rowTitled(table, "Harbour Lights");
                clickRow(table, positionOfChosen, 0);
                UIHarness::typeKeys({VK_RETURN});
                UIHarness::pump();
            } else {
                clickRow(table, 1, 0);
                closeBox(dialog);
                UIHarness::pump();
            }
        });
        std::pair<int, int> cursors;
        std::string title;
        std::string originalTitle;
        bool balloon = true;
        runEditor(editor, [&] {
            type(editor.originalTitleEdit(), "mine");
            cursors = extractTyped(editor, "night harbour");
            title = utf8(editor.titleEdit()->text());
            originalTitle = utf8(editor.originalTitleEdit()->text());
            balloon = UIBalloonTip::isShowing();
            click(editor.cancelButton());
        });
        EXPECT_TRUE(answer.answered) << how;
        EXPECT_EQ(answer.cursorWhileOpen, CursorOverride::kArrow) << how;
        EXPECT_EQ(cursors.first, cursors.second) << how;
        EXPECT_EQ(title, row.title) << how;
        if (how == "enter after sorting") {
            EXPECT_NE(positionOfChosen, 1) << "the row's place differs from the result's index";
        }
        if (how == "close box") {
            EXPECT_EQ(originalTitle, "mine") << "a cancelled choice changes nothing";
            EXPECT_FALSE(balloon) << "cancelling is no error";
        } else {
            EXPECT_NE(originalTitle, "mine") << how;
        }
        UIBalloonTip::hideBalloon();
    }
}

TEST_F(EditorExtraction, AnEmptyTitleOrAMissingPageShowsTheBalloonAndKeepsTheFields)
{
    struct Row
    {
        const char* typed;
        size_t requests;
    };
    const Row rows[] = {{"   ", 0}, {"zzqx", 1}};
    for (const Row& row : rows) {
        const size_t before = server.requests().size();
        AddEditMovieWindow editor(*model, window, nullptr, 0, NewMovieRecord());
        std::pair<int, int> cursors;
        bool balloon = false;
        std::string originalTitle;
        runEditor(editor, [&] {
            type(editor.originalTitleEdit(), "kept");
            cursors = extractTyped(editor, row.typed);
            balloon = balloonSays("An unexpected error has occurred.");
            originalTitle = utf8(editor.originalTitleEdit()->text());
            UIBalloonTip::hideBalloon();
            click(editor.cancelButton());
        });
        EXPECT_TRUE(balloon) << row.typed;
        EXPECT_EQ(cursors.first, cursors.second);
        EXPECT_EQ(originalTitle, "kept");
        EXPECT_EQ(server.requests().size() - before, row.requests) << row.typed;
    }
}
