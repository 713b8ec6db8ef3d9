#include "ui/views/html/HtmlFontCache.h"

#include "ui/views/html/HtmlStyle.h"

namespace {

struct GenericFamily
{
    const char16_t* generic;
    const char16_t* face;
};
const GenericFamily kGenericFamilies[] = {
    {u"serif", u"Times New Roman"},
    {u"sans-serif", u"Arial"},
    {u"monospace", u"Courier New"},
    {u"cursive", u"Comic Sans MS"},
};

} // namespace

String HtmlFontCache::faceFor(const String& families)
{
    int comma = families.indexOfChar(u',', 0, 1);
    if (comma < 0)
        comma = families.length();
    const String face = families.mid(0, comma).trimChars(String(u" \t\r\n\"'"));
    for (const GenericFamily& family : kGenericFamilies) {
        if (String::equalsIgnoreCase(face, String(family.generic)))
            return String(family.face);
    }
    return face.isEmpty() ? String(u"Times New Roman") : face;
}

FontDesc HtmlFontCache::fontFor(const HtmlStyle& style)
{
    uint32_t flags = 0;
    if (style.bold)
        flags |= FontDesc::kBold;
    if (style.italic)
        flags |= FontDesc::kItalic;
    if (style.underline)
        flags |= FontDesc::kUnderline;
    if (style.lineThrough)
        flags |= FontDesc::kStrikeOut;
    const float points =
        static_cast<float>(style.fontSize) * 72.0f / static_cast<float>(FontDesc::screenDpi());
    return FontDesc(faceFor(style.fontFamily), points, flags);
}

const HtmlFontMetrics* HtmlFontCache::metrics(const HtmlStyle& style)
{
    const FontDesc font = fontFor(style);
    for (const auto& metrics : m_fonts) {
        if (metrics->font() == font)
            return metrics.get();
    }
    if (static_cast<int>(m_fonts.size()) >= kMaxFonts)
        return m_fonts.front().get();
    m_fonts.push_back(std::make_unique<HtmlFontMetrics>(font));
    return m_fonts.back().get();
}
