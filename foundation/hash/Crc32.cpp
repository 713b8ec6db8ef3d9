#include "foundation/hash/Crc32.h"

#include "foundation/hash/FileBlocks.h"
#include "foundation/text/String.h"

namespace {

const uint32_t kPolynomial = 0xEDB88320;

struct CrcTable
{
    uint32_t entries[256];

    CrcTable()
    {
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t value = i;
            for (int bit = 0; bit < 8; ++bit)
                value = (value & 1) ? (value >> 1) ^ kPolynomial : value >> 1;
            entries[i] = value;
        }
    }
};

const CrcTable& crcTable()
{
    static const CrcTable table;
    return table;
}

} // namespace

Crc32::Crc32(const void* bytes, uint32_t size)
{
    if (!bytes || size == 0 || size == 0xFFFFFFFF)
        return;
    m_value = extend(0, bytes, size);
}

Crc32 Crc32::fromFile(const String& path)
{
    uint32_t running = 0;
    Crc32 result;
    if (forEachFileBlock(
            path, [&](const uint8_t* bytes, uint32_t count) { running = extend(running, bytes, count); }))
        result.m_value = running;
    return result;
}

uint32_t Crc32::extend(uint32_t crc, const void* bytes, uint32_t size)
{
    if (!bytes)
        return crc;
    const uint32_t* table = crcTable().entries;
    const uint8_t* data = static_cast<const uint8_t*>(bytes);
    uint32_t running = ~crc;
    for (uint32_t i = 0; i < size; ++i)
        running = table[(running ^ data[i]) & 0xFF] ^ (running >> 8);
    return ~running;
}

String Crc32::toString() const
{
    const char16_t digits[] = u"0123456789abcdef";
    char16_t text[9] = {};
    int start = 8;
    uint32_t rest = m_value;
    do {
        text[--start] = digits[rest & 0x0F];
        rest >>= 4;
    } while (rest != 0);
    return String(text + start);
}
