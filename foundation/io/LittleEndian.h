#pragma once

// Every binary format of ours stores numbers little-endian, byte by byte,
// whatever the machine: these are the one place that packs and unpacks them.

#include <cstddef>
#include <cstdint>

template <typename Unsigned> Unsigned fromLittleEndian(const uint8_t* bytes)
{
    Unsigned value = 0;
    for (size_t i = 0; i < sizeof(Unsigned); ++i)
        value = Unsigned(value | (Unsigned(bytes[i]) << (8 * i)));
    return value;
}

template <typename Unsigned> void toLittleEndian(Unsigned value, uint8_t* bytes)
{
    for (size_t i = 0; i < sizeof(Unsigned); ++i)
        bytes[i] = uint8_t(value >> (8 * i));
}
