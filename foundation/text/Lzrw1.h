#pragma once

#include "foundation/text/ByteArray.h"

#include <cstdint>

// LZRW1 (Ross Williams): a four-byte flag word (0: items follow, 1: the input
// stored unchanged because compressing would not make it smaller), then
// groups of a 16-bit little-endian control word and up to 16 items. Item i is
// a copy item when bit i of its control word is set: two bytes holding a
// 12-bit offset back into the output and a length of 3 to 16. Other items are
// single literal bytes.
class Lzrw1
{
public:
    // The input must leave room for a few hundred bytes below INT_MAX.
    static ByteArray compress(const uint8_t* input, int size);
    // Decodes exactly expectedSize bytes into output. Input that is damaged,
    // refers to bytes before the start, or would produce any other count
    // fails without touching output.
    static bool decompress(const uint8_t* input, int size, int expectedSize, ByteArray& output);
};
