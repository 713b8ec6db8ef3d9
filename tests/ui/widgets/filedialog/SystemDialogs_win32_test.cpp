// The system's file, folder and colour dialogs run for real under Wine,
// driven from a timer that finds the dialog window while it runs.
#include "foundation/core/AppCore.h"
#include "tests/support/LaterStep.h"
#include "tests/support/SystemDialogs.h"
#include "tests/support/TestSupport.h"
#include "tests/support/TestText.h"
#include "tests/support/UIHarness.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UIEventType.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/theme/UITheme.h"
#include "ui/widgets/color/UIColorChooser.h"
#include "ui/widgets/color/UIColorPicker.h"
#include "ui/widgets/filedialog/UIFileDialog.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <commdlg.h>

#include <functional>
#include <string>

using testsupport::findThreadDialog;
using testsupport::LaterStep;
using testsupport::pressDialogButton;
using testsupport::text;
using testsupport::UIHarness;
using testsupport::utf8;
using testsupport::windowText;

namespace {

constexpr int kFileNameCombo = 1148;

std::string joined(const StringList& list)
{
    std::string out;
    for (const String& item : list)
        out += (out.empty() ? "" : " ") + utf8(item);
    return out;
}

class SystemDialogTest : public ::testing::Test
{
protected:
    // One core for the whole suite: the product name of the captions.
    static void SetUpTestSuite() { core = new AppCore(String(u"Reelstack"), String(u"1.2.0")); }
    static void TearDownTestSuite()
    {
        delete core;
        UIApplication::instance()->setTheme(new UITheme());
    }
    void SetUp() override
    {
        GetCurrentDirectoryW(MAX_PATH, startFolder);
        ASSERT_TRUE(UIHarness::start());
        window = UIHarness::openWindow(nullptr, 200, 150, 400, 300);
        Image icon(16, 16, true);
        icon.fill(Color(0xFF336699u));
        UIApplication::instance()->setSmallWindowIcon(icon);
    }
    // The file dialogs move the process into the folder chosen; the harness
    // finds its skin from where the tests started.
    void TearDown() override
    {
        UIHarness::closeWindow(window);
        SetCurrentDirectoryW(startFolder);
    }

    // Runs the dialog's exec while act drives the system dialog once it is up;
    // act's window is the dialog.
    template <typename Dialog> bool run(Dialog& dialog, const std::function<void(HWND)>& act)
    {
        bool acted = false;
        int ticksSinceAct = 0;
        LaterStep step(
            50,
            [&] {
                HWND found = findThreadDialog();
                if (acted) {
                    // Whatever the system still shows two seconds later (a
                    // message of its own, a dialog that refused) is cancelled
                    // so that a failure never hangs the run.
                    if (++ticksSinceAct > 40 && found)
                        pressDialogButton(found, IDCANCEL);
                    return false;
                }
                if (!found || !IsWindowEnabled(found))
                    return false;
                caption = utf8(windowText(found));
                smallIcon = SendMessageW(found, WM_GETICON, ICON_SMALL, 0) != 0;
                GetWindowRect(found, &placed);
                act(found);
                acted = true;
                return false;
            },
            400);
        const bool result = dialog.exec();
        EXPECT_TRUE(acted) << "no dialog window was found";
        return result;
    }
    // What the user types into the name box.
    static void setName(HWND dialog, const wchar_t* name)
    {
        SendMessageW(dialog, CDM_SETCONTROLTEXT, kFileNameCombo, reinterpret_cast<LPARAM>(name));
    }

    static inline AppCore* core = nullptr;
    UIWidget* window = nullptr;
    testsupport::TempDir dir;
    std::string caption;
    bool smallIcon = false;
    RECT placed = {};
    wchar_t startFolder[MAX_PATH] = {};
};

} // namespace

TEST_F(SystemDialogTest, SaveDialogTakesANewNameUnderOurCaptionAndIcon)
{
    UIFileDialog dialog(window);
    dialog.setAcceptMode(UIFileDialog::kSaveMode);
    dialog.setTitle(text("Export"));
    dialog.setPath(text(dir.path()));
    dialog.addFilter(text("Text"), text("*.txt"), text("txt"));
    dialog.addFilter(text("Comma separated"), text("*.csv|*.tsv"), text("csv"));
    dialog.setFilterIndex(1);
    ASSERT_TRUE(run(dialog, [&](HWND found) {
        setName(found, L"report");
        pressDialogButton(found, IDOK);
    }));
    EXPECT_EQ(caption, "Export \xE2\x80\x93 Reelstack");
    EXPECT_TRUE(smallIcon);
    EXPECT_EQ(joined(dialog.selectedFiles()), dir.path() + "\\report.csv")
        << "a new file, with the filter's extension";
    EXPECT_EQ(utf8(dialog.path()), dir.path() + "\\");
    EXPECT_EQ(dialog.filterIndex(), 1);
}

TEST_F(SystemDialogTest, OpenDialogReturnsThreeChosenFilesAndKeepsTheSystemCaption)
{
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
        ASSERT_TRUE(testsupport::writeFileBytes(dir.file(name), {'x'}));
    UIFileDialog dialog(window);
    dialog.setPath(text(dir.path()));
    dialog.setMultiSelection(true);
    ASSERT_TRUE(run(dialog, [&](HWND found) {
        setName(found, L"\"a.txt\" \"b.txt\" \"c.txt\"");
        pressDialogButton(found, IDOK);
    }));
    EXPECT_NE(caption.find(" \xE2\x80\x93 Reelstack"), std::string::npos) << caption;
    EXPECT_GT(caption.size(), std::string(" \xE2\x80\x93 Reelstack").size())
        << "the system's own caption first";
    const std::string folder = dir.path() + "\\";
    EXPECT_EQ(joined(dialog.selectedFiles()), folder + "a.txt " + folder + "b.txt " + folder + "c.txt");
    EXPECT_EQ(utf8(dialog.path()), folder);

    // Cancelled: false, with the path of the last run kept.
    EXPECT_FALSE(run(dialog, [](HWND found) { pressDialogButton(found, IDCANCEL); }));
    EXPECT_TRUE(dialog.selectedFiles().isEmpty());
    EXPECT_EQ(utf8(dialog.path()), folder);
}

TEST_F(SystemDialogTest, FolderBrowserReturnsTheChosenFolderUnderOurCaption)
{
    UIFileDialog dialog(window);
    dialog.setFlags(UIFileDialog::kEnabledFlag);
    dialog.setTitle(text("Scan folder"));
    dialog.setDescription(text("Where are the movies?"));
    dialog.setPath(text(dir.path()));
    ASSERT_TRUE(run(dialog, [](HWND found) { pressDialogButton(found, IDOK); }));
    EXPECT_EQ(caption, "Scan folder \xE2\x80\x93 Reelstack");
    EXPECT_TRUE(smallIcon);
    // Wine's browser does not move to the folder asked for: what it returns
    // is the folder it shows, with the separator added to the path.
    ASSERT_EQ(dialog.selectedFiles().count(), 1);
    EXPECT_EQ(utf8(dialog.path()), utf8(dialog.selectedFiles().first()->value) + "\\");
}

TEST_F(SystemDialogTest, ColourChooserCentredOverItsParentAcceptedAndCancelled)
{
    UIColorChooser chooser(window);
    // Fully open, the dialog widens after it was centred.
    chooser.setFullOpen(false);
    chooser.setColor(Color(255, 10, 20, 30));
    ASSERT_TRUE(run(chooser, [](HWND found) { pressDialogButton(found, IDOK); }));
    EXPECT_EQ(chooser.selectedColor(), Color(255, 10, 20, 30));
    const Rect frame = window->frameGeometry();
    const Point centre((placed.left + placed.right) / 2, (placed.top + placed.bottom) / 2);
    EXPECT_NEAR(centre.x, frame.x + frame.width / 2, 2);
    EXPECT_NEAR(centre.y, frame.y + frame.height / 2, 2);

    EXPECT_FALSE(run(chooser, [](HWND found) { pressDialogButton(found, IDCANCEL); }));
    EXPECT_EQ(chooser.selectedColor(), Color(255, 0, 0, 0));
}

TEST_F(SystemDialogTest, CancellingThePickersChooserKeepsItsColour)
{
    auto* picker = new UIColorPicker(window);
    picker->setGeometry(10, 10, 44, 29);
    picker->show();
    picker->setColor(Color(255, 200, 100, 50));
    bool acted = false;
    LaterStep step(
        50,
        [&] {
            HWND found = findThreadDialog();
            if (!found)
                return false;
            pressDialogButton(found, IDCANCEL);
            acted = true;
            return true;
        },
        200);
    UIHarness::click(picker, Point(20, 15));
    UIHarness::pumpUntil([&] { return acted; }, 5000);
    UIHarness::pump();
    EXPECT_TRUE(acted);
    EXPECT_EQ(picker->color(), Color(255, 200, 100, 50));
}
