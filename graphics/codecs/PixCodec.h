#pragma once

#include "graphics/codecs/ImageCodec.h"

class OutputStream;

// Our own raw image file: a 16-byte header (the magic 777, width, height and
// the size of the pixel data, each an unsigned 32-bit little-endian number)
// followed by the 32-bit pixels, rows top first, each pixel B, G, R, A with
// straight alpha. Nothing else is in the file.
class PixCodec : public ImageCodec
{
public:
    static constexpr uint32_t kMagic = 777;
    static constexpr int kHeaderSize = 16;

    PixCodec();

    bool acceptsExtension(const String& extension) const override;
    Image loadFromMemory(const uint8_t* data, int64_t size) const override;
    Image loadFromFile(const String& path) const override;
    // 24-bit and premultiplied images are written as the 32-bit straight
    // pixels they show, since that is all the reader knows. A failed write
    // leaves an existing file as it was and no partial file behind.
    bool save(const String& path, const Image& image) const override;

private:
    // The number of pixel bytes a header announces, or -1 when the header is
    // damaged or announces an image beyond the limits.
    static int64_t pixelBytesOf(const uint8_t* header);
    // Failed writes are remembered by the safe file stream, which then
    // refuses to commit.
    static void writeImage(OutputStream& stream, const Image& image);
};
