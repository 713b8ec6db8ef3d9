#pragma once

#include "foundation/geometry/Point.h"
#include "foundation/text/String.h"
#include "graphics/image/Image.h"

#include <cstdint>

class UIWidget;

// What a widget shows while it drags: an image held at its hot spot (the
// image's centre when the hot spot lies outside it) and a text. The data goes
// into the drag state before exec.
class UIDrag
{
public:
    // The widget becomes the source of the next drag.
    explicit UIDrag(UIWidget* source);

    const Image& image() const { return m_image; }
    void setImage(const Image& image) { m_image = image; }
    const Point& hotSpot() const { return m_hotSpot; }
    void setHotSpot(const Point& point) { m_hotSpot = point; }
    const String& text() const { return m_text; }
    void setText(const String& text) { m_text = text; }

    // Runs the drag; the action performed, 0 when cancelled or not started.
    uint32_t exec(uint32_t actions);

private:
    Image m_image;
    Point m_hotSpot;
    String m_text;
};
