#include "foundation/hash/Md5Digest.h"

#include "foundation/platform/PlatformDigest.h"
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
