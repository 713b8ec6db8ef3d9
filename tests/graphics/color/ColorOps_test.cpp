#include "graphics/color/Color.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(ColorOps, LighterAndDarkerMoveByAShare)
{
    const Color c(200, 100, 50);
    // Below the smallest share it still darkens by one percent.
    EXPECT_EQ(Color(198, 99, 49), c.darker(0));
    EXPECT_EQ(Color(100, 50, 25), c.darker(0.5f));
    const Color translucent(77, 200, 100, 50);
    EXPECT_EQ(Color(77, 0, 0, 0), translucent.darker(2)) << "black, alpha kept";
    EXPECT_EQ(c.darker(0.01f), c.darker(std::nanf("")));

    EXPECT_EQ(Color(227, 177, 152), c.lighter(0.5f));
    EXPECT_EQ(Color(255, 255, 255), c.lighter(7));
    EXPECT_EQ(Color(200, 101, 52), c.lighter(0));

    Array<Color> colors;
    colors.append(c);
    colors.append(Color(0, 0, 0));
    const Array<Color> lighter = Color::lighterAll(colors, 1);
    ASSERT_EQ(2, lighter.count());
    EXPECT_EQ(Color(255, 255, 255), lighter[1]);
    const Array<Color> darker = Color::darkerAll(colors, 0.5f);
    ASSERT_EQ(2, darker.count());
    EXPECT_EQ(Color(100, 50, 25), darker[0]);
    EXPECT_EQ(0, Color::darkerAll(Array<Color>(), 0.5f).count());
}

TEST(ColorOps, GrayInvertAndThreshold)
{
    EXPECT_EQ(Color(76, 76, 76), Color(255, 0, 0).grayed());
    EXPECT_EQ(Color(9, 149, 149, 149), Color(9, 0, 255, 0).grayed());
    EXPECT_EQ(Color(255, 255, 255), Color(255, 255, 255).grayed());
    EXPECT_EQ(Color(5, 55, 155, 255), Color(5, 200, 100, 0).inverted());
    EXPECT_EQ(Color(0, 0, 0), Color(0, 100, 100, 100).blackOrWhite(300));
    EXPECT_EQ(Color(255, 255, 255), Color(100, 100, 101).blackOrWhite(300));
}

TEST(ColorOps, GradientStepsWithoutReachingTheEnd)
{
    const Array<Color> steps = Color::gradient(Color(255, 0, 100, 200), Color(55, 100, 0, 200), 4);
    ASSERT_EQ(4, steps.count());
    EXPECT_EQ(Color(255, 0, 100, 200), steps[0]);
    EXPECT_EQ(Color(205, 25, 75, 200), steps[1]);
    EXPECT_EQ(Color(155, 50, 50, 200), steps[2]);
    EXPECT_EQ(Color(105, 75, 25, 200), steps[3]);
    // Integer steps truncate toward zero on the way down as on the way up.
    const Array<Color> three = Color::gradient(Color(0, 0, 0), Color(10, 10, 10), 3);
    EXPECT_EQ(Color(3, 3, 3), three[1]);
    EXPECT_EQ(Color(6, 6, 6), three[2]);
    EXPECT_EQ(0, Color::gradient(Color(1, 2, 3), Color(4, 5, 6), 0).count());
    EXPECT_EQ(0, Color::gradient(Color(1, 2, 3), Color(4, 5, 6), -5).count());
}

TEST(ColorOps, BlendedWithComposes)
{
    const Color grey(200, 200, 200);
    EXPECT_EQ(Color(255, 16, 32, 48), grey.blendedWith(Color(255, 16, 32, 48)));
    EXPECT_EQ(Color(199, 199, 199), grey.blendedWith(Color(0, 0, 0, 0)));
    EXPECT_EQ(Color(64, 1, 2, 3), Color(0, 255, 255, 255).blendedWith(Color(64, 1, 2, 3)));
}
