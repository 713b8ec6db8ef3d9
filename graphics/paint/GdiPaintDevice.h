#pragma once

#include "graphics/paint/PaintDevice.h"

#include <memory>

class Brush;
class Gradient;
struct GdiDeviceData;

// The device named "GDI": draws with GDI on the target's device context.
// Images go through GDI from a bitmap kept for each image wherever GDI draws
// them as GDI+ would, and through GDI+ otherwise, which must have been
// started (the image codecs start it). The pen, brush and font it makes live
// from their announcement to the next one of the same kind or to end; the
// transform, clip and text colour stay in the target's context after
// painting.
class GdiPaintDevice : public PaintDevice
{
public:
    GdiPaintDevice();
    ~GdiPaintDevice() override;

    bool begin(PaintState* state, PaintTarget* target) override;
    bool end() override;
    void updateState(const PaintState& state) override;

    void setViewport(const Rect& rect) override;
    Rect viewport() const override;
    void setWindow(const Rect& rect) override;
    Rect window() const override;

    void drawEllipse(const Rect& rect) override;
    // Nothing while the pen is invisible; end points are left out.
    void drawLines(const Line* lines, int count) override;
    // Nothing while the brush is invisible. A solid brush fills every point
    // of the polygon; a gradient fills the rectangle of a fillRect (the first
    // three points give its corners) line by line with the pen's visibility.
    void drawPolygon(const Point* points, int count, int fillMode) override;
    void drawRects(const Rect* rects, int count) override;
    void invertRect(const Rect& rect, bool invert) override;
    // Equal sizes draw unscaled through drawImagePart.
    void drawImage(const Image& image, const Rect& source, const Rect& target) override;
    void drawImagePart(const Image& image, const Point& source, const Point& target, int width,
                       int height) override;
    // Tiles anchored at the context's origin, not at the rectangle.
    void drawTiledImage(const Image& image, const Rect& rect) override;
    // Nothing while the pen is invisible; the background stays.
    void drawText(const char16_t* text, int length, int x, int y) override;

private:
    void applyTransform(const PaintState& state);
    void applyClip(const PaintState& state);
    void applyBrush(const PaintState& state);
    void applyPen(const PaintState& state);
    void applyFont(const PaintState& state);
    void fillSolid(const Point* points, int count, int fillMode);
    void fillGradient(const Gradient& gradient, const Point* points, int count);
    void drawImageScaled(const Image& image, const Rect& source, const Rect& target);
    // Through GDI from the image's kept bitmap; false when only GDI+ draws it
    // as asked.
    bool drawImageThroughGdi(const Image& image, const Rect& source, const Rect& target);
    bool penIsVisible() const;

    std::unique_ptr<GdiDeviceData> m_data;
};
