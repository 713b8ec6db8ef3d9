#include "graphics/color/Color.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(ColorOps, ToneChangesAndGradients)
{
    const Color c(200, 100, 50);
    const Array<Color> gradient = Color::gradient(Color(255, 0, 100, 200), Color(55, 100, 0, 200), 4);
    ASSERT_EQ(4, gradient.count());
    const struct
    {
        const char* name;
        Color actual, expected;
    } rows[] = {
        {"darker below the smallest share", c.darker(0), Color(198, 99, 49)},
        {"darker by half", c.darker(0.5f), Color(100, 50, 25)},
        {"darker to black keeps alpha", Color(77, 200, 100, 50).darker(2), Color(77, 0, 0, 0)},
        {"darker by NaN is the smallest share", c.darker(std::nanf("")), c.darker(0.01f)},
        {"lighter by half", c.lighter(0.5f), Color(227, 177, 152)},
        {"lighter saturates", c.lighter(7), Color(255, 255, 255)},
        {"lighter below the smallest share", c.lighter(0), Color(200, 101, 52)},
        {"grayed", Color(9, 0, 255, 0).grayed(), Color(9, 149, 149, 149)},
        {"inverted keeps alpha", Color(5, 200, 100, 0).inverted(), Color(5, 55, 155, 255)},
        {"black at or below the threshold", Color(0, 100, 100, 100).blackOrWhite(300), Color(0, 0, 0)},
        {"white above the threshold", Color(100, 100, 101).blackOrWhite(300), Color(255, 255, 255)},
        {"opaque source replaces", Color(200, 200, 200).blendedWith(Color(255, 16, 32, 48)),
         Color(255, 16, 32, 48)},
        {"clear source keeps within a step", Color(200, 200, 200).blendedWith(Color(0, 0, 0, 0)),
         Color(199, 199, 199)},
        {"over clear the source comes through", Color(0, 255, 255, 255).blendedWith(Color(64, 1, 2, 3)),
         Color(64, 1, 2, 3)},
        {"gradient starts at the first", gradient[0], Color(255, 0, 100, 200)},
        {"gradient stops short of the second", gradient[3], Color(105, 75, 25, 200)},
        // Integer steps truncate toward zero on the way down as on the way up.
        {"gradient truncates upwards", Color::gradient(Color(0, 0, 0), Color(10, 10, 10), 3)[2],
         Color(6, 6, 6)},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.expected.value(), row.actual.value()) << row.name;

    Array<Color> colors;
    colors.append(c);
    colors.append(Color(0, 0, 0));
    EXPECT_EQ(Color(255, 255, 255), Color::lighterAll(colors, 1)[1]);
    EXPECT_EQ(Color(100, 50, 25), Color::darkerAll(colors, 0.5f)[0]);
    EXPECT_EQ(0, Color::darkerAll(Array<Color>(), 0.5f).count());
    EXPECT_EQ(0, Color::gradient(Color(1, 2, 3), Color(4, 5, 6), 0).count());
    EXPECT_EQ(0, Color::gradient(Color(1, 2, 3), Color(4, 5, 6), -5).count());
}
