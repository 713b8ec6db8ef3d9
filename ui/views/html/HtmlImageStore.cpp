#include "ui/views/html/HtmlImageStore.h"

#include "foundation/text/ByteArray.h"
#include "foundation/text/CharClass.h"

namespace {

// A file address's escapes stand for the bytes of the name ("%20" a blank,
// a '+' is itself). A broken escape or a zero byte names no file: empty,
// never a shorter path that could name another one.
String unescaped(const String& text)
{
    ByteArray bytes;
    String run;
    for (int i = 0; i < text.length(); ++i) {
        if (text.at(i) != u'%') {
            run.appendChar(text.at(i));
            continue;
        }
        const int high = i + 2 < text.length() ? hexDigitValue(text.at(i + 1)) : -1;
        const int low = high >= 0 ? hexDigitValue(text.at(i + 2)) : -1;
        if (low < 0 || (high == 0 && low == 0))
            return String();
        bytes.append(run.toUtf8());
        run = String();
        bytes.appendByte(uint8_t(high * 16 + low));
        i += 2;
    }
    bytes.append(run.toUtf8());
    return String::fromUtf8(bytes.data(), bytes.size());
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
        path = unescaped(path.midFrom(5));
        while (path.startsWithChar(u'/', 1))
            path = path.midFrom(1);
        if (path.isEmpty())
            return String();
        // "file:///C:/x" names C:/x, "file:///home/x" names /home/x.
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
