#include "graphics/paint/FontDesc.h"

#include "graphics/paint/FontFamilies.h"

#include <windows.h>

namespace {

int queryScreenDpi()
{
    HDC screen = GetDC(nullptr);
    if (!screen)
        return 0;
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int windowsMajorVersion()
{
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    if (!GetVersionExW(&version))
        return 0;
    return static_cast<int>(version.dwMajorVersion);
}

} // namespace

int FontDesc::screenDpi()
{
    static const int dpi = queryScreenDpi();
    return dpi;
}

FontDesc FontDesc::platformDefault()
{
    const int major = windowsMajorVersion();
    // Enumerating the fonts is slow; from Vista on the answer is known anyway.
    const bool segoeInstalled = major < 6 && isFontFamilyInstalled(String(u"Segoe UI"));
    return chooseDefault(major, segoeInstalled, GetUserDefaultLangID());
}
