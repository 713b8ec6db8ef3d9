#include "foundation/platform/FileDigest.h"

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

// The CRC-32 table of the reflected polynomial 0xEDB88320. The in-memory
// checksum is one call over a whole buffer; a file needs the running form.
struct CrcTable
{
    CrcTable()
    {
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int bit = 0; bit < 8; ++bit)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            entries[n] = c;
        }
    }
    uint32_t entries[256];
};

const uint32_t* crcTable()
{
    static const CrcTable table;
    return table.entries;
}

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
    const uint32_t* table = crcTable();
    uint32_t crc = 0xFFFFFFFFu;
    BYTE block[kBlockBytes];
    DWORD bytes = 0;
    do {
        if (!file.next(block, &bytes))
            return false;
        for (DWORD i = 0; i < bytes; ++i)
            crc = table[(crc ^ block[i]) & 0xFF] ^ (crc >> 8);
    } while (bytes > 0);
    *value = crc ^ 0xFFFFFFFFu;
    return true;
}
