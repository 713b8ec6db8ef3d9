// Text decoding of arbitrary bytes in each of the three encodings must stay
// inside its input, with or without a byte-order mark.
#include "foundation/text/String.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || size > 0x100000)
        return 0;
    static const int kEncodings[] = {1, 3, 4};
    for (int encoding : kEncodings) {
        String text = String::fromTextBuffer(data, int(size), encoding);
        if (text.length() > int(size))
            __builtin_trap();
    }
    return 0;
}
