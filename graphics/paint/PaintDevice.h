#pragma once

#include "foundation/geometry/Point.h"
#include "foundation/geometry/Rect.h"
#include "foundation/text/String.h"
#include "graphics/paint/Line.h"

class Image;
class PaintState;
class PaintTarget;

// The back end that turns a Painter's calls into drawing on a PaintTarget.
// Devices live in one global list, and one of them is the current device that
// every Painter takes when it begins; a device paints for one Painter at a
// time. The Painter announces each change of its state through updateState,
// and the device reads the state through the PaintState it was given.
class PaintDevice
{
public:
    explicit PaintDevice(const String& name);
    virtual ~PaintDevice();
    PaintDevice(const PaintDevice&) = delete;
    PaintDevice& operator=(const PaintDevice&) = delete;

    // False when the device is busy, the target is null or already being
    // painted on, or the device cannot paint on it.
    virtual bool begin(PaintState* state, PaintTarget* target) = 0;
    // Releases what painting made and makes the device idle.
    virtual bool end() = 0;
    // Applies the state part named by the state's change mask.
    virtual void updateState(const PaintState& state) = 0;

    virtual void setViewport(const Rect& rect) = 0;
    virtual Rect viewport() const = 0;
    virtual void setWindow(const Rect& rect) = 0;
    virtual Rect window() const = 0;

    virtual void drawEllipse(const Rect& rect) = 0;
    virtual void drawLines(const Line* lines, int count) = 0;
    // Draws nothing, on any device: a call that keeps a painting sequence's
    // shape where a step has nothing to show.
    virtual void noOperation(const void*, int) {}
    // Fills the polygon with the brush; the outline is not drawn.
    virtual void drawPolygon(const Point* points, int count, int fillMode) = 0;
    // Outlines the rectangles with the pen.
    virtual void drawRects(const Rect* rects, int count) = 0;
    virtual void invertRect(const Rect& rect, bool invert) = 0;
    virtual void drawImage(const Image& image, const Rect& source, const Rect& target) = 0;
    virtual void drawImagePart(const Image& image, const Point& source, const Point& target, int width,
                               int height) = 0;
    virtual void drawTiledImage(const Image& image, const Rect& rect) = 0;
    virtual void drawText(const char16_t* text, int length, int x, int y) = 0;

    const String& name() const { return m_name; }
    // A target is set: the device is painting.
    bool isActive() const { return m_target != nullptr; }

#ifdef _WIN32
    // Adds the GDI device to the list and makes the first listed device the
    // current one.
    static void createDefault();
#endif
    // Deletes every listed device. The current device is cleared too when it
    // was one of them, so that no Painter can reach a deleted device.
    static void destroyAll();
    // The first listed device of that name, or null.
    static PaintDevice* find(const String& name);
    static void setCurrent(PaintDevice* device);
    static PaintDevice* current();

protected:
    // For begin and end of the devices.
    void attach(PaintState* state, PaintTarget* target);
    void detach();
    const PaintState* state() const
    {
        return m_state;
    }
    PaintTarget* target() const
    {
        return m_target;
    }
    // Takes ownership: destroyAll deletes it.
    static void add(PaintDevice* device);
    // The first listed device, or null.
    static PaintDevice* first();

private:
    String m_name;
    PaintState* m_state = nullptr;
    PaintTarget* m_target = nullptr;
};
