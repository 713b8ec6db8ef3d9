#include "graphics/codecs/TiffCodec.h"

TiffCodec::TiffCodec() : GdiplusCodec(String(u"tiff")) {}

bool TiffCodec::acceptsExtension(const String& extension) const
{
    return extension == String(u"tif") || extension == String(u"tiff");
}
