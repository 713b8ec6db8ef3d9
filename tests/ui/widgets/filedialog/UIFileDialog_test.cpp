// The file dialog's portable half: the filter block the system gets, the
// buffers it hands back, the extension swap and the flag words.
#include "tests/support/TestText.h"
#include "ui/widgets/filedialog/UIFileDialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using testsupport::text;
using testsupport::utf8;

namespace {

// The block up to its double zero, with each zero written as '|'.
std::string blockText(const std::vector<char16_t>& block)
{
    std::string out;
    for (size_t i = 0; i + 1 < block.size() && !(block[i] == 0 && (i == 0 || block[i - 1] == 0)); ++i)
        out += block[i] == 0 ? '|' : char(block[i]);
    return out;
}

// A system buffer from parts joined by zeros, with zeros to the end.
std::vector<char16_t> buffer(std::initializer_list<const char16_t*> parts, size_t size = 256)
{
    std::vector<char16_t> out;
    for (const char16_t* part : parts) {
        for (const char16_t* c = part; *c; ++c)
            out.push_back(*c);
        out.push_back(0);
    }
    out.resize(std::max(size, out.size() + 1), 0);
    return out;
}

std::string joined(const StringList& list)
{
    std::string out;
    for (const String& item : list)
        out += (out.empty() ? "" : " ") + utf8(item);
    return out;
}

} // namespace

TEST(UIFileDialog, FilterBlockTurnsBarsToSemicolonsSkipsHalfEntriesAndStopsAtItsLimit)
{
    UIFileDialog none(nullptr);
    EXPECT_EQ(blockText(none.filterBlock()), "All files|*.*|");
    EXPECT_EQ(none.filterBlock().size(), size_t(UIFileDialog::kFilterBlockLength));

    UIFileDialog dialog(nullptr);
    dialog.addFilter(text("Images"), text("*.jpg|*.jpeg"), text("jpg"));
    dialog.addFilter(text(""), text("*.x"), text("x"));
    dialog.addFilter(text("No pattern"), text(""), text("y"));
    dialog.addFilter(text("Text"), text("*.txt"), text("txt"));
    EXPECT_EQ(blockText(dialog.filterBlock()), "Images|*.jpg;*.jpeg|Text|*.txt|");

    // 20 + 1 + 3 + 1 units an entry: ten entries end at 250, the eleventh
    // would end at 275, past 252, and takes every later one with it.
    UIFileDialog full(nullptr);
    for (int i = 0; i < 12; ++i)
        full.addFilter(text(std::string(19, char('a' + i)) + "!"), text("*.a"), text("a"));
    const std::string block = blockText(full.filterBlock());
    EXPECT_NE(block.find(std::string(19, 'j')), std::string::npos);
    EXPECT_EQ(block.find(std::string(19, 'k')), std::string::npos);
    EXPECT_EQ(block.find(std::string(19, 'l')), std::string::npos);
    EXPECT_EQ(block.size(), size_t(250));
}

TEST(UIFileDialog, ReturnedBuffersGiveFilesAndAFolderEndingWithOneSeparator)
{
    struct Row
    {
        const char* name;
        bool multi;
        std::vector<char16_t> buffer;
        const char* files;
        const char* path;
    };
    const Row rows[] = {
        {"single", false, buffer({u"C:\\Movies\\clip.avi"}), "C:\\Movies\\clip.avi", "C:\\Movies\\"},
        {"one file in multiple mode", true, buffer({u"C:\\Movies\\clip.avi"}), "C:\\Movies\\clip.avi",
         "C:\\Movies\\"},
        {"three files", true, buffer({u"C:\\Movies", u"a.avi", u"b.avi", u"c.avi"}),
         "C:\\Movies\\a.avi C:\\Movies\\b.avi C:\\Movies\\c.avi", "C:\\Movies\\"},
        {"two files at a drive's root", true, buffer({u"D:\\", u"a.avi", u"b.avi"}), "D:\\a.avi D:\\b.avi",
         "D:\\"},
    };
    for (const Row& row : rows) {
        UIFileDialog dialog(nullptr);
        dialog.setMultiSelection(row.multi);
        EXPECT_TRUE(dialog.acceptFiles(row.buffer.data(), int(row.buffer.size()), 2)) << row.name;
        EXPECT_EQ(joined(dialog.selectedFiles()), row.files) << row.name;
        EXPECT_EQ(utf8(dialog.path()), row.path) << row.name;
        EXPECT_EQ(dialog.filterIndex(), 1) << row.name;
    }
}

TEST(UIFileDialog, AnEmptyOrUnterminatedBufferChangesNothingItShouldNot)
{
    UIFileDialog dialog(nullptr);
    dialog.setPath(text("C:\\Before\\"));
    dialog.setFilterIndex(3);
    std::vector<char16_t> empty(16, 0);
    EXPECT_FALSE(dialog.acceptFiles(empty.data(), int(empty.size()), 1));
    EXPECT_EQ(utf8(dialog.path()), "C:\\Before\\");
    EXPECT_EQ(dialog.filterIndex(), 3);

    // No terminator at all: read up to the length given and no further.
    const std::u16string whole = u"C:\\x\\abc";
    std::vector<char16_t> unterminated(whole.begin(), whole.end());
    dialog.setMultiSelection(true);
    EXPECT_TRUE(dialog.acceptFiles(unterminated.data(), int(unterminated.size()), 0));
    EXPECT_EQ(joined(dialog.selectedFiles()), "C:\\x\\abc");
    EXPECT_EQ(dialog.filterIndex(), 0);

    EXPECT_FALSE(dialog.acceptFolder(String()));
    EXPECT_TRUE(dialog.acceptFolder(text("E:\\Films")));
    EXPECT_EQ(utf8(dialog.path()), "E:\\Films\\");
    EXPECT_EQ(joined(dialog.selectedFiles()), "E:\\Films");
}

TEST(UIFileDialog, ChangingTheFilterSwapsAKnownTrailingExtension)
{
    UIFileDialog dialog(nullptr);
    dialog.setAcceptMode(UIFileDialog::kSaveMode);
    dialog.addFilter(text("Text"), text("*.txt"), text("txt"));
    dialog.addFilter(text("Comma separated"), text("*.csv"), text("csv"));
    const std::pair<const char*, const char*> rows[] = {
        {"report.txt", "report.csv"},         {"report.csv", "report.csv"},
        {"notes.md", "notes.md.csv"},         {"report", "report.csv"},
        {"report.TXT", "report.TXT.csv"},     {".txt", ".txt.csv"},
        {"report.txt.txt", "report.txt.csv"},
    };
    for (const auto& [typed, shown] : rows)
        EXPECT_EQ(utf8(dialog.nameForFilter(text(typed), 1)), shown) << typed;
    EXPECT_EQ(utf8(dialog.nameForFilter(text("report.csv"), 7)), "report.");

    dialog.setFilterIndex(1);
    dialog.setFileName(text("export"));
    EXPECT_EQ(utf8(dialog.fileName()), "export.csv");
    EXPECT_EQ(utf8(String(dialog.fileBuffer().data())), "export.csv");
    dialog.setFilterIndex(5);
    dialog.setFileName(text("export"));
    EXPECT_EQ(utf8(dialog.fileName()), "export.");
    EXPECT_EQ(utf8(dialog.filterExtension(-1)), "");
    EXPECT_EQ(joined(dialog.filterExtensions()), "txt csv");
    EXPECT_EQ(dialog.filterCount(), 2);
}

TEST(UIFileDialog, FlagWordsByModeAndSettings)
{
    struct Row
    {
        int mode, flags;
        bool multi;
        uint32_t word;
    };
    const uint32_t base = 0x2880824;
    const Row rows[] = {
        {UIFileDialog::kOpenMode, 3, false, base | 0x1000},
        {UIFileDialog::kOpenMode, 3, true, base | 0x1000 | 0x200},
        {UIFileDialog::kOpenMode, 3 | 16, false, base | 0x1000 | 0x100000},
        // No "file must exist" in a save dialog: it would refuse new names.
        {UIFileDialog::kSaveMode, 3, false, base | 0x2},
    };
    for (const Row& row : rows) {
        UIFileDialog dialog(nullptr);
        dialog.setAcceptMode(row.mode);
        dialog.setFlags(row.flags);
        dialog.setMultiSelection(row.multi);
        EXPECT_EQ(dialog.systemFlags(), row.word) << row.mode << " " << row.flags << " " << row.multi;
    }
    UIFileDialog browser(nullptr);
    browser.setFlags(2);
    EXPECT_EQ(browser.browserFlags(), 0x243u);
    browser.setFlags(2 | 8);
    EXPECT_EQ(browser.browserFlags(), 0x43u);
}

TEST(UIFileDialog, ExecRunsNothingWithoutTheEnabledBitOrAKnownMode)
{
    UIFileDialog dialog(nullptr);
    dialog.acceptFolder(text("C:\\Old"));
    dialog.setFlags(UIFileDialog::kFilesFlag);
    EXPECT_FALSE(dialog.exec());
    dialog.setFlags(3);
    dialog.setAcceptMode(2);
    EXPECT_FALSE(dialog.exec());
    EXPECT_TRUE(dialog.selectedFiles().isEmpty());
    EXPECT_EQ(utf8(dialog.path()), "C:\\Old\\");
}
