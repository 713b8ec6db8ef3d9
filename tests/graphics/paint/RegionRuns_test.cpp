#include "graphics/paint/RegionRuns.h"
#include "tests/graphics/image/PixelRows.h"

#include <gtest/gtest.h>

namespace {

void setOpaqueBlack(PixelRows& rows, int x, int y)
{
    rows.set(x, y, 0, 0, 0, 255);
}

} // namespace

TEST(RegionRuns, OpaqueBlackIsOutside)
{
    PixelRows mask(3, 1, 4, 255);
    setOpaqueBlack(mask, 0, 0);
    const std::vector<Rect> runs = regionRuns(mask.view());
    ASSERT_EQ(1u, runs.size());
    EXPECT_EQ(Rect(1, 0, 2, 1), runs[0]);

    // Transparent black and nearly black pixels are inside; runs end at the
    // row's end and start anew on the next row.
    PixelRows rows(5, 2, 4);
    for (int x = 0; x < 5; ++x) {
        setOpaqueBlack(rows, x, 0);
        setOpaqueBlack(rows, x, 1);
    }
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
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x)
            setOpaqueBlack(allBlack, x, y);
    }
    EXPECT_TRUE(regionRuns(allBlack.view()).empty());
}
