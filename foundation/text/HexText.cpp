#include "foundation/text/HexText.h"

#include "foundation/text/String.h"

namespace {

const char kHexDigits[] = "0123456789abcdef";

// What each style writes in front of and behind the two digits of a byte;
// the last byte gets no separator.
struct HexStyle
{
    const char16_t* prefix;
    const char16_t* separator;
};

HexStyle styleFor(int style)
{
    switch (style) {
    case 1:
        return {u"", u":"};
    case 2:
        return {u"0x", u","};
    case 3:
        return {u"0x", u", "};
    case 4:
        return {u"\\x", u""};
    default:
        return {u"", u""};
    }
}

} // namespace

void byteToHexPair(uint8_t byte, char16_t& high, char16_t& low)
{
    high = static_cast<char16_t>(kHexDigits[byte >> 4]);
    low = static_cast<char16_t>(kHexDigits[byte & 0x0F]);
}

String bytesToHexStyled(const uint8_t* bytes, int count, int style)
{
    String text;
    if (bytes == nullptr || count < 1)
        return text;
    HexStyle parts = styleFor(style);
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            text.appendCString(parts.separator);
        text.appendCString(parts.prefix);
        char16_t high = 0;
        char16_t low = 0;
        byteToHexPair(bytes[i], high, low);
        text.appendChar(high);
        text.appendChar(low);
    }
    return text;
}
