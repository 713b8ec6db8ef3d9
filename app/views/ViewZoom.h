#pragma once

#include "foundation/geometry/Size.h"

// The zoom of the three views, 0.0 (out) to 1.0 (in), and what it makes.
namespace viewzoom {

// value / (maximum - minimum), clamped; 0 for an empty range.
float fromSlider(int value, int minimum, int maximum);
// 0.0-1.0; NaN gives 0.
float clamped(float zoom);
// The slider position of a zoom, rounded: x87 arithmetic under the target
// system makes 0.7 x 100 into 69.99..., and a cut would lose a step at every
// start.
int sliderValue(float zoom);
// Table rows of 24 to 54 pixels.
int rowHeight(float zoom);
// Image cells of 48 x 65 to 165 x 220 pixels.
Size imageCellSize(float zoom);
// The camera's distance from its target between the distances at which the
// tall band (zoomed out) and the short band (zoomed in) fill the view.
float cameraDistance(float zoomedOut, float zoomedIn, float zoom);

} // namespace viewzoom
