// Base64 and hexadecimal text read from arbitrary UTF-16: decoding must fail
// cleanly or give bytes that encode and decode back to themselves.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "foundation/text/ByteArray.h"
#include "foundation/text/String.h"

namespace {

String unitsOf(const uint8_t* data, size_t size)
{
    String text;
    for (size_t i = 0; i + 1 < size; i += 2)
        text.appendChar(static_cast<char16_t>(data[i] | data[i + 1] << 8));
    return text;
}

bool sameBytes(const ByteArray& a, const ByteArray& b)
{
    return a.size() == b.size() && (a.isEmpty() || a.compareWith(b.data(), b.size()) == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 1 << 16)
        return 0;
    // Both as UTF-16 units and as plain bytes widened to units, so the fuzzer
    // reaches the alphabet easily.
    String texts[2] = {unitsOf(data, size), String::fromLatin1(data, static_cast<int>(size))};
    for (const String& text : texts) {
        ByteArray decoded = ByteArray::fromBase64(text);
        if (text.isBase64() != !decoded.isEmpty())
            std::abort();
        if (!decoded.isEmpty() && !sameBytes(ByteArray::fromBase64(decoded.toBase64()), decoded))
            std::abort();

        ByteArray hex = ByteArray::fromHex(text);
        if (hex.size() > text.length() / 2)
            std::abort();
        if (!sameBytes(ByteArray::fromHex(hex.toHex()), hex))
            std::abort();
    }
    return 0;
}
