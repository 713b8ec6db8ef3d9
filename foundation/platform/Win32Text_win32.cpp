#include "foundation/platform/Win32Text.h"

const wchar_t* wideText(const String& text)
{
    if (text.isEmpty())
        return L"";
    return reinterpret_cast<const wchar_t*>(text.constCharAt(0));
}

String fromWide(const wchar_t* text, int count)
{
    if (!text)
        return String();
    return String(reinterpret_cast<const char16_t*>(text), count);
}
