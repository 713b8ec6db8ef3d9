#pragma once

#include "foundation/text/ByteArray.h"

class Image;
class String;

// Writes PNG files without the platform's codecs, so that the host tools which
// draw our skins and card pictures make the same bytes on every machine:
// 8-bit RGBA (colour type 6) with straight alpha, rows unfiltered, the image
// data in stored deflate blocks.
class PngWriter
{
public:
    // The PNG file's bytes; empty for an empty image.
    static ByteArray encode(const Image& image);
    // Replaces the file through a temporary one; false when nothing was written.
    static bool save(const Image& image, const String& path);
};
