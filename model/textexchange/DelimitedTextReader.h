#pragma once

#include "foundation/containers/Array.h"
#include "foundation/containers/StringList.h"
#include "foundation/text/String.h"
#include "model/NewMovieRecord.h"
#include "model/textexchange/DelimitedTextFormat.h"

// Reads the movies of a delimited text file back. Lines end with CR LF, LF
// or CR; blank lines are passed over and not counted. The delimiter and the
// qualifier are worked out from the lines themselves. A line that gives no
// title, or no year field, is skipped and counted, so that a damaged file
// never makes untitled movies and the user learns where it went wrong.
class DelimitedTextReader
{
public:
    // The text of the whole file, byte-order mark already removed.
    explicit DelimitedTextReader(const String& text);

    // The lines that are not blank, trimmed, in file order.
    const StringList& lines() const { return m_lines; }
    int lineCount() const { return m_lines.count(); }

    // The format every recognised line shares; not valid when the first line
    // is not recognised or two recognised lines disagree. A line with a
    // qualifier at both ends takes the delimiter of its last qualifier,
    // delimiter, qualifier run; a bare line the first delimiter it holds,
    // when a year of 0 or four digits follows it. The examination stops at
    // the first line that is not recognised; read() still reads the rest.
    DelimitedTextFormat detect() const;

    // Reads every line with the format into out (appended) and returns how
    // many records it added.
    int read(const DelimitedTextFormat& format, NewMovieRecordList& out);
    // Only counts the lines that read() would take.
    int countReadable(const DelimitedTextFormat& format) const;
    // Of the last read(): how many lines were skipped and the file line
    // number (from 1, blank lines counted) of the first; 0 when none.
    int skippedCount() const { return m_skipped; }
    int firstSkippedLine() const { return m_firstSkipped; }

    // A line's movie: the title up to the last separator (a year holds no
    // delimiter or qualifier), doubled qualifiers in it read as one, and
    // the year after it. False for a line without a separator or with an
    // empty title; record is then unchanged.
    static bool readLine(const String& line, const DelimitedTextFormat& format, NewMovieRecord& record);
    // Whether the line ends with the delimiter and then the year 0 or a
    // year of four digits.
    static bool endsWithYear(const String& line, char16_t delimiter);

private:
    void splitLines(const String& text);

    StringList m_lines;
    // The file line number of each entry of m_lines.
    Array<int> m_numbers;
    int m_skipped = 0;
    int m_firstSkipped = 0;
};
