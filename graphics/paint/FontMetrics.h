#pragma once

#include "foundation/geometry/Rect.h"
#include "foundation/geometry/Size.h"
#include "foundation/text/String.h"
#include "graphics/paint/FontDesc.h"
#include "graphics/paint/GdiFont.h"

#include <cstdint>

class PaintTarget;

// Measures text in one font and shortens text to a width. Measuring uses the
// shared screen context, never the paint target, so the target given to the
// constructor and to setFont plays no part.
class FontMetrics
{
public:
    // Elision modes of elidedText.
    static constexpr uint32_t kElideNone = 0;
    static constexpr uint32_t kElideCut = 1;
    static constexpr uint32_t kElideRight = 2;
    static constexpr uint32_t kElideMiddle = 3;

    FontMetrics(const FontDesc& font, PaintTarget* target);
    FontMetrics(const FontMetrics& other) = default;
    FontMetrics& operator=(const FontMetrics& other) = default;

    // Re-measures; nothing happens when font is the one already measured.
    void setFont(const FontDesc& font, PaintTarget* target);
    const FontDesc& font() const { return m_font.font(); }

    int ascent() const { return m_font.ascent(); }
    int descent() const { return m_font.descent(); }
    int leading() const { return m_font.leading(); }
    int maxCharWidth() const { return m_font.maxCharWidth(); }
    // The same two values by the names the text layout uses: the baseline's
    // distance from the top of a line, and the space between lines.
    int baseline() const { return ascent(); }
    int externalLeading() const { return leading(); }
    // One line: ascent + descent.
    int height() const { return ascent() + descent(); }

    int charWidth(char16_t unit) const;
    Size charSize(char16_t unit) const;
    Rect charRect(char16_t unit) const;

    // Single line: the run's width by the line height. Multi-line: split at
    // line feeds, the widest line by one line height per line feed, plus one
    // line for text after the last line feed. {0, 0} for no text.
    Size textSize(const char16_t* text, int length, bool multiLine) const;
    Size textSize(const String& text, bool multiLine) const;
    int textWidth(const char16_t* text, int length, bool multiLine) const;
    Rect boundingRect(const String& text, bool multiLine) const;

    // The text shortened to rect's width: mode 0 leaves it, 1 cuts it, 2 ends
    // it with the ellipsis and 3 puts the ellipsis in the middle. A text that
    // fits comes back unchanged; an unknown mode gives the empty String.
    // Surrogate pairs are never split.
    String elidedText(const String& text, const Rect& rect, uint32_t mode) const;
    // The single-line size of text placed in rect by Rect::align; the empty
    // Rect for no text or a rect narrower or lower than one pixel.
    Rect alignedTextRect(const String& text, const Rect& rect, uint32_t align, bool allowOverflow) const;

    // The same object, or the same font.
    bool operator==(const FontMetrics& other) const;
    bool operator!=(const FontMetrics& other) const { return !(*this == other); }

    // Global, GUI thread only: what elidedText puts in place of the left-out
    // text; " ... ".
    static void setEllipsis(const String& ellipsis);
    static const String& ellipsis();

private:
    int stringWidth(const String& text) const;
    // The number of units of the longest prefix of text's first count units
    // whose width is at most limit; 0 when none fits.
    int longestPrefixWithin(const String& text, int count, int limit) const;
    String cut(const String& text, int width) const;
    String elideRight(const String& text, int width) const;
    String elideMiddle(const String& text, int width) const;

    GdiFont m_font;
};
