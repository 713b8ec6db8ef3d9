#include "graphics/codecs/GifCodec.h"

GifCodec::GifCodec() : GdiplusCodec(String(u"gif")) {}

bool GifCodec::acceptsExtension(const String& extension) const
{
    return extension == String(u"gif");
}

bool GifCodec::isEncodedWell(const uint8_t* data, int64_t size, const Image& image) const
{
    Image decoded = gdiplusLoadFromMemory(data, size);
    return decoded.width() == image.width() && decoded.height() == image.height();
}
