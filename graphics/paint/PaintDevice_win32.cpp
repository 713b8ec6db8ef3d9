#include "graphics/paint/PaintDevice.h"

#include "graphics/paint/GdiPaintDevice.h"

void PaintDevice::createDefault()
{
    add(new GdiPaintDevice());
    setCurrent(first());
}
