#pragma once

#include "graphics/codecs/GdiplusCodec.h"

class PngCodec : public GdiplusCodec
{
public:
    PngCodec();

    bool acceptsExtension(const String& extension) const override;
};
