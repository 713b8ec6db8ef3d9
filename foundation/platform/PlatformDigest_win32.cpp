#include "foundation/platform/PlatformDigest.h"

#include <windows.h>

#include <wincrypt.h>

namespace {

// One provider context for every digest of the run: acquiring a context is
// far dearer than hashing a file name, and closing a collection hashes the
// name of every cover. It is released when the program ends.
class Md5Provider
{
public:
    Md5Provider()
    {
        if (!CryptAcquireContextW(&m_handle, nullptr, L"Microsoft Strong Cryptographic Provider",
                                  PROV_RSA_FULL, CRYPT_VERIFYCONTEXT))
            m_handle = 0;
    }
    ~Md5Provider()
    {
        if (m_handle)
            CryptReleaseContext(m_handle, 0);
    }
    Md5Provider(const Md5Provider&) = delete;
    Md5Provider& operator=(const Md5Provider&) = delete;

    HCRYPTPROV handle() const { return m_handle; }

private:
    HCRYPTPROV m_handle = 0;
};

// Hashes the bytes with a hash object of the shared provider; each caller
// has its own hash object, so threads never share one.
bool hashWith(HCRYPTPROV provider, const uint8_t* bytes, uint32_t size, uint8_t digest[16])
{
    HCRYPTHASH hash = 0;
    if (!CryptCreateHash(provider, CALG_MD5, 0, 0, &hash))
        return false;
    DWORD digestSize = 16;
    bool done = CryptHashData(hash, bytes, size, 0) &&
                CryptGetHashParam(hash, HP_HASHVAL, digest, &digestSize, 0) && digestSize == 16;
    CryptDestroyHash(hash);
    return done;
}

} // namespace

bool platformMd5(const uint8_t* bytes, uint32_t size, uint8_t digest[16])
{
    if (!bytes || !digest || size == 0)
        return false;
    static const Md5Provider provider;
    return provider.handle() && hashWith(provider.handle(), bytes, size, digest);
}
