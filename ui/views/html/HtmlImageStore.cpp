#include "ui/views/html/HtmlImageStore.h"

#include "foundation/text/ByteArray.h"

#include <string>

namespace {

int hexValue(uint8_t digit)
{
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'a' && digit <= 'f')
        return digit - 'a' + 10;
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    return -1;
}

// A "file:" address writes the bytes of blanks, brackets and letters beyond
// ASCII as "%hh"; the file's name has them as they are. A '%' without two
// hexadecimal digits after it is part of the name.
String percentDecoded(const String& path)
{
    const ByteArray bytes = path.toUtf8();
    std::string out;
    for (int i = 0; i < bytes.size(); ++i) {
        const uint8_t byte = bytes.data()[i];
        const int high = byte == '%' && i + 2 < bytes.size() ? hexValue(bytes.data()[i + 1]) : -1;
        const int low = high >= 0 ? hexValue(bytes.data()[i + 2]) : -1;
        if (low < 0 || (high == 0 && low == 0)) {
            out.push_back(char(byte));
            continue;
        }
        out.push_back(char(high * 16 + low));
        i += 2;
    }
    return String::fromUtf8(out.data(), int(out.size()));
}

} // namespace

HtmlImageStore::HtmlImageStore() : m_loader([](const String& path) { return Image::fromFile(path); }) {}

void HtmlImageStore::setLoader(const Loader& loader)
{
    m_loader = loader;
    m_entries.clear();
}

void HtmlImageStore::clear()
{
    m_entries.clear();
}

String HtmlImageStore::localPath(const String& source)
{
    String path = source.trim();
    if (path.startsWith(String(u"file:"), 0)) {
        path = path.midFrom(5);
        while (path.startsWithChar(u'/', 1))
            path = path.midFrom(1);
        // "file:///C:/x" names C:/x, "file:///home/x" names /home/x.
        path = percentDecoded(path);
        const bool drive = path.length() > 1 && path.at(1) == u':';
        return drive ? path : String(u"/") + path;
    }
    if (path.startsWith(String(u"//"), 1) || path.contains(String(u"://"), 1) ||
        path.startsWith(String(u"data:"), 0) || path.startsWith(String(u"about:"), 0) ||
        path.startsWith(String(u"javascript:"), 0))
        return String();
    return path;
}

Image HtmlImageStore::image(const String& source)
{
    if (!m_enabled)
        return Image();
    for (const Entry& entry : m_entries) {
        if (entry.source == source)
            return entry.image;
    }
    if (static_cast<int>(m_entries.size()) >= kMaxImages)
        return Image();
    const String path = localPath(source);
    m_entries.push_back(Entry{source, path.isEmpty() ? Image() : m_loader(path)});
    return m_entries.back().image;
}
