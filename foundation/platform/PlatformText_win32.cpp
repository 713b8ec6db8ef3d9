#include "foundation/platform/PlatformText.h"

#include <windows.h>

uint16_t platformCharType(char16_t unit)
{
    WORD type = 0;
    wchar_t text = static_cast<wchar_t>(unit);
    if (!GetStringTypeW(CT_CTYPE1, &text, 1, &type))
        return 0;
    return static_cast<uint16_t>(type);
}

void platformUpperInPlace(char16_t* text, int count)
{
    if (!text || count < 1)
        return;
    CharUpperBuffW(reinterpret_cast<wchar_t*>(text), static_cast<DWORD>(count));
}

void platformLowerInPlace(char16_t* text, int count)
{
    if (!text || count < 1)
        return;
    CharLowerBuffW(reinterpret_cast<wchar_t*>(text), static_cast<DWORD>(count));
}
