#pragma once

#include "graphics/codecs/GdiplusCodec.h"

class PngCodec : public GdiplusCodec
{
public:
    PngCodec();

    bool acceptsExtension(const String& extension) const override;
    Image loadFromMemory(const uint8_t* data, int64_t size) const override;
};
