#include "model/card/CardEscape.h"

#include "foundation/containers/StringList.h"
#include "foundation/text/ByteArray.h"
#include "foundation/text/CharClass.h"

namespace {

const char16_t kHexDigits[] = u"0123456789ABCDEF";

bool isUrlSafeByte(uint8_t byte)
{
    return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9') ||
           byte == '-' || byte == '_' || byte == '.' || byte == '~' || byte == '/' || byte == ':';
}

bool isFontNameUnit(char16_t unit)
{
    return isAlphaNumericChar(unit) || unit == u' ' || unit == u'-' || unit == u'_' || unit == u'.';
}

String cleanFamily(const String& family)
{
    String kept;
    for (int i = 0; i < family.length(); ++i) {
        if (isFontNameUnit(family.at(i)))
            kept.appendChar(family.at(i));
    }
    return kept.trim();
}

} // namespace

String CardEscape::html(const String& text)
{
    String out;
    out.reserve(text.length());
    for (int i = 0; i < text.length(); ++i) {
        char16_t unit = text.at(i);
        switch (unit) {
        case u'&':
            out.appendCString(u"&amp;");
            break;
        case u'<':
            out.appendCString(u"&lt;");
            break;
        case u'>':
            out.appendCString(u"&gt;");
            break;
        case u'"':
            out.appendCString(u"&quot;");
            break;
        case u'\'':
            out.appendCString(u"&#39;");
            break;
        default:
            if (unit >= 0x20 || unit == u'\t' || unit == u'\n' || unit == u'\r')
                out.appendChar(unit);
        }
    }
    return out;
}

String CardEscape::fileUrl(const String& path)
{
    ByteArray bytes = path.replaceChar(u'\\', u'/', String::kCaseSensitive).toUtf8();
    String url(u"file:///");
    for (int i = 0; i < bytes.size(); ++i) {
        uint8_t byte = bytes.data()[i];
        if (isUrlSafeByte(byte)) {
            url.appendChar(char16_t(byte));
            continue;
        }
        url.appendChar(u'%');
        url.appendChar(kHexDigits[byte >> 4]);
        url.appendChar(kHexDigits[byte & 0x0F]);
    }
    return url;
}

String CardEscape::fontFamilyList(const String& families)
{
    StringList parts = String::split(families, String(u","), 0);
    String list;
    for (const String& part : parts) {
        String family = cleanFamily(part);
        if (family.isEmpty())
            continue;
        if (!list.isEmpty())
            list.appendChar(u',');
        list.appendChar(u'\'').append(family).appendChar(u'\'');
    }
    return list;
}
