// The native build has no system digest service to ask: it hashes with our
// own MD5.
#include "foundation/platform/PlatformDigest.h"

#include "foundation/hash/Md5Hasher.h"

bool platformMd5(const uint8_t* bytes, uint32_t size, uint8_t digest[16])
{
    if (!bytes || !digest || size == 0)
        return false;
    Md5Hasher hasher;
    hasher.add(bytes, size);
    hasher.finish(digest);
    return true;
}
