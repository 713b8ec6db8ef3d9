#include "foundation/platform/FileDigest.h"

#include "foundation/hash/Crc32.h"
#include "foundation/platform/Win32Text.h"

#include <windows.h>

#include <wincrypt.h>

namespace {

const DWORD kBlockBytes = 4096;
const wchar_t kProvider[] = L"Microsoft Strong Cryptographic Provider";

// A file opened for sequential reading that others may read meanwhile.
class BlockReader
{
public:
    explicit BlockReader(const String& path)
        : m_handle(CreateFileW(wideText(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_FLAG_SEQUENTIAL_SCAN, nullptr))
    {
    }
    ~BlockReader()
    {
        if (isOpen())
            CloseHandle(m_handle);
    }
    BlockReader(const BlockReader&) = delete;
    BlockReader& operator=(const BlockReader&) = delete;

    bool isOpen() const { return m_handle != INVALID_HANDLE_VALUE; }

    // Reads the next block; false on a read error. bytes is 0 at the end.
    bool next(BYTE* block, DWORD* bytes)
    {
        return ::ReadFile(m_handle, block, kBlockBytes, bytes, nullptr) != 0;
    }

private:
    HANDLE m_handle;
};

// The cryptographic provider and one MD5 hash, released on every path.
class Md5Hash
{
public:
    Md5Hash()
    {
        if (!CryptAcquireContextW(&m_provider, nullptr, kProvider, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT)) {
            m_provider = 0;
            return;
        }
        if (!CryptCreateHash(m_provider, CALG_MD5, 0, 0, &m_hash))
            m_hash = 0;
    }
    ~Md5Hash()
    {
        if (m_hash)
            CryptDestroyHash(m_hash);
        if (m_provider)
            CryptReleaseContext(m_provider, 0);
    }
    Md5Hash(const Md5Hash&) = delete;
    Md5Hash& operator=(const Md5Hash&) = delete;

    bool isValid() const { return m_hash != 0; }
    bool add(const BYTE* bytes, DWORD count) { return CryptHashData(m_hash, bytes, count, 0) != 0; }
    bool finish(uint8_t digest[16])
    {
        DWORD size = 16;
        return CryptGetHashParam(m_hash, HP_HASHVAL, digest, &size, 0) && size == 16;
    }

private:
    HCRYPTPROV m_provider = 0;
    HCRYPTHASH m_hash = 0;
};

} // namespace

bool FileDigest::md5(const String& path, uint8_t digest[16])
{
    if (!digest)
        return false;
    BlockReader file(path);
    Md5Hash hash;
    if (!file.isOpen() || !hash.isValid())
        return false;
    BYTE block[kBlockBytes];
    DWORD bytes = 0;
    do {
        if (!file.next(block, &bytes) || (bytes > 0 && !hash.add(block, bytes)))
            return false;
    } while (bytes > 0);
    return hash.finish(digest);
}

bool FileDigest::crc32(const String& path, uint32_t* value)
{
    if (!value)
        return false;
    BlockReader file(path);
    if (!file.isOpen())
        return false;
    uint32_t crc = 0;
    BYTE block[kBlockBytes];
    DWORD bytes = 0;
    do {
        if (!file.next(block, &bytes))
            return false;
        crc = Crc32::extend(crc, block, bytes);
    } while (bytes > 0);
    *value = crc;
    return true;
}
