#include "foundation/platform/Shortcut.h"

#include "foundation/platform/SystemInfo.h"
#include "foundation/platform/Win32Text.h"

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

namespace {

bool isFile(const String& path)
{
    DWORD attributes = GetFileAttributesW(wideText(path));
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool exists(const String& path)
{
    return GetFileAttributesW(wideText(path)) != INVALID_FILE_ATTRIBUTES;
}

// COM for the calling thread for the length of one operation; balanced only
// when this call started it or found it started in the same mode.
class ComScope
{
public:
    ComScope() : m_started(SUCCEEDED(CoInitialize(nullptr))) {}
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

// The shell link object with its file interface, released on every path.
class LinkObject
{
public:
    LinkObject()
    {
        if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                    reinterpret_cast<void**>(&m_link)))) {
            m_link = nullptr;
            return;
        }
        if (FAILED(m_link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&m_file))))
            m_file = nullptr;
    }
    ~LinkObject()
    {
        if (m_file)
            m_file->Release();
        if (m_link)
            m_link->Release();
    }
    LinkObject(const LinkObject&) = delete;
    LinkObject& operator=(const LinkObject&) = delete;

    bool isValid() const { return m_link && m_file; }
    IShellLinkW* link() const { return m_link; }
    IPersistFile* file() const { return m_file; }

private:
    IShellLinkW* m_link = nullptr;
    IPersistFile* m_file = nullptr;
};

String sendToPath(const String& name)
{
    String folder = SystemInfo::specialFolder(SystemInfo::kSendTo);
    if (folder.isEmpty() || name.isEmpty())
        return String();
    return folder + String(u"\\") + name + String(u".lnk");
}

} // namespace

bool Shortcut::create(const String& linkPath, const String& target, const String& description)
{
    if (linkPath.isEmpty() || isFile(linkPath) || target.isEmpty() || !exists(target))
        return false;
    ComScope com;
    LinkObject shellLink;
    if (!shellLink.isValid() || FAILED(shellLink.link()->SetPath(wideText(target))))
        return false;
    if (!description.isEmpty())
        shellLink.link()->SetDescription(wideText(description));
    return SUCCEEDED(shellLink.file()->Save(wideText(linkPath), TRUE));
}

String Shortcut::target(const String& linkPath)
{
    if (linkPath.isEmpty() || !isFile(linkPath))
        return String();
    ComScope com;
    LinkObject shellLink;
    if (!shellLink.isValid() || FAILED(shellLink.file()->Load(wideText(linkPath), STGM_READ)))
        return String();
    wchar_t path[MAX_PATH] = {};
    if (FAILED(shellLink.link()->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH)))
        return String();
    return fromWide(path);
}

bool Shortcut::setSendTo(const String& name, const String& target, bool enable)
{
    String path = sendToPath(name);
    if (path.isEmpty())
        return false;
    if (enable)
        return create(path, target, String());
    return DeleteFileW(wideText(path)) != 0;
}

bool Shortcut::hasSendTo(const String& name, const String& target)
{
    String path = sendToPath(name);
    if (path.isEmpty() || !isFile(path))
        return false;
    return Shortcut::target(path) == target;
}
