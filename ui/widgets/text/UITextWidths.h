#pragma once

#include "graphics/paint/FontDesc.h"
#include "graphics/paint/FontMetrics.h"

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

// Character widths of one font and its style variants, measured once each and
// then looked up. Text is laid out, hit-tested and painted by summing these
// widths, so all three agree to the pixel.
class UITextWidths
{
public:
    explicit UITextWidths(const FontDesc& font);

    // Forgets every measured width when the font differs.
    void setFont(const FontDesc& font);
    const FontDesc& font() const { return m_font; }
    const FontMetrics& metrics() const { return m_metrics; }

    // The width of one character: one unit, or the two units of a surrogate
    // pair, in the document font with the given style flags.
    int width(const char16_t* units, int count, uint32_t styleFlags);
    // The document font with other style flags.
    FontDesc styledFont(uint32_t styleFlags) const;

private:
    static constexpr int kStyleVariants = 16;

    struct Variant
    {
        std::unique_ptr<FontMetrics> metrics;
        std::vector<int> bmp;
        std::unordered_map<uint32_t, int> supplementary;
    };

    Variant& variant(uint32_t styleFlags);

    FontDesc m_font;
    FontMetrics m_metrics;
    std::vector<Variant> m_variants;
};
