#include "graphics/paint/RegionRuns.h"
#include "tests/graphics/image/PixelRows.h"

#include <gtest/gtest.h>

TEST(RegionRuns, OpaqueBlackIsOutside)
{
    // Opaque black is outside; transparent black and nearly black pixels are
    // inside; runs end at the row's end and start anew on the next row.
    PixelRows rows(5, 2, 4);
    for (int i = 0; i < 10; ++i)
        rows.set(i % 5, i / 5, 0, 0, 0, 255);
    rows.set(1, 0, 0, 0, 0, 0);
    rows.set(3, 0, 1, 0, 0, 255);
    rows.set(4, 0, 0, 0, 0, 254);
    rows.set(0, 1, 9, 9, 9, 9);
    const std::vector<Rect> more = regionRuns(rows.view());
    ASSERT_EQ(3u, more.size());
    EXPECT_EQ(Rect(1, 0, 1, 1), more[0]);
    EXPECT_EQ(Rect(3, 0, 2, 1), more[1]);
    EXPECT_EQ(Rect(0, 1, 1, 1), more[2]);

    PixelRows allBlack(4, 4, 4);
    for (int i = 0; i < 16; ++i)
        allBlack.set(i % 4, i / 4, 0, 0, 0, 255);
    EXPECT_TRUE(regionRuns(allBlack.view()).empty());
}
