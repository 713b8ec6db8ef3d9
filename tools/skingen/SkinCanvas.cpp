#include "tools/skingen/SkinCanvas.h"

#include <algorithm>
#include <cmath>

namespace {

float clamp01(float value)
{
    return std::min(std::max(value, 0.0f), 1.0f);
}

// Coverage of a pixel whose centre lies at signed distance d from an edge
// (negative inside).
float coverageAt(float d)
{
    return clamp01(0.5f - d);
}

float roundRectDistance(float px, float py, float x, float y, float w, float h, float r)
{
    r = std::min(r, std::min(w, h) / 2);
    const float cx = x + w / 2;
    const float cy = y + h / 2;
    const float qx = std::fabs(px - cx) - (w / 2 - r);
    const float qy = std::fabs(py - cy) - (h / 2 - r);
    const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - r;
}

float segmentDistance(float px, float py, float x1, float y1, float x2, float y2)
{
    const float dx = x2 - x1;
    const float dy = y2 - y1;
    const float length2 = dx * dx + dy * dy;
    float t = length2 > 0 ? ((px - x1) * dx + (py - y1) * dy) / length2 : 0;
    t = clamp01(t);
    return std::hypot(px - (x1 + t * dx), py - (y1 + t * dy));
}

bool insidePolygon(const std::vector<SkinPoint>& points, float px, float py)
{
    bool inside = false;
    const size_t n = points.size();
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        const SkinPoint& a = points[i];
        const SkinPoint& b = points[j];
        if ((a.y > py) != (b.y > py) && px < (b.x - a.x) * (py - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

struct Bounds
{
    float left, top, right, bottom;
};

// The box around a non-empty list of points.
Bounds boundsOf(const std::vector<SkinPoint>& points)
{
    Bounds b{points[0].x, points[0].y, points[0].x, points[0].y};
    for (const SkinPoint& p : points) {
        b.left = std::min(b.left, p.x);
        b.right = std::max(b.right, p.x);
        b.top = std::min(b.top, p.y);
        b.bottom = std::max(b.bottom, p.y);
    }
    return b;
}

} // namespace

void SkinCanvas::setOrigin(int x, int y)
{
    m_originX = x;
    m_originY = y;
}

void SkinCanvas::blend(int x, int y, const Color& color, float coverage)
{
    const int ix = x + m_originX;
    const int iy = y + m_originY;
    if (coverage <= 0 || ix < 0 || iy < 0 || ix >= m_image.width() || iy >= m_image.height())
        return;
    const float sa = color.alpha() / 255.0f * coverage;
    const Color dst = m_image.pixel(ix, iy);
    const float da = dst.alpha() / 255.0f;
    const float outA = sa + da * (1 - sa);
    if (outA <= 0)
        return;
    auto mix = [&](uint8_t s, uint8_t d) {
        return static_cast<uint8_t>(std::lround((s * sa + d * da * (1 - sa)) / outA));
    };
    m_image.setPixel(ix, iy,
                     Color(static_cast<uint8_t>(std::lround(outA * 255)), mix(color.red(), dst.red()),
                           mix(color.green(), dst.green()), mix(color.blue(), dst.blue())));
}

template <typename Coverage>
void SkinCanvas::paint(float left, float top, float right, float bottom, const Color& color,
                       Coverage coverage)
{
    const int x0 = static_cast<int>(std::floor(left)) - 1;
    const int y0 = static_cast<int>(std::floor(top)) - 1;
    const int x1 = static_cast<int>(std::ceil(right)) + 1;
    const int y1 = static_cast<int>(std::ceil(bottom)) + 1;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x)
            blend(x, y, color, coverage(x + 0.5f, y + 0.5f));
    }
}

void SkinCanvas::fillRect(float x, float y, float width, float height, const Color& color)
{
    fillRoundRect(x, y, width, height, 0, color);
}

void SkinCanvas::fillRoundRect(float x, float y, float w, float h, float r, const Color& color)
{
    paint(x, y, x + w, y + h, color,
          [&](float px, float py) { return coverageAt(roundRectDistance(px, py, x, y, w, h, r)); });
}

void SkinCanvas::strokeRoundRect(float x, float y, float w, float h, float r, float lineWidth,
                                 const Color& color)
{
    paint(x, y, x + w, y + h, color, [&](float px, float py) {
        const float d = roundRectDistance(px, py, x, y, w, h, r);
        return clamp01(coverageAt(d) - coverageAt(d + lineWidth));
    });
}

void SkinCanvas::fillCircle(float cx, float cy, float radius, const Color& color)
{
    paint(cx - radius, cy - radius, cx + radius, cy + radius, color,
          [&](float px, float py) { return coverageAt(std::hypot(px - cx, py - cy) - radius); });
}

void SkinCanvas::strokeCircle(float cx, float cy, float radius, float lineWidth, const Color& color)
{
    paint(cx - radius, cy - radius, cx + radius, cy + radius, color, [&](float px, float py) {
        const float d = std::hypot(px - cx, py - cy) - radius;
        return clamp01(coverageAt(d) - coverageAt(d + lineWidth));
    });
}

void SkinCanvas::line(float x1, float y1, float x2, float y2, float lineWidth, const Color& color)
{
    const float half = lineWidth / 2;
    paint(std::min(x1, x2) - half, std::min(y1, y2) - half, std::max(x1, x2) + half, std::max(y1, y2) + half,
          color,
          [&](float px, float py) { return coverageAt(segmentDistance(px, py, x1, y1, x2, y2) - half); });
}

void SkinCanvas::polyline(const std::vector<SkinPoint>& points, float lineWidth, const Color& color)
{
    if (points.empty())
        return;
    const float half = lineWidth / 2;
    const Bounds b = boundsOf(points);
    // One pass over the union, so joints are not blended twice.
    paint(b.left - half, b.top - half, b.right + half, b.bottom + half, color, [&](float px, float py) {
        float d = 1e9f;
        for (size_t i = 1; i < points.size(); ++i)
            d = std::min(d,
                         segmentDistance(px, py, points[i - 1].x, points[i - 1].y, points[i].x, points[i].y));
        return coverageAt(d - half);
    });
}

void SkinCanvas::fillPolygon(const std::vector<SkinPoint>& points, const Color& color)
{
    if (points.size() < 3)
        return;
    const Bounds b = boundsOf(points);
    paint(b.left, b.top, b.right, b.bottom, color, [&](float px, float py) {
        int hits = 0;
        for (int sy = 0; sy < 4; ++sy) {
            for (int sx = 0; sx < 4; ++sx) {
                if (insidePolygon(points, px - 0.5f + (sx + 0.5f) / 4, py - 0.5f + (sy + 0.5f) / 4))
                    ++hits;
            }
        }
        return hits / 16.0f;
    });
}
