#include "foundation/platform/Platform.h"

#include "foundation/platform/Win32Text.h"

#include <windows.h>

#include <objbase.h>

namespace {

const DWORD kErrorTextUnits = 4096;
const DWORD kNeutralLanguage = 0x400;

int screenCaps(int index)
{
    HDC screen = GetDC(nullptr);
    if (!screen)
        return 0;
    int value = GetDeviceCaps(screen, index);
    ReleaseDC(nullptr, screen);
    return value;
}

void appendHex(String& text, uint32_t value, int digits)
{
    static const char16_t kDigits[] = u"0123456789abcdef";
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        text.appendChar(kDigits[(value >> shift) & 0xF]);
}

// The usual 8-4-4-4-12 form, lower case.
String uuidText(const GUID& id)
{
    String text;
    appendHex(text, id.Data1, 8);
    text.appendChar(u'-');
    appendHex(text, id.Data2, 4);
    text.appendChar(u'-');
    appendHex(text, id.Data3, 4);
    text.appendChar(u'-');
    for (int i = 0; i < 8; ++i) {
        if (i == 2)
            text.appendChar(u'-');
        appendHex(text, id.Data4[i], 2);
    }
    return text;
}

} // namespace

int Platform::screenDpi()
{
    static int dpi = screenCaps(LOGPIXELSY);
    return dpi;
}

int Platform::screenDpiX()
{
    static int dpi = screenCaps(LOGPIXELSX);
    return dpi;
}

bool Platform::isInputDesktopUnavailable()
{
    HDESK desktop = OpenInputDesktop(0, FALSE, GENERIC_READ);
    if (!desktop)
        return true;
    CloseDesktop(desktop);
    return false;
}

String Platform::systemErrorText(int code)
{
    DWORD error = code == -1 ? GetLastError() : static_cast<DWORD>(code);
    if (code == 0 || code < -1 || error == 0)
        return String();
    wchar_t text[kErrorTextUnits] = {};
    // Without IGNORE_INSERTS a message with %1 would read arguments we never
    // passed.
    DWORD flags = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    DWORD length = FormatMessageW(flags, nullptr, error, kNeutralLanguage, text, kErrorTextUnits, nullptr);
    return fromWide(text, static_cast<int>(length));
}

String Platform::newUuidText()
{
    GUID id = {};
    if (FAILED(CoCreateGuid(&id)))
        return String();
    return uuidText(id);
}

uint32_t Platform::newUuidNumber()
{
    GUID id = {};
    if (FAILED(CoCreateGuid(&id)))
        return 0;
    return id.Data1;
}
