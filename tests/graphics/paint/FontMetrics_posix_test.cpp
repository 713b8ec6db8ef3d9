// The native build measures with a fixed-width stand-in: at 96 dpi a 12-point
// font is 16 pixels high (ascent 12, descent 4) and every unit is 8 pixels
// wide, so " ... " is 40 pixels.
#include "graphics/paint/FontMetrics.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

FontMetrics twelvePoint()
{
    return FontMetrics(FontDesc(String(u"tahoma"), 12.0f, 0), nullptr);
}

String elided(const char16_t* text, int width, uint32_t mode)
{
    return twelvePoint().elidedText(String(text), Rect(0, 0, width, 10), mode);
}

} // namespace

TEST(FontSizes, PointsAndPixelsAt96Dpi)
{
    FontDesc font(String(u"tahoma"), 12.0f, 0);
    EXPECT_EQ(16, font.pixelSize());
    font.setPixelSize(13);
    EXPECT_EQ(10.0f, font.size()) << "9.75 points rounded";
    font.setSize(10.875f);
    EXPECT_EQ(15, font.pixelSize()) << "14.5 pixels round away from zero";
    font.setSize(-10.875f);
    EXPECT_EQ(-15, font.pixelSize());
    font.setSize(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(0, font.pixelSize());
    font.setSize(1e30f);
    EXPECT_EQ(std::numeric_limits<int32_t>::max(), font.pixelSize());
}

TEST(FontMetrics, TextSizeCountsLinesAtLineFeeds)
{
    const FontMetrics metrics = twelvePoint();
    ASSERT_EQ(16, metrics.height());
    EXPECT_EQ(Size(16, 32), metrics.textSize(String(u"a\nbc"), true)) << "the widest line, two lines high";
    EXPECT_EQ(Size(8, 16), metrics.textSize(String(u"a\n"), true));
    EXPECT_EQ(Size(0, 32), metrics.textSize(String(u"\n\n"), true));
    EXPECT_EQ(Size(8, 32), metrics.textSize(String(u"a\nb"), true));
    EXPECT_EQ(Size(24, 48), metrics.textSize(String(u"x\r\nabc\n\n"), true))
        << "a carriage return is measured like any unit";
    EXPECT_EQ(Size(32, 16), metrics.textSize(String(u"a\nbc"), false));
    EXPECT_EQ(Size(), metrics.textSize(String(), true));
    EXPECT_EQ(Size(), metrics.textSize(nullptr, 5, false));
    EXPECT_EQ(24, metrics.textWidth(u"abcdef", 3, false));
    EXPECT_EQ(Rect(0, 0, 16, 32), metrics.boundingRect(String(u"ab\ncd"), true));
    EXPECT_EQ(Size(8, 16), metrics.charSize(u'W'));
    EXPECT_EQ(Rect(0, 0, 8, 16), metrics.charRect(u'i'));
}

TEST(FontMetrics, FittingTextAndModesThatKeepIt)
{
    EXPECT_EQ(String(u"abcd"), elided(u"abcd", 32, FontMetrics::kElideRight)) << "exactly as wide fits";
    EXPECT_EQ(String(u"abcd"), elided(u"abcd", 32, 9)) << "a text that fits comes back for any mode";
    EXPECT_EQ(String(u"abcdefgh"), elided(u"abcdefgh", 10, FontMetrics::kElideNone));
    EXPECT_EQ(String(), elided(u"abcdefgh", 10, 9)) << "an unknown mode gives nothing for a long text";
    EXPECT_EQ(String(), elided(u"", 100, FontMetrics::kElideRight));
    EXPECT_EQ(String(), elided(u"abc", 0, FontMetrics::kElideNone));
    EXPECT_EQ(String(), elided(u"abc", -5, FontMetrics::kElideCut));
}

TEST(FontMetrics, CutKeepsTheLongestPrefixThatFits)
{
    EXPECT_EQ(String(u"abc"), elided(u"abcdefgh", 30, FontMetrics::kElideCut));
    EXPECT_EQ(String(u"a"), elided(u"abcdefgh", 8, FontMetrics::kElideCut));
    EXPECT_EQ(String(), elided(u"abcdefgh", 7, FontMetrics::kElideCut)) << "not even one unit fits";
    const String longText(u'x', 5000);
    EXPECT_EQ(String(u'x', 2), twelvePoint().elidedText(longText, Rect(0, 0, 20, 1), FontMetrics::kElideCut))
        << "more units than pixels: only the first units are measured";
}

TEST(FontMetrics, EndEllipsisFollowsTheLongestPrefix)
{
    EXPECT_EQ(String(u"ab ... "), elided(u"abcdefghij", 60, FontMetrics::kElideRight));
    EXPECT_EQ(String(u"ab ... "), elided(u"abcdefghij", 56, FontMetrics::kElideRight));
    EXPECT_EQ(String(u"a ... "), elided(u"abcdefghij", 55, FontMetrics::kElideRight));
    EXPECT_EQ(String(u" ... "), elided(u"abcdefghij", 45, FontMetrics::kElideRight))
        << "no prefix fits beside the ellipsis";
    EXPECT_EQ(String(u" ... "), elided(u"abcdefghij", 40, FontMetrics::kElideRight));
    EXPECT_EQ(String(), elided(u"abcdefghij", 39, FontMetrics::kElideRight));
    const String longText(u'y', 3000);
    EXPECT_EQ(String(u"yyy ... "),
              twelvePoint().elidedText(longText, Rect(0, 0, 64, 1), FontMetrics::kElideRight));
}

TEST(FontMetrics, MiddleEllipsisKeepsBothEnds)
{
    EXPECT_EQ(String(u"a ... l"), elided(u"abcdefghijkl", 60, FontMetrics::kElideMiddle))
        << "(60 - 40) / 2 leaves 10 pixels on each side";
    EXPECT_EQ(String(u"ab ... kl"), elided(u"abcdefghijkl", 80, FontMetrics::kElideMiddle));
    EXPECT_EQ(String(u" ... "), elided(u"abcdefghijkl", 47, FontMetrics::kElideMiddle));
    EXPECT_EQ(String(u" ... "), elided(u"abcdefghijkl", 40, FontMetrics::kElideMiddle));
    EXPECT_EQ(String(), elided(u"abcdefghijkl", 39, FontMetrics::kElideMiddle));
}

TEST(FontMetrics, SurrogatePairsAreNeverSplit)
{
    // A face outside the basic plane takes two units: 0xD83D 0xDE00.
    const char16_t text[] = {u'a', u'b', 0xD83D, 0xDE00, u'c', u'd', u'e', u'f', u'g', u'h', 0};
    EXPECT_EQ(String(u"ab"), elided(text, 24, FontMetrics::kElideCut));
    EXPECT_EQ(String(u"ab ... "), elided(text, 64, FontMetrics::kElideRight));
    const char16_t tail[] = {u'a', u'b', u'c', u'd', u'e', u'f', u'g', u'h', 0xD83D, 0xDE00, u'x', 0};
    EXPECT_EQ(String(u"ab ... x"), elided(tail, 72, FontMetrics::kElideMiddle))
        << "the back part starts after the pair rather than inside it";
}

TEST(FontMetrics, EllipsisCanBeReplaced)
{
    FontMetrics::setEllipsis(String(u"~"));
    EXPECT_EQ(String(u"abc~"), elided(u"abcdefghij", 32, FontMetrics::kElideRight));
    FontMetrics::setEllipsis(String(u" ... "));
    EXPECT_EQ(String(u" ... "), FontMetrics::ellipsis());
}

TEST(FontMetrics, AlignedTextRectPlacesTheSingleLineSize)
{
    const FontMetrics metrics = twelvePoint();
    const Rect area(10, 10, 100, 50);
    EXPECT_EQ(Rect(86, 44, 24, 16),
              metrics.alignedTextRect(String(u"abc"), area, Rect::kAlignRight | Rect::kAlignBottom, false));
    EXPECT_EQ(
        Rect(48, 27, 24, 16),
        metrics.alignedTextRect(String(u"abc"), area, Rect::kAlignHCenter | Rect::kAlignVCenter, false));
    EXPECT_EQ(Rect(10, 10, 24, 16), metrics.alignedTextRect(String(u"abc"), area, 0, false));
    EXPECT_EQ(Rect(), metrics.alignedTextRect(String(), area, 0, false));
    EXPECT_EQ(Rect(), metrics.alignedTextRect(String(u"abc"), Rect(10, 10, 0, 50), 0, false));
    EXPECT_EQ(Rect(10, 10, 24, 16),
              metrics.alignedTextRect(String(u"abc"), Rect(10, 10, 20, 20), Rect::kAlignRight, false))
        << "without overflow a wider text stays at the left edge";
    EXPECT_EQ(Rect(6, 10, 24, 16),
              metrics.alignedTextRect(String(u"abc"), Rect(10, 10, 20, 20), Rect::kAlignRight, true));
}

TEST(FontMetrics, FontChangesAndEquality)
{
    FontMetrics metrics = twelvePoint();
    const FontMetrics same = twelvePoint();
    EXPECT_TRUE(metrics == same);
    metrics.setFont(FontDesc(String(u"tahoma"), 24.0f, 0), nullptr);
    EXPECT_TRUE(metrics != same);
    EXPECT_EQ(32, metrics.height());
    EXPECT_EQ(16, metrics.charWidth(u'x'));
    FontMetrics copy = metrics;
    EXPECT_TRUE(copy == metrics);
    copy = same;
    EXPECT_EQ(16, copy.height());
    EXPECT_EQ(32, metrics.height()) << "a copy measures on its own";
}
