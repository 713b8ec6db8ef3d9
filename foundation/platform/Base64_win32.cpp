#include "foundation/platform/Base64.h"

#include "foundation/text/ByteArray.h"
#include "foundation/text/String.h"
#include "foundation/text/WideBuffer.h"

#include <windows.h>

#include <wincrypt.h>

bool base64Encode(const uint8_t* bytes, int length, String& out)
{
    if (bytes == nullptr || length < 1)
        return false;
    DWORD size = 0;
    if (!CryptBinaryToStringW(bytes, static_cast<DWORD>(length), CRYPT_STRING_BASE64, nullptr, &size))
        return false;
    WideBuffer buffer(static_cast<int>(size) + 1);
    wchar_t* units = reinterpret_cast<wchar_t*>(buffer.data());
    if (buffer.isNull() ||
        !CryptBinaryToStringW(bytes, static_cast<DWORD>(length), CRYPT_STRING_BASE64, units, &size))
        return false;
    // The system breaks the text into lines; the stored and sent forms have none.
    out.clear();
    out.reserve(static_cast<int>(size));
    for (DWORD i = 0; i < size && units[i] != 0; ++i) {
        if (units[i] != L'\r' && units[i] != L'\n')
            out.appendChar(static_cast<char16_t>(units[i]));
    }
    return !out.isEmpty();
}

bool base64Decode(const char16_t* text, int length, ByteArray& out)
{
    // A length of 0 would make the system read up to a terminator.
    if (text == nullptr || length < 1)
        return false;
    const wchar_t* wide = reinterpret_cast<const wchar_t*>(text);
    DWORD size = 0;
    if (!CryptStringToBinaryW(wide, static_cast<DWORD>(length), CRYPT_STRING_BASE64, nullptr, &size, nullptr,
                              nullptr))
        return false;
    ByteArray result(static_cast<int>(size));
    result.resize(static_cast<int>(size));
    if (size > 0 && !CryptStringToBinaryW(wide, static_cast<DWORD>(length), CRYPT_STRING_BASE64,
                                          result.rawData(), &size, nullptr, nullptr))
        return false;
    result.resize(static_cast<int>(size));
    out = result;
    return true;
}

bool isBase64(const char16_t* text, int length)
{
    if (text == nullptr || length < 1)
        return false;
    DWORD size = 0;
    if (!CryptStringToBinaryW(reinterpret_cast<const wchar_t*>(text), static_cast<DWORD>(length),
                              CRYPT_STRING_BASE64, nullptr, &size, nullptr, nullptr))
        return false;
    return size > 0;
}
