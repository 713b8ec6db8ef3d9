#pragma once

#include <cstdint>

class String;

// The standard CRC-32 (IEEE 802.3, the zlib form) of some bytes. 0 means "no
// checksum", which is also what an empty input gives.
class Crc32
{
public:
    Crc32() = default;
    // The checksum of size bytes; 0 for a null pointer or a size of 0 or
    // 0xFFFFFFFF.
    Crc32(const void* bytes, uint32_t size);

    // The checksum of a file's bytes, read block by block; 0 when the file is
    // empty or cannot be read.
    static Crc32 fromFile(const String& path);

    // Continues a checksum over more bytes, so that data read in blocks gives
    // the same value as one call over the whole: start with 0.
    static uint32_t extend(uint32_t crc, const void* bytes, uint32_t size);

    uint32_t value() const { return m_value; }
    bool isNull() const { return m_value == 0; }
    // Lower-case hexadecimal without leading zeros ("0" for 0).
    String toString() const;

private:
    uint32_t m_value = 0;
};
