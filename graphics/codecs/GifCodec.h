#pragma once

#include "graphics/codecs/GdiplusCodec.h"

// Some GDI+ implementations cannot encode GIF: they write an empty picture and
// still report success. A GIF save therefore counts only when the encoded bytes
// decode again to a picture of the image's size.
class GifCodec : public GdiplusCodec
{
public:
    GifCodec();

    bool acceptsExtension(const String& extension) const override;

protected:
    bool isEncodedWell(const uint8_t* data, int64_t size, const Image& image) const override;
};
