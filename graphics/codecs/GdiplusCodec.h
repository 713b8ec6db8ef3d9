#pragma once

#include "graphics/codecs/ImageCodec.h"
#include "graphics/image/Image.h"

namespace Gdiplus {
class GpImage;
}

struct _GUID;

// The shared body of the formats that the system's GDI+ decodes and encodes.
// The concrete codecs only say which extensions they accept.
class GdiplusCodec : public ImageCodec
{
public:
    Image loadFromMemory(const uint8_t* data, int64_t size) const override;
    Image loadFromFile(const String& path) const override;
    bool save(const String& path, const Image& image) const override;

    static Image gdiplusLoadFromMemory(const uint8_t* data, int64_t size);
    static Image gdiplusLoadFromFile(const String& path);
    // A 32-bit straight-alpha copy of a decoded GDI+ bitmap; the empty image
    // for anything else or for a picture beyond the image limits.
    static Image gdiplusToImage(Gdiplus::GpImage* image);
    // Encodes by the path's extension into memory and writes the file only
    // when the encoder succeeded (and the checker, when given, accepts the
    // bytes); an existing file is replaced in one step or not at all.
    static bool gdiplusSave(const String& path, const Image& image, const GdiplusCodec* checker = nullptr);
    static bool encoderClsidForExtension(const String& extension, _GUID& clsid);

protected:
    explicit GdiplusCodec(const String& name);

    // Whether freshly encoded bytes hold the picture; checked before anything
    // is written.
    virtual bool isEncodedWell(const uint8_t* data, int64_t size, const Image& image) const;
};
