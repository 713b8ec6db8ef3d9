#pragma once

#include "foundation/text/String.h"

#include <cstdint>

// How a delimited text file of movies is laid out: one movie a line, the
// title and then the year, each field between two qualifiers and the two
// joined by the delimiter. The indices are those of the export and import
// windows' combo boxes: delimiters "," ";" " ", qualifiers the double quote,
// the single quote and none. A qualifier inside a field is doubled, as
// spreadsheets write it, so that one at a title's end survives the reading.
class DelimitedTextFormat
{
public:
    static constexpr int kChoiceCount = 3;
    static constexpr int kNoQualifier = 2;

    // Not a format: what the detection gives for a file it refuses.
    DelimitedTextFormat() = default;
    // Indices outside 0-2 give a format that is not valid.
    DelimitedTextFormat(int delimiterIndex, int qualifierIndex);

    bool isValid() const { return m_delimiter >= 0 && m_qualifier >= 0; }
    int delimiterIndex() const { return m_delimiter; }
    int qualifierIndex() const { return m_qualifier; }
    char16_t delimiter() const;
    // Empty for none.
    String qualifier() const;
    bool isQualified() const { return m_qualifier >= 0 && m_qualifier != kNoQualifier; }
    // The qualifier, the delimiter and the qualifier again: what ends the
    // title field.
    String separator() const;

    static char16_t delimiterAt(int index);
    // 0 for none or an unknown index.
    static char16_t qualifierAt(int index);

    // The value between the qualifiers with each qualifier inside doubled;
    // the value as it is without a qualifier.
    String field(const String& value) const;
    // title field, delimiter, year field; the year in decimal, 0 for none.
    String line(const String& title, int32_t year) const;
    // The same line added to the end of out, for long texts built in one.
    void appendLine(String& out, const String& title, int32_t year) const;

    bool operator==(const DelimitedTextFormat& other) const
    {
        return m_delimiter == other.m_delimiter && m_qualifier == other.m_qualifier;
    }
    bool operator!=(const DelimitedTextFormat& other) const { return !(*this == other); }

private:
    void appendField(String& out, const String& value) const;

    int m_delimiter = -1;
    int m_qualifier = -1;
};
