#pragma once

#include "foundation/io/FileInputStream.h"

#include <cstdint>

// Files are hashed in blocks of this size, so a file of any size costs no
// more memory than one block.
constexpr uint32_t kFileBlockSize = 4096;

// Hands every block of the file, in order, to consume(bytes, count); false
// when the file cannot be opened or a read fails.
template <typename Consume> bool forEachFileBlock(const String& path, Consume consume)
{
    FileInputStream file(path);
    if (!file.isOpen())
        return false;
    uint8_t block[kFileBlockSize];
    for (;;) {
        const int32_t count = file.read(block, kFileBlockSize);
        if (count < 0)
            return false;
        if (count == 0)
            return true;
        consume(block, static_cast<uint32_t>(count));
    }
}
