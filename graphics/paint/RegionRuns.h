#pragma once

#include "foundation/geometry/Rect.h"
#include "graphics/image/PixelView.h"

#include <vector>

// The runs of a 32-bit mask image that belong to a region, one rectangle of
// height 1 per run, rows top to bottom. Opaque black (the packed value
// 0xFF000000) is outside; every other pixel is inside.
std::vector<Rect> regionRuns(const PixelView& mask);
