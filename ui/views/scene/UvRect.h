#pragma once

class Texture;

// A rectangle in texture coordinates: origin and extent, 0 to 1 across.
struct UvRect
{
    float u = 0.0f;
    float v = 0.0f;
    float width = 1.0f;
    float height = 1.0f;

    // The pixel rectangle (x, y, w, h) of the texture; false, leaving out
    // unchanged, when the texture has no size.
    static bool fromPixels(float x, float y, float w, float h, const Texture& texture, UvRect& out);
};
