#pragma once

#include "graphics/paint/FontDesc.h"
#include "ui/views/html/HtmlFontMetrics.h"

#include <memory>
#include <vector>

struct HtmlStyle;

// The fonts of one page, measured once each: a page uses a handful of fonts
// for thousands of words, and making a font is far dearer than a look-up.
class HtmlFontCache
{
public:
    static constexpr int kMaxFonts = 256;

    // The metrics of the style's font, made on first use; the first font when
    // a hostile page asks for more than kMaxFonts.
    const HtmlFontMetrics* metrics(const HtmlStyle& style);
    // The face for a CSS family list: its first name, unquoted, with the
    // generic families mapped to faces every system has.
    static String faceFor(const String& families);
    static FontDesc fontFor(const HtmlStyle& style);

private:
    std::vector<std::unique_ptr<HtmlFontMetrics>> m_fonts;
};
