#include "ui/widgets/text/UITextWidths.h"

UITextWidths::UITextWidths(const FontDesc& font)
    : m_font(font), m_metrics(font, nullptr), m_variants(kStyleVariants)
{
}

void UITextWidths::setFont(const FontDesc& font)
{
    if (font == m_font)
        return;
    m_font = font;
    m_metrics.setFont(font, nullptr);
    m_variants.clear();
    m_variants.resize(kStyleVariants);
}

FontDesc UITextWidths::styledFont(uint32_t styleFlags) const
{
    FontDesc styled = m_font;
    styled.setStyle(styleFlags);
    return styled;
}

UITextWidths::Variant& UITextWidths::variant(uint32_t styleFlags)
{
    Variant& found = m_variants[styleFlags % kStyleVariants];
    if (!found.metrics) {
        found.metrics = std::make_unique<FontMetrics>(styledFont(styleFlags % kStyleVariants), nullptr);
        found.bmp.assign(0x100, -1);
    }
    return found;
}

int UITextWidths::width(const char16_t* units, int count, uint32_t styleFlags)
{
    Variant& cache = variant(styleFlags);
    if (count == 1) {
        // Most texts stay within Latin-1; the whole plane is made room for
        // only when a text leaves it.
        if (units[0] >= cache.bmp.size())
            cache.bmp.resize(0x10000, -1);
        int& slot = cache.bmp[units[0]];
        if (slot < 0)
            slot = cache.metrics->charWidth(units[0]);
        return slot;
    }
    const uint32_t key = (static_cast<uint32_t>(units[0]) << 16) | units[1];
    auto it = cache.supplementary.find(key);
    if (it != cache.supplementary.end())
        return it->second;
    const int measured = cache.metrics->textWidth(units, 2, false);
    cache.supplementary.emplace(key, measured);
    return measured;
}
