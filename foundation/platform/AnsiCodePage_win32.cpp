#include "foundation/platform/AnsiCodePage.h"

#include <windows.h>

int AnsiCodePage::encode(const char16_t* text, int count, uint8_t* out, int outSize)
{
    if (text == nullptr || count < 1)
        return 0;
    return WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<const wchar_t*>(text), count,
                               reinterpret_cast<char*>(out), out != nullptr ? outSize : 0, nullptr, nullptr);
}

int AnsiCodePage::decode(const uint8_t* bytes, int count, char16_t* out, int outSize)
{
    if (bytes == nullptr || count < 1)
        return 0;
    return MultiByteToWideChar(CP_ACP, 0, reinterpret_cast<const char*>(bytes), count,
                               reinterpret_cast<wchar_t*>(out), out != nullptr ? outSize : 0);
}
