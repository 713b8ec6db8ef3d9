#include "foundation/platform/AnsiCodePage.h"

namespace {

const uint8_t kDefaultChar = '?';

// Windows-1252 for 0x80-0x9F; the five bytes it leaves undefined map to the
// control characters of the same value, as Windows maps them. Every other
// byte is the Latin-1 character of the same value.
const char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t toUnit(uint8_t byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

uint8_t toByte(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return static_cast<uint8_t>(unit);
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == unit)
            return static_cast<uint8_t>(0x80 + i);
    }
    return kDefaultChar;
}

} // namespace

int AnsiCodePage::encode(const char16_t* text, int count, uint8_t* out, int outSize)
{
    if (text == nullptr || count < 1)
        return 0;
    if (out == nullptr)
        return count;
    if (outSize < count)
        return 0;
    for (int i = 0; i < count; ++i)
        out[i] = toByte(text[i]);
    return count;
}

int AnsiCodePage::decode(const uint8_t* bytes, int count, char16_t* out, int outSize)
{
    if (bytes == nullptr || count < 1)
        return 0;
    if (out == nullptr)
        return count;
    if (outSize < count)
        return 0;
    for (int i = 0; i < count; ++i)
        out[i] = toUnit(bytes[i]);
    return count;
}
