// The log: its line layout, one byte-order mark per file, and the fresh start
// at the size cap.
#include <gtest/gtest.h>

#include "foundation/io/LogFile.h"
#include "foundation/text/String.h"
#include "foundation/time/DateTime.h"
#include "tests/foundation/io/IoTestSupport.h"

using iotest::Bytes;
using iotest::show;

namespace {

// The UTF-16 bytes of the file as ASCII text, the mark shown as "<BOM>".
std::string asText(const Bytes& bytes)
{
    std::string text;
    size_t start = 0;
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        text = "<BOM>";
        start = 2;
    }
    for (size_t i = start; i + 1 < bytes.size(); i += 2)
        text += bytes[i + 1] == 0 ? char(bytes[i]) : '?';
    return text;
}

size_t count(const std::string& text, const std::string& part)
{
    size_t found = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++found;
    return found;
}

} // namespace

TEST(LogFile, LineLayout)
{
    EXPECT_EQ(show(LogFile::lineText(DateTime(2026, 12, 5, 9, 7, 3, 250), u"Started")),
              "05.12.2026 09:07:03 | Started");
}

TEST(LogFile, WritesLinesWithOneMarkAtTheStart)
{
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

    std::string text = asText(iotest::readFileBytes(iotest::nativeIn(dir, "app.log")));
    EXPECT_EQ(text.rfind("<BOM>", 0), 0u);
    EXPECT_EQ(count(text, "<BOM>"), 1u);
    EXPECT_EQ(count(text, " | "), 3u);
    EXPECT_EQ(count(text, "\r\n"), 3u);
    EXPECT_NE(text.find(" | first\r\n"), std::string::npos);
    EXPECT_NE(text.find(" | third\r\n"), std::string::npos);
    EXPECT_EQ(text.find("too early"), std::string::npos);
}

TEST(LogFile, StartsAnewAtTheSizeCap)
{
    testsupport::TempDir dir;
    LogFile log;
    log.setMaxSize(100);
    log.open(iotest::pathIn(dir, "app.log"));
    EXPECT_TRUE(log.writeLine(u"a line long enough to pass the cap at once"));
    EXPECT_TRUE(log.writeLine(u"fresh"));
    log.close();
    std::string text = asText(iotest::readFileBytes(iotest::nativeIn(dir, "app.log")));
    EXPECT_EQ(text.find("pass the cap"), std::string::npos);
    EXPECT_EQ(text.rfind("<BOM>", 0), 0u);
    EXPECT_NE(text.find(" | fresh\r\n"), std::string::npos);
    EXPECT_EQ(count(text, " | "), 1u);
}

TEST(LogFile, AnUnwritableLogReportsFailure)
{
    testsupport::TempDir dir;
    LogFile log;
    log.open(iotest::pathIn(dir, "missing/app.log"));
    EXPECT_FALSE(log.isOpen());
    EXPECT_FALSE(log.writeLine(u"lost"));
}
