#pragma once

#include "foundation/geometry/Rect.h"
#include "foundation/geometry/Size.h"

#include <cstdint>

// The GDI device context handle type, as the Windows headers declare it.
struct HDC__;

// A surface a Painter paints on: a device context, its pixel memory and its
// geometry, and the flag that keeps a second Painter off it while one works.
class PaintTarget
{
public:
    PaintTarget() = default;
    virtual ~PaintTarget() = default;
    PaintTarget(const PaintTarget&) = delete;
    PaintTarget& operator=(const PaintTarget&) = delete;

    // Null where there is none.
    virtual HDC__* hdc() const = 0;
    // Set and cleared by Painters only.
    virtual void setPainting(bool painting) = 0;
    virtual bool isPainting() const = 0;
    // The first pixel, top row first; null where there is no memory.
    virtual uint8_t* bits() const = 0;
    virtual int bitsPerPixel() const = 0;
    virtual int width() const = 0;
    virtual int height() const = 0;
    virtual Size size() const { return Size(width(), height()); }
    virtual Rect rect() const { return Rect(0, 0, width(), height()); }
    virtual int dpiX() const = 0;
    virtual int dpiY() const = 0;
    // Two further answers for surfaces that need them; none of ours does, and
    // every surface of ours gives 0.
    virtual int reservedValue1() const { return 0; }
    virtual int reservedValue2() const { return 0; }
};
