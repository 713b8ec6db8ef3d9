#pragma once

#include "graphics/codecs/GdiplusCodec.h"

class JpegCodec : public GdiplusCodec
{
public:
    JpegCodec();

    bool acceptsExtension(const String& extension) const override;
};
