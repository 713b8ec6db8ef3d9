#include "model/textexchange/DelimitedTextReader.h"

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

// The last place the separator starts at, or -1.
int lastIndexOf(const String& text, const String& separator)
{
    const int length = separator.length();
    for (int start = text.length() - length; start >= 0; --start) {
        int i = 0;
        while (i < length && text.at(start + i) == separator.at(i))
            ++i;
        if (i == length)
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
        DelimitedTextFormat candidate(delimiter, qualifierIndex);
        const int at = lastIndexOf(line, candidate.separator());
        if (at > latest) {
            latest = at;
            format = candidate;
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
        String line = text.mid(start, i - start).trim();
        if (!line.isEmpty()) {
            m_lines.append(line);
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

bool DelimitedTextReader::readLine(const String& line, const DelimitedTextFormat& format, NewMovieRecord& record)
{
    if (!format.isValid())
        return false;
    const String q = format.qualifier();
    String body = line;
    if (format.isQualified()) {
        const char16_t unit = q.at(0);
        if (!body.isEmpty() && body.first() == unit)
            body = body.midFrom(1);
        if (!body.isEmpty() && body.last() == unit)
            body = body.mid(0, body.length() - 1);
    }
    const String separatorText = format.separator();
    const int separator = lastIndexOf(body, separatorText);
    if (separator < 0)
        return false;
    String title = body.mid(0, separator);
    if (format.isQualified())
        title = undouble(title, q.at(0));
    title = title.trim();
    if (title.isEmpty())
        return false;
    record.title = title;
    record.year = body.midFrom(separator + separatorText.length()).trim().toInt();
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
