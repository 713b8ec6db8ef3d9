#include "foundation/platform/Registry.h"

#include "foundation/platform/Win32Text.h"

#include <windows.h>

namespace {

const REGSAM kWriteAccess = KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY | READ_CONTROL;
const DWORD kReadBufferBytes = 4096;
const DWORD kExpandBufferUnits = 4096;

// An open key, closed when it goes out of scope.
class KeyHandle
{
public:
    KeyHandle() = default;
    ~KeyHandle()
    {
        if (m_key)
            RegCloseKey(m_key);
    }
    KeyHandle(const KeyHandle&) = delete;
    KeyHandle& operator=(const KeyHandle&) = delete;

    bool open(const String& path, REGSAM access)
    {
        return RegOpenKeyExW(HKEY_CURRENT_USER, wideText(path), 0, access, &m_key) == ERROR_SUCCESS;
    }
    bool create(const String& path)
    {
        return RegCreateKeyExW(HKEY_CURRENT_USER, wideText(path), 0, nullptr, 0, kWriteAccess, nullptr,
                               &m_key, nullptr) == ERROR_SUCCESS;
    }
    HKEY get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

// The text of count bytes of registry data, which need not end with a
// terminator.
String textOfData(const BYTE* data, DWORD bytes)
{
    int units = static_cast<int>(bytes / sizeof(wchar_t));
    const auto* text = reinterpret_cast<const wchar_t*>(data);
    int length = 0;
    while (length < units && text[length] != 0)
        ++length;
    return fromWide(text, length);
}

DWORD dwordOfData(const BYTE* data)
{
    DWORD value = 0;
    memcpy(&value, data, sizeof(value));
    return value;
}

String expanded(const String& text)
{
    wchar_t buffer[kExpandBufferUnits] = {};
    DWORD needed = ExpandEnvironmentStringsW(wideText(text), buffer, kExpandBufferUnits);
    if (needed == 0 || needed > kExpandBufferUnits)
        return String();
    return fromWide(buffer);
}

} // namespace

bool Registry::valueExists(const String& path)
{
    String keyPath;
    String valueName;
    KeyHandle key;
    if (!splitPath(path, &keyPath, &valueName) || !key.open(keyPath, KEY_READ))
        return false;
    // Asking for the size alone: a value too large for any buffer exists too.
    DWORD bytes = 0;
    return RegQueryValueExW(key.get(), wideText(valueName), nullptr, nullptr, nullptr, &bytes) ==
           ERROR_SUCCESS;
}

bool Registry::setString(const String& path, const String& text)
{
    String keyPath;
    String valueName;
    if (text.byteSize() >= kMaxTextBytes || !splitPath(path, &keyPath, &valueName))
        return false;
    KeyHandle key;
    if (!key.create(keyPath))
        return false;
    DWORD bytes = static_cast<DWORD>((text.length() + 1) * sizeof(wchar_t));
    const auto* data = reinterpret_cast<const BYTE*>(wideText(text));
    if (RegSetValueExW(key.get(), wideText(valueName), 0, REG_SZ, data, bytes) != ERROR_SUCCESS)
        return false;
    return RegFlushKey(key.get()) == ERROR_SUCCESS;
}

// The text of a value of an open key; empty for anything that is no text.
static String textOfValue(HKEY key, const String& valueName);

String Registry::getString(const String& path, const String& fallback)
{
    String keyPath;
    String valueName;
    KeyHandle key;
    if (!splitPath(path, &keyPath, &valueName) || !key.open(keyPath, KEY_READ))
        return fallback;
    String text = textOfValue(key.get(), valueName);
    return text.isEmpty() ? fallback : text;
}

String Registry::classesRootDefault(const String& keyPath)
{
    HKEY key = nullptr;
    if (keyPath.isEmpty() ||
        RegOpenKeyExW(HKEY_CLASSES_ROOT, wideText(keyPath), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return String();
    String text = textOfValue(key, String());
    RegCloseKey(key);
    return text;
}

static String textOfValue(HKEY key, const String& valueName)
{
    BYTE data[kReadBufferBytes] = {};
    DWORD bytes = sizeof(data);
    DWORD type = REG_NONE;
    if (RegQueryValueExW(key, wideText(valueName), nullptr, &type, data, &bytes) != ERROR_SUCCESS)
        return String();
    String text;
    if (type == REG_SZ)
        text = textOfData(data, bytes);
    else if (type == REG_EXPAND_SZ)
        text = expanded(textOfData(data, bytes));
    else if (type == REG_DWORD && bytes == sizeof(DWORD))
        text = String::fromUInt(dwordOfData(data));
    return text;
}

bool Registry::deleteValue(const String& path)
{
    String keyPath;
    String valueName;
    KeyHandle key;
    if (!splitPath(path, &keyPath, &valueName) || !key.open(keyPath, KEY_SET_VALUE))
        return false;
    return RegDeleteValueW(key.get(), wideText(valueName)) == ERROR_SUCCESS;
}

bool Registry::deleteKey(const String& path)
{
    String parentPath;
    String keyName;
    KeyHandle parent;
    if (!splitPath(path, &parentPath, &keyName) || !parent.open(parentPath, kWriteAccess))
        return false;
    return RegDeleteKeyW(parent.get(), wideText(keyName)) == ERROR_SUCCESS;
}

bool Registry::setAutorun(const String& name, const String& executable, bool enable)
{
    String path = String(u"Software\\Microsoft\\Windows\\CurrentVersion\\Run\\") + name;
    if (enable)
        return setString(path, String(u"\"") + executable + String(u"\" -autorun"));
    if (!valueExists(path))
        return true;
    return deleteValue(path);
}
