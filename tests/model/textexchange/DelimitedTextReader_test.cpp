// Reading delimited text back: the format worked out from the lines with
// every case the detection distinguishes, the three kinds of line end, the
// fields of one line, and the lines skipped and counted.
#include <gtest/gtest.h>

#include "model/textexchange/DelimitedTextReader.h"
#include "tests/support/IoTestSupport.h"

using iotest::show;

namespace {

const DelimitedTextFormat kRefused;

std::string describe(const DelimitedTextFormat& format)
{
    return std::to_string(format.delimiterIndex()) + "/" + std::to_string(format.qualifierIndex());
}

} // namespace

TEST(DelimitedTextReader, DetectsTheFormatAllRecognisedLinesShare)
{
    struct Case
    {
        const char16_t* text;
        DelimitedTextFormat format;
        int lines;
    };
    const Case cases[] = {
        {u"\"Alien\",\"1979\"", DelimitedTextFormat(0, 0), 1},
        {u"\"Alien\";\"1979\"", DelimitedTextFormat(1, 0), 1},
        {u"\"Alien\" \"1979\"", DelimitedTextFormat(2, 0), 1},
        {u"'Alien','1979'", DelimitedTextFormat(0, 1), 1},
        {u"'Alien';'1979'", DelimitedTextFormat(1, 1), 1},
        {u"'Alien' '1979'", DelimitedTextFormat(2, 1), 1},
        {u"Alien,1979", DelimitedTextFormat(0, 2), 1},
        {u"Alien;1979", DelimitedTextFormat(1, 2), 1},
        {u"Star Wars 1977", DelimitedTextFormat(2, 2), 1},
        {u"Heat,0", DelimitedTextFormat(0, 2), 1},
        // A title with a comma still ends with a comma and a year.
        {u"Alien, the 8th,1979", DelimitedTextFormat(0, 2), 1},
        // Qualified tests come first: a quoted line with a comma inside.
        {u"\"A,B\";\"1999\"", DelimitedTextFormat(1, 0), 1},
        // A title holding another separator: the last one is the real one.
        {u"\"a\"\",\"\"b\";\"1979\"", DelimitedTextFormat(1, 0), 1},
        {u"'x'' ''y','0'", DelimitedTextFormat(0, 1), 1},
        // The year 15 stops the examination; the lines after it still count.
        {u"Alien,1979\r\nBrazil,15\r\nanything at all", DelimitedTextFormat(0, 2), 3},
        // The comma decides before the semicolon and has no year after it.
        {u"Alien;1979\r\nA, B;1999", DelimitedTextFormat(1, 2), 2},
        {u"A, B;1999\r\nAlien;1979", kRefused, 2},
        {u"Brazil,15", kRefused, 1},
        {u"Alien,1979\r\nBrazil;1985", kRefused, 2},
        {u"\"Alien\",\"1979\"\r\n'Heat','0'", kRefused, 2},
        {u"garbage\r\nAlien,1979", kRefused, 2},
        {u"Nothing here", kRefused, 1},
        {u"Nothing", kRefused, 1},
        {u"\"Alien,1979\"", kRefused, 1},
        {u"\"", kRefused, 1},
        {u"Alien 1979a", kRefused, 1},
        {u"Alien,19790", kRefused, 1},
        {u"", kRefused, 0},
        {u"\r\n \r\n\t\r\n", kRefused, 0},
    };
    for (const Case& c : cases) {
        DelimitedTextReader reader{String(c.text)};
        EXPECT_EQ(describe(reader.detect()), describe(c.format)) << show(String(c.text));
        EXPECT_EQ(reader.lineCount(), c.lines) << show(String(c.text));
    }
}

TEST(DelimitedTextReader, AcceptsCrLfLfAndCrAndPassesOverBlankLines)
{
    const char16_t* const texts[] = {
        u"\"Alien\",\"1979\"\r\n\"Heat\",\"0\"\r\n",
        u"\"Alien\",\"1979\"\n\"Heat\",\"0\"\n",
        u"\"Alien\",\"1979\"\r\"Heat\",\"0\"",
        u"\n\r\n  \"Alien\",\"1979\"  \r\r\n\t\n\"Heat\",\"0\"",
    };
    for (const char16_t* text : texts) {
        DelimitedTextReader reader{String(text)};
        EXPECT_EQ(describe(reader.detect()), "0/0") << show(String(text));
        NewMovieRecordList records;
        EXPECT_EQ(reader.read(DelimitedTextFormat(0, 0), records), 2) << show(String(text));
        ASSERT_EQ(records.count(), 2);
        EXPECT_EQ(show(records.first()->value.title), "Alien");
        EXPECT_EQ(records.first()->value.year, 1979);
        EXPECT_EQ(show(records.last()->value.title), "Heat");
        EXPECT_EQ(records.last()->value.year, 0);
        EXPECT_EQ(reader.skippedCount(), 0);
    }
}

TEST(DelimitedTextReader, ReadsOneLinesTitleAndYear)
{
    struct Case
    {
        const char16_t* line;
        DelimitedTextFormat format;
        const char* title; // null: skipped
        int year;
    };
    const DelimitedTextFormat quoted(0, 0);
    const Case cases[] = {
        {u"\"Alien\",\"1979\"", quoted, "Alien", 1979},
        {u"\"Say \"\"Hi\"\"\",\"1999\"", quoted, "Say \"Hi\"", 1999},
        {u"\"\"\"\",\"2000\"", quoted, "\"", 2000},
        {u"\"a\"\",\"\"b\",\"1\"", quoted, "a\",\"b", 1},
        // Older files hold the qualifier raw: a lone one stays.
        {u"\"He said \"hi\" there\",\"1984\"", quoted, "He said \"hi\" there", 1984},
        {u"\"Hi\"\",\"1984\"", quoted, "Hi\"", 1984},
        {u"\"Alien\",\"1999a\"", quoted, "Alien", 1999},
        {u"\"Alien\",\"\"", quoted, "Alien", 0},
        {u"\"Alien\",\"-12\"", quoted, "Alien", -12},
        {u"\"  Alien  \",\" 1979 \"", quoted, "Alien", 1979},
        {u"'It''s',' 1990'", DelimitedTextFormat(0, 1), "It's", 1990},
        {u"Alien, the 8th,1979", DelimitedTextFormat(0, 2), "Alien, the 8th", 1979},
        {u"Star Wars 1977", DelimitedTextFormat(2, 2), "Star Wars", 1977},
        {u"Alien;", DelimitedTextFormat(1, 2), "Alien", 0},
        {u"\"\",\"1999\"", quoted, nullptr, 0},
        {u"\"   \",\"1999\"", quoted, nullptr, 0},
        {u"\"Alien\"", quoted, nullptr, 0},
        {u"\"\"\"\"", quoted, nullptr, 0},
        {u"\"", quoted, nullptr, 0},
        {u"Alien,1979", quoted, nullptr, 0},
        {u",1979", DelimitedTextFormat(0, 2), nullptr, 0},
        {u"Alien", DelimitedTextFormat(0, 2), nullptr, 0},
        {u"Alien,1979", kRefused, nullptr, 0},
    };
    for (const Case& c : cases) {
        NewMovieRecord record;
        record.title = String(u"untouched");
        bool read = DelimitedTextReader::readLine(String(c.line), c.format, record);
        EXPECT_EQ(read, c.title != nullptr) << show(String(c.line));
        EXPECT_EQ(show(record.title), c.title ? c.title : "untouched") << show(String(c.line));
        EXPECT_EQ(record.year, c.year) << show(String(c.line));
    }
}

TEST(DelimitedTextReader, CountsSkippedLinesAndNamesTheFirstByItsFileLine)
{
    // Line 2 is blank and neither read nor skipped.
    DelimitedTextReader reader{
        String(u"\"Alien\",\"1979\"\r\n\r\n\"\",\"1999\"\n\"junk\"\r\"Heat\",\"0\"\r\n\"\"")};
    const DelimitedTextFormat format = reader.detect();
    ASSERT_EQ(describe(format), "0/0");
    EXPECT_EQ(reader.lineCount(), 5);
    EXPECT_EQ(reader.countReadable(format), 2);
    NewMovieRecordList records;
    records.append(NewMovieRecord());
    EXPECT_EQ(reader.read(format, records), 2);
    EXPECT_EQ(records.count(), 3) << "appended after what was there";
    EXPECT_EQ(reader.skippedCount(), 3);
    EXPECT_EQ(reader.firstSkippedLine(), 3);

    NewMovieRecordList again;
    DelimitedTextReader clean{String(u"Alien,1979")};
    EXPECT_EQ(clean.read(clean.detect(), again), 1);
    EXPECT_EQ(clean.skippedCount(), 0);
    EXPECT_EQ(clean.firstSkippedLine(), 0);
}

TEST(DelimitedTextReader, EndsWithYearNeedsTheDelimiterBeforeZeroOrFourDigits)
{
    struct Case
    {
        const char16_t* line;
        char16_t delimiter;
        bool expected;
    };
    const Case cases[] = {
        {u",0", u',', true},      {u"A,0", u',', true},          {u"A;0", u',', false},
        {u"0", u',', false},      {u",1979", u',', true},        {u"A 1979", u' ', true},
        {u"A,197", u',', false},  {u"A,19x9", u',', false},      {u"A,10", u',', false},
        {u"A;1979", u';', true},  {u"1979", u',', false},        {u"", u',', false},
        {u"A,-979", u',', false}, {u"A,\u0661979", u',', false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DelimitedTextReader::endsWithYear(String(c.line), c.delimiter), c.expected)
            << show(String(c.line));
}
