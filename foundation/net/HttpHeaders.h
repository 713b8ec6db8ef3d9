#pragma once

#include "foundation/containers/StringList.h"
#include "foundation/text/String.h"

// The header lines of a request or an answer, whole ("Name: value"), without
// line ends; an answer's status line comes first.
class HttpHeaders
{
public:
    // Kinds of status line (statusKind).
    static constexpr int kStatusOther = 0;
    static constexpr int kStatusOk = 1;
    static constexpr int kStatusFound = 2;
    static constexpr int kStatusNotFound = 3;
    static constexpr int kStatusLengthRequired = 4;

    virtual ~HttpHeaders() = default;

    // Trims the line and replaces the first line with the same name (the
    // whole text before the first ':', case-sensitive), else appends it. A
    // line without ':' is appended; an empty one is ignored, since it would
    // end the header block.
    void setHeader(const String& line);
    // The line name + ":" + value, as above.
    void setHeader(const String& name, const String& value);
    // Sets every line in order exactly as setHeader would, in one pass: an
    // answer may hold many thousands of lines.
    void setHeaders(const StringList& lines);
    // Appends the line as it is (the status line of an answer).
    void appendLine(const String& line);

    // The trimmed text after the first ": " of the first line that begins
    // with prefix (case-sensitive); empty when there is none.
    String value(const String& prefix) const;
    bool contains(const String& prefix) const;

    // From the numeric code of the status line ("HTTP/x.y nnn reason"):
    // kStatusOk for 200, kStatusFound for 302, kStatusNotFound for 404,
    // kStatusLengthRequired for 411, else kStatusOther (also when there is
    // no line or the first line is no status line).
    int statusKind() const;

    // Every line followed by "\r\n".
    String toText() const;
    void clear();
    const StringList& lines() const { return m_lines; }
    int count() const { return m_lines.count(); }

private:
    StringList m_lines;
};
