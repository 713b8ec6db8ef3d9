#include "ui/views/html/HtmlImageStore.h"

#include "foundation/net/Url.h"

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
        // Escapes stand for the name's bytes ("%20" a blank); a '+' is
        // itself, unlike in form text, and "%00" stays as written, since a
        // zero byte would cut the name short and name another file.
        String escaped = path.midFrom(5).replace(String(u"+"), String(u"%2B"), String::kCaseSensitive);
        path = urlDecode(escaped.replace(String(u"%00"), String(u"%2500"), String::kCaseSensitive));
        while (path.startsWithChar(u'/', 1))
            path = path.midFrom(1);
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
