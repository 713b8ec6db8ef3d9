#include "foundation/io/Directory.h"

#include <windows.h>

namespace {

const wchar_t* wide(const String& text)
{
    return reinterpret_cast<const wchar_t*>(text.data());
}

bool isDotEntry(const wchar_t* name)
{
    return (name[0] == L'.' && name[1] == 0) || (name[0] == L'.' && name[1] == L'.' && name[2] == 0);
}

} // namespace

bool Directory::exists(const String& path)
{
    if (path.isEmpty())
        return false;
    UINT oldMode = SetErrorMode(0);
    SetErrorMode(oldMode | SEM_FAILCRITICALERRORS);
    DWORD attributes = GetFileAttributesW(wide(path));
    SetErrorMode(oldMode);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Directory::makeOneDirectory(const String& path)
{
    return CreateDirectoryW(wide(path), nullptr);
}

bool Directory::removeEmptyDirectory(const String& path)
{
    return RemoveDirectoryW(wide(path));
}

// Junctions and symbolic links carry the reparse-point attribute; the walk
// lists them but never enters them.
bool Directory::readEntries(const String& folder, std::vector<Entry>& entries)
{
    String pattern(folder);
    pattern.appendChar(u'*');
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(wide(pattern), &data);
    if (find == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    do {
        if (isDotEntry(data.cFileName))
            continue;
        Entry entry;
        entry.name = String(reinterpret_cast<const char16_t*>(data.cFileName));
        entry.isDirectory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entry.isHidden = (data.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
        entry.isLink = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        entry.size = entry.isDirectory ? 0 : (uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        entries.push_back(entry);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return true;
}

String Directory::temporaryFolder()
{
    wchar_t buffer[MAX_PATH + 1];
    DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    if (length == 0 || length > MAX_PATH)
        return String();
    return String(reinterpret_cast<const char16_t*>(buffer));
}

bool Directory::isWritable(const String& path)
{
    if (!exists(path))
        return false;
    const SECURITY_INFORMATION what =
        OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
    DWORD needed = 0;
    if (GetFileSecurityW(wide(path), what, nullptr, 0, &needed) ||
        GetLastError() != ERROR_INSUFFICIENT_BUFFER)
        return false;
    std::vector<char> descriptor(needed);
    if (!GetFileSecurityW(wide(path), what, descriptor.data(), needed, &needed))
        return false;

    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(),
                          TOKEN_IMPERSONATE | TOKEN_QUERY | TOKEN_DUPLICATE | STANDARD_RIGHTS_READ, &token))
        return false;
    HANDLE impersonation = nullptr;
    bool granted = false;
    if (DuplicateToken(token, SecurityImpersonation, &impersonation)) {
        GENERIC_MAPPING mapping = {FILE_GENERIC_READ, FILE_GENERIC_WRITE, FILE_GENERIC_EXECUTE,
                                   FILE_ALL_ACCESS};
        DWORD access = GENERIC_WRITE;
        MapGenericMask(&access, &mapping);
        PRIVILEGE_SET privileges;
        DWORD privilegesLength = sizeof privileges;
        DWORD grantedAccess = 0;
        BOOL status = FALSE;
        if (AccessCheck(descriptor.data(), impersonation, access, &mapping, &privileges, &privilegesLength,
                        &grantedAccess, &status))
            granted = status != FALSE;
        CloseHandle(impersonation);
    }
    CloseHandle(token);
    return granted;
}
