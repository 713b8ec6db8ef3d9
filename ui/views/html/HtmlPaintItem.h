#pragma once

#include "foundation/geometry/Rect.h"
#include "foundation/text/String.h"

class HtmlNode;

// One thing the layout placed, in painting order: an element's box
// (background and borders), a run of text on one line, an image, or a list
// marker. Rectangles are in document pixels.
struct HtmlPaintItem
{
    enum Kind
    {
        kBox,
        kText,
        kImage,
        kMarker
    };
    Kind kind = kBox;
    Rect rect;
    // The element; for text, the text node.
    const HtmlNode* node = nullptr;
    // What a text or marker item draws.
    String text;
};
