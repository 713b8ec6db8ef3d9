#pragma once

#include "foundation/geometry/Rect.h"
#include "graphics/image/Image.h"

#include <cstdint>

// One image of a picture with how it is drawn, and where it was last drawn.
struct UIPictureImage
{
    // Scale modes.
    static constexpr int kUnscaled = 0;
    static constexpr int kStretched = 1;
    static constexpr int kFitted = 2;
    static constexpr int kTiled = 3;

    Image image;
    int scaleMode = kUnscaled;
    uint32_t alignment = 5;
    bool visible = true;
    Rect drawnRect;
};
