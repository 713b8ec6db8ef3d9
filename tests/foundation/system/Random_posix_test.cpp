// The random bit against the C library's own generator of the same family:
// nrand48 steps the same 48-bit state and returns its top 31 bits.
#include "foundation/system/Random.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(RandomBit, StepsTheSameStateAsTheLibrarysGenerator)
{
    for (uint64_t seed : {uint64_t(0), uint64_t(0x1234ABCD330E), uint64_t(0xFFFFFFFFFFFF)}) {
        unsigned short library[3] = {static_cast<unsigned short>(seed),
                                     static_cast<unsigned short>(seed >> 16),
                                     static_cast<unsigned short>(seed >> 32)};
        uint64_t state = seed;
        int ones = 0;
        for (int i = 0; i < 1000; ++i) {
            const long expected = nrand48(library) >> 30;
            const int bit = randomBit(state);
            ASSERT_EQ(bit, expected) << "seed " << seed << " step " << i;
            ones += bit;
        }
        EXPECT_GT(ones, 400) << "both halves come up";
        EXPECT_LT(ones, 600);
    }
}
