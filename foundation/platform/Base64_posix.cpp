#include "foundation/platform/Base64.h"

#include "foundation/text/ByteArray.h"
#include "foundation/text/String.h"

namespace {

const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
const int kPadding = 64;
const int kWhiteSpace = 65;
const int kInvalid = 66;

int classify(char16_t unit)
{
    if (unit >= 'A' && unit <= 'Z')
        return unit - 'A';
    if (unit >= 'a' && unit <= 'z')
        return unit - 'a' + 26;
    if (unit >= '0' && unit <= '9')
        return unit - '0' + 52;
    if (unit == '+')
        return 62;
    if (unit == '/')
        return 63;
    if (unit == '=')
        return kPadding;
    if (unit == ' ' || unit == '\t' || unit == '\r' || unit == '\n')
        return kWhiteSpace;
    return kInvalid;
}

// Checks the text as the system's decoder does and counts the bytes it
// yields: every data character after the first of a group of four starts a
// new byte, except the second, which completes the first one.
bool measure(const char16_t* text, int length, int& size)
{
    int valid = 0;
    bool padded = false;
    size = 0;
    for (int i = 0; i < length; ++i) {
        int value = classify(text[i]);
        if (value == kInvalid)
            return false;
        if (value == kWhiteSpace)
            continue;
        if (padded && value != kPadding)
            return false;
        if (value == kPadding && valid % 4 == 0)
            break;
        ++valid;
        if (value == kPadding) {
            padded = true;
            if (valid % 4 == 0)
                break;
            continue;
        }
        if (valid % 4 != 2)
            ++size;
    }
    return !(padded && valid % 4 != 0);
}

void decodeInto(const char16_t* text, int length, uint8_t* out)
{
    int block[4] = {};
    int valid = 0;
    int written = 0;
    for (int i = 0; i < length; ++i) {
        int value = classify(text[i]);
        if (value == kWhiteSpace)
            continue;
        if (value == kPadding)
            break;
        block[valid % 4] = value;
        ++valid;
        switch (valid % 4) {
        case 1:
            out[written++] = static_cast<uint8_t>(block[0] << 2);
            break;
        case 2:
            out[written - 1] = static_cast<uint8_t>(block[0] << 2 | block[1] >> 4);
            break;
        case 3:
            out[written++] = static_cast<uint8_t>(block[1] << 4 | block[2] >> 2);
            break;
        default:
            out[written++] = static_cast<uint8_t>(block[2] << 6 | block[3]);
            break;
        }
    }
}

} // namespace

bool base64Encode(const uint8_t* bytes, int length, String& out)
{
    if (bytes == nullptr || length < 1)
        return false;
    int64_t encodedLength = (static_cast<int64_t>(length) + 2) / 3 * 4;
    if (encodedLength > String::kMaxCapacity)
        return false;
    out.clear();
    out.reserve(static_cast<int>(encodedLength));
    for (int i = 0; i < length; i += 3) {
        int available = length - i < 3 ? length - i : 3;
        uint32_t group = static_cast<uint32_t>(bytes[i]) << 16;
        if (available > 1)
            group |= static_cast<uint32_t>(bytes[i + 1]) << 8;
        if (available > 2)
            group |= bytes[i + 2];
        out.appendChar(static_cast<char16_t>(kAlphabet[group >> 18 & 0x3F]));
        out.appendChar(static_cast<char16_t>(kAlphabet[group >> 12 & 0x3F]));
        out.appendChar(available > 1 ? static_cast<char16_t>(kAlphabet[group >> 6 & 0x3F]) : u'=');
        out.appendChar(available > 2 ? static_cast<char16_t>(kAlphabet[group & 0x3F]) : u'=');
    }
    return true;
}

bool base64Decode(const char16_t* text, int length, ByteArray& out)
{
    if (text == nullptr || length < 1)
        return false;
    int size = 0;
    if (!measure(text, length, size))
        return false;
    ByteArray result(size);
    result.resize(size);
    if (size > 0)
        decodeInto(text, length, result.rawData());
    out = result;
    return true;
}

bool isBase64(const char16_t* text, int length)
{
    int size = 0;
    return text != nullptr && length > 0 && measure(text, length, size) && size > 0;
}
