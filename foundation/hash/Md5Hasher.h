#pragma once

#include <cstdint>

// MD5 as RFC 1321 describes it, fed in pieces of any size: the digest of a
// file read block by block equals the digest of its bytes in one piece.
class Md5Hasher
{
public:
    Md5Hasher();

    void add(const uint8_t* bytes, uint32_t size);
    // Pads, writes the 16 digest bytes and leaves the hasher unusable.
    void finish(uint8_t digest[16]);

private:
    void processBlock(const uint8_t block[64]);

    uint32_t m_state[4];
    uint8_t m_pending[64];
    uint32_t m_pendingSize = 0;
    uint64_t m_totalSize = 0;
};
