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

TEST(FontFamilies, ListedOnceSortedAndKept)
{
    const StringList families = availableFontFamilies();
    ASSERT_FALSE(families.isEmpty());
    for (auto* node = families.first(); node->next; node = node->next)
        ASSERT_LE(String::compareNoCase(textOf(node->value), textOf(node->next->value)), 0)
            << "ascending, ignoring case";
    StringList unique = families;
    EXPECT_EQ(0, unique.removeDuplicates());
    EXPECT_EQ(families.count(), availableFontFamilies().count()) << "the list is kept";
    EXPECT_TRUE(isFontFamilyInstalled(families.first()->value));
    EXPECT_FALSE(isFontFamilyInstalled(String(u"No Such Family 4711")));
    EXPECT_FALSE(isFontFamilyInstalled(String()));
}
