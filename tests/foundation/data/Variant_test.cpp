// Variant: the typed value of the configuration. Its conversions decide what
// a setting reads back as, so they are checked between all eight kinds.
#include <gtest/gtest.h>

#include "foundation/data/Variant.h"
#include "foundation/platform/LocaleData.h"
#include "tests/foundation/text/StringTestHelpers.h"
#include "tests/foundation/time/LocaleScope.h"

#include <cmath>
#include <limits>
#include <string>

TEST(Variant, KindsAndValidity)
{
    Variant empty;
    EXPECT_FALSE(empty.isValid());
    EXPECT_TRUE(empty.hasType(Variant::kEmpty));

    EXPECT_TRUE(Variant(true).hasType(Variant::kBool));
    EXPECT_TRUE(Variant(int32_t{5}).hasType(Variant::kInt));
    EXPECT_TRUE(Variant(uint32_t{5}).hasType(Variant::kUInt));
    EXPECT_TRUE(Variant(int64_t{5}).hasType(Variant::kInt64));
    EXPECT_TRUE(Variant(uint64_t{5}).hasType(Variant::kUInt64));
    EXPECT_TRUE(Variant(1.5f).hasType(Variant::kFloat));
    EXPECT_TRUE(Variant(1.5).hasType(Variant::kDouble));
    EXPECT_TRUE(Variant(u"text").hasType(Variant::kString));
    EXPECT_TRUE(Variant(String(u"text")).isValid());

    Variant cleared(int32_t{7});
    cleared.clear();
    EXPECT_TRUE(cleared.hasType(Variant::kInt));
    EXPECT_FALSE(cleared.isValid());
    EXPECT_EQ(cleared.toInt(), 0);
    EXPECT_TRUE(cleared.toString().isEmpty());
    // A copy of a Variant without a value is empty.
    Variant copy(cleared);
    EXPECT_TRUE(copy.hasType(Variant::kEmpty));
}

TEST(Variant, SettersReplaceOrOverwriteTheHolder)
{
    Variant value(int32_t{1});
    value.setInt(2);
    EXPECT_EQ(value.toInt(), 2);
    value.setString(String(u"abc"));
    EXPECT_TRUE(value.hasType(Variant::kString));
    EXPECT_EQ(u16(value.toString()), u"abc");
    value.setString(String(u"defg"));
    EXPECT_EQ(u16(value.toString()), u"defg");
    value.setDouble(2.5);
    EXPECT_TRUE(value.hasType(Variant::kDouble));
    EXPECT_EQ(value.toDouble(), 2.5);
    value.setUInt64(1);
    value.setInt64(-1);
    EXPECT_TRUE(value.hasType(Variant::kInt64));
    EXPECT_EQ(value.toInt64(), -1);
    value.clear();
    value.setFloat(0.5f);
    EXPECT_EQ(value.toFloat(), 0.5f);
    value.setBool(true);
    EXPECT_TRUE(value.toBool());
}

TEST(Variant, AssigningKeepsTheTargetWhenTheSourceHoldsNothing)
{
    Variant target(int32_t{7});
    target.assign(Variant());
    EXPECT_EQ(target.toInt(), 7);
    Variant cleared(String(u"x"));
    cleared.clear();
    target = cleared;
    EXPECT_TRUE(target.hasType(Variant::kInt));
    EXPECT_EQ(target.toInt(), 7);

    target = Variant(String(u"seven"));
    EXPECT_TRUE(target.hasType(Variant::kString));
    EXPECT_EQ(u16(target.toString()), u"seven");
    target.assign(target);
    EXPECT_EQ(u16(target.toString()), u"seven");

    Variant moved(std::move(target));
    EXPECT_EQ(u16(moved.toString()), u"seven");
}

TEST(Variant, TextToBool)
{
    EXPECT_FALSE(Variant(u" FALSE ").toBool());
    EXPECT_FALSE(Variant(u"0").toBool());
    EXPECT_FALSE(Variant(u"").toBool());
    EXPECT_FALSE(Variant(u" \t").toBool());
    EXPECT_TRUE(Variant(u"False2").toBool());
    EXPECT_TRUE(Variant(u"1").toBool());
    EXPECT_TRUE(Variant(u"true").toBool());
    EXPECT_TRUE(Variant(u"no").toBool());
    EXPECT_TRUE(Variant(u"off").toBool());
    EXPECT_TRUE(Variant(u"2").toBool());
    EXPECT_EQ(u16(Variant(true).toString()), u"1");
    EXPECT_TRUE(Variant(Variant(true).toString()).toBool());
}

TEST(Variant, IntegerKindsConvertBitForBit)
{
    Variant negative(int32_t{-2});
    EXPECT_EQ(negative.toUInt(), 0xFFFFFFFEu);
    EXPECT_EQ(negative.toInt64(), -2);
    EXPECT_EQ(negative.toUInt64(), 0xFFFFFFFFFFFFFFFEull);
    EXPECT_EQ(negative.toDouble(), -2.0);
    EXPECT_TRUE(negative.toBool());
    EXPECT_EQ(u16(negative.toString()), u"-2");

    Variant large(uint32_t{0xFFFFFFFF});
    EXPECT_EQ(large.toInt(), -1);
    EXPECT_EQ(large.toInt64(), 0xFFFFFFFFLL);
    EXPECT_EQ(large.toDouble(), 4294967295.0);
    EXPECT_EQ(u16(large.toString()), u"4294967295");

    EXPECT_EQ(Variant(uint64_t{0x100000001}).toInt(), 1);
    EXPECT_EQ(Variant(int64_t{-1}).toUInt(), 0xFFFFFFFFu);
    EXPECT_EQ(Variant(uint64_t{0xFFFFFFFFFFFFFFFF}).toInt64(), -1);
    EXPECT_EQ(u16(Variant(uint64_t{0xFFFFFFFFFFFFFFFF}).toString()), u"18446744073709551615");
    EXPECT_EQ(u16(Variant(std::numeric_limits<int64_t>::min()).toString()), u"-9223372036854775808");
    EXPECT_FALSE(Variant(int64_t{0}).toBool());
    EXPECT_EQ(Variant(true).toInt64(), 1);
    EXPECT_EQ(Variant(true).toDouble(), 1.0);
    EXPECT_EQ(Variant(false).toUInt(), 0u);
}

TEST(Variant, FloatingPointTruncatesTowardZero)
{
    EXPECT_EQ(Variant(-2.7).toInt(), -2);
    EXPECT_EQ(Variant(2.7f).toInt(), 2);
    EXPECT_EQ(Variant(-2.7).toInt64(), -2);
    EXPECT_EQ(Variant(3e9).toInt64(), 3000000000LL);
    // Through a 64-bit truncation: 3e9 keeps its low 32 bits.
    EXPECT_EQ(Variant(3e9).toUInt(), 3000000000u);
    EXPECT_EQ(Variant(3e9).toInt(), static_cast<int32_t>(0xB2D05E00u));
    EXPECT_EQ(Variant(1.5e19).toUInt64(), 15000000000000000000ull);
    EXPECT_FALSE(Variant(0.0).toBool());
    EXPECT_FALSE(Variant(-0.0f).toBool());
    EXPECT_TRUE(Variant(0.001).toBool());
    EXPECT_FLOAT_EQ(Variant(0.1).toFloat(), 0.1f);
    EXPECT_EQ(Variant(1e300).toFloat(), std::numeric_limits<float>::infinity());
}

TEST(Variant, NaNAndOutOfRangeHaveOneDefinedResult)
{
    const double nan = std::nan("");
    const int64_t indefinite = std::numeric_limits<int64_t>::min();
    EXPECT_TRUE(Variant(nan).toBool());
    EXPECT_EQ(Variant(nan).toInt64(), indefinite);
    EXPECT_EQ(Variant(nan).toInt(), 0);
    EXPECT_EQ(Variant(nan).toUInt(), 0u);
    EXPECT_EQ(Variant(1e30).toInt64(), indefinite);
    EXPECT_EQ(Variant(-1e30).toInt64(), indefinite);
    EXPECT_EQ(Variant(1e30).toInt(), 0);
    EXPECT_EQ(Variant(static_cast<float>(nan)).toInt(), 0);
    EXPECT_EQ(Variant(1e30f).toInt64(), indefinite);
    EXPECT_EQ(Variant(1e30).toUInt64(), static_cast<uint64_t>(indefinite));
    EXPECT_EQ(Variant(-1.0).toUInt64(), std::numeric_limits<uint64_t>::max());
    EXPECT_TRUE(Variant(nan).toString().isEmpty());
}

TEST(Variant, TextFormOfFloatingPointUsesTheLocale)
{
    LocaleScope english(LocaleData::kEnglishUnitedStates);
    EXPECT_EQ(u16(Variant(1.5f).toString()), u"1.500000000");
    EXPECT_EQ(u16(Variant(-0.25).toString()), u"-0.250000000");
    LocaleScope german(LocaleData::kGermanGermany);
    EXPECT_EQ(u16(Variant(1.5f).toString()), u"1,500000000");
    EXPECT_DOUBLE_EQ(Variant(Variant(2.75).toString()).toDouble(), 2.75);
}

TEST(Variant, TextReadsAsEveryOtherKind)
{
    Variant text(u" -42 ");
    EXPECT_EQ(text.toInt(), -42);
    EXPECT_EQ(text.toUInt(), static_cast<uint32_t>(-42));
    EXPECT_EQ(text.toInt64(), -42);
    EXPECT_EQ(text.toUInt64(), static_cast<uint64_t>(-42));
    EXPECT_EQ(text.toDouble(), -42.0);
    EXPECT_EQ(text.toFloat(), -42.0f);
    EXPECT_TRUE(text.toBool());
    EXPECT_EQ(Variant(u"99999999999").toInt(), 2147483647);
    EXPECT_EQ(Variant(u"0.5").toDouble(), 0.5);
    EXPECT_EQ(Variant(u"0,5").toFloat(), 0.5f);
    EXPECT_EQ(Variant(u"abc").toDouble(), 0.0);
}

TEST(Variant, EqualityNeedsTheSameKindAndValue)
{
    EXPECT_FALSE(Variant(int32_t{5}) == Variant(uint32_t{5}));
    EXPECT_TRUE(Variant(int32_t{5}) == Variant(int32_t{5}));
    EXPECT_TRUE(Variant::notEquals(Variant(int32_t{5}), Variant(int32_t{6})));
    EXPECT_TRUE(Variant(u"a") == Variant(String(u"a")));
    EXPECT_FALSE(Variant(u"a") == Variant(u"A"));
    EXPECT_TRUE(Variant(0.5) == Variant(0.5));
    EXPECT_FALSE(Variant(0.5f) == Variant(0.5));
    EXPECT_TRUE(Variant() == Variant());
    EXPECT_FALSE(Variant(std::nan("")) == Variant(std::nan("")));
    Variant nan(std::nan(""));
    EXPECT_TRUE(Variant::equals(nan, nan));

    Variant cleared(int32_t{1});
    cleared.clear();
    Variant alsoCleared(int32_t{2});
    alsoCleared.clear();
    EXPECT_TRUE(cleared == alsoCleared);
    EXPECT_FALSE(cleared == Variant(int32_t{1}));
}
