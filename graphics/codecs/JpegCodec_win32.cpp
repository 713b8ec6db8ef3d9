#include "graphics/codecs/JpegCodec.h"

JpegCodec::JpegCodec() : GdiplusCodec(String(u"jpeg")) {}

bool JpegCodec::acceptsExtension(const String& extension) const
{
    return extension == String(u"jpg") || extension == String(u"jpeg");
}
