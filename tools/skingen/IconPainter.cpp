#include "tools/skingen/IconPainter.h"

#include "tools/skingen/SkinCanvas.h"

#include <cmath>
#include <functional>
#include <map>

namespace {

const Color kClear(0x00FFFFFFu);
const float kPi = 3.14159265f;

// Everything a motif needs: the canvas, the icon's side, the stroke width
// and the palette's roles.
struct Pen
{
    SkinCanvas& canvas;
    float s;
    float stroke;
    Color text;
    Color accent;
    Color secondary;
    Color fill;
    Color white;
    Color green;
    Color red;
    Color yellow;

    float u(float fraction) const { return fraction * s; }
    void line(float x1, float y1, float x2, float y2) const
    {
        canvas.line(u(x1), u(y1), u(x2), u(y2), stroke, text);
    }
    void line(float x1, float y1, float x2, float y2, const Color& c) const
    {
        canvas.line(u(x1), u(y1), u(x2), u(y2), stroke, c);
    }
    void poly(std::initializer_list<SkinPoint> unit, const Color& c) const
    {
        std::vector<SkinPoint> points;
        for (const SkinPoint& p : unit)
            points.push_back({u(p.x), u(p.y)});
        canvas.polyline(points, stroke, c);
    }
    void area(std::initializer_list<SkinPoint> unit, const Color& c) const
    {
        std::vector<SkinPoint> points;
        for (const SkinPoint& p : unit)
            points.push_back({u(p.x), u(p.y)});
        canvas.fillPolygon(points, c);
    }
    void box(float x, float y, float w, float h, const Color& border) const
    {
        canvas.strokeRoundRect(u(x), u(y), u(w), u(h), s <= 16 ? 1.5f : 2.5f, stroke, border);
    }
    void filledBox(float x, float y, float w, float h, const Color& inside, const Color& border) const
    {
        const float r = s <= 16 ? 1.5f : 2.5f;
        canvas.fillRoundRect(u(x), u(y), u(w), u(h), r, inside);
        canvas.strokeRoundRect(u(x), u(y), u(w), u(h), r, stroke, border);
    }
    void ring(float cx, float cy, float r, const Color& c) const
    {
        canvas.strokeCircle(u(cx), u(cy), u(r), stroke, c);
    }
    void disc(float cx, float cy, float r, const Color& c) const { canvas.fillCircle(u(cx), u(cy), u(r), c); }
    // An arc, angles in degrees clockwise from three o'clock.
    void arc(float cx, float cy, float r, float from, float to, const Color& c) const
    {
        std::vector<SkinPoint> points;
        for (int i = 0; i <= 24; ++i) {
            const float a = (from + (to - from) * i / 24) * kPi / 180.0f;
            points.push_back({u(cx) + u(r) * std::cos(a), u(cy) + u(r) * std::sin(a)});
        }
        canvas.polyline(points, stroke, c);
    }
    void arrowHead(float x, float y, float dx, float dy, float size, const Color& c) const
    {
        // Two strokes back from the tip, at right angles to each other.
        const float len = std::sqrt(dx * dx + dy * dy);
        const float ux = dx / len, uy = dy / len;
        line(x, y, x - size * (ux + uy), y - size * (uy - ux), c);
        line(x, y, x - size * (ux - uy), y - size * (uy + ux), c);
    }
};

using Motif = std::function<void(const Pen&)>;

void clapperboard(const Pen& p)
{
    p.filledBox(0.12f, 0.38f, 0.76f, 0.5f, p.white, p.text);
    p.area({{0.1f, 0.2f}, {0.84f, 0.08f}, {0.88f, 0.28f}, {0.14f, 0.38f}}, p.text);
    p.line(0.36f, 0.17f, 0.4f, 0.33f, p.white);
    p.line(0.6f, 0.13f, 0.64f, 0.29f, p.white);
}

void collection(const Pen& p)
{
    for (int i = 2; i >= 0; --i)
        p.filledBox(0.14f + i * 0.08f, 0.12f + i * 0.14f, 0.6f, 0.44f, i == 0 ? p.fill : p.white, p.text);
}

void folderOpen(const Pen& p)
{
    p.poly({{0.1f, 0.82f}, {0.1f, 0.2f}, {0.38f, 0.2f}, {0.48f, 0.32f}, {0.82f, 0.32f}, {0.82f, 0.45f}},
           p.text);
    p.area({{0.1f, 0.82f}, {0.24f, 0.45f}, {0.94f, 0.45f}, {0.8f, 0.82f}}, p.fill);
    p.poly({{0.1f, 0.82f}, {0.24f, 0.45f}, {0.94f, 0.45f}, {0.8f, 0.82f}, {0.1f, 0.82f}}, p.text);
}

void lock(const Pen& p)
{
    p.arc(0.5f, 0.42f, 0.2f, 180, 360, p.text);
    p.line(0.3f, 0.42f, 0.3f, 0.48f);
    p.line(0.7f, 0.42f, 0.7f, 0.48f);
    p.filledBox(0.2f, 0.48f, 0.6f, 0.42f, p.yellow, p.text);
    p.disc(0.5f, 0.67f, 0.06f, p.text);
}

void door(const Pen& p)
{
    p.line(0.2f, 0.9f, 0.8f, 0.9f);
    p.box(0.28f, 0.1f, 0.44f, 0.8f, p.text);
    p.area({{0.28f, 0.1f}, {0.56f, 0.2f}, {0.56f, 0.96f}, {0.28f, 0.9f}}, p.secondary);
    p.disc(0.5f, 0.55f, 0.04f, p.white);
}

// The four screen layouts: which half holds the card (accent).
void screenLayout(const Pen& p, bool stacked, bool cardFirst)
{
    p.filledBox(0.08f, 0.14f, 0.84f, 0.72f, p.white, p.text);
    const bool firstIsCard = cardFirst;
    if (stacked) {
        p.canvas.fillRect(p.u(0.16f), p.u(firstIsCard ? 0.22f : 0.54f), p.u(0.68f), p.u(0.24f), p.accent);
        p.line(0.08f, 0.5f, 0.92f, 0.5f);
    } else {
        p.canvas.fillRect(p.u(firstIsCard ? 0.16f : 0.54f), p.u(0.22f), p.u(0.3f), p.u(0.56f), p.accent);
        p.line(0.5f, 0.14f, 0.5f, 0.86f);
    }
}

void columns(const Pen& p)
{
    p.box(0.1f, 0.14f, 0.8f, 0.72f, p.text);
    p.line(0.37f, 0.14f, 0.37f, 0.86f);
    p.line(0.63f, 0.14f, 0.63f, 0.86f);
    p.canvas.fillRect(p.u(0.1f), p.u(0.14f), p.u(0.8f), p.u(0.16f), p.text);
}

void sortAz(const Pen& p)
{
    // A to Z beside a downward arrow.
    p.poly({{0.12f, 0.46f}, {0.24f, 0.1f}, {0.36f, 0.46f}}, p.text);
    p.line(0.17f, 0.33f, 0.31f, 0.33f);
    p.poly({{0.12f, 0.56f}, {0.36f, 0.56f}, {0.12f, 0.9f}, {0.36f, 0.9f}}, p.text);
    p.line(0.7f, 0.12f, 0.7f, 0.88f, p.accent);
    p.arrowHead(0.7f, 0.88f, 0, 1, 0.16f, p.accent);
}

void list(const Pen& p)
{
    for (int i = 0; i < 3; ++i) {
        const float y = 0.25f + i * 0.25f;
        p.disc(0.17f, y, 0.06f, p.accent);
        p.line(0.34f, y, 0.86f, y);
    }
}

void grid(const Pen& p)
{
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column)
            p.filledBox(0.12f + column * 0.42f, 0.12f + row * 0.42f, 0.34f, 0.34f,
                        column == row ? p.fill : p.white, p.text);
    }
}

void coverflow(const Pen& p)
{
    p.area({{0.04f, 0.3f}, {0.24f, 0.22f}, {0.24f, 0.78f}, {0.04f, 0.7f}}, p.secondary);
    p.area({{0.96f, 0.3f}, {0.76f, 0.22f}, {0.76f, 0.78f}, {0.96f, 0.7f}}, p.secondary);
    p.filledBox(0.3f, 0.14f, 0.4f, 0.72f, p.fill, p.text);
}

void refresh(const Pen& p)
{
    p.arc(0.5f, 0.5f, 0.32f, -60, 220, p.accent);
    const float a = -60 * kPi / 180.0f;
    p.arrowHead(0.5f + 0.32f * std::cos(a), 0.5f + 0.32f * std::sin(a), 0.8f, 0.5f, 0.18f, p.accent);
}

void person(const Pen& p, float cx, float scale, const Color& body)
{
    p.disc(cx, 0.32f * scale + (1 - scale) * 0.5f, 0.14f * scale, body);
    p.area({{cx - 0.26f * scale, 0.88f},
            {cx - 0.2f * scale, 0.6f},
            {cx, 0.52f},
            {cx + 0.2f * scale, 0.6f},
            {cx + 0.26f * scale, 0.88f}},
           body);
}

void user(const Pen& p)
{
    person(p, 0.46f, 1.0f, p.text);
}

void users(const Pen& p)
{
    person(p, 0.66f, 0.8f, p.secondary);
    person(p, 0.4f, 1.0f, p.text);
}

void pie(const Pen& p)
{
    p.ring(0.5f, 0.5f, 0.38f, p.text);
    p.area({{0.5f, 0.5f}, {0.5f, 0.12f}, {0.72f, 0.19f}, {0.84f, 0.34f}, {0.88f, 0.5f}}, p.accent);
    p.line(0.5f, 0.5f, 0.5f, 0.12f);
    p.line(0.5f, 0.5f, 0.88f, 0.5f);
}

void bars(const Pen& p)
{
    p.line(0.12f, 0.88f, 0.9f, 0.88f);
    p.canvas.fillRect(p.u(0.2f), p.u(0.5f), p.u(0.16f), p.u(0.34f), p.secondary);
    p.canvas.fillRect(p.u(0.44f), p.u(0.2f), p.u(0.16f), p.u(0.64f), p.accent);
    p.canvas.fillRect(p.u(0.68f), p.u(0.38f), p.u(0.16f), p.u(0.46f), p.text);
}

void tray(const Pen& p)
{
    p.poly({{0.12f, 0.6f}, {0.12f, 0.88f}, {0.88f, 0.88f}, {0.88f, 0.6f}}, p.text);
}

void importing(const Pen& p)
{
    tray(p);
    p.line(0.5f, 0.1f, 0.5f, 0.66f, p.accent);
    p.arrowHead(0.5f, 0.66f, 0, 1, 0.18f, p.accent);
}

void exporting(const Pen& p)
{
    tray(p);
    p.line(0.5f, 0.66f, 0.5f, 0.1f, p.accent);
    p.arrowHead(0.5f, 0.1f, 0, -1, 0.18f, p.accent);
}

void gear(const Pen& p)
{
    for (int i = 0; i < 8; ++i) {
        const float a = i * 45.0f * kPi / 180.0f;
        p.line(0.5f + 0.26f * std::cos(a), 0.5f + 0.26f * std::sin(a), 0.5f + 0.4f * std::cos(a),
               0.5f + 0.4f * std::sin(a));
    }
    p.disc(0.5f, 0.5f, 0.28f, p.text);
    p.disc(0.5f, 0.5f, 0.11f, p.white);
}

void info(const Pen& p)
{
    p.disc(0.5f, 0.5f, 0.44f, p.accent);
    p.disc(0.5f, 0.29f, 0.07f, p.white);
    p.line(0.5f, 0.46f, 0.5f, 0.76f, p.white);
}

void update(const Pen& p)
{
    p.ring(0.5f, 0.5f, 0.4f, p.text);
    p.line(0.5f, 0.24f, 0.5f, 0.72f, p.accent);
    p.arrowHead(0.5f, 0.72f, 0, 1, 0.18f, p.accent);
}

void lifebuoy(const Pen& p)
{
    p.disc(0.5f, 0.5f, 0.42f, p.red);
    for (int i = 0; i < 4; ++i) {
        const float from = i * 90.0f + 20.0f;
        p.area({{0.5f, 0.5f},
                {0.5f + 0.46f * std::cos(from * kPi / 180), 0.5f + 0.46f * std::sin(from * kPi / 180)},
                {0.5f + 0.46f * std::cos((from + 50) * kPi / 180),
                 0.5f + 0.46f * std::sin((from + 50) * kPi / 180)}},
               p.white);
    }
    p.ring(0.5f, 0.5f, 0.42f, p.text);
    p.disc(0.5f, 0.5f, 0.18f, p.white);
    p.ring(0.5f, 0.5f, 0.18f, p.text);
}

void balloon(const Pen& p)
{
    p.filledBox(0.1f, 0.14f, 0.8f, 0.54f, p.white, p.text);
    p.area({{0.3f, 0.66f}, {0.26f, 0.9f}, {0.5f, 0.66f}}, p.text);
    p.line(0.26f, 0.34f, 0.74f, 0.34f, p.secondary);
    p.line(0.26f, 0.5f, 0.6f, 0.5f, p.secondary);
}

void home(const Pen& p)
{
    p.area({{0.5f, 0.1f}, {0.92f, 0.48f}, {0.08f, 0.48f}}, p.accent);
    p.poly({{0.2f, 0.46f}, {0.2f, 0.88f}, {0.8f, 0.88f}, {0.8f, 0.46f}}, p.text);
    p.canvas.fillRect(p.u(0.42f), p.u(0.62f), p.u(0.16f), p.u(0.26f), p.text);
}

void arrow(const Pen& p, float direction)
{
    p.line(0.5f - 0.34f * direction, 0.5f, 0.5f + 0.34f * direction, 0.5f, p.accent);
    p.arrowHead(0.5f + 0.34f * direction, 0.5f, direction, 0, 0.22f, p.accent);
}

void loan(const Pen& p)
{
    // A disc handed on: a cover and an arrow to the right.
    p.filledBox(0.08f, 0.18f, 0.46f, 0.64f, p.fill, p.text);
    p.disc(0.31f, 0.5f, 0.12f, p.text);
    p.line(0.6f, 0.5f, 0.92f, 0.5f, p.accent);
    p.arrowHead(0.92f, 0.5f, 1, 0, 0.14f, p.accent);
}

void envelope(const Pen& p)
{
    p.filledBox(0.1f, 0.22f, 0.8f, 0.56f, p.white, p.text);
    p.poly({{0.12f, 0.26f}, {0.5f, 0.54f}, {0.88f, 0.26f}}, p.text);
}

void tag(const Pen& p)
{
    p.area({{0.1f, 0.14f}, {0.5f, 0.14f}, {0.9f, 0.54f}, {0.54f, 0.9f}, {0.1f, 0.5f}}, p.fill);
    p.poly({{0.1f, 0.14f}, {0.5f, 0.14f}, {0.9f, 0.54f}, {0.54f, 0.9f}, {0.1f, 0.5f}, {0.1f, 0.14f}}, p.text);
    p.ring(0.3f, 0.33f, 0.06f, p.text);
}

void swatch(const Pen& p)
{
    const Color colors[3] = {p.red, p.yellow, p.accent};
    for (int i = 0; i < 3; ++i)
        p.filledBox(0.1f + i * 0.27f, 0.16f, 0.24f, 0.68f, colors[i], p.text);
}

void copy(const Pen& p)
{
    p.filledBox(0.14f, 0.1f, 0.48f, 0.6f, p.white, p.secondary);
    p.filledBox(0.36f, 0.3f, 0.48f, 0.6f, p.white, p.text);
    p.line(0.46f, 0.48f, 0.74f, 0.48f, p.secondary);
    p.line(0.46f, 0.62f, 0.74f, 0.62f, p.secondary);
}

void dot(const Pen& p, const Color& color)
{
    if (color.alpha() == 0) {
        p.ring(0.5f, 0.5f, 0.3f, p.secondary);
        p.line(0.3f, 0.7f, 0.7f, 0.3f, p.secondary);
        return;
    }
    p.disc(0.5f, 0.5f, 0.32f, color);
}

void funnel(const Pen& p)
{
    p.area({{0.1f, 0.14f}, {0.9f, 0.14f}, {0.6f, 0.5f}, {0.6f, 0.86f}, {0.4f, 0.76f}, {0.4f, 0.5f}}, p.fill);
    p.poly({{0.1f, 0.14f},
            {0.9f, 0.14f},
            {0.6f, 0.5f},
            {0.6f, 0.86f},
            {0.4f, 0.76f},
            {0.4f, 0.5f},
            {0.1f, 0.14f}},
           p.text);
}

void picture(const Pen& p, float scale)
{
    const float m = 0.5f - 0.4f * scale;
    const float w = 0.8f * scale;
    p.filledBox(m, m, w, w, p.white, p.text);
    p.area({{m + w * 0.1f, m + w * 0.85f},
            {m + w * 0.4f, m + w * 0.45f},
            {m + w * 0.6f, m + w * 0.7f},
            {m + w * 0.72f, m + w * 0.58f},
            {m + w * 0.9f, m + w * 0.85f}},
           p.accent);
}

void check(const Pen& p)
{
    p.poly({{0.16f, 0.52f}, {0.4f, 0.76f}, {0.84f, 0.26f}}, p.green);
}

std::vector<SkinPoint> starPoints(float cx, float cy, float r)
{
    std::vector<SkinPoint> points;
    for (int i = 0; i < 10; ++i) {
        const float a = (-90.0f + i * 36.0f) * kPi / 180.0f;
        const float radius = i % 2 == 0 ? r : r * 0.45f;
        points.push_back({cx + radius * std::cos(a), cy + radius * std::sin(a)});
    }
    return points;
}

void star(const Pen& p, float cx, float cy, float r, const Color& color)
{
    p.canvas.fillPolygon(starPoints(cx, cy, r), color);
}

// The part of a polygon left of the vertical line at x.
std::vector<SkinPoint> leftPart(const std::vector<SkinPoint>& points, float x)
{
    std::vector<SkinPoint> kept;
    for (size_t i = 0; i < points.size(); ++i) {
        const SkinPoint& a = points[i];
        const SkinPoint& b = points[(i + 1) % points.size()];
        if (a.x <= x)
            kept.push_back(a);
        if ((a.x < x) != (b.x < x))
            kept.push_back({x, a.y + (x - a.x) / (b.x - a.x) * (b.y - a.y)});
    }
    return kept;
}

void pencil(const Pen& p)
{
    p.area({{0.7f, 0.12f}, {0.88f, 0.3f}, {0.36f, 0.82f}, {0.14f, 0.86f}, {0.18f, 0.64f}}, p.yellow);
    p.poly({{0.7f, 0.12f}, {0.88f, 0.3f}, {0.36f, 0.82f}, {0.14f, 0.86f}, {0.18f, 0.64f}, {0.7f, 0.12f}},
           p.text);
}

void plus(const Pen& p)
{
    p.line(0.5f, 0.18f, 0.5f, 0.82f, p.green);
    p.line(0.18f, 0.5f, 0.82f, 0.5f, p.green);
}

void trash(const Pen& p)
{
    p.line(0.16f, 0.24f, 0.84f, 0.24f);
    p.poly({{0.36f, 0.24f}, {0.36f, 0.12f}, {0.64f, 0.12f}, {0.64f, 0.24f}}, p.text);
    p.poly({{0.24f, 0.3f}, {0.3f, 0.88f}, {0.7f, 0.88f}, {0.76f, 0.3f}}, p.text);
    p.line(0.44f, 0.4f, 0.44f, 0.76f, p.secondary);
    p.line(0.56f, 0.4f, 0.56f, 0.76f, p.secondary);
}

void moveArrow(const Pen& p, float direction)
{
    p.line(0.5f, 0.5f + 0.34f * direction, 0.5f, 0.5f - 0.34f * direction, p.accent);
    p.arrowHead(0.5f, 0.5f - 0.34f * direction, 0, -direction, 0.22f, p.accent);
}

void calendar(const Pen& p)
{
    p.filledBox(0.12f, 0.18f, 0.76f, 0.7f, p.white, p.text);
    p.canvas.fillRect(p.u(0.12f), p.u(0.18f), p.u(0.76f), p.u(0.18f), p.red);
    p.line(0.32f, 0.1f, 0.32f, 0.26f);
    p.line(0.68f, 0.1f, 0.68f, 0.26f);
    for (int i = 0; i < 3; ++i)
        p.disc(0.3f + i * 0.2f, 0.6f, 0.05f, p.text);
}

void link(const Pen& p)
{
    p.arc(0.34f, 0.5f, 0.18f, 60, 300, p.text);
    p.arc(0.66f, 0.5f, 0.18f, 240, 480, p.text);
    p.line(0.36f, 0.5f, 0.64f, 0.5f, p.accent);
}

void lens(const Pen& p)
{
    p.ring(0.42f, 0.42f, 0.26f, p.text);
    p.line(0.62f, 0.62f, 0.86f, 0.86f);
}

void globe(const Pen& p)
{
    p.ring(0.5f, 0.5f, 0.38f, p.accent);
    p.line(0.12f, 0.5f, 0.88f, 0.5f, p.accent);
    p.arc(0.5f, 0.5f, 0.38f, 250, 290, p.accent);
    p.canvas.strokeRoundRect(p.u(0.34f), p.u(0.12f), p.u(0.32f), p.u(0.76f), p.u(0.16f), p.stroke, p.accent);
}

void barcode(const Pen& p)
{
    const float widths[] = {1, 0.5f, 1.5f, 0.5f, 1, 1.5f, 0.5f, 1};
    float x = 0.12f;
    for (float w : widths) {
        p.canvas.fillRect(p.u(x), p.u(0.18f), std::max(1.0f, p.u(0.04f * w)), p.u(0.64f), p.text);
        x += 0.04f * w + 0.06f;
    }
}

void note(const Pen& p)
{
    p.area({{0.14f, 0.12f}, {0.86f, 0.12f}, {0.86f, 0.66f}, {0.62f, 0.88f}, {0.14f, 0.88f}}, p.yellow);
    p.poly({{0.14f, 0.12f}, {0.86f, 0.12f}, {0.86f, 0.66f}, {0.62f, 0.88f}, {0.14f, 0.88f}, {0.14f, 0.12f}},
           p.text);
    p.line(0.28f, 0.36f, 0.72f, 0.36f, p.secondary);
    p.line(0.28f, 0.54f, 0.6f, 0.54f, p.secondary);
}

void clipboard(const Pen& p)
{
    p.filledBox(0.16f, 0.16f, 0.68f, 0.74f, p.fill, p.text);
    p.filledBox(0.34f, 0.08f, 0.32f, 0.16f, p.white, p.text);
    picture(p, 0.45f);
}

void eraser(const Pen& p)
{
    p.area({{0.1f, 0.62f}, {0.5f, 0.22f}, {0.86f, 0.58f}, {0.56f, 0.88f}, {0.36f, 0.88f}}, p.red);
    p.poly({{0.1f, 0.62f}, {0.5f, 0.22f}, {0.86f, 0.58f}, {0.56f, 0.88f}, {0.36f, 0.88f}, {0.1f, 0.62f}},
           p.text);
    p.line(0.3f, 0.42f, 0.66f, 0.78f);
}

void palette(const Pen& p)
{
    p.disc(0.5f, 0.5f, 0.4f, p.fill);
    p.ring(0.5f, 0.5f, 0.4f, p.text);
    p.disc(0.34f, 0.36f, 0.07f, p.red);
    p.disc(0.56f, 0.28f, 0.07f, p.yellow);
    p.disc(0.72f, 0.46f, 0.07f, p.accent);
    p.disc(0.4f, 0.66f, 0.09f, p.white);
}

void flag(const Pen& p)
{
    p.line(0.2f, 0.1f, 0.2f, 0.9f);
    p.area({{0.22f, 0.14f}, {0.82f, 0.14f}, {0.7f, 0.33f}, {0.82f, 0.52f}, {0.22f, 0.52f}}, p.accent);
}

void episodes(const Pen& p)
{
    for (int i = 0; i < 3; ++i)
        p.filledBox(0.1f + i * 0.28f, 0.3f, 0.22f, 0.4f, i == 1 ? p.fill : p.white, p.text);
}

void bw(const Pen& p, bool colour)
{
    p.disc(0.5f, 0.5f, 0.38f, p.text);
    p.area({{0.5f, 0.12f}, {0.5f, 0.88f}, {0.9f, 0.5f}}, colour ? p.accent : p.white);
    p.ring(0.5f, 0.5f, 0.38f, p.text);
}

void noBackground(const Pen& p)
{
    p.box(0.12f, 0.12f, 0.76f, 0.76f, p.secondary);
    p.line(0.16f, 0.84f, 0.84f, 0.16f, p.red);
}

void logo(const Pen& p)
{
    p.disc(0.5f, 0.5f, 0.46f, p.accent);
    for (int i = 0; i < 5; ++i) {
        const float a = (i * 72.0f - 90.0f) * kPi / 180.0f;
        p.disc(0.5f + 0.26f * std::cos(a), 0.5f + 0.26f * std::sin(a), 0.1f, p.white);
    }
    p.disc(0.5f, 0.5f, 0.06f, p.white);
}

void extractOptions(const Pen& p)
{
    list(p);
    p.disc(0.78f, 0.78f, 0.16f, p.accent);
}

// A badge in the lower right quarter, on a white halo so it reads over the
// motif.
void badge(const Pen& p, const std::string& kind)
{
    const float c = 0.74f, r = 0.24f;
    p.disc(c, c, r + 0.04f, p.white);
    if (kind == "pencil") {
        p.area({{c + 0.14f, c - 0.2f},
                {c + 0.22f, c - 0.12f},
                {c - 0.1f, c + 0.2f},
                {c - 0.2f, c + 0.22f},
                {c - 0.18f, c + 0.12f}},
               p.yellow);
        p.poly({{c + 0.14f, c - 0.2f},
                {c + 0.22f, c - 0.12f},
                {c - 0.1f, c + 0.2f},
                {c - 0.2f, c + 0.22f},
                {c - 0.18f, c + 0.12f},
                {c + 0.14f, c - 0.2f}},
               p.text);
        return;
    }
    p.disc(c, c, r, kind == "plus" ? p.green : p.red);
    p.line(c - 0.12f, c, c + 0.12f, c, p.white);
    if (kind == "plus")
        p.line(c, c - 0.12f, c, c + 0.12f, p.white);
}

const std::map<std::string, Motif>& motifs()
{
    static const std::map<std::string, Motif> table = {
        {"clapperboard", clapperboard},
        {"collection", collection},
        {"folder-open", folderOpen},
        {"lock", lock},
        {"door", door},
        {"layout-1", [](const Pen& p) { screenLayout(p, true, false); }},
        {"layout-2", [](const Pen& p) { screenLayout(p, true, true); }},
        {"layout-3", [](const Pen& p) { screenLayout(p, false, false); }},
        {"layout-4", [](const Pen& p) { screenLayout(p, false, true); }},
        {"columns", columns},
        {"sort", sortAz},
        {"list", list},
        {"grid", grid},
        {"coverflow", coverflow},
        {"refresh", refresh},
        {"user", user},
        {"users", users},
        {"pie", pie},
        {"bars", bars},
        {"import", importing},
        {"export", exporting},
        {"gear", gear},
        {"info", info},
        {"update", update},
        {"lifebuoy", lifebuoy},
        {"balloon", balloon},
        {"home", home},
        {"arrow-left", [](const Pen& p) { arrow(p, -1); }},
        {"arrow-right", [](const Pen& p) { arrow(p, 1); }},
        {"loan", loan},
        {"envelope", envelope},
        {"tag", tag},
        {"swatch", swatch},
        {"copy", copy},
        {"funnel", funnel},
        {"picture-small", [](const Pen& p) { picture(p, 0.6f); }},
        {"picture", [](const Pen& p) { picture(p, 1.0f); }},
        {"check", check},
        {"pencil", pencil},
        {"plus", plus},
        {"trash", trash},
        {"move-up", [](const Pen& p) { moveArrow(p, 1); }},
        {"move-down", [](const Pen& p) { moveArrow(p, -1); }},
        {"calendar", calendar},
        {"link", link},
        {"search", lens},
        {"globe", globe},
        {"barcode", barcode},
        {"note", note},
        {"clipboard", clipboard},
        {"eraser", eraser},
        {"palette", palette},
        {"flag", flag},
        {"episodes", episodes},
        {"bw", [](const Pen& p) { bw(p, false); }},
        {"color", [](const Pen& p) { bw(p, true); }},
        {"no-background", noBackground},
        {"logo", logo},
        {"extract-options", extractOptions},
        {"star", [](const Pen& p) { star(p, p.u(0.5f), p.u(0.52f), p.u(0.44f), p.yellow); }},
    };
    return table;
}

const std::map<std::string, const char*>& dotColors()
{
    static const std::map<std::string, const char*> table = {
        {"dot-none", "none"},   {"dot-red", "error"},   {"dot-orange", "warning"}, {"dot-yellow", "yellow"},
        {"dot-green", "green"}, {"dot-blue", "accent"}, {"dot-pink", "pink"},      {"dot-gray", "thumbHover"},
    };
    return table;
}

} // namespace

bool IconPainter::isKnownMotif(const std::string& motif)
{
    return motifs().count(motif) || dotColors().count(motif) || motif == "stars" || motif == "rating" ||
           motif == "separator";
}

bool IconPainter::isKnownBadge(const std::string& badge)
{
    return badge.empty() || badge == "plus" || badge == "pencil" || badge == "minus";
}

Color IconPainter::named(const char* name) const
{
    Color c;
    if (std::string(name) == "pink")
        return Color(0xFFE0609Au);
    return m_source.color(name, c) ? c : Color(0xFF000000u);
}

Image IconPainter::draw(const SkinSource::Icon& icon) const
{
    if (!isKnownMotif(icon.motif) || !isKnownBadge(icon.badge))
        return Image();
    Image image(icon.width, icon.height, true);
    image.fill(kClear);
    SkinCanvas canvas(image);
    const float side = static_cast<float>(std::min(icon.width, icon.height));
    Pen pen{canvas,
            side,
            side <= 16 ? 1.5f : 2.0f,
            named("text"),
            named("accent"),
            named("secondary"),
            named("selection"),
            named("white"),
            named("green"),
            named("error"),
            named("yellow")};
    if (icon.motif == "separator") {
        canvas.fillRect(0, 0, 1, icon.height, named("border"));
        canvas.fillRect(1, 0, icon.width - 1, icon.height, named("white"));
    } else if (icon.motif == "stars") {
        // A row of stars as wide as the picture; the number ending the name
        // ("star-small-3", "star7") of them filled.
        const int count = icon.width / icon.height;
        const int filled = std::atoi(icon.name.substr(icon.name.find_last_not_of("0123456789") + 1).c_str());
        for (int i = 0; i < count; ++i)
            star(pen, side * (i + 0.5f), side * 0.52f, side * 0.44f,
                 i < filled ? named("yellow") : named("border"));
    } else if (icon.motif == "rating") {
        // A rating out of ten on a row of five stars ("star-small-7"): each
        // two points fill a star, an odd point the left half of the next.
        const int count = icon.width / icon.height;
        const int points = std::atoi(icon.name.substr(icon.name.find_last_not_of("0123456789") + 1).c_str());
        for (int i = 0; i < count; ++i) {
            const float cx = side * (i + 0.5f);
            const std::vector<SkinPoint> shape = starPoints(cx, side * 0.52f, side * 0.44f);
            canvas.fillPolygon(shape, points >= 2 * (i + 1) ? named("yellow") : named("border"));
            if (points == 2 * i + 1)
                canvas.fillPolygon(leftPart(shape, cx), named("yellow"));
        }
    } else if (dotColors().count(icon.motif)) {
        dot(pen, named(dotColors().at(icon.motif)));
    } else {
        motifs().at(icon.motif)(pen);
    }
    if (!icon.badge.empty())
        badge(pen, icon.badge);
    return image;
}
