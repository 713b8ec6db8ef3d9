#pragma once

#include "graphics/paint/PaintDevice.h"

// Takes every call and draws nothing, so that only the engine's share of a
// paint is measured.
class NullDevice : public PaintDevice
{
public:
    NullDevice() : PaintDevice(String(u"Null")) {}
    bool begin(PaintState* state, PaintTarget* target) override
    {
        attach(state, target);
        return true;
    }
    bool end() override
    {
        detach();
        return true;
    }
    void updateState(const PaintState&) override {}
    void setViewport(const Rect&) override {}
    Rect viewport() const override { return Rect(); }
    void setWindow(const Rect&) override {}
    Rect window() const override { return Rect(); }
    void drawEllipse(const Rect&) override {}
    void drawLines(const Line*, int) override {}
    void drawPolygon(const Point*, int, int) override {}
    void drawRects(const Rect*, int) override {}
    void invertRect(const Rect&, bool) override {}
    void drawImage(const Image&, const Rect&, const Rect&) override {}
    void drawImagePart(const Image&, const Point&, const Point&, int, int) override {}
    void drawTiledImage(const Image&, const Rect&) override {}
    void drawText(const char16_t*, int, int, int) override { ++texts; }
    int texts = 0;
};
