#pragma once

#include "foundation/text/String.h"

#include <cstdint>

// Checksums of whole files, read in small blocks so that a file of any size
// costs no more memory than one block.
class FileDigest
{
public:
    // The MD5 digest through the system's cryptographic service; false when
    // the file cannot be opened or read, or the service fails.
    static bool md5(const String& path, uint8_t digest[16]);
    // The standard CRC-32 (the zlib form); false when the file cannot be
    // opened or read.
    static bool crc32(const String& path, uint32_t* value);
};
