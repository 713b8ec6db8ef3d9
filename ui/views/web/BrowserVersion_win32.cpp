#include "ui/views/web/BrowserVersion.h"

#include <windows.h>

String BrowserVersion::installed()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Internet Explorer", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return String();
    wchar_t buffer[2048 + 1] = {};
    DWORD type = 0;
    DWORD bytes = sizeof(buffer) - sizeof(wchar_t);
    const LONG read =
        RegQueryValueExW(key, L"Version", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &bytes);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
        return String();
    // The stored text need not end in a zero.
    buffer[bytes / sizeof(wchar_t)] = 0;
    return fromStored(String(reinterpret_cast<const char16_t*>(buffer)));
}
