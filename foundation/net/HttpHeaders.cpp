#include "foundation/net/HttpHeaders.h"

#include <string>
#include <unordered_map>

namespace {

bool isDigit(char16_t unit)
{
    return unit >= u'0' && unit <= u'9';
}

// The name of a header line: the text before its first ':', or the empty
// String when it has none.
String nameOf(const String& line)
{
    int colon = line.indexOfChar(u':', 0, String::kCaseSensitive);
    return colon < 0 ? String() : line.mid(0, colon);
}

// "HTTP/", the version, blanks, then exactly three digits that end the line
// or are followed by a blank. -1 for anything else.
int statusCodeOf(const String& line)
{
    if (!line.startsWith(String(u"HTTP/"), String::kCaseSensitive))
        return -1;
    int at = 5;
    while (at < line.length() && line.at(at) != u' ')
        ++at;
    while (at < line.length() && line.at(at) == u' ')
        ++at;
    if (line.length() - at < 3)
        return -1;
    int code = 0;
    for (int i = 0; i < 3; ++i) {
        if (!isDigit(line.at(at + i)))
            return -1;
        code = code * 10 + (line.at(at + i) - u'0');
    }
    if (line.length() > at + 3 && line.at(at + 3) != u' ')
        return -1;
    return code;
}

} // namespace

void HttpHeaders::setHeader(const String& line)
{
    String trimmed = line.trim();
    if (trimmed.isEmpty())
        return;
    String name = nameOf(trimmed);
    if (!name.isEmpty()) {
        for (List<String>::Node* node = m_lines.first(); node; node = node->next) {
            if (nameOf(node->value) == name) {
                node->value = trimmed;
                return;
            }
        }
    }
    m_lines.append(trimmed);
}

void HttpHeaders::setHeader(const String& name, const String& value)
{
    setHeader(name + u":" + value);
}

void HttpHeaders::setHeaders(const StringList& lines)
{
    // The first line of each name, which a later line of that name replaces.
    std::unordered_map<std::u16string, List<String>::Node*> firstOfName;
    auto remember = [&firstOfName](const String& name, List<String>::Node* node) {
        if (!name.isEmpty())
            firstOfName.emplace(std::u16string(name.data(), static_cast<size_t>(name.length())), node);
    };
    for (List<String>::Node* node = m_lines.first(); node; node = node->next)
        remember(nameOf(node->value), node);

    for (const String& line : lines) {
        String trimmed = line.trim();
        if (trimmed.isEmpty())
            continue;
        String name = nameOf(trimmed);
        if (!name.isEmpty()) {
            auto found = firstOfName.find(std::u16string(name.data(), static_cast<size_t>(name.length())));
            if (found != firstOfName.end()) {
                found->second->value = trimmed;
                continue;
            }
        }
        remember(name, m_lines.append(trimmed));
    }
}

void HttpHeaders::appendLine(const String& line)
{
    m_lines.append(line);
}

String HttpHeaders::value(const String& prefix) const
{
    const String separator(u": ");
    for (const String& line : m_lines) {
        if (!line.startsWith(prefix, String::kCaseSensitive))
            continue;
        int at = line.find(separator, 0, String::kCaseSensitive);
        if (at >= 0)
            return line.midFrom(at + separator.length()).trim();
    }
    return String();
}

bool HttpHeaders::contains(const String& prefix) const
{
    for (const String& line : m_lines) {
        if (line.startsWith(prefix, String::kCaseSensitive))
            return true;
    }
    return false;
}

int HttpHeaders::statusKind() const
{
    if (m_lines.isEmpty())
        return kStatusOther;
    switch (statusCodeOf(m_lines.first()->value)) {
    case 200:
        return kStatusOk;
    case 302:
        return kStatusFound;
    case 404:
        return kStatusNotFound;
    case 411:
        return kStatusLengthRequired;
    default:
        return kStatusOther;
    }
}

String HttpHeaders::toText() const
{
    String text;
    for (const String& line : m_lines) {
        text += line;
        text += String::crlf();
    }
    return text;
}

void HttpHeaders::clear()
{
    m_lines.clear();
}
