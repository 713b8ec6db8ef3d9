#include "foundation/hash/Md5Hasher.h"

#include "foundation/io/LittleEndian.h"

namespace {

// clang-format off
const uint32_t kSines[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391,
};

const int kShifts[64] = {
    7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22, 5, 9,  14, 20, 5, 9,  14, 20,
    5, 9,  14, 20, 5, 9,  14, 20, 4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23,
    6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21,
};
// clang-format on

uint32_t rotateLeft(uint32_t value, int bits)
{
    return (value << bits) | (value >> (32 - bits));
}

} // namespace

// Mixes one 64-byte block into the four state words.
void Md5Hasher::processBlock(const uint8_t block[64])
{
    uint32_t* state = m_state;
    uint32_t words[16];
    for (int i = 0; i < 16; ++i)
        words[i] = fromLittleEndian<uint32_t>(block + 4 * i);
    uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
    for (int i = 0; i < 64; ++i) {
        uint32_t mixed;
        int index;
        if (i < 16) {
            mixed = (b & c) | (~b & d);
            index = i;
        } else if (i < 32) {
            mixed = (d & b) | (~d & c);
            index = (5 * i + 1) % 16;
        } else if (i < 48) {
            mixed = b ^ c ^ d;
            index = (3 * i + 5) % 16;
        } else {
            mixed = c ^ (b | ~d);
            index = (7 * i) % 16;
        }
        uint32_t rotated = rotateLeft(a + mixed + kSines[i] + words[index], kShifts[i]);
        a = d;
        d = c;
        c = b;
        b = b + rotated;
    }
    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
}

Md5Hasher::Md5Hasher() : m_state{0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476}, m_pending() {}

void Md5Hasher::add(const uint8_t* bytes, uint32_t size)
{
    m_totalSize += size;
    while (size > 0) {
        const uint32_t taken = size < 64 - m_pendingSize ? size : 64 - m_pendingSize;
        for (uint32_t i = 0; i < taken; ++i)
            m_pending[m_pendingSize + i] = bytes[i];
        m_pendingSize += taken;
        bytes += taken;
        size -= taken;
        if (m_pendingSize == 64) {
            processBlock(m_pending);
            m_pendingSize = 0;
        }
    }
}

void Md5Hasher::finish(uint8_t digest[16])
{
    // The 0x80 marker, zero padding and the bit length fill one or two final
    // blocks.
    const uint64_t bits = m_totalSize * 8;
    const uint8_t marker = 0x80;
    add(&marker, 1);
    const uint8_t zero = 0;
    while (m_pendingSize != 56)
        add(&zero, 1);
    uint8_t length[8];
    for (int i = 0; i < 8; ++i)
        length[i] = static_cast<uint8_t>(bits >> (8 * i));
    add(length, 8);
    for (int i = 0; i < 4; ++i)
        toLittleEndian<uint32_t>(m_state[i], digest + 4 * i);
}
