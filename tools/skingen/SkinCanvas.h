#pragma once

#include "graphics/color/Color.h"
#include "graphics/image/Image.h"

#include <vector>

// A point in pixel space; pixel (x, y) covers x..x+1, its centre is x+0.5.
struct SkinPoint
{
    float x = 0;
    float y = 0;
};

// Anti-aliased drawing into a 32-bit straight-alpha image, enough for flat
// widget pictures and line icons: shapes are measured by their distance from
// each pixel centre, so edges get a one-pixel ramp of coverage. Everything
// draws inside a frame whose origin is set by the caller.
class SkinCanvas
{
public:
    explicit SkinCanvas(Image& image) : m_image(image) {}

    // Shapes are given relative to this point.
    void setOrigin(int x, int y);

    void fillRect(float x, float y, float width, float height, const Color& color);
    void fillRoundRect(float x, float y, float width, float height, float radius, const Color& color);
    // A border of the given width inside the rounded rectangle.
    void strokeRoundRect(float x, float y, float width, float height, float radius, float lineWidth,
                         const Color& color);
    void fillCircle(float cx, float cy, float radius, const Color& color);
    void strokeCircle(float cx, float cy, float radius, float lineWidth, const Color& color);
    // A line with round ends.
    void line(float x1, float y1, float x2, float y2, float lineWidth, const Color& color);
    void polyline(const std::vector<SkinPoint>& points, float lineWidth, const Color& color);
    // Even-odd fill, four by four samples a pixel.
    void fillPolygon(const std::vector<SkinPoint>& points, const Color& color);

private:
    // Blends color at coverage 0..1 over pixel (x, y) of the frame.
    void blend(int x, int y, const Color& color, float coverage);
    template <typename Coverage>
    void paint(float left, float top, float right, float bottom, const Color& color, Coverage coverage);

    Image& m_image;
    int m_originX = 0;
    int m_originY = 0;
};
