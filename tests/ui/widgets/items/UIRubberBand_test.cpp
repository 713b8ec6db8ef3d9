#include "ui/widgets/items/UIRubberBand.h"

#include <gtest/gtest.h>

TEST(UIRubberBand, GrowsFromItsAnchorInTheContentOnlyOnceDraggedFarEnough)
{
    struct Row
    {
        Point startScroll, start, pointer, scroll;
        bool dragged;
        Rect rect;
    };
    const Row rows[] = {
        // A tremble under five pixels is still a click.
        {{0, 0}, {50, 50}, {53, 53}, {0, 0}, false, Rect()},
        {{0, 0}, {50, 50}, {54, 53}, {0, 0}, true, Rect(50, 50, 5, 5)},
        // Up and to the left: the rectangle is normalised.
        {{0, 0}, {50, 50}, {20, 10}, {0, 0}, true, Rect(20, 10, 30, 40)},
        // A straight drag still makes a band five pixels thick.
        {{0, 0}, {50, 50}, {50, 90}, {0, 0}, true, Rect(50, 50, 5, 40)},
        // The view scrolled 30 up under the band (offset -30): the anchor
        // moves up with the content.
        {{0, 0}, {50, 50}, {60, 60}, {0, -30}, true, Rect(50, 20, 10, 40)},
        {{5, -10}, {50, 50}, {40, 80}, {5, 0}, true, Rect(40, 60, 10, 20)},
    };
    for (const Row& r : rows) {
        UIRubberBand band;
        band.start(r.startScroll, r.start, 1);
        EXPECT_EQ(r.dragged, band.drag(r.pointer, r.scroll)) << r.pointer.x << "," << r.pointer.y;
        EXPECT_EQ(r.rect, band.rect()) << r.pointer.x << "," << r.pointer.y;
        EXPECT_EQ(r.dragged, band.isShown());
        EXPECT_EQ(1u, band.modifiers());
        EXPECT_TRUE(band.end());
        EXPECT_FALSE(band.end());
        EXPECT_FALSE(band.isShown());
        EXPECT_FALSE(band.drag(Point(0, 0), r.scroll)) << "an ended band does not follow";
    }
}
