#include "graphics/image/ImageSet.h"

#include <gtest/gtest.h>

TEST(ImageSet, HoldsItsOwnCopyOfEachState)
{
    ImageSet set;
    EXPECT_TRUE(set.isNull());
    EXPECT_EQ(set.maxSize(), Size(0, 0));

    Image source(3, 2, true);
    source.fill(Color(0xFF112233));
    set.setImage(1, source);
    EXPECT_FALSE(set.isNull());

    // The set keeps its own pixels: painting the source later (say, a skin
    // image shared elsewhere) does not change the state.
    source.fill(Color(0xFF000000));
    EXPECT_EQ(set.image(1).pixel(2, 1).value(), 0xFF112233u);
    EXPECT_NE(set.image(1).bits(), source.bits());

    // Copies of a set share the state images, like Image copies do.
    ImageSet copy(set);
    EXPECT_EQ(copy.image(1).bits(), set.image(1).bits());
}

TEST(ImageSet, StatesOutsideTheFourAreEmpty)
{
    ImageSet set;
    const Image image(4, 4, false);
    set.setImage(4, image);
    set.setImage(-1, image);
    EXPECT_TRUE(set.isNull());
    set.setImage(3, image);
    EXPECT_TRUE(set.image(4).isNull() && set.image(-1).isNull() && set.size(7) == Size() &&
                set.width(-2) == 0);
    EXPECT_EQ(set.height(3), 4);
}
