#pragma once

#include "graphics/codecs/GdiplusCodec.h"

class TiffCodec : public GdiplusCodec
{
public:
    TiffCodec();

    bool acceptsExtension(const String& extension) const override;
};
