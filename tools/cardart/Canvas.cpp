#include "tools/cardart/Canvas.h"

#include <cmath>
#include <utility>

namespace {

const int kSamples = 4;

uint8_t mix(uint8_t below, uint8_t above, double share)
{
    return uint8_t(std::lround(below + (above - below) * share));
}

} // namespace

Canvas::Canvas(int width, int height, const Color& background) : m_image(width, height, true)
{
    m_image.fill(background);
}

void Canvas::fill(const Shape& shape, const Color& color)
{
    for (int y = 0; y < height(); ++y) {
        for (int x = 0; x < width(); ++x) {
            int inside = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx)
                    inside += shape(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples) ? 1 : 0;
            }
            if (inside > 0)
                blend(x, y, color, double(inside) / (kSamples * kSamples));
        }
    }
}

// Straight alpha: the colour is laid over the pixel with its alpha times the
// coverage.
void Canvas::blend(int x, int y, const Color& color, double coverage)
{
    Color below = m_image.pixel(x, y);
    double share = coverage * color.alpha() / 255.0;
    double alpha = share + below.alpha() / 255.0 * (1.0 - share);
    if (alpha <= 0.0)
        return;
    double colourShare = share / alpha;
    Color result(uint8_t(std::lround(alpha * 255.0)), mix(below.red(), color.red(), colourShare),
                 mix(below.green(), color.green(), colourShare),
                 mix(below.blue(), color.blue(), colourShare));
    m_image.setPixel(x, y, result);
}

Canvas::Shape Canvas::rect(double left, double top, double right, double bottom)
{
    return [=](double x, double y) { return x >= left && x < right && y >= top && y < bottom; };
}

Canvas::Shape Canvas::circle(double centreX, double centreY, double radius)
{
    return [=](double x, double y) {
        double dx = x - centreX;
        double dy = y - centreY;
        return dx * dx + dy * dy <= radius * radius;
    };
}

Canvas::Shape Canvas::frame(double left, double top, double right, double bottom, double width)
{
    Shape outer = rect(left, top, right, bottom);
    Shape inner = rect(left + width, top + width, right - width, bottom - width);
    return [=](double x, double y) { return outer(x, y) && !inner(x, y); };
}

Canvas::Shape Canvas::polygon(std::vector<double> points)
{
    return [points = std::move(points)](double x, double y) {
        bool inside = false;
        size_t count = points.size() / 2;
        for (size_t i = 0, j = count - 1; i < count; j = i++) {
            double xi = points[2 * i], yi = points[2 * i + 1];
            double xj = points[2 * j], yj = points[2 * j + 1];
            if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
                inside = !inside;
        }
        return inside;
    };
}

Canvas::Shape Canvas::star(double centreX, double centreY, double outerRadius, double innerRadius)
{
    std::vector<double> points;
    for (int i = 0; i < 10; ++i) {
        double radius = i % 2 == 0 ? outerRadius : innerRadius;
        double angle = -M_PI / 2 + i * M_PI / 5;
        points.push_back(centreX + radius * std::cos(angle));
        points.push_back(centreY + radius * std::sin(angle));
    }
    return polygon(std::move(points));
}
