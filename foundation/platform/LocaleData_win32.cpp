#include "foundation/platform/LocaleData.h"

#include "foundation/text/String.h"

#include <windows.h>

#include <mlang.h>
#include <oleauto.h>

namespace {

const int kInfoBufferSize = 1024;

typedef LCID(WINAPI* LocaleNameToLcidFunction)(LPCWSTR, DWORD);

// {275C23E2-3747-11D0-9FEA-00AA003F8646}
const CLSID kMultiLanguageClass = {
    0x275C23E2, 0x3747, 0x11D0, {0x9F, 0xEA, 0x00, 0xAA, 0x00, 0x3F, 0x86, 0x46}};
// {275C23E1-3747-11D0-9FEA-00AA003F8646}
const IID kMultiLanguageInterface = {
    0x275C23E1, 0x3747, 0x11D0, {0x9F, 0xEA, 0x00, 0xAA, 0x00, 0x3F, 0x86, 0x46}};

// Systems before Vista lack LocaleNameToLCID; the MLang object knows the
// RFC 1766 names there.
uint32_t lcidFromMultiLanguage(const String& name, bool exact)
{
    IMultiLanguage* languages = nullptr;
    if (FAILED(CoCreateInstance(kMultiLanguageClass, nullptr, CLSCTX_INPROC_SERVER, kMultiLanguageInterface,
                                reinterpret_cast<void**>(&languages))))
        return 0;
    BSTR text = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(name.data()), name.length());
    LCID lcid = 0;
    HRESULT result = text != nullptr ? languages->GetLcidFromRfc1766(&lcid, text) : E_OUTOFMEMORY;
    SysFreeString(text);
    languages->Release();
    if (result == S_OK || (result == S_FALSE && !exact))
        return lcid;
    return 0;
}

} // namespace

uint32_t LocaleData::userDefaultLcid()
{
    return GetUserDefaultLCID();
}

String LocaleData::info(uint32_t lcid, uint32_t type)
{
    wchar_t buffer[kInfoBufferSize] = {};
    int length = GetLocaleInfoW(lcid, type, buffer, kInfoBufferSize - 1);
    if (length < 2 || length >= kInfoBufferSize)
        return String();
    return String(reinterpret_cast<const char16_t*>(buffer), length - 1);
}

uint32_t LocaleData::lcidFromName(const String& name, bool exact)
{
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    FARPROC found = kernel != nullptr ? GetProcAddress(kernel, "LocaleNameToLCID") : nullptr;
    if (found == nullptr)
        return lcidFromMultiLanguage(name, exact);
    LocaleNameToLcidFunction localeNameToLcid =
        reinterpret_cast<LocaleNameToLcidFunction>(reinterpret_cast<void*>(found));
    return localeNameToLcid(reinterpret_cast<const wchar_t*>(name.data()), 0);
}
