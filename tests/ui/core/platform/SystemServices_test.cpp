#include "ui/core/platform/FixedText.h"
#include "ui/core/platform/SystemServices.h"

#include <gtest/gtest.h>

#include <string>

TEST(SystemServices, IconSizesPickTheirImageList)
{
    struct Case
    {
        int size;
        int kind;
    };
    const Case cases[] = {{16, 1}, {32, 0}, {48, 2}, {256, 4}, {64, -1}, {0, -1}, {-16, -1}, {24, -1}};
    for (const Case& c : cases) {
        EXPECT_EQ(SystemServices::imageListKind(c.size), c.kind) << c.size;
        bool supported = c.kind >= 0 && (c.size != 256 || SystemServices::isVistaOrLater());
        EXPECT_EQ(SystemServices::isSupportedIconSize(c.size), supported) << c.size;
    }
    EXPECT_TRUE(SystemServices::fileIcon(String(u"C:\\any.txt"), 64).isNull());
}

TEST(SystemServices, VersionFieldPathsUseFourHexDigitsEach)
{
    struct Case
    {
        uint16_t language;
        uint16_t codePage;
        const char16_t* expected;
    };
    const Case cases[] = {
        {0x0409, 0x04B0, u"\\StringFileInfo\\040904b0\\FileVersion"},
        {0x0000, 0x0000, u"\\StringFileInfo\\00000000\\FileVersion"},
        {0xFFFF, 0x0001, u"\\StringFileInfo\\ffff0001\\FileVersion"},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(SystemServices::versionFieldPath(c.language, c.codePage, String(u"FileVersion")) ==
                    String(c.expected));
}

TEST(SystemServices, ResourceNameSearchStopsAtTheWantedIndex)
{
    struct Case
    {
        int wanted;
        const char16_t* found;
        int offers;
    };
    // Names offered in order: "#5", "ICON", "#12".
    const Case cases[] = {{0, u"#5", 1}, {1, u"ICON", 2}, {2, u"#12", 3}, {3, u"", 3}};
    for (const Case& c : cases) {
        SystemServices::ResourceNameSearch search;
        search.wanted = c.wanted;
        int offers = 1;
        if (search.offerId(5) && ++offers && search.offer(String(u"ICON")) && ++offers)
            search.offerId(12);
        EXPECT_TRUE(search.found == String(c.found)) << c.wanted;
        EXPECT_EQ(offers, c.offers) << c.wanted;
    }
}

TEST(FixedText, CutsToTheFieldAndAlwaysTerminates)
{
    struct Case
    {
        std::u16string text;
        int field;
        std::u16string stored;
    };
    const std::u16string pair = u"\U0001F600";
    const Case cases[] = {
        {u"abc", 8, u"abc"}, {u"abcdefgh", 8, u"abcdefg"},    {u"abcdefg", 8, u"abcdefg"},
        {u"", 4, u""},       {u"ab" + pair, 5, u"ab" + pair}, {u"abc" + pair, 5, u"abc"},
        {u"xy", 1, u""},
    };
    for (const Case& c : cases) {
        char16_t field[16];
        std::fill(field, field + 16, u'#');
        int copied = FixedText::copy(String(c.text.c_str()), field, c.field);
        EXPECT_EQ(std::u16string(field, copied), c.stored);
        EXPECT_EQ(field[c.field - 1], 0) << "the last unit is a terminator";
        EXPECT_EQ(field[c.field], u'#') << "nothing past the field";
    }
    char16_t untouched = u'#';
    EXPECT_EQ(FixedText::copy(String(u"a"), &untouched, 0), 0);
    EXPECT_EQ(untouched, u'#');
}
