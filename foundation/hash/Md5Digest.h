#pragma once

#include <cstdint>

class ByteArray;
class String;

// The MD5 digest of some bytes: the stored form of a collection password and
// the file name of a thumbnail. All sixteen bytes zero means "no digest".
class Md5Digest
{
public:
    static constexpr int kSize = 16;

    // The null digest.
    Md5Digest();
    // The digest of size bytes; null when there are none or hashing fails.
    Md5Digest(const void* bytes, uint32_t size);

    // The digest of a file's bytes, read block by block; null when the file
    // is empty or cannot be read.
    static Md5Digest fromFile(const String& path);

    bool isNull() const;
    const uint8_t* bytes() const { return m_bytes; }
    // 32 lower-case hexadecimal digits; empty for the null digest.
    String toString() const;
    // The 16 bytes; empty for the null digest.
    ByteArray toByteArray() const;

private:
    uint8_t m_bytes[kSize];
};
