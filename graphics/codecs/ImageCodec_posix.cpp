#include "graphics/codecs/ImageCodec.h"

#include "graphics/image/Image.h"

// The native build has no decoder library: only our own pix format is there,
// which is all the tests and tools need.

bool ImageCodec::startPlatform()
{
    return false;
}

void ImageCodec::stopPlatform() {}

void ImageCodec::addPlatformCodecs() {}

// Only pix files are read here, and their header is the whole file's start:
// decoding them is as cheap as reading the header alone.
Size ImageCodec::fileImageSize(const String& path)
{
    const Image image = Image::fromFile(path);
    return image.isNull() ? Size() : Size(image.width(), image.height());
}
