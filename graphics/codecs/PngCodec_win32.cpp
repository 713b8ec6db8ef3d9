#include "graphics/codecs/PngCodec.h"

#include "graphics/codecs/PngStoredReader.h"

PngCodec::PngCodec() : GdiplusCodec(String(u"png")) {}

bool PngCodec::acceptsExtension(const String& extension) const
{
    return extension == String(u"png");
}

// The data archive's pictures, written by our own tools, are read without
// the platform's codec, which takes far longer for each small picture.
Image PngCodec::loadFromMemory(const uint8_t* data, int64_t size) const
{
    Image image = PngStoredReader::decode(data, size);
    return image.isNull() ? GdiplusCodec::loadFromMemory(data, size) : image;
}
