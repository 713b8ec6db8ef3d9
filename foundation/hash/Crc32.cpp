#include "foundation/hash/Crc32.h"

#include "foundation/hash/FileBlocks.h"
#include "foundation/text/String.h"

namespace {

const uint32_t kPolynomial = 0xEDB88320;

// Eight tables, each the one before advanced by a zero byte, so that eight
// bytes are folded in per step: a program file of tens of megabytes is
// summed at every start.
struct CrcTable
{
    uint32_t entries[8][256];

    CrcTable()
    {
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t value = i;
            for (int bit = 0; bit < 8; ++bit)
                value = (value & 1) ? (value >> 1) ^ kPolynomial : value >> 1;
            entries[0][i] = value;
        }
        for (int slice = 1; slice < 8; ++slice) {
            for (uint32_t i = 0; i < 256; ++i) {
                const uint32_t previous = entries[slice - 1][i];
                entries[slice][i] = (previous >> 8) ^ entries[0][previous & 0xFF];
            }
        }
    }
};

const CrcTable& crcTable()
{
    static const CrcTable table;
    return table;
}

uint32_t littleEndian32(const uint8_t* bytes)
{
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24;
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
    const auto& t = crcTable().entries;
    const uint8_t* data = static_cast<const uint8_t*>(bytes);
    uint32_t running = ~crc;
    uint32_t i = 0;
    for (; i + 8 <= size; i += 8) {
        const uint32_t low = littleEndian32(data + i) ^ running;
        const uint32_t high = littleEndian32(data + i + 4);
        running = t[7][low & 0xFF] ^ t[6][(low >> 8) & 0xFF] ^ t[5][(low >> 16) & 0xFF] ^ t[4][low >> 24] ^
                  t[3][high & 0xFF] ^ t[2][(high >> 8) & 0xFF] ^ t[1][(high >> 16) & 0xFF] ^ t[0][high >> 24];
    }
    for (; i < size; ++i)
        running = t[0][(running ^ data[i]) & 0xFF] ^ (running >> 8);
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
