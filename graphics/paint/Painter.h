#pragma once

#include "foundation/geometry/Point.h"
#include "foundation/geometry/Rect.h"
#include "foundation/text/String.h"
#include "graphics/color/Color.h"
#include "graphics/paint/Brush.h"
#include "graphics/paint/FontDesc.h"
#include "graphics/paint/FontMetrics.h"
#include "graphics/paint/Line.h"
#include "graphics/paint/PaintState.h"
#include "graphics/paint/Pen.h"
#include "graphics/paint/Region.h"
#include "graphics/paint/Transform.h"

#include <cstdint>

class Image;
class PaintDevice;
class PaintTarget;

// The drawing context: made on the stack over a PaintTarget, it keeps the
// drawing state, announces each change of it to the current PaintDevice at
// once with the mask of what changed, and forwards the drawing calls. Only one
// Painter paints at a time in the whole program, and only one on a target; a
// Painter that cannot begin stays inactive and draws nothing. There is no
// stack of states: a caller that needs an earlier state sets it again.
class Painter : public PaintState
{
public:
    // Render hints.
    static constexpr uint32_t kAlphaBlendHint = 1;
    static constexpr uint32_t kSmoothScalingHint = 2;

    // Begins painting on target through the current device, when it can.
    explicit Painter(PaintTarget* target);
    ~Painter();
    Painter(const Painter&) = delete;
    Painter& operator=(const Painter&) = delete;

    // Ends painting; true when the Painter was active. The target is
    // forgotten either way.
    bool end();

    bool isActive() const { return m_active; }
    PaintDevice* device() const { return m_device; }
    PaintTarget* target() const { return m_target; }
    const FontDesc& font() const { return m_font; }
    const FontMetrics& fontMetrics() const { return m_fontMetrics; }
    const Pen& pen() const { return m_pen; }
    const Brush& brush() const { return m_brush; }
    const Brush& backgroundBrush() const { return m_backgroundBrush; }
    const Transform& transform() const { return m_transform; }
    const Region& clip() const { return m_clip; }
    // True when any of the given bits is set.
    bool testRenderHint(uint32_t hint) const { return (m_renderHints & hint) != 0; }

    // A value equal to the one already announced since painting began is not
    // announced again; solid brushes (no gradient stops) always are.
    void setFont(const FontDesc& font);
    void setPen(const Pen& pen);
    void setPenColor(const Color& color);
    void setPenStyle(uint32_t style);
    void setBrush(const Brush& brush);
    void setBackgroundBrush(const Brush& brush);
    // The device reads the hints when it draws images; nothing is announced.
    void setRenderHint(uint32_t hint, bool on);

    // translate, scale and rotate act on points before the current transform.
    void setTransform(const Transform& transform);
    void translate(int dx, int dy);
    void translate(const Point& offset);
    void scale(int sx, int sy);
    // Degrees, in the drawing plane.
    void rotate(float degrees);
    void resetTransform();

    // Clip regions are in device pixels; the transform does not apply.
    void setClipRegion(const Region& region);
    void setClipRect(const Rect& rect);
    // No clipping.
    void resetClip();

    // The device's viewport and window; the empty Rect while inactive.
    void setViewport(const Rect& rect);
    void setViewport(int x, int y, int width, int height);
    Rect viewport() const;
    void setWindow(const Rect& rect);
    void setWindow(int x, int y, int width, int height);
    Rect window() const;

    void drawEllipse(const Rect& rect);
    void drawEllipse(int x, int y, int width, int height);
    void drawEllipse(const Point& centre, int radiusX, int radiusY);
    void drawLines(const Line* lines, int count);
    void drawLine(const Line& line);
    void drawLine(int x1, int y1, int x2, int y2);
    void drawLine(const Point& from, const Point& to);
    // Fill mode 0 is winding, 1 alternate.
    void drawPolygon(const Point* points, int count, int fillMode);
    void drawRects(const Rect* rects, int count);
    void drawRect(const Rect& rect);
    void drawRect(int x, int y, int width, int height);
    void invertRect(const Rect& rect, bool invert);

    void drawImageRect(const Image& image, const Rect& source, const Rect& target);
    void drawImage(const Image& image, int x, int y);
    void drawImage(const Image& image, int x, int y, int width, int height);
    void drawImage(const Image& image, const Rect& target);
    void drawImagePart(const Image& image, const Point& source, const Point& target, int width, int height);
    // The whole image, unscaled, placed in rect by the Rect alignment flags;
    // a larger image overflows the rectangle.
    void drawImageAligned(const Image& image, const Rect& rect, uint32_t align);
    void tileImage(const Image& image, const Rect& rect);
    void tileImage(const Rect& rect, const Image& image) { tileImage(image, rect); }

    // The text's top-left corner at (x, y), in the pen's colour.
    void drawText(const char16_t* text, int length, int x, int y);
    // Text laid out in a rectangle: elided to its width by elideMode (see
    // FontMetrics) and placed by the Rect alignment flags. With both 0 the
    // text is drawn whole at the corner, unbounded. The drawn box is copied to
    // outRect when one is given. True when the text drawn differs from the
    // text given (and for a rectangle narrower or lower than a pixel, which
    // draws nothing); false for an empty text.
    bool drawText(const String& text, const Rect& rect, uint32_t align, uint32_t elideMode,
                  bool allowOverflow, Rect* outRect);

    // Sets the brush (announced as setBrush does) and fills the rectangle as
    // a polygon of its four corners; nothing for an empty rectangle.
    void fillRect(const Rect& rect, const Brush& brush);
    void fillRect(int x, int y, int width, int height, const Brush& brush);
    void fillRect(const Rect& rect, const Color& color);
    void fillRectColor(const Rect& rect, const Color& color) { fillRect(rect, color); }
    // For finding an area on screen while debugging: fills it with opaque
    // red, whatever the two further arguments say.
    void fillRect(const Rect& rect, int, int);
    void fillRect(int x, int y, int width, int height, int, int);
    // Forwards to the device's operation that draws nothing.
    void noOperation(const void* data, int count);

private:
    void begin(PaintTarget* target);
    // The device while painting, else null.
    PaintDevice* activeDevice() const;
    // False when value equals the stored one and its setter already reached
    // the device since painting began; otherwise marks the setter as done.
    bool needsAnnouncing(bool equal, uint32_t setFlag);
    void announce(uint32_t change);

    PaintDevice* m_device = nullptr;
    Region m_clip;
    PaintTarget* m_target = nullptr;
    bool m_active = false;
    uint32_t m_renderHints = kAlphaBlendHint;
    Transform m_transform;
    FontDesc m_font;
    FontMetrics m_fontMetrics;
    Pen m_pen = Pen(Color(0xFF0000FFu), 1.0f, Pen::kSolid);
    Brush m_brush = Brush(Color(0xFF0000FFu), 0);
    Brush m_backgroundBrush;
    // The setters that have reached the device since painting began.
    uint32_t m_setFlags = 0;
};
