// The log: its line layout, one byte-order mark per file, and the fresh start
// at the size cap.
#include <gtest/gtest.h>

#include "foundation/io/LogFile.h"
#include "foundation/text/String.h"
#include "foundation/time/DateTime.h"
#include "tests/support/IoTestSupport.h"

using iotest::show;

namespace {

// The UTF-16 log as text, its leading mark as "<BOM>" and each line's
// 19-character time stamp as "T" (a mark inside the file breaks a line).
std::string logText(const testsupport::TempDir& dir)
{
    iotest::Bytes bytes = iotest::readFileBytes(iotest::nativeIn(dir, "app.log"));
    std::string text = show(String::fromTextBuffer(bytes.data(), int(bytes.size()), 4));
    std::string result = bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE ? "<BOM>" : "";
    for (size_t at = 0; at < text.size();) {
        size_t end = text.find("\r\n", at);
        if (end == std::string::npos || text.compare(at + 19, 3, " | ") != 0)
            return result + "<bad line>" + text.substr(at);
        result += "T" + text.substr(at + 19, end + 2 - at - 19);
        at = end + 2;
    }
    return result;
}

} // namespace

TEST(LogFile, WritesLinesWithOneMarkAtTheStart)
{
    EXPECT_EQ(show(LogFile::lineText(DateTime(2026, 12, 5, 9, 7, 3, 250), u"Started")),
              "05.12.2026 09:07:03 | Started");
    testsupport::TempDir dir;
    LogFile log;
    EXPECT_FALSE(log.writeLine(u"too early"));
    log.open(iotest::pathIn(dir, "app.log"));
    EXPECT_TRUE(log.writeLine(u"first"));
    EXPECT_TRUE(log.writeLine(u"second"));
    log.close();
    EXPECT_FALSE(log.writeLine(u"closed"));
    log.open(iotest::pathIn(dir, "app.log"));
    EXPECT_TRUE(log.writeLine(u"third"));
    log.close();
    EXPECT_EQ(logText(dir), "<BOM>T | first\r\nT | second\r\nT | third\r\n");

    // At the size cap the log starts anew.
    log.setMaxSize(100);
    log.open(iotest::pathIn(dir, "app.log"));
    EXPECT_TRUE(log.writeLine(u"fresh"));
    log.close();
    EXPECT_EQ(logText(dir), "<BOM>T | fresh\r\n");

    LogFile unwritable;
    unwritable.open(iotest::pathIn(dir, "missing/app.log"));
    EXPECT_FALSE(unwritable.isOpen());
    EXPECT_FALSE(unwritable.writeLine(u"lost"));
}
