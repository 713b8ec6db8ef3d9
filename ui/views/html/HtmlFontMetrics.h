#pragma once

#include "graphics/paint/FontMetrics.h"

#include <array>
#include <cstdint>
#include <memory>

// A font's metrics that measure each character once. Laying out a page
// measures every word, and asking the system for each one costs most of a
// long page's layout under the platform's text calls; the sum of the
// characters' advances is the same width, as text is drawn without kerning.
class HtmlFontMetrics : public FontMetrics
{
public:
    explicit HtmlFontMetrics(const FontDesc& font) : FontMetrics(font, nullptr) {}

    // The run's width on one line; text with surrogate pairs is measured
    // whole.
    int advance(const char16_t* text, int length) const;

private:
    static constexpr int kBlockSize = 256;
    using Block = std::array<int32_t, kBlockSize>;

    int unitWidth(char16_t unit) const;

    // Blocks of 256 character units, made when first used; -1 not measured.
    mutable std::array<std::unique_ptr<Block>, 65536 / kBlockSize> m_blocks;
};
