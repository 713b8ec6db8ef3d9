// The folder-scan window under Wine on a temporary tree, driven by real
// clicks: which files are listed, ticks by clicks in the first column only,
// Check All and Uncheck All, sorting by ticks, what OK, Cancel and the close
// box return, and Scan for a folder that is gone.
#include "app/scan/AddMoviesByScanningFolderWindow.h"

#include "foundation/platform/SystemInfo.h"
#include "tests/app/extraction/ExtractionFixture.h"
#include "tests/support/SystemDialogs.h"
#include "tests/support/WidgetFakes.h"
#include "ui/widgets/edit/UILineEdit.h"

#include <algorithm>

using namespace extractiontest;

namespace {

class ScanWindow : public movietest::MovieEditorTest
{
protected:
    void SetUp() override
    {
        MovieEditorTest::SetUp();
        root = dir.file("movies");
        for (const char* folder : {"movies", "movies\\sub", "movies\\.secret"})
            ASSERT_TRUE(Directory::create(text(dir.file(folder))));
        SetFileAttributesW(reinterpret_cast<const wchar_t*>(text(dir.file("movies\\.secret")).data()),
                           FILE_ATTRIBUTE_HIDDEN);
        for (const char* file : {"movies\\the_dark knight.MKV", "movies\\sub\\alien.avi", "movies\\notes.txt",
                                 "movies\\.secret\\ALIEN_vs_predator.mp4", "movies\\x.tar.avi"})
            ASSERT_TRUE(testsupport::writeFileBytes(dir.file(file), {1, 2, 3}));
    }
    NewMovieRecordList run(AddMoviesByScanningFolderWindow& scan, const std::function<void()>& act)
    {
        NewMovieRecordList records;
        EXPECT_TRUE(drive(scan.dialog(), act, [&] { records = scan.exec(); }));
        return records;
    }
    // Sets the folder and clicks Scan; the override cursor before and after.
    std::pair<int, int> scanFolder(AddMoviesByScanningFolderWindow& scan, const std::string& folder)
    {
        scan.setFolder(text(folder));
        const int before = UIApplication::instance()->overrideCursor();
        click(scan.scanButton());
        return {before, UIApplication::instance()->overrideCursor()};
    }
    // Accepts the system's folder browser, opened by the browse button, on
    // the folder it starts in; the folder field's text afterwards.
    std::string browse(AddMoviesByScanningFolderWindow& scan)
    {
        testsupport::LaterStep answer(
            50,
            [&] {
                HWND found = testsupport::findThreadDialog();
                if (!found || !IsWindowEnabled(found))
                    return false;
                UIHarness::pumpFor(100);
                testsupport::pressDialogButton(found, IDOK);
                return true;
            },
            200);
        click(scan.browseButton());
        UIHarness::pumpUntil([&] { return !answer.isPending(); }, 10000);
        UIHarness::pump();
        return utf8(scan.folderEdit()->text());
    }
    static std::vector<std::string> titles(const AddMoviesByScanningFolderWindow& scan)
    {
        std::vector<std::string> found;
        for (const FoundMovieFile& file : scan.foundFiles())
            found.push_back(utf8(file.record.title));
        std::sort(found.begin(), found.end());
        return found;
    }
    static int tickedRows(UITable* table)
    {
        int count = 0;
        for (const UITableRow* row : table->rows())
            count += row->cell(0)->userData() == 1 ? 1 : 0;
        return count;
    }
    static int tickedFiles(const AddMoviesByScanningFolderWindow& scan)
    {
        int count = 0;
        for (const FoundMovieFile& file : scan.foundFiles())
            count += file.ticked ? 1 : 0;
        return count;
    }
    static void clickTwiceFast(UITable* table, int row)
    {
        const Point at = table->cellRect(table->row(row), 0).center();
        UIHarness::click(table, at);
        UIHarness::click(table, at);
        UIHarness::pump();
    }

    std::string root;
};

} // namespace

TEST_F(ScanWindow, ClicksInTheFirstColumnTickAndOkReturnsTheTickedFiles)
{
    AddMoviesByScanningFolderWindow scan;
    std::pair<int, int> cursors;
    std::vector<std::string> listed;
    std::vector<int> ticks;
    std::vector<bool> sortedByTicks;
    bool checkAllEnabled = false;
    SignalCounter sounds;
    UIApplication::instance()->soundRequested.connect(&sounds, &SignalCounter::count);
    int soundsAfterEmptyOk = 0;
    std::string browsed;
    bool scanEnabled = false;
    NewMovieRecordList records = run(scan, [&] {
        checkAllEnabled = scan.checkAllButton()->isEnabled();
        browsed = browse(scan);
        scanEnabled = scan.scanButton()->isEnabled();
        cursors = scanFolder(scan, root);
        listed = titles(scan);
        UITable* table = scan.table();
        UIHarness::saveShot(scan.dialog(), "AddMoviesByScanningFolder");
        click(scan.okButton());
        soundsAfterEmptyOk = sounds.calls;
        clickRow(table, 0, 1);
        clickRow(table, 0, 2);
        ticks.push_back(tickedRows(table)); // title and path do not tick
        clickRow(table, 0, 0);
        ticks.push_back(tickedRows(table));
        clickTwiceFast(table, 1);
        ticks.push_back(tickedRows(table)); // two fast clicks: on and off
        click(scan.checkAllButton());
        ticks.push_back(tickedFiles(scan));
        click(scan.uncheckAllButton());
        ticks.push_back(tickedFiles(scan));
        clickRow(table, 1, 0);
        clickRow(table, 2, 0);
        UIHeader* header = table->header();
        UIHarness::click(header, header->section(0)->rect().center());
        UIHarness::pump();
        for (int i = 1; i < table->rowCount(); ++i)
            sortedByTicks.push_back(table->cell(i - 1, 0)->sortValue() == table->cell(i, 0)->sortValue() ||
                                    (table->cell(i - 1, 0)->sortValue() < table->cell(i, 0)->sortValue()) ==
                                        (table->sortOrder() == UITable::kAscending));
        ticks.push_back(tickedFiles(scan));
        clickRow(table, 0, 0); // the first row after sorting
        ticks.push_back(tickedFiles(scan));
        click(scan.okButton());
    });
    EXPECT_FALSE(checkAllEnabled) << "nothing to check before a scan";
    EXPECT_EQ(browsed, utf8(SystemInfo::specialFolder(11))) << "the browser starts on the desktop";
    EXPECT_TRUE(scanEnabled);
    EXPECT_EQ(cursors.first, cursors.second);
    EXPECT_EQ(listed, (std::vector<std::string>{"ALIEN Vs Predator", "Alien", "The Dark Knight", "X.tar"}))
        << "the hidden folder is scanned, the text file is not listed";
    EXPECT_EQ(soundsAfterEmptyOk, 1);
    EXPECT_EQ(ticks, (std::vector<int>{0, 1, 1, 4, 0, 2, ticks.back()}));
    EXPECT_NE(ticks.back(), 2) << "a click on the first row after sorting toggles it";
    EXPECT_EQ(sortedByTicks, std::vector<bool>(3, true));
    EXPECT_EQ(scan.dialog()->result(), 1);
    ASSERT_EQ(records.count(), ticks.back());
    for (const NewMovieRecord& record : records) {
        EXPECT_EQ(utf8(record.format), "Hard Disk");
        EXPECT_EQ(record.year, 0);
        EXPECT_TRUE(record.barCode.isEmpty());
        ASSERT_EQ(record.links.count(), 1);
        const MovieLink& link = record.links.first()->value;
        EXPECT_EQ(link.type, MovieLink::kLocal);
        EXPECT_FALSE(link.play);
        EXPECT_EQ(utf8(link.description), utf8(record.title));
        EXPECT_EQ(utf8(link.url).rfind(root + "\\", 0), 0u) << utf8(link.url);
    }
}

TEST_F(ScanWindow, CancelAndTheCloseBoxReturnNothingAndAGoneFolderIsNotScanned)
{
    for (const char* how : {"cancel", "close box"}) {
        AddMoviesByScanningFolderWindow scan;
        NewMovieRecordList records = run(scan, [&] {
            scanFolder(scan, root);
            click(scan.checkAllButton());
            if (std::string(how) == "cancel")
                click(scan.cancelButton());
            else
                closeBox(scan.dialog());
        });
        EXPECT_TRUE(records.isEmpty()) << how;
        EXPECT_TRUE(scan.foundFiles().isEmpty()) << how;
    }
    const std::string gone = dir.file("gone");
    ASSERT_TRUE(Directory::create(text(gone)));
    ASSERT_TRUE(testsupport::writeFileBytes(dir.file("gone\\a.avi"), {1}));
    AddMoviesByScanningFolderWindow scan;
    std::vector<bool> states;
    run(scan, [&] {
        scanFolder(scan, gone);
        states.push_back(scan.table()->rowCount() == 1);
        states.push_back(scan.checkAllButton()->isEnabled());
        File::remove(text(dir.file("gone\\a.avi")));
        RemoveDirectoryW(reinterpret_cast<const wchar_t*>(text(gone).data()));
        click(scan.scanButton());
        states.push_back(scan.table()->rowCount() == 0);
        states.push_back(scan.checkAllButton()->isEnabled());
        states.push_back(scan.uncheckAllButton()->isEnabled());
        scan.setFolder(text(gone));
        states.push_back(scan.scanButton()->isEnabled());
        click(scan.cancelButton());
    });
    EXPECT_EQ(states, (std::vector<bool>{true, true, true, false, false, false}));
}
