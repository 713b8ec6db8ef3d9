#pragma once

#include "foundation/geometry/Size.h"
#include "foundation/text/String.h"

#include <cstdint>

class Image;

// One image file format. The registry holds one codec per format, in a fixed
// order, and the Image entry points pick the codec by file extension.
// Decoders always give a 32-bit image with straight alpha, or the empty image.
class ImageCodec
{
public:
    explicit ImageCodec(const String& name);
    virtual ~ImageCodec();
    ImageCodec(const ImageCodec&) = delete;
    ImageCodec& operator=(const ImageCodec&) = delete;

    // The format's own extension: "pix", "bmp", "jpeg", "png", "tiff" or "gif".
    const String& name() const { return m_name; }
    // Format flags: none of our codecs sets any, so every answer is 0.
    uint32_t flags() const { return m_flags; }
    bool firstFlag() const { return (m_flags & 1) != 0; }
    bool secondFlag() const { return (m_flags & 2) != 0; }

    // extension is lower case, without the dot.
    virtual bool acceptsExtension(const String& extension) const = 0;
    virtual Image loadFromMemory(const uint8_t* data, int64_t size) const = 0;
    virtual Image loadFromFile(const String& path) const = 0;
    virtual bool save(const String& path, const Image& image) const = 0;

    // Sets up the codecs (and the decoder library they need). A second call
    // changes nothing.
    static void registerAll();
    static void unregisterAll();
    // The first registered codec for an extension of 3 or 4 characters, white
    // space trimmed and case ignored; null when there is none.
    static ImageCodec* forExtension(const String& extension);
    static bool isSupported(const String& extension);
    static int count();
    // The picture size an image file declares, read without decoding its
    // pixels where the platform allows; (0, 0) for a missing or unreadable
    // file.
    static Size fileImageSize(const String& path);

private:
    static void add(ImageCodec* codec);
    static void removeAll();
    // The decoder library's start and end, where the platform has one.
    static bool startPlatform();
    static void stopPlatform();
    static void addPlatformCodecs();

    String m_name;
    uint32_t m_flags = 0;
};
