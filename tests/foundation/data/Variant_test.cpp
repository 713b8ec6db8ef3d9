// Variant: the typed value of the configuration. Its conversions decide what
// a setting reads back as, so they are checked between all eight kinds.
#include <gtest/gtest.h>

#include "foundation/data/Variant.h"
#include "foundation/platform/LocaleData.h"
#include "tests/support/StringTestHelpers.h"
#include "tests/foundation/time/LocaleScope.h"

#include <cmath>
#include <limits>

TEST(Variant, ClearingAndAssigningNothingKeepTheTarget)
{
    Variant cleared(int32_t{7});
    cleared.clear();
    EXPECT_FALSE(cleared.isValid());
    // A copy of a Variant without a value is empty.
    EXPECT_TRUE(Variant(cleared).hasType(Variant::kEmpty));

    Variant target(int32_t{7});
    target.assign(Variant());
    target = cleared;
    EXPECT_EQ(target.toInt(), 7);
    target.setString(String(u"abc"));
    target.setString(String(u"defg"));
    target.assign(target);
    EXPECT_EQ(u16(target.toString()), u"defg");
}

TEST(Variant, ConversionsBetweenKinds)
{
    const int64_t kIndefinite = std::numeric_limits<int64_t>::min();
    const double nan = std::nan("");
    struct Row
    {
        Variant value;
        int32_t asInt;
        uint32_t asUInt;
        int64_t asInt64;
        bool asBool;
    };
    const Row rows[] = {
        // Integer kinds convert bit for bit.
        {Variant(int32_t{-2}), -2, 0xFFFFFFFEu, -2, true},
        {Variant(uint32_t{0xFFFFFFFF}), -1, 0xFFFFFFFFu, 0xFFFFFFFFLL, true},
        {Variant(uint64_t{0xFFFFFFFFFFFFFFFF}), -1, 0xFFFFFFFFu, -1, true},
        {Variant(int64_t{0}), 0, 0u, 0, false},
        {Variant(true), 1, 1u, 1, true},
        // Floating point truncates toward zero, through 64 bits.
        {Variant(-2.7), -2, 0xFFFFFFFEu, -2, true},
        {Variant(3e9), static_cast<int32_t>(0xB2D05E00u), 3000000000u, 3000000000LL, true},
        {Variant(-0.0f), 0, 0u, 0, false},
        // NaN and out of range have one defined result.
        {Variant(nan), 0, 0u, kIndefinite, true},
        {Variant(1e30), 0, 0u, kIndefinite, true},
        {Variant(static_cast<float>(nan)), 0, 0u, kIndefinite, true},
        // Text reads as the C library does.
        {Variant(u" -42 "), -42, static_cast<uint32_t>(-42), -42, true},
        {Variant(u"99999999999"), 2147483647, 0xFFFFFFFFu, 99999999999LL, true},
        {Variant(u" FALSE "), 0, 0u, 0, false},
        {Variant(u"False2"), 0, 0u, 0, true},
        {Variant(u"off"), 0, 0u, 0, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << (&row - rows));
        EXPECT_EQ(row.value.toInt(), row.asInt);
        EXPECT_EQ(row.value.toUInt(), row.asUInt);
        EXPECT_EQ(row.value.toInt64(), row.asInt64);
        EXPECT_EQ(row.value.toBool(), row.asBool);
    }
    EXPECT_EQ(Variant(1.5e19).toUInt64(), 15000000000000000000ull);
    EXPECT_EQ(Variant(1e30).toUInt64(), static_cast<uint64_t>(kIndefinite));
    EXPECT_EQ(Variant(-1.0).toUInt64(), std::numeric_limits<uint64_t>::max());
    EXPECT_EQ(Variant(1e300).toFloat(), std::numeric_limits<float>::infinity());
    EXPECT_EQ(Variant(u"0,5").toFloat(), 0.5f);
    EXPECT_EQ(u16(Variant(uint64_t{0xFFFFFFFFFFFFFFFF}).toString()), u"18446744073709551615");
    EXPECT_EQ(u16(Variant(std::numeric_limits<int64_t>::min()).toString()), u"-9223372036854775808");
    EXPECT_EQ(u16(Variant(true).toString()), u"1");
    EXPECT_TRUE(Variant(nan).toString().isEmpty());
}

TEST(Variant, TextFormOfFloatingPointUsesTheLocale)
{
    LocaleScope english(LocaleData::kEnglishUnitedStates);
    EXPECT_EQ(u16(Variant(-0.25).toString()), u"-0.250000000");
    LocaleScope german(LocaleData::kGermanGermany);
    EXPECT_EQ(u16(Variant(1.5f).toString()), u"1,500000000");
    EXPECT_DOUBLE_EQ(Variant(Variant(2.75).toString()).toDouble(), 2.75);
}
