#pragma once

#include "graphics/image/PixelView.h"

#include <cstdint>

// Whole-image pixel passes over raw rows. They assume what their callers
// check: views with pixels, and the depth each function names.

// Blends one straight-alpha pixel over another; both are packed 0xAARRGGBB.
uint32_t blendPixel(uint32_t destination, uint32_t source);
// One channel of a source over a destination, the source's own weight kept.
int mixChannel(int destination, int source);
uint8_t clampToByte(int value);

// Nearest neighbour: target pixel (x, y) copies source pixel
// (x * sw / tw, y * sh / th), truncated. Same depth on both sides.
void scaleNearest(const PixelView& source, const PixelView& target);
// Target has the source's size and depth.
void flipPixels(const PixelView& source, const PixelView& target, bool horizontal, bool vertical);
// A clockwise quarter turn: the target is source height wide and source width high.
void rotate90Pixels(const PixelView& source, const PixelView& target);
// Copies the target's size of pixels from the source, starting at (x, y).
void copyPixels(const PixelView& source, int x, int y, const PixelView& target);

// 32-bit only. Blends the source placed at (x, y) onto the target where the two overlap.
void blendPixels(const PixelView& target, const PixelView& source, int x, int y);

// Tone tables hold 256 entries. A 24-bit view maps every byte of its rows,
// padding included; a 32-bit view maps B, G and R and keeps alpha.
void applyTablePixels(const PixelView& view, const uint8_t* table);
// Each channel through its own table; alpha only when the view is 32-bit and
// the alpha table is given.
void applyChannelTablesPixels(const PixelView& view, const uint8_t* red, const uint8_t* green,
                              const uint8_t* blue, const uint8_t* alpha);
void grayPixels(const PixelView& view);
void invertPixels(const PixelView& view);

// Fill a 256-entry table. The gamma must be above 0 (false otherwise).
bool makeGammaTable(float gamma, uint8_t* table);
void makeBrightnessContrastTable(int brightness, int contrast, uint8_t* table);
