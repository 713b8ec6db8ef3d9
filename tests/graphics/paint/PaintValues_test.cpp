#include "graphics/paint/Brush.h"
#include "graphics/paint/FontDesc.h"
#include "graphics/paint/Gradient.h"
#include "graphics/paint/Pen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

std::vector<uint32_t> valuesOf(const Array<Color>& colors)
{
    std::vector<uint32_t> values;
    for (int i = 0; i < colors.count(); ++i)
        values.push_back(colors[i].value());
    return values;
}

Gradient twoStops(uint32_t type)
{
    Gradient gradient(type);
    gradient.addStop(Color(0xFF000000u), 0.0f);
    gradient.addStop(Color(0xFFFFFFFFu), 1.0f);
    return gradient;
}

} // namespace

TEST(PenAndBrush, DefaultsEqualityAndVisibility)
{
    EXPECT_TRUE(Pen() == Pen() && !Pen().isVisible()) << "two default pens are equal";
    EXPECT_TRUE(Pen(Color(0x80FF0000u)).isVisible() && Pen(Color(0x80FF0000u)).isTranslucent());
    const Pen dotted(Color(0xFF000000u), 2.0f, Pen::kDot);
    EXPECT_TRUE(dotted != Pen(Color(0xFF000000u), 2.5f, Pen::kDot) &&
                dotted != Pen(Color(0xFF000000u), 2.0f, Pen::kDash));
    const Brush solid(Color(0xFFFF0000u), 3);
    EXPECT_FALSE(Brush() == Brush() || solid == solid)
        << "brushes without gradient stops never compare equal";
    EXPECT_FALSE(Brush().isVisible() || solid.isTranslucent());
    EXPECT_TRUE(Brush(Color(0x01000000u), 0).isVisible());

    Gradient gradient = twoStops(Gradient::kVertical);
    EXPECT_TRUE(Brush(gradient) == Brush(twoStops(Gradient::kVertical)));
    EXPECT_FALSE(Brush(gradient) == Brush(twoStops(0))) << "the direction counts";
    EXPECT_FALSE(Brush(gradient).isTranslucent()) << "only the stops count once there are some";
    gradient.addStop(Color(0x00000000u), 1.0f);
    EXPECT_TRUE(Brush(gradient).isTranslucent() && Brush(gradient).isVisible());

    Gradient invisible(Gradient::kVertical);
    invisible.addStop(Color(0x00FF0000u), 0.0f);
    invisible.addStop(Color(0x000000FFu), 1.0f);
    Brush brush(Color(0xFFFFFFFFu), 0);
    brush.setGradient(invisible);
    EXPECT_FALSE(brush.isVisible()) << "an opaque colour does not help a gradient whose stops are all clear";
}

TEST(PenAndBrush, PixelWidthIsBoundedForHostileWidths)
{
    const float widths[][2] = {
        {2.9f, 2}, {-3.0f, 0}, {std::numeric_limits<float>::quiet_NaN(), 0}, {1e30f, 32767}};
    for (const auto& row : widths)
        EXPECT_EQ(int(row[1]), Pen(Color(), row[0], 0).pixelWidth()) << row[0];
}

TEST(Gradient, EqualityNeedsStopsAndSetColorsSpacesThemEvenly)
{
    EXPECT_FALSE(Gradient(1) == Gradient(1)) << "gradients without stops are never equal";
    Gradient more = twoStops(1), moved(1);
    more.addStop(Color(0xFF000000u), 1.0f);
    moved.addStop(Color(0xFF000000u), 0.0f);
    moved.addStop(Color(0xFFFFFFFFu), 0.5f);
    EXPECT_TRUE(twoStops(1) == twoStops(1) && !(twoStops(1) == more) && !(twoStops(1) == moved));

    Array<Color> colors;
    for (uint32_t value : {0xFF000000u, 0xFF808080u, 0xFFFFFFFFu, 0xFFFF0000u, 0xFF00FF00u})
        colors.append(Color(value));
    moved.setColors(colors);
    ASSERT_EQ(5, moved.count());
    EXPECT_EQ(Color(0xFF808080u), moved.colorAt(1));
    for (int i = 0; i < 5; ++i)
        EXPECT_FLOAT_EQ(i / 4.0f, moved.positions()[i]) << i;
}

TEST(Gradient, LineColorsFollowTheStops)
{
    EXPECT_EQ((std::vector<uint32_t>{0xFF000000u, 0xFF555555u, 0xFFAAAAAAu}),
              valuesOf(twoStops(1).lineColors(3)))
        << "black to white over three lines: 0, 85, 170";

    Gradient three(1);
    three.addStop(Color(0xFF000000u), 0.0f);
    three.addStop(Color(0xFFFFFFFFu), 0.5f);
    three.addStop(Color(0xFF000000u), 1.0f);
    EXPECT_EQ((std::vector<uint32_t>{0xFF000000u, 0xFF555555u, 0xFFAAAAAAu, 0xFFFFFFFFu, 0xFF7F7F7Fu}),
              valuesOf(three.lineColors(5)))
        << "round(2.5) = 3 lines for the first pair, the remaining 2 for the second";

    Gradient channels(1);
    channels.addStop(Color(0x10FF0000u), 0.0f);
    channels.addStop(Color(0x200000FFu), 1.0f);
    EXPECT_EQ((std::vector<uint32_t>{0xFFFF0000u, 0xFFBF003Fu, 0xFF7F007Fu, 0xFF3F00BFu}),
              valuesOf(channels.lineColors(4)))
        << "each channel on its own, truncated, and every line opaque";

    EXPECT_TRUE(twoStops(1).lineColors(0).isEmpty());
    EXPECT_TRUE(Gradient(1).lineColors(10).isEmpty());
}

TEST(Gradient, HostileStopsNeverGiveMoreLinesThanAsked)
{
    Gradient unsorted(1);
    unsorted.addStop(Color(0xFF000000u), 0.9f);
    unsorted.addStop(Color(0xFFFFFFFFu), 0.0f);
    unsorted.addStop(Color(0xFFFF0000u), 5.0f);
    unsorted.addStop(Color(0xFF00FF00u), std::nanf(""));
    unsorted.addStop(Color(0xFF0000FFu), -7.0f);
    const Array<Color> lines = unsorted.lineColors(10);
    ASSERT_EQ(10, lines.count());
    EXPECT_EQ(Color(0xFFFFFFFFu), lines[0]) << "a pair running backwards gets no lines";

    Gradient huge(0);
    huge.addStop(Color(0xFF000000u), 0.0f);
    huge.addStop(Color(0xFFFFFFFFu), 3e38f);
    huge.addStop(Color(0xFF0000FFu), 1.0f);
    EXPECT_EQ(7, huge.lineColors(7).count());

    Gradient single(1);
    single.addStop(Color(0x40336699u), 0.4f);
    EXPECT_EQ((std::vector<uint32_t>{0xFF336699u, 0xFF336699u, 0xFF336699u}), valuesOf(single.lineColors(3)))
        << "a single stop is a solid colour";
}

TEST(FontDesc, FamiliesByIdAndEquality)
{
    // Unknown ids fall back to the system's sans serif.
    EXPECT_EQ(String(u"microsoft sans serif"), FontDesc(9, 10.0f, 0).family());
    EXPECT_EQ(String(u"microsoft sans serif"), FontDesc(-1, 10.0f, 0).family());
    EXPECT_EQ(String(u"courier new"), FontDesc(FontDesc::kCourierNew, 10.0f, 0).family());
    EXPECT_EQ(FontDesc::applicationFont().family(), FontDesc(0, 10.0f, 0).family());

    EXPECT_TRUE(FontDesc() == FontDesc::applicationFont());
    const FontDesc base(String(u"tahoma"), 10.0f, FontDesc::kBold);
    FontDesc other = base;
    EXPECT_TRUE(base == other);
    other.setFamily(String(u"Tahoma"));
    EXPECT_TRUE(base != other) << "family names compare with case";
    other = base;
    other.setSize(10.5f);
    EXPECT_TRUE(base != other);
}

TEST(FontDesc, DefaultUiFontByWindowsVersionAndLanguage)
{
    EXPECT_EQ(String(u"segoe ui"), FontDesc::chooseDefault(6, false, 0x0409).family());
    // Japanese, Korean and Chinese get a larger size than German or English.
    const int languages[][3] = {
        {6, 0x0411, 135}, {10, 0x0412, 135}, {10, 0x0804, 135}, {10, 0x0407, 120}, {6, 0x0409, 120}};
    for (const auto& row : languages)
        EXPECT_EQ(row[2] / 10.0f, FontDesc::chooseDefault(row[0], false, uint16_t(row[1])).size())
            << std::hex << row[1];
    EXPECT_EQ(String(u"microsoft sans serif"), FontDesc::chooseDefault(5, false, 0x0409).family())
        << "XP without Segoe UI";
    EXPECT_EQ(String(u"segoe ui"), FontDesc::chooseDefault(5, true, 0x0409).family());
}
