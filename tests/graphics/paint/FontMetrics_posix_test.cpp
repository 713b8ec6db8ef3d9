// The native build measures with a fixed-width stand-in: at 96 dpi a 12-point
// font is 16 pixels high (ascent 12, descent 4) and every unit is 8 pixels
// wide, so " ... " is 40 pixels.
#include "graphics/paint/FontMetrics.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

namespace {

FontMetrics twelvePoint()
{
    return FontMetrics(FontDesc(String(u"tahoma"), 12.0f, 0), nullptr);
}

} // namespace

TEST(FontSizes, PointsAndPixelsAt96Dpi)
{
    FontDesc font(String(u"tahoma"), 12.0f, 0);
    EXPECT_EQ(16, font.pixelSize());
    font.setPixelSize(13);
    EXPECT_EQ(10.0f, font.size()) << "9.75 points rounded";
    // 14.5 pixels round away from zero; NaN and huge sizes saturate.
    const std::tuple<float, int> sizes[] = {{10.875f, 15},
                                            {-10.875f, -15},
                                            {std::numeric_limits<float>::quiet_NaN(), 0},
                                            {1e30f, std::numeric_limits<int32_t>::max()}};
    for (const auto& [points, pixels] : sizes) {
        font.setSize(points);
        EXPECT_EQ(pixels, font.pixelSize()) << points;
    }
}

TEST(FontMetrics, TextSizeCountsLinesAtLineFeeds)
{
    const FontMetrics metrics = twelvePoint();
    // A carriage return is measured like any unit.
    const std::tuple<const char16_t*, bool, Size> texts[] = {{u"a\nbc", true, Size(16, 32)},
                                                             {u"a\n", true, Size(8, 16)},
                                                             {u"\n\n", true, Size(0, 32)},
                                                             {u"a\nb", true, Size(8, 32)},
                                                             {u"x\r\nabc\n\n", true, Size(24, 48)},
                                                             {u"a\nbc", false, Size(32, 16)},
                                                             {u"", true, Size()}};
    for (const auto& [text, multiLine, size] : texts)
        EXPECT_EQ(size, metrics.textSize(String(text), multiLine)) << String(text).length() << " units";
    EXPECT_EQ(Size(), metrics.textSize(nullptr, 5, false));
    EXPECT_EQ(24, metrics.textWidth(u"abcdef", 3, false));
    EXPECT_EQ(Rect(0, 0, 16, 32), metrics.boundingRect(String(u"ab\ncd"), true));
    EXPECT_EQ(Rect(0, 0, 8, 16), metrics.charRect(u'i'));
}

TEST(FontMetrics, ElisionKeepsWhatFitsAndNeverSplitsAPair)
{
    // A face outside the basic plane takes two units: 0xD83D 0xDE00.
    const char16_t pairInside[] = {u'a', u'b', 0xD83D, 0xDE00, u'c', u'd', u'e', u'f', u'g', u'h', 0};
    const char16_t pairAtEnd[] = {u'a', u'b', u'c', u'd', u'e', u'f', u'g', u'h', 0xD83D, 0xDE00, u'x', 0};
    const uint32_t cut = FontMetrics::kElideCut, right = FontMetrics::kElideRight,
                   middle = FontMetrics::kElideMiddle;
    const std::tuple<const char16_t*, int, uint32_t, const char16_t*> rows[] = {
        {u"abcd", 32, right, u"abcd"}, // exactly as wide fits
        {u"abcd", 32, 9, u"abcd"},     // a text that fits comes back for any mode
        {u"abcdefgh", 10, FontMetrics::kElideNone, u"abcdefgh"},
        {u"abcdefgh", 10, 9, u""},
        {u"", 100, right, u""},
        {u"abc", 0, FontMetrics::kElideNone, u""},
        {u"abc", -5, cut, u""},
        {u"abcdefgh", 30, cut, u"abc"},
        {u"abcdefgh", 8, cut, u"a"},
        {u"abcdefgh", 7, cut, u""},
        {u"abcdefghij", 56, right, u"ab ... "},
        {u"abcdefghij", 55, right, u"a ... "},
        {u"abcdefghij", 45, right, u" ... "},
        {u"abcdefghij", 40, right, u" ... "},
        {u"abcdefghij", 39, right, u""},
        {u"abcdefghijkl", 60, middle, u"a ... l"}, // (60 - 40) / 2 leaves 10 pixels on each side
        {u"abcdefghijkl", 80, middle, u"ab ... kl"},
        {u"abcdefghijkl", 47, middle, u" ... "},
        {u"abcdefghijkl", 39, middle, u""},
        {pairInside, 24, cut, u"ab"},
        {pairInside, 64, right, u"ab ... "},
        {pairAtEnd, 72, middle, u"ab ... x"}}; // the back part starts after the pair
    for (const auto& [text, width, mode, expected] : rows)
        EXPECT_EQ(String(expected), twelvePoint().elidedText(String(text), Rect(0, 0, width, 10), mode))
            << "mode " << mode << " width " << width << " of " << String(text).length();
    // More units than pixels: only the first units are measured.
    EXPECT_EQ(String(u"yyy ... "), twelvePoint().elidedText(String(u'y', 3000), Rect(0, 0, 64, 1), right));
    EXPECT_EQ(String(u'x', 2), twelvePoint().elidedText(String(u'x', 5000), Rect(0, 0, 20, 1), cut));
    FontMetrics::setEllipsis(String(u"~"));
    EXPECT_EQ(String(u"abc~"), twelvePoint().elidedText(String(u"abcdefghij"), Rect(0, 0, 32, 1), right));
    FontMetrics::setEllipsis(String(u" ... "));
}

// The painter's text tests cover the usual alignments; here what only the
// metrics decide: a text wider than its area, with and without overflow.
TEST(FontMetrics, AlignedTextRectPlacesTheSingleLineSize)
{
    const FontMetrics metrics = twelvePoint();
    const Rect narrow(10, 10, 20, 20);
    EXPECT_EQ(Rect(10, 10, 24, 16),
              metrics.alignedTextRect(String(u"abc"), narrow, Rect::kAlignRight, false));
    EXPECT_EQ(Rect(6, 10, 24, 16), metrics.alignedTextRect(String(u"abc"), narrow, Rect::kAlignRight, true));
    EXPECT_EQ(Rect(), metrics.alignedTextRect(String(u"abc"), Rect(10, 10, 0, 50), 0, false));
    EXPECT_EQ(Rect(), metrics.alignedTextRect(String(), narrow, 0, false));
}
