#pragma once

#include "foundation/geometry/Rect.h"
#include "foundation/text/String.h"
#include "graphics/image/Image.h"

#include <functional>

class FontDesc;
class Painter;
class Pen;

// What an item view shows while it holds no items: a picture and a text,
// each shown only when asked for and set, centred in the room the items
// would take.
class UIBlankState
{
public:
    // changed runs after every setter, for the view to repaint if it shows
    // the blank state now.
    UIBlankState(bool shown, std::function<void()> changed);

    void setText(const String& text);
    const String& text() const { return m_text; }
    void setImage(const Image& image);
    const Image& image() const { return m_image; }
    void setTextShown(bool on);
    bool isTextShown() const { return m_textShown; }
    void setImageShown(bool on);
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
    std::function<void()> m_changed;
};
