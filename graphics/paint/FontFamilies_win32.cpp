#include "graphics/paint/FontFamilies.h"

#include <windows.h>

namespace {

String faceNameOf(const LOGFONTW* font)
{
    return String(reinterpret_cast<const char16_t*>(font->lfFaceName));
}

template <typename Visit>
int CALLBACK visitFont(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM context)
{
    return (*reinterpret_cast<Visit*>(context))(font) ? 1 : 0;
}

// Calls visit for every font GDI enumerates on the screen for the face name
// (every family when it is empty), in every character set.
template <typename Visit> void enumerateFonts(const String& faceName, Visit visit)
{
    HDC screen = GetDC(nullptr);
    if (!screen)
        return;
    LOGFONTW query = {};
    query.lfCharSet = DEFAULT_CHARSET;
    const int units = faceName.length() < LF_FACESIZE - 1 ? faceName.length() : LF_FACESIZE - 1;
    for (int i = 0; i < units; ++i)
        query.lfFaceName[i] = static_cast<wchar_t>(faceName.at(i));
    EnumFontFamiliesExW(screen, &query, visitFont<Visit>, reinterpret_cast<LPARAM>(&visit), 0);
    ReleaseDC(nullptr, screen);
}

int screenPixelsPerInch()
{
    HDC screen = GetDC(nullptr);
    if (!screen)
        return 0;
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

} // namespace

bool isFontFamilyInstalled(const String& name)
{
    bool found = false;
    enumerateFonts(String(), [&](const LOGFONTW* font) {
        found = faceNameOf(font) == name;
        return !found;
    });
    return found;
}

StringList availableFontFamilies()
{
    static StringList families;
    if (!families.isEmpty())
        return families;
    enumerateFonts(String(), [&](const LOGFONTW* font) {
        const String face = faceNameOf(font);
        if (!families.contains(face))
            families.append(face);
        return true;
    });
    families.sort(1);
    return families;
}

void availableFontSizes(Array<int>& sizes, const String& family)
{
    sizes.destroy();
    const int dpi = screenPixelsPerInch();
    if (dpi < 1)
        return;
    enumerateFonts(family, [&](const LOGFONTW* font) {
        if (!String::equalsIgnoreCase(faceNameOf(font), family))
            return true;
        const int points = static_cast<int>(static_cast<int64_t>(font->lfHeight) * 72 / dpi);
        if (!sizes.contains(points))
            sizes.append(points);
        return true;
    });
}
