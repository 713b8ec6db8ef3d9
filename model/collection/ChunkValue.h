#pragma once

#include <cstdint>

// A value of a collection file as the reader hands it out: its tag word and
// its bytes where they lie in the reader's buffer, valid until the next read.
struct ChunkValue
{
    uint32_t tag = 0;
    const uint8_t* data = nullptr;
    uint32_t size = 0;
};
