// Wine substitutes its own fonts for the ones asked for, so these tests check
// relations between sizes and positions rather than pixel widths.
#include "graphics/paint/FontMetrics.h"

#include "graphics/paint/FontFamilies.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

const char16_t* textOf(const String& text)
{
    return text.isEmpty() ? u"" : text.data();
}

FontMetrics metricsOf(float points, uint32_t style = 0)
{
    return FontMetrics(FontDesc(String(u"tahoma"), points, style), nullptr);
}

} // namespace

TEST(FontMetricsGdi, MeasuresWithTheRealFont)
{
    const FontMetrics small = metricsOf(9.0f);
    const FontMetrics large = metricsOf(24.0f);
    EXPECT_TRUE(small.ascent() > 0 && small.descent() > 0 && small.maxCharWidth() > 0);
    EXPECT_EQ(small.ascent() + small.descent(), small.height());
    EXPECT_GT(large.height(), small.height());
    const String sample(u"Reelstack");
    EXPECT_GT(large.textSize(sample, false).width, small.textSize(sample, false).width);
    EXPECT_GE(metricsOf(9.0f, FontDesc::kBold).textSize(sample, false).width,
              small.textSize(sample, false).width);
    EXPECT_GT(small.charWidth(u'W'), small.charWidth(u'i'));
    EXPECT_EQ(Rect(0, 0, small.charWidth(u'M'), small.height()), small.charRect(u'M'));
    EXPECT_NEAR(small.height(), FontDesc(String(u"tahoma"), 9.0f, 0).pixelSize(), small.height() / 3)
        << "the cell height asked for";
}

TEST(FontMetricsGdi, ElidedTextFitsItsWidth)
{
    const FontMetrics metrics = metricsOf(12.0f);
    const String text(u"The quick brown fox jumps over the lazy dog");
    const String dots = FontMetrics::ellipsis();
    const Rect area(0, 0, 120, 20);
    ASSERT_GT(metrics.textSize(text, false).width, area.width);

    const String cut = metrics.elidedText(text, area, FontMetrics::kElideCut);
    EXPECT_LE(metrics.textSize(cut, false).width, area.width);
    EXPECT_TRUE(text.startsWith(cut, 1));
    EXPECT_GT(metrics.textSize(text.mid(0, cut.length() + 1), false).width, area.width)
        << "one more character would not fit";

    const String right = metrics.elidedText(text, area, FontMetrics::kElideRight);
    EXPECT_LE(metrics.textSize(right, false).width, area.width);
    EXPECT_TRUE(right.endsWith(dots, 1));
    EXPECT_TRUE(text.startsWith(right.mid(0, right.length() - dots.length()), 1));

    const String middle = metrics.elidedText(text, area, FontMetrics::kElideMiddle);
    EXPECT_LE(metrics.textSize(middle, false).width, area.width);
    const int at = middle.find(dots, 0, 1);
    ASSERT_GT(at, 0);
    const String front = middle.mid(0, at);
    const String back = middle.midFrom(at + dots.length());
    EXPECT_TRUE(text.startsWith(front, 1));
    EXPECT_TRUE(text.endsWith(back, 1));
    EXPECT_NEAR(metrics.textSize(front, false).width, metrics.textSize(back, false).width,
                metrics.maxCharWidth())
        << "about as many pixels at each end";

    const int dotsWidth = metrics.textSize(dots, false).width;
    EXPECT_EQ(dots, metrics.elidedText(text, Rect(0, 0, dotsWidth, 1), FontMetrics::kElideRight))
        << "only the ellipsis fits";
    EXPECT_EQ(String(), metrics.elidedText(text, Rect(0, 0, dotsWidth - 1, 1), FontMetrics::kElideRight));
    EXPECT_EQ(String(u"fox"), metrics.elidedText(String(u"fox"), area, FontMetrics::kElideMiddle));
}

TEST(FontFamilies, ListedOnceSortedAndKept)
{
    const StringList families = availableFontFamilies();
    ASSERT_FALSE(families.isEmpty());
    String previous;
    bool sorted = true;
    bool first = true;
    int count = 0;
    for (auto* node = families.first(); node; node = node->next) {
        if (!first)
            sorted = sorted && String::compareNoCase(textOf(previous), textOf(node->value)) <= 0;
        previous = node->value;
        first = false;
        ++count;
    }
    EXPECT_TRUE(sorted) << "ascending, ignoring case";
    StringList unique = families;
    EXPECT_EQ(0, unique.removeDuplicates());
    EXPECT_EQ(count, availableFontFamilies().count()) << "the list is kept";

    EXPECT_TRUE(isFontFamilyInstalled(families.first()->value));
    EXPECT_FALSE(isFontFamilyInstalled(String(u"No Such Family 4711")));
    EXPECT_FALSE(isFontFamilyInstalled(String()));
}

TEST(FontFamilies, SizesOfAFamilyEachOnce)
{
    const StringList families = availableFontFamilies();
    Array<int> sizes;
    sizes.append(-99);
    availableFontSizes(sizes, families.first()->value);
    EXPECT_FALSE(sizes.contains(-99)) << "the array is emptied first";
    for (int i = 0; i < sizes.count(); ++i) {
        for (int j = 0; j < i; ++j)
            EXPECT_NE(sizes[i], sizes[j]);
    }
    availableFontSizes(sizes, String(u"No Such Family 4711"));
    EXPECT_TRUE(sizes.isEmpty());
}

TEST(FontDefaults, ApplicationFontFollowsTheWindowsVersion)
{
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    ASSERT_TRUE(GetVersionExW(&version));
    const FontDesc font;
    if (version.dwMajorVersion >= 6) {
        EXPECT_EQ(String(u"segoe ui"), font.family());
    }
    EXPECT_TRUE(font.size() == 12.0f || font.size() == 13.5f);
    EXPECT_EQ(0u, font.style());
    EXPECT_EQ(1u, font.option());
    EXPECT_GT(FontDesc::screenDpi(), 0);
}
