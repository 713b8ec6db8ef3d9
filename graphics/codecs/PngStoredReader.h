#pragma once

#include "graphics/image/Image.h"

#include <cstdint>

// Reads the PNG files our own writer makes, without the platform's codecs:
// 8-bit RGBA (colour type 6), not interlaced, every row unfiltered, the image
// data in stored deflate blocks, each chunk's CRC and the Adler sum right.
// The program's data images are all of this form and decoding them is a
// copy. Anything else gives a null image, for the platform's codec to read.
class PngStoredReader
{
public:
    static Image decode(const uint8_t* data, int64_t size);
};
