#pragma once

#include "graphics/image/Image.h"
#include "graphics/paint/Brush.h"
#include "graphics/paint/FontDesc.h"
#include "graphics/paint/PaintDevice.h"
#include "graphics/paint/PaintState.h"
#include "graphics/paint/PaintTarget.h"
#include "graphics/paint/Painter.h"
#include "graphics/paint/Pen.h"
#include "graphics/paint/Region.h"
#include "graphics/paint/Transform.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

// A target with no context and no pixels, for driving a Painter without GDI.
class FakeTarget : public PaintTarget
{
public:
    HDC__* hdc() const override { return nullptr; }
    void setPainting(bool painting) override { m_painting = painting; }
    bool isPainting() const override { return m_painting; }
    uint8_t* bits() const override { return nullptr; }
    int bitsPerPixel() const override { return 32; }
    int width() const override { return 100; }
    int height() const override { return 50; }
    int dpiX() const override { return 96; }
    int dpiY() const override { return 96; }

private:
    bool m_painting = false;
};

inline std::string ascii(const char16_t* text, int length)
{
    std::string out;
    for (int i = 0; i < length; ++i)
        out += text[i] < 128 ? static_cast<char>(text[i]) : '?';
    return out;
}

inline std::string ascii(const String& text)
{
    return ascii(text.data(), text.length());
}
inline std::string hex(const Color& color)
{
    char buffer[16];
    std::snprintf(buffer, sizeof(buffer), "%08X", color.value());
    return buffer;
}

inline std::string pointText(int x, int y)
{
    return std::to_string(x) + "," + std::to_string(y);
}

inline std::string rectText(const Rect& r)
{
    return pointText(r.x, r.y) + "," + pointText(r.width, r.height);
}

// A device that writes one line per call it receives, with the state part
// named by the change mask as the device reads it at that moment.
class RecordingDevice : public PaintDevice
{
public:
    explicit RecordingDevice(const char16_t* name = u"Recorder", int* destroyed = nullptr)
        : PaintDevice(String(name)), m_destroyed(destroyed)
    {
    }
    ~RecordingDevice() override
    {
        if (m_destroyed)
            ++*m_destroyed;
    }

    // Lets a test put devices in the global list.
    static void addToList(PaintDevice* device) { add(device); }

    std::vector<std::string> log;
    bool refuseBegin = false;

    bool begin(PaintState* state, PaintTarget* paintTarget) override
    {
        if (refuseBegin || isActive() || !paintTarget || paintTarget->isPainting())
            return false;
        attach(state, paintTarget);
        log.push_back("begin");
        return true;
    }
    bool end() override
    {
        log.push_back("end");
        detach();
        return true;
    }
    void updateState(const PaintState& s) override
    {
        const uint32_t mask = s.changes();
        std::string line = "state " + std::to_string(mask);
        if (mask == PaintState::kPenChanged)
            line += " pen " + hex(s.pen().color()) + " " + std::to_string(s.pen().style());
        else if (mask == PaintState::kBrushChanged)
            line +=
                " brush " + hex(s.brush().color()) + " stops " + std::to_string(s.brush().gradient().count());
        else if (mask == PaintState::kBackgroundBrushChanged)
            line += " background " + hex(s.backgroundBrush().color());
        else if (mask == PaintState::kFontChanged)
            line += " font " + ascii(s.font().family()) + " " + std::to_string(s.font().size());
        else if (mask == PaintState::kClipChanged)
            line += " clip " + rectText(s.clip().boundingRect());
        else if (mask == PaintState::kTransformChanged)
            line += " dx " + std::to_string(static_cast<int>(s.transform().dx())) + " dy " +
                    std::to_string(static_cast<int>(s.transform().dy()));
        log.push_back(line);
    }
    void setViewport(const Rect& rect) override
    {
        m_viewport = rect;
        log.push_back("viewport " + rectText(rect));
    }
    Rect viewport() const override { return m_viewport; }
    void setWindow(const Rect& rect) override
    {
        m_window = rect;
        log.push_back("window " + rectText(rect));
    }
    Rect window() const override { return m_window; }
    void drawEllipse(const Rect& rect) override { log.push_back("ellipse " + rectText(rect)); }
    void drawLines(const Line* lines, int count) override
    {
        std::string line = "lines";
        for (int i = 0; i < count; ++i)
            line += " " + pointText(lines[i].x1, lines[i].y1) + "-" + pointText(lines[i].x2, lines[i].y2);
        // What the device would draw with: the pen it has been told about.
        line += " pen " + hex(state()->pen().color());
        log.push_back(line);
    }
    void drawPolygon(const Point* points, int count, int fillMode) override
    {
        std::string line = "polygon " + std::to_string(fillMode);
        for (int i = 0; i < count; ++i)
            line += " " + pointText(points[i].x, points[i].y);
        log.push_back(line);
    }
    void drawRects(const Rect* rects, int count) override
    {
        std::string line = "rects";
        for (int i = 0; i < count; ++i)
            line += " " + rectText(rects[i]);
        log.push_back(line);
    }
    void invertRect(const Rect& rect, bool invert) override
    {
        log.push_back("invert " + rectText(rect) + (invert ? " on" : " off"));
    }
    void drawImage(const Image& image, const Rect& source, const Rect& target) override
    {
        log.push_back("image " + std::to_string(image.width()) + "x" + std::to_string(image.height()) + " " +
                      rectText(source) + " to " + rectText(target));
    }
    void drawImagePart(const Image&, const Point& source, const Point& target, int width, int height) override
    {
        log.push_back("part " + pointText(source.x, source.y) + " to " + pointText(target.x, target.y) + " " +
                      std::to_string(width) + "x" + std::to_string(height));
    }
    void drawTiledImage(const Image&, const Rect& rect) override { log.push_back("tiles " + rectText(rect)); }
    void drawText(const char16_t* text, int length, int x, int y) override
    {
        log.push_back("text '" + ascii(text, length) + "' at " + pointText(x, y));
    }

private:
    int* m_destroyed;
    Rect m_viewport;
    Rect m_window;
};

// Makes a recording device the current one for a test and puts the previous
// current device back afterwards.
class CurrentRecorder
{
public:
    CurrentRecorder() : m_previous(PaintDevice::current()) { PaintDevice::setCurrent(&device); }
    ~CurrentRecorder() { PaintDevice::setCurrent(m_previous); }
    CurrentRecorder(const CurrentRecorder&) = delete;
    CurrentRecorder& operator=(const CurrentRecorder&) = delete;

    RecordingDevice device;

private:
    PaintDevice* m_previous;
};

// A painter already begun on a fake target through a current recording
// device whose log starts empty.
class PainterOnRecorder : public ::testing::Test
{
protected:
    PainterOnRecorder() : painter(&target) { recorder.device.log.clear(); }

    CurrentRecorder recorder;
    FakeTarget target;
    Painter painter;
};
