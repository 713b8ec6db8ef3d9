#include "graphics/codecs/ImageCodec.h"

// The native build has no decoder library: only our own pix format is there,
// which is all the tests and tools need.

bool ImageCodec::startPlatform()
{
    return false;
}

void ImageCodec::stopPlatform() {}

void ImageCodec::addPlatformCodecs() {}
