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

using Stops = std::vector<std::pair<uint32_t, float>>;

Gradient gradientOf(uint32_t type, const Stops& stops)
{
    Gradient gradient(type);
    for (const auto& [color, at] : stops)
        gradient.addStop(Color(color), at);
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
    const Stops blackToWhite = {{0xFF000000u, 0}, {0xFFFFFFFFu, 1}};
    const std::tuple<const char*, Stops, int, std::vector<uint32_t>> rows[] = {
        {"black to white over three lines: 0, 85, 170",
         blackToWhite,
         3,
         {0xFF000000u, 0xFF555555u, 0xFFAAAAAAu}},
        {"round(2.5) = 3 lines for the first pair, the remaining 2 for the second",
         {{0xFF000000u, 0}, {0xFFFFFFFFu, 0.5f}, {0xFF000000u, 1}},
         5,
         {0xFF000000u, 0xFF555555u, 0xFFAAAAAAu, 0xFFFFFFFFu, 0xFF7F7F7Fu}},
        {"each channel on its own, truncated, and every line opaque",
         {{0x10FF0000u, 0}, {0x200000FFu, 1}},
         4,
         {0xFFFF0000u, 0xFFBF003Fu, 0xFF7F007Fu, 0xFF3F00BFu}},
        {"a single stop is a solid colour",
         {{0x40336699u, 0.4f}},
         3,
         {0xFF336699u, 0xFF336699u, 0xFF336699u}},
        {"no lines", blackToWhite, 0, {}},
        {"no stops", {}, 10, {}}};
    for (const auto& [what, stops, lines, colors] : rows)
        EXPECT_EQ(colors, valuesOf(gradientOf(1, stops).lineColors(lines))) << what;
}

TEST(Gradient, HostileStopsNeverGiveMoreLinesThanAsked)
{
    const Array<Color> lines = gradientOf(1, {{0xFF000000u, 0.9f},
                                              {0xFFFFFFFFu, 0.0f},
                                              {0xFFFF0000u, 5.0f},
                                              {0xFF00FF00u, std::nanf("")},
                                              {0xFF0000FFu, -7.0f}})
                                   .lineColors(10);
    ASSERT_EQ(10, lines.count());
    EXPECT_EQ(Color(0xFFFFFFFFu), lines[0]) << "a pair running backwards gets no lines";
    EXPECT_EQ(
        7, gradientOf(0, {{0xFF000000u, 0}, {0xFFFFFFFFu, 3e38f}, {0xFF0000FFu, 1}}).lineColors(7).count());
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
