// Locale names, patterns and formatting in English (United States) and
// German (Germany). Runs in both builds: the Windows build reads the
// system's locale data, the native build our own table.
#include <gtest/gtest.h>

#include "foundation/platform/LocaleData.h"
#include "foundation/time/Date.h"
#include "foundation/time/Locale.h"
#include "foundation/time/Time.h"
#include "tests/support/StringTestHelpers.h"
#include "tests/foundation/time/LocaleScope.h"

#include <string>

namespace {

std::u16string date(const Locale& locale, const Date& value, const char16_t* pattern)
{
    return u16(locale.formatDate(value, String(pattern)));
}

std::u16string time(const Locale& locale, const Time& value, const char16_t* pattern)
{
    return u16(locale.formatTime(value, String(pattern)));
}

const Locale english(LocaleData::kEnglishUnitedStates);
const Locale german(LocaleData::kGermanGermany);

} // namespace

TEST(Locale, FormatsDatesAndTimesInOnePass)
{
    struct Row
    {
        const Locale& locale;
        Date date;
        const char16_t* pattern;
        const char16_t* expected;
    };
    const Date tuesday(2024, 3, 5);
    const Row dates[] = {
        {english, tuesday, u"d/M/yy", u"5/3/24"},
        // Names that contain pattern letters stay intact.
        {english, Date(2024, 12, 1), u"dddd d MMMM yyyy", u"Sunday 1 December 2024"},
        {german, tuesday, u"dddd, d. MMMM yyyy", u"Dienstag, 5. M\u00E4rz 2024"},
        {german, Date(2024, 5, 6), u"ddd d. MMM", u"Mo. 6. Mai"},
        {english, tuesday, u"yyyyy|yyy|y", u"2024y|24y|y"},
        {english, tuesday, u"MMMMM", u"March3"},
        {english, tuesday, u"'Day' d", u"'Day' 5"},
        // Two-digit years of early years.
        {english, Date(5, 1, 2), u"yy-MM-dd", u"05-01-02"},
        {english, Date(999, 1, 2), u"yy|yyyy", u"99|999"},
        {english, Date(2000, 1, 1), u"yy", u"00"},
    };
    for (const Row& row : dates)
        EXPECT_EQ(date(row.locale, row.date, row.pattern), row.expected) << "row " << (&row - dates);
    EXPECT_EQ(u16(german.formatDate(tuesday, false)), u"5.3.2024");

    EXPECT_EQ(time(english, Time(0, 15), u"h:mm AP"), u"12:15 AM");
    EXPECT_EQ(time(english, Time(12, 0), u"h ap"), u"12 pm");
    EXPECT_EQ(time(english, Time(9, 5, 7, 7), u"s.zzz|z"), u"7.007|7");
    EXPECT_EQ(time(english, Time(23, 5), u"H:m A P"), u"H:5 A P");
    EXPECT_EQ(u16(english.formatTime(Time(14, 5, 9))), u"2:05:09 PM");
    EXPECT_EQ(u16(german.formatTime(Time(14, 5, 9))), u"14:05:09");

    EXPECT_TRUE(english.formatDate(Date(2023, 2, 29), String(u"yyyy")).isEmpty());
    EXPECT_TRUE(english.formatDate(Date(2023, 2, 28), String()).isEmpty());
    EXPECT_TRUE(english.formatTime(Time(24, 0), String(u"hh:mm")).isEmpty());
    EXPECT_TRUE(english.formatTime(Time(1, 60), String(u"hh:mm")).isEmpty());
}

TEST(Locale, FormatsNumbersWithinItsLimits)
{
    EXPECT_EQ(u16(german.formatNumber(3.14159, 0)), u"3");
    EXPECT_EQ(u16(english.formatNumber(123456789.125, 9)), u"123456789.125000000");
    EXPECT_EQ(u16(english.formatNumber(-1e19, 9)), u"-10000000000000000000.000000000");
    EXPECT_TRUE(english.formatNumber(1e20, 0).isEmpty());
    EXPECT_TRUE(english.formatNumber(1.0, 10).isEmpty());
}

TEST(Locale, ReadsNumbers)
{
    bool ok = false;
    EXPECT_EQ(english.toDouble(String(u"  12.5  "), &ok), 12.5);
    EXPECT_TRUE(ok);
    EXPECT_EQ(english.toDouble(String(u"12x"), &ok), 0.0);
    EXPECT_FALSE(ok);
    EXPECT_EQ(english.toDouble(String(u"   "), &ok), 0.0);
    EXPECT_FALSE(ok);
    EXPECT_EQ(english.toDouble(String(), &ok), 0.0);
    EXPECT_FALSE(ok);
    EXPECT_EQ(english.toDouble(String(u"1e5"), &ok), 0.0);
    EXPECT_FALSE(ok);
    EXPECT_EQ(english.toDouble(String(u"-3"), &ok), -3.0);
    EXPECT_TRUE(ok);
    EXPECT_EQ(english.toDouble(String(u".25"), &ok), 0.25);
    EXPECT_EQ(english.toDouble(String(u"+"), &ok), 0.0);
    EXPECT_FALSE(ok);
    EXPECT_EQ(english.toDouble(String(u"1,234.5"), &ok), 1234.5);
    EXPECT_EQ(german.toDouble(String(u"1.234,5"), &ok), 1234.5);
    EXPECT_EQ(german.toDouble(String(u"0,75"), &ok), 0.75);
    EXPECT_EQ(german.toDouble(String(u"0.75"), &ok), 0.75);
    // Control characters are not digits.
    EXPECT_EQ(english.toDouble(String(u"12\t"), &ok), 12.0);
    EXPECT_TRUE(ok);
    EXPECT_EQ(english.toDouble(String(u"1\u00012"), &ok), 0.0);
    EXPECT_FALSE(ok);
    EXPECT_EQ(english.toDouble(String(u"0.1"), nullptr), 0.1);
    EXPECT_EQ(english.toDouble(String(u"123456789012345678901234567890"), nullptr), 1.2345678901234568e29);
}

TEST(Locale, LocaleIdsFromNames)
{
    EXPECT_EQ(Locale::lcidFromName(String(u" en-US "), true), LocaleData::kEnglishUnitedStates);
    EXPECT_EQ(Locale::lcidFromName(String(u"de"), false), LocaleData::kGermanGermany);
    EXPECT_EQ(Locale::lcidFromName(String(), true), LocaleData::userDefaultLcid());
    EXPECT_EQ(Locale::lcidFromName(String(u"xx-YY"), true), LocaleData::userDefaultLcid());
}

TEST(Locale, TheProgramsLocaleCanBeSwitchedAndReadsSystemPatterns)
{
    EXPECT_TRUE(Locale::instance().isUserDefault());
    LocaleScope english(LocaleData::kEnglishUnitedStates);
    {
        LocaleScope scope(LocaleData::kGermanGermany);
        EXPECT_EQ(u16(Date::monthName(1, false)), u"Januar");
        EXPECT_EQ(u16(Date(2024, 3, 5).toString(String(u"d. MMMM"))), u"5. M\u00E4rz");
        EXPECT_EQ(u16(Time::timeFormat()), u"hh:mm:ss");
        EXPECT_FALSE(Locale::instance().isUserDefault());
    }
    EXPECT_EQ(u16(Date::dayName(3, true)), u"Wed");
    EXPECT_EQ(u16(Date::longFormat()), u"dddd, MMMM d, yyyy");
    EXPECT_EQ(u16(Locale::datePatternFromSystem(String(u"y/M/d"))), u"yy/M/d");
    EXPECT_EQ(u16(Locale::datePatternFromSystem(String(u"dd.MM.yyyyy"))), u"dd.MM.yyyy");
    EXPECT_EQ(u16(Locale::datePatternFromSystem(String(u"gg yyyy/MM/dd"))), u" yyyy/MM/dd");
    EXPECT_TRUE(Locale::datePatternFromSystem(String()).isEmpty());
    EXPECT_EQ(u16(Locale::timePatternFromSystem(String(u"HH:mm tt t"))), u"hh:mm AP ");
    EXPECT_EQ(u16(Locale::timePatternFromSystem(String(u"t h:mm"))), u"AP h:mm");
}
