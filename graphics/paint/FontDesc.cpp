#include "graphics/paint/FontDesc.h"

#include "graphics/paint/Rounding.h"

#include <atomic>

namespace {

constexpr float kDefaultPointSize = 12.0f;
constexpr float kEastAsianExtraPoints = 1.5f;
constexpr int kFallbackDpi = 96;

std::atomic<bool> g_clearType(true);

String familyOfId(int familyId)
{
    switch (familyId) {
    case FontDesc::kApplicationFamily:
        return FontDesc::applicationFont().family();
    case FontDesc::kTahoma:
        return String(u"tahoma");
    case FontDesc::kSegoeUi:
        return String(u"segoe ui");
    case FontDesc::kTimesNewRoman:
        return String(u"times new roman");
    case FontDesc::kCourierNew:
        return String(u"courier new");
    case FontDesc::kComicSansMs:
        return String(u"comic sans ms");
    case FontDesc::kVerdana:
        return String(u"verdana");
    default:
        return String(u"microsoft sans serif");
    }
}

bool isEastAsian(uint16_t language)
{
    const int primary = language & 0x3FF;
    return primary == 0x04 || primary == 0x11 || primary == 0x12;
}

int usableDpi()
{
    const int dpi = FontDesc::screenDpi();
    return dpi > 0 ? dpi : kFallbackDpi;
}

} // namespace

FontDesc::FontDesc() : FontDesc(applicationFont()) {}

FontDesc::FontDesc(const String& family, float size, uint32_t style)
    : m_family(family), m_size(size), m_style(style), m_option(1)
{
}

FontDesc::FontDesc(int familyId, float size, uint32_t style) : FontDesc(familyOfId(familyId), size, style) {}

int FontDesc::pixelSize() const
{
    return roundHalfAwayFromZero(static_cast<double>(usableDpi()) * m_size / 72.0);
}

void FontDesc::setPixelSize(int px)
{
    m_size = static_cast<float>(roundHalfAwayFromZero(static_cast<double>(px) * 72.0 / usableDpi()));
}

bool FontDesc::operator==(const FontDesc& other) const
{
    return m_size == other.m_size && m_style == other.m_style && m_option == other.m_option &&
           m_family == other.m_family;
}

const FontDesc& FontDesc::applicationFont()
{
    static const FontDesc font = platformDefault();
    return font;
}

FontDesc FontDesc::chooseDefault(int windowsMajorVersion, bool segoeUiInstalled, uint16_t userLanguage)
{
    const bool segoe = windowsMajorVersion >= 6 || segoeUiInstalled;
    float size = kDefaultPointSize;
    if (isEastAsian(userLanguage))
        size += kEastAsianExtraPoints;
    return FontDesc(String(segoe ? u"segoe ui" : u"microsoft sans serif"), size, 0);
}

void FontDesc::setClearTypeEnabled(bool enabled)
{
    g_clearType = enabled;
}

bool FontDesc::clearTypeEnabled()
{
    return g_clearType;
}
