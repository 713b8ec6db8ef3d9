#include "graphics/codecs/BmpCodec.h"

BmpCodec::BmpCodec() : GdiplusCodec(String(u"bmp")) {}

bool BmpCodec::acceptsExtension(const String& extension) const
{
    return extension == String(u"bmp");
}
