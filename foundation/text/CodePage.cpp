#include "foundation/text/CodePage.h"

#include "foundation/platform/AnsiCodePage.h"
#include "foundation/text/ByteArray.h"
#include "foundation/text/String.h"
#include "foundation/text/Utf8.h"

namespace {

const uint8_t kLatin1Default = '?';

int latin1Encode(const char16_t* text, int count, uint8_t* out)
{
    if (out != nullptr) {
        for (int i = 0; i < count; ++i)
            out[i] = text[i] <= 0xFF ? static_cast<uint8_t>(text[i]) : kLatin1Default;
    }
    return count;
}

int latin1Decode(const uint8_t* bytes, int count, char16_t* out)
{
    if (out != nullptr) {
        for (int i = 0; i < count; ++i)
            out[i] = bytes[i];
    }
    return count;
}

// Counts when out is null, as the platform's conversion does.
int encode(int codePage, const char16_t* text, int count, uint8_t* out, int outSize)
{
    switch (codePage) {
    case String::kCodePageAnsi:
        return AnsiCodePage::encode(text, count, out, outSize);
    case String::kCodePageLatin1:
        return latin1Encode(text, count, out);
    default:
        return Utf8::encode(text, count, out);
    }
}

int decode(int codePage, const uint8_t* bytes, int count, char16_t* out, int outSize)
{
    switch (codePage) {
    case String::kCodePageAnsi:
        return AnsiCodePage::decode(bytes, count, out, outSize);
    case String::kCodePageLatin1:
        return latin1Decode(bytes, count, out);
    default:
        return Utf8::decode(bytes, count, out);
    }
}

bool isKnownCodePage(int codePage)
{
    return codePage == String::kCodePageAnsi || codePage == String::kCodePageLatin1 ||
           codePage == String::kCodePageUtf8;
}

int unitCount(const char16_t* text)
{
    int n = 0;
    while (text[n] != 0)
        ++n;
    return n;
}

int byteCount(const uint8_t* bytes)
{
    int n = 0;
    while (bytes[n] != 0)
        ++n;
    return n;
}

} // namespace

bool wideToBytes(int codePage, const char16_t* text, int count, ByteArray& out)
{
    if (text == nullptr || text[0] == 0 || (count != -1 && count < 1) || !isKnownCodePage(codePage))
        return false;
    out.clear();
    if (count == -1)
        count = unitCount(text);
    int size = encode(codePage, text, count, nullptr, 0);
    if (size < 1)
        return false;
    out.resize(size);
    if (encode(codePage, text, count, out.rawData(), size) != size) {
        out.clear();
        return false;
    }
    return true;
}

bool bytesToWide(int codePage, const void* bytes, int count, String& out)
{
    const uint8_t* input = static_cast<const uint8_t*>(bytes);
    // The count is looked at before the first byte: an empty buffer may have
    // no byte to read.
    if (input == nullptr || (count != -1 && count < 1) || input[0] == 0 || !isKnownCodePage(codePage))
        return false;
    out.clear();
    if (count == -1)
        count = byteCount(input);
    int size = decode(codePage, input, count, nullptr, 0);
    if (size < 1)
        return false;
    out.resize(size);
    if (out.length() != size || decode(codePage, input, count, out.charAt(0), size) != size) {
        out.clear();
        return false;
    }
    return true;
}

uint8_t charToAnsiByte(char16_t unit)
{
    uint8_t bytes[4] = {};
    if (AnsiCodePage::encode(&unit, 1, bytes, 4) != 1)
        return 0;
    return bytes[0];
}

char16_t ansiByteToChar(uint8_t byte)
{
    char16_t units[2] = {};
    if (AnsiCodePage::decode(&byte, 1, units, 2) != 1)
        return 0;
    return units[0];
}

char16_t utf8ByteToChar(uint8_t byte)
{
    char16_t unit = 0;
    if (Utf8::decode(&byte, 1, &unit) != 1)
        return 0;
    return unit;
}

bool charToUtf8Byte(char16_t unit, uint8_t& out)
{
    if (unit >= 0x80)
        return false;
    out = static_cast<uint8_t>(unit);
    return true;
}
