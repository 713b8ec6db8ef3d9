#pragma once

#include "foundation/containers/Array.h"
#include "graphics/paint/FontDesc.h"

// The GDI font handle type, as the Windows headers declare it.
struct HFONT__;

// A font made from a FontDesc and measured on the one shared screen context,
// so that measuring needs no window and no paint target. Each GdiFont owns its
// handle; a copy makes a handle of its own.
class GdiFont
{
public:
    explicit GdiFont(const FontDesc& font);
    GdiFont(const GdiFont& other);
    GdiFont& operator=(const GdiFont& other);
    ~GdiFont();

    // Makes and measures a new font, unless font is the one already made.
    void setFont(const FontDesc& font);
    const FontDesc& font() const { return m_font; }
    HFONT__* handle() const { return m_handle; }

    int ascent() const { return m_ascent; }
    int descent() const { return m_descent; }
    int leading() const { return m_leading; }
    int maxCharWidth() const { return m_maxCharWidth; }

    // The width of length units drawn as one run on one line.
    int textWidth(const char16_t* text, int length) const;
    // widths[i] becomes the width of the first i + 1 units, from one
    // measurement of the run; false, with widths empty, when that fails.
    bool prefixWidths(const char16_t* text, int length, Array<int>& widths) const;

#ifdef _WIN32
    // A new GDI font for the description, as the paint device makes its own
    // too; null when GDI refuses. The caller deletes it.
    static HFONT__* createHandle(const FontDesc& font);
#endif

private:
    // Releases the old handle, makes the new one and reads its metrics.
    void measure();
    void release();

    FontDesc m_font;
    HFONT__* m_handle = nullptr;
    int m_ascent = 0;
    int m_descent = 0;
    int m_leading = 0;
    int m_maxCharWidth = 0;
};
