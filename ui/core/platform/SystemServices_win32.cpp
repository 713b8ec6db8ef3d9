#include "ui/core/platform/SystemServices.h"

#include "foundation/platform/Win32Text.h"

#include <windows.h>

#include <commctrl.h>

#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

// Last: the image list's interface id is in no import library, so it is
// defined here, and no other header's ids may be.
#include <initguid.h>

#include <commoncontrols.h>

#include <vector>

namespace {

using GetImageListFunction = HRESULT(WINAPI*)(int, REFIID, void**);
using CreateItemFunction = HRESULT(WINAPI*)(PCWSTR, IBindCtx*, REFIID, void**);

const int kGetImageListOrdinal = 727;
const UINT kSnapToDefaultButton = 95;
const UINT kFontSmoothingType = 0x200A;
const UINT kDropShadow = 0x1024;
const UINT kCursorShadow = 0x101A;
const UINT kClearTypeSmoothing = 2;
const DWORD kLocationUnits = MAX_PATH;

// A preference as a 32-bit value; 0 when the system does not answer.
UINT preference(UINT query)
{
    UINT value = 0;
    if (!SystemParametersInfoW(query, 0, &value, 0))
        return 0;
    return value;
}

// A COM interface pointer released when it goes out of scope.
template <class T> class ComPtr
{
public:
    ComPtr() = default;
    ~ComPtr()
    {
        if (m_pointer)
            m_pointer->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T* get() const { return m_pointer; }
    T* operator->() const { return m_pointer; }
    void** out() { return reinterpret_cast<void**>(&m_pointer); }
    T** typedOut() { return &m_pointer; }

private:
    T* m_pointer = nullptr;
};

// An item id list freed when it goes out of scope.
class ItemIdList
{
public:
    ItemIdList() = default;
    ~ItemIdList() { CoTaskMemFree(m_list); }
    ItemIdList(const ItemIdList&) = delete;
    ItemIdList& operator=(const ItemIdList&) = delete;
    LPITEMIDLIST get() const { return m_list; }
    LPITEMIDLIST* out() { return &m_list; }

private:
    LPITEMIDLIST m_list = nullptr;
};

// COM for this thread for as long as a shell call needs it.
class ComScope
{
public:
    ComScope() : m_started(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComScope()
    {
        if (m_started)
            CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool m_started;
};

Image iconImage(HICON icon)
{
    if (!icon)
        return Image();
    Image image = Image::fromIconHandle(icon);
    DestroyIcon(icon);
    return image;
}

Image bitmapImage(HBITMAP bitmap, bool withAlpha)
{
    if (!bitmap)
        return Image();
    Image image = Image::fromBitmapHandle(bitmap, withAlpha);
    DeleteObject(bitmap);
    return image;
}

bool anyAlpha(const Image& image)
{
    if (image.isNull() || !image.hasAlpha())
        return false;
    for (int y = 0; y < image.height(); ++y) {
        const uint8_t* row = image.bits() + static_cast<size_t>(y) * image.stride();
        for (int x = 0; x < image.width(); ++x) {
            if (row[x * 4 + 3] != 0)
                return true;
        }
    }
    return false;
}

// The shell item's own icon through its image factory.
Image itemImage(CreateItemFunction create, const String& path, int size)
{
    if (!create)
        return Image();
    ComPtr<IShellItemImageFactory> factory;
    if (FAILED(create(wideText(path), nullptr, IID_IShellItemImageFactory, factory.out())) || !factory.get())
        return Image();
    HBITMAP bitmap = nullptr;
    SIZE wanted = {size, size};
    if (FAILED(factory->GetImage(wanted, SIIGBF_ICONONLY, &bitmap)))
        return Image();
    return bitmapImage(bitmap, true);
}

// Asks the parent folder of the path's item for one of its interfaces.
template <class T> bool itemObject(const String& path, REFIID id, ComPtr<T>* object)
{
    ComPtr<IShellFolder> desktop;
    if (FAILED(SHGetDesktopFolder(desktop.typedOut())) || !desktop.get())
        return false;
    ItemIdList item;
    std::vector<wchar_t> name(wideText(path), wideText(path) + path.length() + 1);
    if (FAILED(desktop->ParseDisplayName(nullptr, nullptr, name.data(), nullptr, item.out(), nullptr)))
        return false;
    ComPtr<IShellFolder> parent;
    LPCITEMIDLIST child = nullptr;
    if (FAILED(SHBindToParent(item.get(), IID_IShellFolder, parent.out(), &child)) || !parent.get())
        return false;
    HRESULT result = parent->GetUIObjectOf(nullptr, 1, &child, id, nullptr, object->out());
    return SUCCEEDED(result) && object->get();
}

// The version resource of a file, loaded whole.
class VersionResource
{
public:
    explicit VersionResource(const String& path)
    {
        DWORD ignored = 0;
        DWORD size = GetFileVersionInfoSizeW(wideText(path), &ignored);
        if (size == 0)
            return;
        m_data.resize(size);
        if (!GetFileVersionInfoW(wideText(path), 0, size, m_data.data()))
            m_data.clear();
    }

    // The value at the path, never read past the length the resource gives.
    bool query(const String& path, void** value, UINT* length)
    {
        if (m_data.empty())
            return false;
        *value = nullptr;
        *length = 0;
        return VerQueryValueW(m_data.data(), wideText(path), value, length) && *value && *length > 0;
    }

private:
    std::vector<BYTE> m_data;
};

BOOL CALLBACK nextResourceName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param)
{
    auto* search = reinterpret_cast<SystemServices::ResourceNameSearch*>(param);
    if (IS_INTRESOURCE(name))
        return search->offerId(static_cast<int>(reinterpret_cast<uintptr_t>(name)));
    return search->offer(fromWide(name));
}

} // namespace

SystemServices::State SystemServices::probe()
{
    State probed;
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    if (GetVersionExW(&version))
        probed.vistaOrLater = version.dwMajorVersion >= 6;
    if (HMODULE shell = GetModuleHandleW(L"shell32")) {
        probed.getImageList =
            reinterpret_cast<void*>(GetProcAddress(shell, MAKEINTRESOURCEA(kGetImageListOrdinal)));
        probed.createItemFromParsingName =
            reinterpret_cast<void*>(GetProcAddress(shell, "SHCreateItemFromParsingName"));
    }
    return probed;
}

bool SystemServices::snapToDefaultButton()
{
    return preference(kSnapToDefaultButton) == 1;
}

bool SystemServices::clearTypeSmoothing()
{
    return preference(kFontSmoothingType) == kClearTypeSmoothing;
}

bool SystemServices::dropShadowEnabled()
{
    return preference(kDropShadow) == 1;
}

bool SystemServices::cursorShadowEnabled()
{
    return preference(kCursorShadow) == 1;
}

int SystemServices::wheelScrollLines()
{
    return static_cast<int>(preference(SPI_GETWHEELSCROLLLINES));
}

int SystemServices::menuShowDelay()
{
    return static_cast<int>(preference(SPI_GETMENUSHOWDELAY));
}

int SystemServices::caretBlinkTime()
{
    return static_cast<int>(GetCaretBlinkTime());
}

bool SystemServices::showHiddenFilesSetting()
{
    HKEY key = nullptr;
    const wchar_t* path =
        L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced\\Folder\\Hidden\\SHOWALL";
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    DWORD type = REG_NONE;
    DWORD value = 0;
    DWORD bytes = sizeof(value);
    LONG result =
        RegQueryValueExW(key, L"CheckedValue", nullptr, &type, reinterpret_cast<BYTE*>(&value), &bytes);
    RegCloseKey(key);
    return result == ERROR_SUCCESS && type == REG_DWORD && bytes == sizeof(value) && value == 1;
}

Image SystemServices::systemImageListIcon(int size, int index)
{
    int kind = imageListKind(size);
    auto getImageList = reinterpret_cast<GetImageListFunction>(state().getImageList);
    if (kind < 0 || index < 0 || !getImageList)
        return Image();
    ComPtr<IImageList> list;
    if (FAILED(getImageList(kind, __uuidof(IImageList), list.out())) || !list.get())
        return Image();
    HICON icon = nullptr;
    if (FAILED(list->GetIcon(index, ILD_TRANSPARENT, &icon)))
        return Image();
    return iconImage(icon);
}

Image SystemServices::fileIcon(const String& path, int size)
{
    if (!isSupportedIconSize(size) || path.isEmpty())
        return Image();
    SHFILEINFOW info = {};
    if (!SHGetFileInfoW(wideText(path), FILE_ATTRIBUTE_NORMAL, &info, sizeof(info), SHGFI_SYSICONINDEX))
        return Image();
    ComScope com;
    Image image =
        itemImage(reinterpret_cast<CreateItemFunction>(state().createItemFromParsingName), path, size);
    // Some shells answer with a placeholder of another size: only an image
    // of the size asked for is the item's own.
    if (image.width() == size && image.height() == size)
        return image;
    return systemImageListIcon(size, info.iIcon);
}

Image SystemServices::extensionIcon(const String& extension, int size)
{
    if (!isSupportedIconSize(size))
        return Image();
    SHFILEINFOW info = {};
    String pattern = String(u"*.") + extension;
    UINT flags = SHGFI_USEFILEATTRIBUTES | SHGFI_SYSICONINDEX;
    if (!SHGetFileInfoW(wideText(pattern), FILE_ATTRIBUTE_NORMAL, &info, sizeof(info), flags) ||
        info.iIcon <= 0)
        return Image();
    return systemImageListIcon(size, info.iIcon);
}

Image SystemServices::extractedIcon(const String& path, int size)
{
    if (path.isEmpty() || size <= 0)
        return Image();
    ComScope com;
    ComPtr<IExtractIconW> extractor;
    if (!itemObject(path, IID_IExtractIconW, &extractor))
        return Image();
    wchar_t location[kLocationUnits] = {};
    int index = 0;
    UINT flags = 0;
    if (extractor->GetIconLocation(0, location, kLocationUnits, &index, &flags) != S_OK)
        return Image();
    location[kLocationUnits - 1] = 0;
    HICON icon = nullptr;
    UINT sizes = MAKELONG(size, size);
    if (FAILED(extractor->Extract(location, static_cast<UINT>(index), &icon, nullptr, sizes)))
        return Image();
    return iconImage(icon);
}

Image SystemServices::thumbnail(const String& path, int size)
{
    if (path.isEmpty() || size <= 0)
        return Image();
    ComScope com;
    ComPtr<IExtractImage> extractor;
    if (!itemObject(path, IID_IExtractImage, &extractor))
        return Image();
    wchar_t location[kLocationUnits] = {};
    DWORD priority = 0;
    SIZE wanted = {size, size};
    DWORD flags = IEIFLAG_ORIGSIZE;
    HRESULT result = extractor->GetLocation(location, kLocationUnits, &priority, &wanted, 32, &flags);
    location[kLocationUnits - 1] = 0;
    bool pendingWithLocation = result == E_PENDING && location[0] != 0;
    if (FAILED(result) && !pendingWithLocation)
        return Image();
    HBITMAP bitmap = nullptr;
    if (FAILED(extractor->Extract(&bitmap)) || !bitmap)
        return Image();
    Image image = Image::fromBitmapHandle(bitmap, true);
    // Many extractors leave alpha at 0 everywhere: such a picture is opaque.
    if (!anyAlpha(image))
        image = Image::fromBitmapHandle(bitmap, false);
    DeleteObject(bitmap);
    return image;
}

String SystemServices::versionField(const String& path, const String& field)
{
    if (path.isEmpty())
        return String();
    VersionResource resource(path);
    void* value = nullptr;
    UINT length = 0;
    if (!resource.query(String(u"\\VarFileInfo\\Translation"), &value, &length) || length < 2 * sizeof(WORD))
        return String();
    const auto* pair = static_cast<const WORD*>(value);
    if (!resource.query(versionFieldPath(pair[0], pair[1], field), &value, &length))
        return String();
    const auto* text = static_cast<const wchar_t*>(value);
    int units = 0;
    while (units < static_cast<int>(length) && text[units] != 0)
        ++units;
    return fromWide(text, units);
}

String SystemServices::resourceName(void* module, int type, int index)
{
    ResourceNameSearch search;
    search.wanted = index;
    if (index < 0)
        return String();
    EnumResourceNamesW(static_cast<HMODULE>(module), MAKEINTRESOURCEW(type), nextResourceName,
                       reinterpret_cast<LONG_PTR>(&search));
    return search.found;
}
