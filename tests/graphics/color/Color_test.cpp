#include "graphics/color/Color.h"

#include "foundation/text/String.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

namespace {

std::string ascii(const String& s)
{
    return s.isEmpty() ? std::string() : std::string(s.data(), s.data() + s.length());
}

const float kNaN = std::nanf("");

// An RGB colour and its values in one of the four colour spaces.
struct SpaceRow
{
    int space;
    uint8_t rgb[3];
    float v[4];
};

// One of the four colour spaces, by number: 0 YUV, 1 HSL, 2 HSV, 3 CMYK.
void fromRgb(int space, const uint8_t c[3], float o[4])
{
    o[3] = 0;
    if (space == 0)
        Color::rgbToYuv(c[0], c[1], c[2], o[0], o[1], o[2]);
    else if (space == 1)
        Color::rgbToHsl(c[0], c[1], c[2], o[0], o[1], o[2]);
    else if (space == 2)
        Color::rgbToHsv(c[0], c[1], c[2], o[0], o[1], o[2]);
    else
        Color::rgbToCmyk(c[0], c[1], c[2], o[0], o[1], o[2], o[3]);
}

void toRgb(int space, const float v[4], uint8_t c[3])
{
    if (space == 0)
        Color::yuvToRgb(v[0], v[1], v[2], c[0], c[1], c[2]);
    else if (space == 1)
        Color::hslToRgb(v[0], v[1], v[2], c[0], c[1], c[2]);
    else if (space == 2)
        Color::hsvToRgb(v[0], v[1], v[2], c[0], c[1], c[2]);
    else
        Color::cmykToRgb(v[0], v[1], v[2], v[3], c[0], c[1], c[2]);
}

} // namespace

TEST(Color, PackedValueTextFormsAndBrightness)
{
    EXPECT_EQ(Color(0x40, 1, 2, 3).value(), 0x40010203u);
    // In memory: blue, green, red, alpha, so colours copy straight into rows.
    const Color packed(0x44, 0x33, 0x22, 0x11);
    const uint8_t bytes[4] = {0x11, 0x22, 0x33, 0x44};
    EXPECT_EQ(0, std::memcmp(bytes, &packed, 4));

    const float alphas[][2] = {{1.5f, 255}, {-1.0f, 0}, {0.5f, 127}, {kNaN, 0}};
    for (const auto& row : alphas) {
        Color a;
        a.setAlphaF(row[0]);
        EXPECT_EQ(row[1], a.alpha()) << row[0];
    }

    const Color c(64, 255, 128, 0);
    EXPECT_EQ("#FF8000", ascii(c.toHexText(false)));
    EXPECT_EQ("#40FF8000", ascii(c.toHexText(true)));
    EXPECT_EQ("0x40FF8000", ascii(c.toHexValueText(true)));
    EXPECT_EQ("0xFF8000", ascii(c.toHexValueText(false)));
    EXPECT_EQ("255,128,0", ascii(c.toDecimalText()));
    EXPECT_EQ("0,10,100,9", ascii(Color(0, 10, 100, 9).toDecimalTextWithAlpha()));
    EXPECT_EQ("#010203", ascii(Color(0, 1, 2, 3).toHexText(false)));

    const struct
    {
        Color c;
        int luma, dominant;
        float saturation, hue;
    } rows[] = {
        {Color(255, 255, 255), 255, -1, 0, 0},           {Color(0, 255, 0), 149, 1, 1, 1 / 3.0f},
        {Color(200, 10, 10), 66, 0, 0.95f, 0},           {Color(10, 20, 30), 18, 2, 2 / 3.0f, 7 / 12.0f},
        {Color(30, 30, 10), 27, -1, 2 / 3.0f, 1 / 6.0f}, {Color(0, 0, 0), 0, -1, 0, 0},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(r.luma, r.c.luma()) << r.c.value();
        EXPECT_EQ(r.dominant, r.c.dominantChannel()) << r.c.value();
        EXPECT_NEAR(r.saturation, r.c.saturationHsv(), 1e-5f) << r.c.value();
        EXPECT_NEAR(r.hue, r.c.hueHsv(), 1e-5f) << r.c.value();
    }
    EXPECT_NEAR(0.299f, Color(255, 0, 0).lumaF(), 1e-5f);
}

TEST(Color, ConversionsMatchWorkedValuesAndRoundTrip)
{
    const SpaceRow worked[] = {
        {0, {255, 255, 255}, {235.045f, 128, 128, 0}},
        {1, {255, 128, 128}, {0, 1, 0.75098f, 0}},
        {1, {128, 128, 128}, {0, 0, 128 / 255.0f, 0}},
        {2, {255, 0, 51}, {348, 1, 1, 0}}, // below 360, not 0
        {2, {0, 0, 255}, {240, 1, 1, 0}},
        {3, {255, 128, 0}, {0, 127 / 255.0f, 1, 0}},
        {3, {0, 0, 0}, {0, 0, 0, 1}},
    };
    for (const auto& row : worked) {
        float v[4];
        fromRgb(row.space, row.rgb, v);
        for (int i = 0; i < 4; ++i)
            EXPECT_NEAR(row.v[i], v[i], 1e-2f)
                << "space " << row.space << " red " << int(row.rgb[0]) << " #" << i;
    }
    // Out of range: the YUV red share far above 255 clamps (never wraps),
    // HSV angles wrap, CMYK inks clamp.
    const SpaceRow back[] = {
        {0, {255, 163, 254}, {235, 128, 240, 0}}, {1, {0, 0, 255}, {2 / 3.0f, 1, 0.5f, 0}},
        {2, {0, 255, 0}, {480, 1, 1, 0}},         {2, {0, 0, 255}, {-120, 1, 1, 0}},
        {3, {255, 0, 255}, {-1, 2, 0, 0}},
    };
    for (const auto& row : back) {
        uint8_t c[3];
        toRgb(row.space, row.v, c);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(row.rgb[i], c[i]) << "space " << row.space << " from " << row.v[0] << " channel " << i;
    }
    const uint8_t samples[][3] = {{255, 0, 0}, {10, 200, 30}, {30, 60, 90}, {250, 240, 10}, {200, 0, 128}};
    for (const auto& sample : samples) {
        for (int space = 0; space < 4; ++space) {
            float v[4];
            uint8_t c[3];
            fromRgb(space, sample, v);
            toRgb(space, v, c);
            for (int i = 0; i < 3; ++i)
                EXPECT_NEAR(sample[i], c[i], 1) << "space " << space << " red " << int(sample[0]);
        }
    }
    // A hue of infinity or NaN (a broken setting) neither hangs the wrapping
    // nor gives undefined bytes.
    uint8_t r = 1, g = 1, b = 1;
    Color::hsvToRgb(INFINITY, 1.0f, 1.0f, r, g, b);
    Color::hsvToRgb(1e30f, 1.0f, 1.0f, r, g, b);
    Color::hslToRgb(kNaN, 0.5f, 0.5f, r, g, b);
    Color::hsvToRgb(0.0f, kNaN, 1.0f, r, g, b);
    EXPECT_EQ(0, r + g + b);
}

TEST(Color, HueCircleAndCssNames)
{
    // Neighbours differ in exactly one channel, so the circle has no jumps.
    const Array<Color>& circle = Color::hueColors24();
    ASSERT_EQ(24, circle.count());
    for (int i = 0; i < 24; ++i) {
        const Color p = circle[i], q = circle[(i + 1) % 24];
        EXPECT_EQ(1, (p.red() != q.red()) + (p.green() != q.green()) + (p.blue() != q.blue())) << i;
        EXPECT_EQ(255, p.alpha()) << i;
    }
    // CSS's gray is darker than its darkgray; unknown, wrongly cased, "grey" or
    // cut-short names are magenta.
    const std::pair<String, uint32_t> names[] = {
        {u"transparent", 0x00FFFFFF}, {u"gray", 0xFF808080},        {u"darkgray", 0xFFA9A9A9},
        {u"aliceblue", 0xFFF0F8FF},   {u"yellowgreen", 0xFF9ACD32}, {u"Red", 0xFFFF00FF},
        {u"grey", 0xFFFF00FF},        {String(), 0xFFFF00FF},       {String(u"red\0x", 5), 0xFFFF00FF}};
    for (const auto& [name, value] : names)
        EXPECT_EQ(value, Color::fromCssName(name).value()) << "'" << ascii(name) << "'";
}
