#pragma once

#include "ui/views/html/CssStyleSheet.h"
#include "ui/views/html/HtmlStyle.h"

class HtmlFontCache;
class HtmlNode;

// Computes every element's style: the browser's defaults, the presentational
// attributes (bgcolor, width, align ...), the page's style blocks by
// specificity and order, then the style attribute, with !important on top,
// and the inherited values from the parent. Lengths come out in pixels
// scaled by the zoom. An unknown property or a value that does not parse is
// skipped.
class HtmlStyler
{
public:
    HtmlStyler(HtmlFontCache& fonts, int zoomPercent);

    void styleTree(HtmlNode* root);

    // Exposed for the parsing tests.
    static bool parseColor(const String& text, Color& color);

private:
    struct Matched;
    struct Borders;

    void styleElement(HtmlNode* element, const HtmlStyle& parent);
    void collect(const HtmlNode* element, std::vector<Matched>& matched,
                 std::vector<CssDeclaration>& own) const;
    void apply(HtmlStyle& style, Borders& borders, const CssDeclaration& declaration) const;
    bool applyBox(HtmlStyle& style, Borders& borders, const String& property, const String& value) const;
    bool applyBorder(HtmlStyle& style, Borders& borders, const String& property, const String& value) const;
    void applyFontSize(HtmlStyle& style, const HtmlStyle& parent, const String& value) const;
    void applyFontShorthand(HtmlStyle& style, const HtmlStyle& parent, const String& value) const;
    // The text trimmed and in lower case.
    static bool parseLowerColor(const String& value, Color& color);
    bool parseLength(const String& value, int fontSize, HtmlLength& length) const;
    int pixels(float value) const;

    HtmlFontCache& m_fonts;
    float m_zoom;
    CssStyleSheet m_author;
};
