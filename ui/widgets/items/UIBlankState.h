#pragma once

#include "foundation/geometry/Rect.h"
#include "foundation/text/String.h"
#include "graphics/image/Image.h"

class FontDesc;
class Painter;
class Pen;

// What an item view shows while it holds no items: a picture and a text,
// each shown only when asked for and set, centred in the room the items
// would take.
class UIBlankState
{
public:
    explicit UIBlankState(bool shown) : m_textShown(shown), m_imageShown(shown) {}

    void setText(const String& text) { m_text = text; }
    const String& text() const { return m_text; }
    void setImage(const Image& image) { m_image = image; }
    const Image& image() const { return m_image; }
    void setTextShown(bool on) { m_textShown = on; }
    bool isTextShown() const { return m_textShown; }
    void setImageShown(bool on) { m_imageShown = on; }
    bool isImageShown() const { return m_imageShown; }

    // The picture, then the text over a shadow of it two pixels lower.
    // False when neither is shown.
    bool paint(Painter& painter, const Rect& area, const FontDesc& font, const Pen& foreground,
               const Pen& shadow) const;

private:
    String m_text;
    Image m_image;
    bool m_textShown;
    bool m_imageShown;
};
