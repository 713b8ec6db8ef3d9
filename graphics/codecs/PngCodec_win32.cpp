#include "graphics/codecs/PngCodec.h"

PngCodec::PngCodec() : GdiplusCodec(String(u"png")) {}

bool PngCodec::acceptsExtension(const String& extension) const
{
    return extension == String(u"png");
}
