// The members of String that convert to and from bytes: code pages, Base64
// and the scrambled stored form.
#include "foundation/text/String.h"

#include "foundation/platform/Base64.h"
#include "foundation/text/ByteArray.h"
#include "foundation/text/CodePage.h"

String::String(const char* text)
{
    bytesToWide(kCodePageAnsi, text, -1, *this);
}

String::String(const char* text, int count)
{
    bytesToWide(kCodePageAnsi, text, count, *this);
}

bool String::toBytes(int codePage, ByteArray& out) const
{
    if (isEmpty())
        return false;
    return wideToBytes(codePage, m_data, m_length, out);
}

ByteArray String::toAnsi() const
{
    ByteArray bytes;
    toBytes(kCodePageAnsi, bytes);
    return bytes;
}

ByteArray String::toLatin1() const
{
    ByteArray bytes;
    toBytes(kCodePageLatin1, bytes);
    return bytes;
}

ByteArray String::toUtf8() const
{
    ByteArray bytes;
    toBytes(kCodePageUtf8, bytes);
    return bytes;
}

String String::fromNarrow(const void* bytes, int count)
{
    String text;
    bytesToWide(kCodePageAnsi, bytes, count, text);
    return text;
}

String String::fromLatin1(const void* bytes, int count)
{
    String text;
    bytesToWide(kCodePageLatin1, bytes, count, text);
    return text;
}

String String::fromUtf8(const void* bytes, int count)
{
    String text;
    bytesToWide(kCodePageUtf8, bytes, count, text);
    return text;
}

bool String::isBase64() const
{
    return ::isBase64(data(), m_length);
}

String String::scramble(const String& text, uint8_t key)
{
    // Both bytes of every unit are combined with the key.
    const char16_t mask = static_cast<char16_t>(key * 0x0101);
    String stored;
    stored.reserve(text.length());
    for (int i = 0; i < text.length(); ++i) {
        char16_t unit = static_cast<char16_t>(text.at(i) ^ mask);
        if (unit == 0)
            return String();
        stored.appendChar(unit);
    }
    return stored;
}

String String::fromScrambled(const char16_t* stored, uint8_t key)
{
    const char16_t mask = static_cast<char16_t>(key * 0x0101);
    String text;
    if (stored == nullptr)
        return text;
    for (int i = 0; stored[i] != 0; ++i)
        text.appendChar(static_cast<char16_t>(stored[i] ^ mask));
    return text;
}
