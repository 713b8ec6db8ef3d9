#include "foundation/hash/Md5Digest.h"

#include "foundation/hash/FileBlocks.h"
#include "foundation/hash/Md5Hasher.h"
#include "foundation/platform/PlatformDigest.h"
#include "foundation/text/ByteArray.h"
#include "foundation/text/String.h"

namespace {

const char16_t kHexDigits[] = u"0123456789abcdef";

} // namespace

Md5Digest::Md5Digest() : m_bytes() {}

Md5Digest::Md5Digest(const void* bytes, uint32_t size) : m_bytes()
{
    uint8_t digest[kSize] = {};
    if (!platformMd5(static_cast<const uint8_t*>(bytes), size, digest))
        return;
    for (int i = 0; i < kSize; ++i)
        m_bytes[i] = digest[i];
}

Md5Digest Md5Digest::fromFile(const String& path)
{
    Md5Digest result;
    Md5Hasher hasher;
    uint64_t total = 0;
    const bool read = forEachFileBlock(path, [&](const uint8_t* bytes, uint32_t count) {
        hasher.add(bytes, count);
        total += count;
    });
    // An empty file has no digest, as an empty buffer has none.
    if (read && total > 0)
        hasher.finish(result.m_bytes);
    return result;
}

bool Md5Digest::isNull() const
{
    for (uint8_t value : m_bytes) {
        if (value != 0)
            return false;
    }
    return true;
}

String Md5Digest::toString() const
{
    if (isNull())
        return String();
    String text;
    text.reserve(2 * kSize);
    for (uint8_t value : m_bytes) {
        text.appendChar(kHexDigits[value >> 4]);
        text.appendChar(kHexDigits[value & 0x0F]);
    }
    return text;
}

ByteArray Md5Digest::toByteArray() const
{
    if (isNull())
        return ByteArray();
    return ByteArray(m_bytes, kSize);
}
