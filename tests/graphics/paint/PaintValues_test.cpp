#include "graphics/paint/Brush.h"
#include "graphics/paint/FontDesc.h"
#include "graphics/paint/Gradient.h"
#include "graphics/paint/Pen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>
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

TEST(PenAndBrush, PixelWidthIsBoundedForHostileWidths)
{
    const float widths[][2] = {
        {2.9f, 2}, {-3.0f, 0}, {std::numeric_limits<float>::quiet_NaN(), 0}, {1e30f, 32767}};
    for (const auto& row : widths)
        EXPECT_EQ(int(row[1]), Pen(Color(), row[0], 0).pixelWidth()) << row[0];
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

TEST(FontDesc, DefaultUiFontByWindowsVersionAndLanguage)
{
    // Japanese, Korean and Chinese get a larger size; XP has no Segoe UI unless installed.
    const std::tuple<int, bool, int, const char16_t*, float> rows[] = {
        {6, false, 0x0411, u"segoe ui", 13.5f},
        {10, false, 0x0804, u"segoe ui", 13.5f},
        {10, false, 0x0407, u"segoe ui", 12.0f},
        {5, true, 0x0409, u"segoe ui", 12.0f},
        {5, false, 0x0409, u"microsoft sans serif", 12.0f}};
    for (const auto& [windows, segoe, language, family, size] : rows) {
        const FontDesc font = FontDesc::chooseDefault(windows, segoe, uint16_t(language));
        EXPECT_TRUE(font.family() == String(family) && font.size() == size)
            << windows << std::hex << language;
    }
}
