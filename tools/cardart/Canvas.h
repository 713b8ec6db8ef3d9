#pragma once

#include "graphics/color/Color.h"
#include "graphics/image/Image.h"

#include <functional>
#include <vector>

// A 32-bit picture painted shape by shape: each shape is a test of whether a
// point lies inside it, sampled 4 x 4 times per pixel so that edges are
// smooth, and blended over what is there. Same shapes, same bytes.
class Canvas
{
public:
    using Shape = std::function<bool(double x, double y)>;

    Canvas(int width, int height, const Color& background);

    void fill(const Shape& shape, const Color& color);
    const Image& image() const { return m_image; }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }

    // Shapes in pixel coordinates (pixel centres at +0.5).
    static Shape rect(double left, double top, double right, double bottom);
    static Shape circle(double centreX, double centreY, double radius);
    // A ring of the given width just inside the rectangle's edge.
    static Shape frame(double left, double top, double right, double bottom, double width);
    // Inside the polygon by the even-odd rule.
    static Shape polygon(std::vector<double> points);
    // A five-pointed star, point up.
    static Shape star(double centreX, double centreY, double outerRadius, double innerRadius);

private:
    void blend(int x, int y, const Color& color, double coverage);

    Image m_image;
};
