// Feeds arbitrary bytes to the pix reader: it must never read outside the
// input, allocate beyond the image limits, or return an image whose layout
// disagrees with the header it came from.
#include "graphics/codecs/PixCodec.h"
#include "graphics/image/Image.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    PixCodec codec;
    Image image = codec.loadFromMemory(data, static_cast<int64_t>(size));
    if (image.isNull())
        return 0;
    int64_t expected = PixCodec::kHeaderSize + static_cast<int64_t>(image.byteSize());
    if (!image.hasAlpha() || expected != static_cast<int64_t>(size))
        __builtin_trap();
    if (std::memcmp(image.bits(), data + PixCodec::kHeaderSize, static_cast<size_t>(image.byteSize())) != 0)
        __builtin_trap();
    return 0;
}
