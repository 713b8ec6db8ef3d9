#include "ui/core/theme/UIStyleValues.h"

#include "foundation/containers/Array.h"
#include "foundation/containers/StringList.h"
#include "foundation/text/String.h"
#include "graphics/paint/Gradient.h"

#include <algorithm>

namespace {

const int kExact = 1;

StringList splitAt(const String& text, const char16_t* separator, int flags)
{
    return StringList::split(text, String(separator), flags);
}

int partInt(const StringList& parts, int index)
{
    return parts.nodeAt(index)->value.trim().toInt();
}

uint8_t channel(const StringList& parts, int index)
{
    return static_cast<uint8_t>(std::min(std::max(partInt(parts, index), 0), 255));
}

bool startsWithDigit(const String& text)
{
    return !text.isEmpty() && text.first() >= u'0' && text.first() <= u'9';
}

// The default font's size as the program started; skin sizes are written
// for a 12-point default and follow the system's size from it.
float baseFontSize()
{
    static const float kBase = FontDesc::applicationFont().size();
    return kBase;
}

float fontSize(const String& part)
{
    if (part.last() == u'%')
        return baseFontSize() * static_cast<float>(part.toInt()) / 100.0f;
    return part.toFloat() + (baseFontSize() - 12.0f);
}

} // namespace

int parseStyleInt(const String& text)
{
    return text.trim().toInt();
}

float parseStyleFloat(const String& text)
{
    return text.trim().toFloat();
}

FontDesc parseStyleFont(const String& text)
{
    FontDesc font;
    const String trimmed = text.trim();
    if (!trimmed.containsChar(u',', kExact))
        return font;
    const StringList parts = splitAt(trimmed, u",", 0);
    if (parts.count() != 3)
        return font;
    const String& family = parts.nodeAt(0)->value;
    const String& size = parts.nodeAt(1)->value;
    const String& style = parts.nodeAt(2)->value;
    if (!family.isEmpty() && family != String(u"default"))
        font.setFamily(family);
    if (!size.isEmpty())
        font.setSize(fontSize(size));
    if (!style.isEmpty()) {
        uint32_t flags = font.style();
        if (style.contains(String(u"underline"), kExact))
            flags |= 4;
        if (style.contains(String(u"bold"), kExact))
            flags |= 1;
        font.setStyle(flags);
    }
    return font;
}

Color parseStyleColor(const String& text)
{
    const Color transparent(0x00FFFFFFu);
    const String trimmed = text.trim();
    if (trimmed.containsChar(u',', kExact)) {
        const StringList parts = splitAt(trimmed, u",", 0);
        if (parts.count() == 3)
            return Color(channel(parts, 0), channel(parts, 1), channel(parts, 2));
        if (parts.count() == 4)
            return Color(channel(parts, 0), channel(parts, 1), channel(parts, 2), channel(parts, 3));
        return transparent;
    }
    if (startsWithDigit(trimmed))
        return Color(static_cast<uint32_t>(trimmed.toInt()));
    return transparent;
}

UIMargins parseStyleMargins(const String& text)
{
    const String trimmed = text.trim();
    if (trimmed.containsChar(u',', kExact)) {
        const StringList parts = splitAt(trimmed, u",", 0);
        if (parts.count() == 4)
            return UIMargins(partInt(parts, 0), partInt(parts, 1), partInt(parts, 2), partInt(parts, 3));
    }
    const int all = trimmed.toInt();
    return UIMargins(all, all, all, all);
}

UIMargins parseStyleItemMargins(const String& text)
{
    return parseStyleMargins(text);
}

Point parseStylePoint(const String& text)
{
    const StringList parts = splitAt(text.trim(), u",", 0);
    if (parts.count() != 2)
        return Point();
    return Point(partInt(parts, 0), partInt(parts, 1));
}

Size parseStyleSize(const String& text)
{
    const String trimmed = text.trim();
    const StringList parts = splitAt(trimmed, u",", 0);
    if (parts.count() == 2)
        return Size(partInt(parts, 0), partInt(parts, 1));
    const int both = trimmed.toInt();
    return Size(both, both);
}

Pen parseStylePen(const String& text)
{
    return Pen(parseStyleColor(text), 1.0f, Pen::kSolid);
}

Brush parseStyleBrush(const String& text)
{
    const StringList parts = splitAt(text, u"|", String::kSkipEmpty);
    if (parts.count() < 2)
        return Brush(parseStyleColor(text), 0);
    Array<Color> colors;
    for (const String& part : parts)
        colors.append(parseStyleColor(part));
    Gradient gradient(Gradient::kVertical);
    gradient.setColors(colors);
    return Brush(gradient);
}
