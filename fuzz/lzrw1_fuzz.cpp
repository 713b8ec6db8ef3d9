// The compressed form of ByteArray read from arbitrary bytes: it must fail
// cleanly or produce exactly the size its header promises, and whatever we
// compress must come back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "foundation/text/ByteArray.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 1 << 20)
        return 0;
    ByteArray input(data, static_cast<int>(size));

    ByteArray unpacked = input.uncompressed();
    if (!unpacked.isEmpty()) {
        uint32_t promised = data[0] | data[1] << 8 | data[2] << 16 | static_cast<uint32_t>(data[3]) << 24;
        if (static_cast<uint32_t>(unpacked.size()) != promised)
            std::abort();
    }

    ByteArray restored = input.compressed().uncompressed();
    if (restored.size() != input.size() || restored.compareWith(input.data(), input.size()) != 0)
        std::abort();
    return 0;
}
