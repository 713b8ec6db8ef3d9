// The text export and import windows run modally on the test display and are
// driven by real clicks, with the system's file dialogs answered: what the
// export writes and the shell calls after it, the warnings that keep the
// window open when the file cannot be written, and the import's count, its
// refusal of a file it cannot read, and its report of skipped lines.
#include "app/main/MainWindow.h"
#include "app/textexchange/ExportToTextWindow.h"
#include "app/textexchange/ImportFromTextWindow.h"
#include "app/view/View.h"
#include "foundation/platform/ShellCallRecorder.h"
#include "model/CollectionModel.h"
#include "model/NewMovieRecord.h"
#include "model/collection/CollectionFile.h"
#include "model/records/Movie.h"
#include "tests/app/textexchange/TextExchangeDriving.h"
#include "tests/support/IoTestSupport.h"
#include "ui/widgets/buttons/UICheck.h"
#include "ui/widgets/combo/UIComboBox.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/range/UIProgress.h"
#include "ui/widgets/text/UITextEdit.h"
#include "ui/widgets/text/UITextEditView.h"
#include "ui/widgets/window/UIDialog.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

using testsupport::LaterStep;
using testsupport::UIHarness;
using testsupport::utf8;
using textexchangetest::FileDialogAnswer;
using textexchangetest::MessageBoxReader;

namespace {

void click(UIWidget* widget)
{
    UIHarness::click(widget, widget->rect().center());
}

std::string bytesText(const std::vector<uint8_t>& bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

// Line ends as the editor keeps them (it ends its text with one) do not
// matter to the reader.
std::string plainLines(const String& text)
{
    std::string out;
    for (char c : utf8(text)) {
        if (c != '\r')
            out += c;
    }
    if (!out.empty() && out.back() == '\n')
        out.pop_back();
    return out;
}

// The program's modal dialog running now (not a message box), or null.
UIDialog* runningDialog()
{
    for (UIWidget* widget : UIApplication::instance()->widgetList()) {
        auto* dialog = dynamic_cast<UIDialog*>(widget);
        if (dialog && !dynamic_cast<UIMessageBox*>(widget) && dialog->isModalRunning() && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

// The buttons under root, in the order they were built.
void collectButtons(UIWidget* root, std::vector<UIButton*>& out)
{
    for (UIWidget* child : root->children()) {
        if (auto* button = dynamic_cast<UIButton*>(child))
            out.push_back(button);
        collectButtons(child, out);
    }
}

// The bar's value at each of its paints.
struct PaintWatch : SignalReceiver
{
    UIProgress* bar = nullptr;
    std::vector<int> values;
    void onPainted(UIEvent*) { values.push_back(bar->value()); }
};

struct FillCounter : SignalReceiver
{
    int fills = 0;
    void onFilled() { ++fills; }
};

class TextExchangeWindows : public testing::Test
{
protected:
    void SetUp() override
    {
        GetCurrentDirectoryW(MAX_PATH, startFolder);
        ASSERT_TRUE(UIHarness::start());
        data = iotest::toPath(dir.path());
        model = std::make_unique<CollectionModel>(data);
        CollectionFile files(data);
        ASSERT_TRUE(files.create(String(u"Movies"), String(), String()));
        ASSERT_TRUE(model->openCollection(files.filePathFor(String(u"Movies"))));
        ShellCallRecorder::install([this](const String& call, const String& target) {
            shellCalls.push_back(utf8(call) + " " + utf8(target));
        });
    }
    void TearDown() override
    {
        ShellCallRecorder::remove();
        model.reset();
        SetCurrentDirectoryW(startFolder);
    }

    void addMovies()
    {
        for (auto [title, year] : {std::pair{u"Alien", 1979}, {u"Brazil", 1985}, {u"Heat", 0}}) {
            NewMovieRecord record;
            record.title = String(title);
            record.year = year;
            ASSERT_TRUE(model->addMovie(record));
        }
    }
    std::string titles() const
    {
        std::string out;
        for (const Movie* movie : model->movies())
            out += (out.empty() ? "" : ",") + utf8(movie->title) + " " + std::to_string(movie->year);
        return out;
    }

    testsupport::TempDir dir;
    testsupport::TempDir files;
    String data;
    std::unique_ptr<CollectionModel> model;
    std::vector<std::string> shellCalls;
    wchar_t startFolder[MAX_PATH] = {};
};

TEST_F(TextExchangeWindows, ExportWritesThePreviewedFormatThenLocatesAndOpensTheFile)
{
    addMovies();
    ExportToTextWindow window(*model);
    PaintWatch paints;
    paints.bar = window.progress();
    window.progress()->painted.connectWithArg(&paints, &PaintWatch::onPainted);
    const std::string path = files.file("Movies.txt");
    std::string firstPreview;
    std::string changedPreview;
    std::unique_ptr<FileDialogAnswer> answer;
    LaterStep drive(100, [&] {
        UIHarness::activate(window.dialog());
        firstPreview = plainLines(window.previewView()->textEdit()->text());
        window.delimiterBox()->setCurrentIndex(1);
        window.qualifierBox()->setCurrentIndex(2);
        changedPreview = plainLines(window.previewView()->textEdit()->text());
        click(window.locateCheck());
        click(window.openCheck());
        UIHarness::pumpFor(50);
        answer = std::make_unique<FileDialogAnswer>(path);
        click(window.exportButton());
        return true;
    });
    window.exec();
    EXPECT_EQ(firstPreview, "\"Alien\",\"1979\"\n\"Brazil\",\"1985\"\n\"Heat\",\"0\"\n...");
    EXPECT_EQ(changedPreview, "Alien;1979\nBrazil;1985\nHeat;0\n...");
    ASSERT_TRUE(answer && answer->answered());
    EXPECT_EQ(answer->proposedName(), "Movies.txt");
    EXPECT_FALSE(window.dialog()->isVisible());
    EXPECT_EQ(bytesText(testsupport::readFileBytes(path)), "\xEF\xBB\xBF"
                                                           "Alien;1979\r\nBrazil;1985\r\nHeat;0\r\n");
    EXPECT_EQ(window.progress()->value(), 66) << "the share before the last movie";
    for (int share : {33, 66})
        EXPECT_NE(std::find(paints.values.begin(), paints.values.end(), share), paints.values.end())
            << share << "% painted while the export ran";
    EXPECT_EQ(shellCalls,
              (std::vector<std::string>{"showInFolder " + files.path() + "|Movies.txt", "execute " + path}));
}

TEST_F(TextExchangeWindows, AFileThatCannotBeWrittenIsNamedAndTheWindowStaysOpen)
{
    addMovies();
    const std::string held = files.file("Held.txt");
    ASSERT_TRUE(testsupport::writeFileBytes(held, {'o', 'l', 'd'}));
    HANDLE lock = CreateFileW(textexchangetest::wide(held).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    // A folder nobody may create files in, whoever runs the tests. The
    // system's save dialog refuses it itself, so the write is started as the
    // dialog would start it; what is checked is the write failing.
    const std::string readOnly = "Z:\\proc\\Movies.txt";

    ExportToTextWindow window(*model);
    std::vector<bool> openAfter;
    bool written = true;
    std::unique_ptr<FileDialogAnswer> answer;
    std::unique_ptr<MessageBoxReader> boxes = std::make_unique<MessageBoxReader>();
    LaterStep drive(100, [&] {
        UIHarness::activate(window.dialog());
        click(window.openCheck());
        answer = std::make_unique<FileDialogAnswer>(held);
        click(window.exportButton());
        UIHarness::pumpUntil([&] { return boxes->seen().size() == 1; }, 10000);
        UIHarness::pumpFor(100);
        openAfter.push_back(window.dialog()->isVisible());
        written = window.exportTo(testsupport::text(readOnly));
        openAfter.push_back(window.dialog()->isVisible());
        click(window.cancelButton());
        return true;
    });
    window.exec();
    CloseHandle(lock);

    ASSERT_TRUE(answer && answer->answered());
    ASSERT_EQ(boxes->seen().size(), 2u);
    EXPECT_EQ(boxes->seen()[0].kind, UIMessageBox::kWarning);
    EXPECT_EQ(boxes->seen()[0].text, "The file " + held + " could not be written.");
    EXPECT_EQ(boxes->seen()[1].text, "The file " + readOnly + " could not be written.");
    EXPECT_FALSE(written);
    EXPECT_EQ(openAfter, (std::vector<bool>{true, true}));
    EXPECT_EQ(bytesText(testsupport::readFileBytes(held)), "old");
    EXPECT_EQ(GetFileAttributesW(textexchangetest::wide(readOnly).c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(shellCalls.empty()) << "nothing opened after a failed write";
}

TEST_F(TextExchangeWindows, ImportCountsWhatItAddsAndReportsTheSkippedLines)
{
    const std::string path = files.file("list.txt");
    ASSERT_TRUE(testsupport::writeFileBytes(
        path,
        iotest::bytesOf("\xEF\xBB\xBF\"Alien\",\"1979\"\r\n\"\",\"1999\"\n\"Brazil\",\"1985\"\r\"junk\"\r\n"
                        "\"Say \"\"Hi\"\"\",\"0\"")));
    ImportFromTextWindow window(*model);
    std::string buttonText;
    bool enabledBefore = true;
    bool enabledAfter = false;
    std::string formatText;
    std::string shownPath;
    std::unique_ptr<FileDialogAnswer> answer;
    std::unique_ptr<MessageBoxReader> boxes;
    LaterStep drive(100, [&] {
        UIHarness::activate(window.dialog());
        enabledBefore = window.importButton()->isEnabled();
        answer = std::make_unique<FileDialogAnswer>(path);
        click(window.browseButton());
        UIHarness::pumpUntil([&] { return window.importButton()->isEnabled(); }, 10000);
        enabledAfter = window.importButton()->isEnabled();
        shownPath = utf8(window.pathField()->text());
        buttonText = utf8(window.importButton()->text());
        formatText = utf8(window.formatLabel()->text());
        boxes = std::make_unique<MessageBoxReader>();
        click(window.importButton());
        return true;
    });
    EXPECT_EQ(window.exec(), 3);
    EXPECT_FALSE(enabledBefore);
    EXPECT_TRUE(enabledAfter);
    EXPECT_EQ(buttonText, "Import (3 Movies)");
    EXPECT_EQ(formatText, "\"Title\",\"Year\"");
    EXPECT_EQ(shownPath, path);
    EXPECT_EQ(window.delimiterBox()->currentIndex(), 0);
    EXPECT_EQ(window.qualifierBox()->currentIndex(), 0);
    EXPECT_FALSE(window.delimiterBox()->isEnabled());
    EXPECT_EQ(titles(), "Alien 1979,Brazil 1985,Say \"Hi\" 0");
    ASSERT_TRUE(boxes);
    ASSERT_EQ(boxes->seen().size(), 1u);
    EXPECT_EQ(boxes->seen()[0].kind, UIMessageBox::kInformation);
    EXPECT_EQ(boxes->seen()[0].text, "2 lines were skipped: they give no title or no year.");
    EXPECT_EQ(boxes->seen()[0].informativeText, "The first is line 2.");
}

TEST_F(TextExchangeWindows, ARefusedFileKeepsImportDisabledAndCancelAddsNothing)
{
    const std::string refused = files.file("refused.txt");
    const std::string good = files.file("good.txt");
    ASSERT_TRUE(testsupport::writeFileBytes(refused, iotest::bytesOf("garbage\r\nAlien,1979\r\n")));
    ASSERT_TRUE(testsupport::writeFileBytes(good, iotest::bytesOf("Alien;1979\nBrazil;15\n")));
    ImportFromTextWindow window(*model);
    struct Seen
    {
        std::string button;
        bool enabled;
        std::string format;
        int delimiter;
        int qualifier;
    };
    std::vector<Seen> seen;
    std::unique_ptr<FileDialogAnswer> answer;
    LaterStep drive(100, [&] {
        UIHarness::activate(window.dialog());
        for (const std::string& path : {good, refused, std::string()}) {
            answer = std::make_unique<FileDialogAnswer>(path);
            click(window.browseButton());
            UIHarness::pumpUntil(
                [&] { return answer->answered() && !textexchangetest::enabledSystemDialog(); }, 10000);
            UIHarness::pumpFor(100);
            seen.push_back({utf8(window.importButton()->text()), window.importButton()->isEnabled(),
                            utf8(window.formatLabel()->text()), window.delimiterBox()->currentIndex(),
                            window.qualifierBox()->currentIndex()});
        }
        click(window.cancelButton());
        return true;
    });
    EXPECT_EQ(window.exec(), 0);
    ASSERT_EQ(seen.size(), 3u);
    // The year 15 stops the examination, but the line is still read.
    EXPECT_EQ(seen[0].button, "Import (2 Movies)");
    EXPECT_TRUE(seen[0].enabled);
    EXPECT_EQ(seen[0].format, "Title;Year");
    EXPECT_EQ(seen[0].delimiter, 1);
    EXPECT_EQ(seen[0].qualifier, 2);
    EXPECT_EQ(seen[1].button, "Import");
    EXPECT_FALSE(seen[1].enabled);
    EXPECT_EQ(seen[1].format, "...");
    EXPECT_EQ(seen[2].button, "Import") << "a cancelled choice changes nothing";
    EXPECT_EQ(seen[2].format, "...");
    EXPECT_EQ(model->movieCount(), 0);
}

TEST_F(TextExchangeWindows, TheMainWindowRefillsItsViewsOnlyWhenTheImportAddedMovies)
{
    addMovies();
    const std::string path = files.file("two.txt");
    ASSERT_TRUE(testsupport::writeFileBytes(path, iotest::bytesOf("Dune 2021\nZelig 1983\n")));
    View view(*model);
    view.createMainWindow();
    MainWindow* main = view.mainWindow();
    // The program's start-up (showing the window, opening the last
    // collection) is not what is tested, and it would fill the views itself.
    main->window()->killTimer(MainWindow::kStartTimerId);
    main->fillMovieList();
    UIHarness::pumpFor(100);
    FillCounter counter;
    main->movieListFilled.connect(&counter, &FillCounter::onFilled);

    // The buttons of the import dialog: browse, Import, Cancel.
    auto buttons = [] {
        std::vector<UIButton*> found;
        if (UIDialog* dialog = runningDialog())
            collectButtons(dialog, found);
        return found;
    };
    LaterStep cancel(
        100,
        [&] {
            std::vector<UIButton*> found = buttons();
            if (found.size() != 3)
                return false;
            click(found[2]);
            return true;
        },
        100);
    main->importFromText();
    EXPECT_EQ(counter.fills, 0) << "nothing imported, nothing refilled";

    std::unique_ptr<FileDialogAnswer> answer;
    LaterStep drive(
        100,
        [&] {
            std::vector<UIButton*> found = buttons();
            if (found.size() != 3)
                return false;
            answer = std::make_unique<FileDialogAnswer>(path);
            click(found[0]);
            UIHarness::pumpUntil([&] { return found[1]->isEnabled(); }, 10000);
            click(found[1]);
            return true;
        },
        100);
    main->importFromText();
    EXPECT_EQ(counter.fills, 1);
    int rows = 0;
    for (const UITableRow* row : main->table()->rows())
        rows += row ? 1 : 0;
    EXPECT_EQ(rows, 5);
    EXPECT_EQ(titles(), "Alien 1979,Brazil 1985,Heat 0,Dune 2021,Zelig 1983");
}

} // namespace

TEST_F(TextExchangeWindows, TheSkippedLinesReportAgreesWithItsCount)
{
    struct Case
    {
        const char* file;
        const char* text;
        const char* where;
    };
    const Case cases[] = {
        {"\"Alien\",\"1979\"\r\n\"\",\"1999\"\r\n", "1 line was skipped: it gives no title or no year.",
         "It is line 2."},
        {"\"Alien\",\"1979\"\r\n\"\",\"1999\"\r\n\"Brazil\"\r\n\"\",\"\"\r\n",
         "3 lines were skipped: they give no title or no year.", "The first is line 2."},
    };
    int fileNumber = 0;
    for (const Case& c : cases) {
        const std::string path = files.file("list" + std::to_string(++fileNumber) + ".txt");
        ASSERT_TRUE(testsupport::writeFileBytes(path, iotest::bytesOf(c.file)));
        ImportFromTextWindow window(*model);
        std::unique_ptr<FileDialogAnswer> answer;
        std::unique_ptr<MessageBoxReader> boxes;
        LaterStep drive(100, [&] {
            UIHarness::activate(window.dialog());
            answer = std::make_unique<FileDialogAnswer>(path);
            click(window.browseButton());
            UIHarness::pumpUntil([&] { return window.importButton()->isEnabled(); }, 10000);
            boxes = std::make_unique<MessageBoxReader>();
            click(window.importButton());
            return true;
        });
        window.exec();
        ASSERT_TRUE(boxes) << c.text;
        ASSERT_EQ(boxes->seen().size(), 1u) << c.text;
        EXPECT_EQ(boxes->seen()[0].text, c.text);
        EXPECT_EQ(boxes->seen()[0].informativeText, c.where);
    }
}
