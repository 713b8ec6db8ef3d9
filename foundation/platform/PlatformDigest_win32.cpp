#include "foundation/platform/PlatformDigest.h"

#include <windows.h>

#include <wincrypt.h>

namespace {

// Hashes the bytes with a hash object of an acquired provider.
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
    HCRYPTPROV provider = 0;
    if (!CryptAcquireContextW(&provider, nullptr, L"Microsoft Strong Cryptographic Provider", PROV_RSA_FULL,
                              CRYPT_VERIFYCONTEXT))
        return false;
    bool done = hashWith(provider, bytes, size, digest);
    CryptReleaseContext(provider, 0);
    return done;
}
