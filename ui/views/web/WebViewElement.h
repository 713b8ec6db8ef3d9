#pragma once

#include "foundation/geometry/Rect.h"
#include "foundation/text/String.h"

// An element of the shown page as the view reports it: tag name in capitals,
// id, inner text, an anchor's target and its rectangle in view coordinates
// (the page's scroll taken off). All empty when there is no element.
struct WebViewElement
{
    String tag;
    String id;
    String text;
    String href;
    Rect rect;
};
