#pragma once

#include "graphics/codecs/GdiplusCodec.h"

class BmpCodec : public GdiplusCodec
{
public:
    BmpCodec();

    bool acceptsExtension(const String& extension) const override;
};
