#include "model/textexchange/DelimitedTextReader.h"

#include "foundation/text/CharClass.h"

#include <utility>

namespace {

// What one line says about the format.
enum LineVerdict
{
    kRecognised,
    kNotRecognised
};

bool isDigit(char16_t unit)
{
    return unit >= u'0' && unit <= u'9';
}

// Where the last qualifier, delimiter, qualifier run (the delimiter alone
// for no qualifier) starts between begin and end, or -1. Searched unit by
// unit: it runs once or more for each of many lines.
int lastSeparator(const String& text, int begin, int end, char16_t q, char16_t d)
{
    const int length = q ? 3 : 1;
    for (int start = end - length; start >= begin; --start) {
        if (q == 0 ? text.at(start) == d
                   : text.at(start) == q && text.at(start + 1) == d && text.at(start + 2) == q)
            return start;
    }
    return -1;
}

// Both ends are the qualifier and the line holds qualifier, delimiter,
// qualifier. A title may hold that run for another delimiter too, but never
// after the real one: only the year, which holds neither, follows it.
bool matchQualified(const String& line, int qualifierIndex, DelimitedTextFormat& format)
{
    const char16_t q = DelimitedTextFormat::qualifierAt(qualifierIndex);
    if (line.isEmpty() || line.first() != q || line.last() != q)
        return false;
    int latest = -1;
    for (int delimiter = 0; delimiter < DelimitedTextFormat::kChoiceCount; ++delimiter) {
        const int at = lastSeparator(line, 0, line.length(), q, DelimitedTextFormat::delimiterAt(delimiter));
        if (at > latest) {
            latest = at;
            format = DelimitedTextFormat(delimiter, qualifierIndex);
        }
    }
    return latest >= 0;
}

// The first delimiter the line holds decides; without a year after it the
// line is not recognised, even when a later delimiter would fit.
LineVerdict matchUnqualified(const String& line, DelimitedTextFormat& format)
{
    for (int delimiter = 0; delimiter < DelimitedTextFormat::kChoiceCount; ++delimiter) {
        const char16_t d = DelimitedTextFormat::delimiterAt(delimiter);
        if (line.indexOfChar(d, 0, 1) < 0)
            continue;
        if (!DelimitedTextReader::endsWithYear(line, d))
            return kNotRecognised;
        format = DelimitedTextFormat(delimiter, DelimitedTextFormat::kNoQualifier);
        return kRecognised;
    }
    return kNotRecognised;
}

LineVerdict lineFormat(const String& line, DelimitedTextFormat& format)
{
    for (int qualifier = 0; qualifier < DelimitedTextFormat::kNoQualifier; ++qualifier) {
        if (matchQualified(line, qualifier, format))
            return kRecognised;
    }
    return matchUnqualified(line, format);
}

// Each doubled qualifier as one; a lone one, as older files hold it, stays.
String undouble(const String& field, char16_t q)
{
    String result;
    result.reserve(field.length());
    for (int i = 0; i < field.length(); ++i) {
        result.appendChar(field.at(i));
        if (field.at(i) == q && i + 1 < field.length() && field.at(i + 1) == q)
            ++i;
    }
    return result;
}

} // namespace

DelimitedTextReader::DelimitedTextReader(const String& text)
{
    splitLines(text);
}

void DelimitedTextReader::splitLines(const String& text)
{
    int number = 1;
    int start = 0;
    const int length = text.length();
    for (int i = 0; i <= length; ++i) {
        const bool end = i == length;
        const char16_t unit = end ? 0 : text.at(i);
        if (!end && unit != u'\r' && unit != u'\n')
            continue;
        int begin = start;
        int stop = i;
        while (begin < stop && isSpaceChar(text.at(begin)))
            ++begin;
        while (stop > begin && isSpaceChar(text.at(stop - 1)))
            --stop;
        if (stop > begin) {
            m_lines.append(text.mid(begin, stop - begin));
            m_numbers.append(number);
        }
        if (unit == u'\r' && i + 1 < length && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
        ++number;
    }
}

DelimitedTextFormat DelimitedTextReader::detect() const
{
    DelimitedTextFormat found;
    for (List<String>::Node* node = m_lines.first(); node; node = node->next) {
        DelimitedTextFormat format;
        if (lineFormat(node->value, format) == kNotRecognised)
            break;
        if (found.isValid() && format != found)
            return DelimitedTextFormat();
        found = format;
    }
    return found;
}

int DelimitedTextReader::read(const DelimitedTextFormat& format, NewMovieRecordList& out)
{
    m_skipped = 0;
    m_firstSkipped = 0;
    int added = 0;
    int index = 0;
    for (List<String>::Node* node = m_lines.first(); node; node = node->next, ++index) {
        NewMovieRecord record;
        if (readLine(node->value, format, record)) {
            out.append(record);
            ++added;
            continue;
        }
        if (m_skipped++ == 0)
            m_firstSkipped = m_numbers[index];
    }
    return added;
}

int DelimitedTextReader::countReadable(const DelimitedTextFormat& format) const
{
    int readable = 0;
    for (List<String>::Node* node = m_lines.first(); node; node = node->next) {
        NewMovieRecord record;
        if (readLine(node->value, format, record))
            ++readable;
    }
    return readable;
}

bool DelimitedTextReader::readLine(const String& line, const DelimitedTextFormat& format,
                                   NewMovieRecord& record)
{
    if (!format.isValid())
        return false;
    const char16_t q = format.isQualified() ? DelimitedTextFormat::qualifierAt(format.qualifierIndex()) : 0;
    int begin = 0;
    int end = line.length();
    if (q && begin < end && line.at(begin) == q)
        ++begin;
    if (q && end > begin && line.at(end - 1) == q)
        --end;
    const int separator = lastSeparator(line, begin, end, q, format.delimiter());
    if (separator < 0)
        return false;
    int titleBegin = begin;
    int titleEnd = separator;
    while (titleBegin < titleEnd && isSpaceChar(line.at(titleBegin)))
        ++titleBegin;
    while (titleEnd > titleBegin && isSpaceChar(line.at(titleEnd - 1)))
        --titleEnd;
    if (titleEnd == titleBegin)
        return false;
    String title = line.mid(titleBegin, titleEnd - titleBegin);
    if (q && title.containsChar(q, 1))
        title = undouble(title, q);
    record.title = std::move(title);
    const int yearStart = separator + (q ? 3 : 1);
    record.year = line.mid(yearStart, end - yearStart).toInt();
    return true;
}

bool DelimitedTextReader::endsWithYear(const String& line, char16_t delimiter)
{
    const int length = line.length();
    if (length >= 2 && line.at(length - 2) == delimiter && line.at(length - 1) == u'0')
        return true;
    if (length < 5 || line.at(length - 5) != delimiter)
        return false;
    for (int i = length - 4; i < length; ++i) {
        if (!isDigit(line.at(i)))
            return false;
    }
    return true;
}
