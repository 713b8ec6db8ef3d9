#include "ui/core/theme/UIStyleValues.h"

#include "foundation/text/String.h"
#include "graphics/paint/Gradient.h"

#include <gtest/gtest.h>

TEST(UIStyleValues, Colors)
{
    struct Case
    {
        const char16_t* text;
        uint32_t expected;
    };
    const Case cases[] = {{u"255,0,0", 0xFFFF0000u},
                          {u"128,255,0,0", 0x80FF0000u},
                          {u"300,-5,0", 0xFFFF0000u},
                          {u" 10 , 20 ,30 ", 0xFF0A141Eu},
                          {u"transparent", 0x00FFFFFFu},
                          {u"none", 0x00FFFFFFu},
                          {u"", 0x00FFFFFFu},
                          {u"-5", 0x00FFFFFFu},
                          {u"16711680", 0x00FF0000u},
                          {u"99999999999", 0x7FFFFFFFu},
                          {u"1,2", 0x00FFFFFFu},
                          {u"1,2,3,4,5", 0x00FFFFFFu},
                          {u"255,,0", 0xFFFF0000u}};
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, parseStyleColor(String(c.text)).value()) << String(c.text).length();
}

TEST(UIStyleValues, MarginsPointsSizesAndNumbers)
{
    struct Case
    {
        const char16_t* text;
        UIMargins margins;
        Point point;
        Size size;
        int number;
    };
    const Case cases[] = {{u" 4, 5 ,6,7 ", UIMargins(4, 5, 6, 7), Point(), Size(4, 4), 4},
                          {u"4", UIMargins(4, 4, 4, 4), Point(), Size(4, 4), 4},
                          {u"4,5", UIMargins(4, 4, 4, 4), Point(4, 5), Size(4, 5), 4},
                          {u"4,,6,7", UIMargins(4, 0, 6, 7), Point(), Size(4, 4), 4},
                          {u"3", UIMargins(3, 3, 3, 3), Point(), Size(3, 3), 3},
                          {u"-2,x", UIMargins(-2, -2, -2, -2), Point(-2, 0), Size(-2, 0), -2},
                          {u"", UIMargins(), Point(), Size(), 0},
                          {u"3000000000", UIMargins(2147483647, 2147483647, 2147483647, 2147483647), Point(),
                           Size(2147483647, 2147483647), 2147483647}};
    for (const Case& c : cases) {
        const String text(c.text);
        const int name = String(c.text).length();
        EXPECT_EQ(c.margins, parseStyleMargins(text)) << name;
        EXPECT_EQ(c.margins, parseStyleItemMargins(text)) << name;
        EXPECT_EQ(c.point.x, parseStylePoint(text).x) << name;
        EXPECT_EQ(c.point.y, parseStylePoint(text).y) << name;
        EXPECT_EQ(c.size.width, parseStyleSize(text).width) << name;
        EXPECT_EQ(c.size.height, parseStyleSize(text).height) << name;
        EXPECT_EQ(c.number, parseStyleInt(text)) << name;
    }
    EXPECT_FLOAT_EQ(1.5f, parseStyleFloat(String(u" 1.5 ")));
    EXPECT_FLOAT_EQ(1.5f, parseStyleFloat(String(u"1,5")));
}

TEST(UIStyleValues, PensAndBrushes)
{
    struct Case
    {
        const char16_t* text;
        std::vector<uint32_t> stops;
        uint32_t solid;
    };
    const Case cases[] = {{u"255,0,0", {}, 0xFFFF0000u},
                          {u"red|blue", {0x00FFFFFFu, 0x00FFFFFFu}, 0},
                          {u"255,0,0||0,0,255", {0xFFFF0000u, 0xFF0000FFu}, 0},
                          {u"1,2,3|4,5,6|7,8,9", {0xFF010203u, 0xFF040506u, 0xFF070809u}, 0},
                          {u"|0,0,255|", {}, 0xFF0000FFu}};
    for (const Case& c : cases) {
        const Brush brush = parseStyleBrush(String(c.text));
        const int name = String(c.text).length();
        ASSERT_EQ(static_cast<int>(c.stops.size()), brush.gradient().count()) << name;
        if (c.stops.empty()) {
            EXPECT_EQ(c.solid, brush.color().value()) << name;
            continue;
        }
        EXPECT_EQ(Gradient::kVertical, brush.gradient().type()) << name;
        for (int i = 0; i < brush.gradient().count(); ++i) {
            EXPECT_EQ(c.stops[i], brush.gradient().colorAt(i).value()) << name << " stop " << i;
            EXPECT_FLOAT_EQ(static_cast<float>(i) / (brush.gradient().count() - 1),
                            brush.gradient().positions()[i])
                << name << " stop " << i;
        }
    }
}

TEST(UIStyleValues, Fonts)
{
    const FontDesc base;
    const float size = base.size();
    struct Case
    {
        const char16_t* text;
        const char16_t* family;
        float size;
        uint32_t style;
    };
    const Case cases[] = {
        {u"default,,bold", nullptr, size, base.style() | 1},
        {u"default,10", nullptr, size, base.style()},
        {u"Liberation Sans,12,", u"Liberation Sans", size, base.style()},
        {u"default,9,", nullptr, size - 3.0f, base.style()},
        {u"default,150%,underline bold", nullptr, size * 1.5f, base.style() | 5},
        {u"default ,50% ,Bold", u"default ", String(u"50% ").toFloat() + size - 12.0f, base.style()},
        {u"plain", nullptr, size, base.style()},
        {u"a,b,c,d", nullptr, size, base.style()}};
    for (const Case& c : cases) {
        const FontDesc font = parseStyleFont(String(c.text));
        const int name = String(c.text).length();
        EXPECT_TRUE(font.family() == (c.family ? String(c.family) : base.family())) << name;
        EXPECT_FLOAT_EQ(c.size, font.size()) << name;
        EXPECT_EQ(c.style, font.style()) << name;
    }
}
