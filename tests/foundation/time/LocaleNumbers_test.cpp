// Numbers read in the locale's own format and nothing else: a misplaced or
// foreign separator must fail instead of giving a silently wrong value, and
// what formatDouble writes must read back in the same locale. A lone
// separator is the decimal point, unless it is the locale's group separator
// standing where one would group: en-US "1,200" is 1200.
#include <gtest/gtest.h>

#include "foundation/platform/LocaleData.h"
#include "foundation/time/Locale.h"

namespace {

struct NumberCase
{
    const char16_t* text;
    bool ok;
    double value;
};

void expectReads(const Locale& locale, const NumberCase* cases, int count)
{
    for (int i = 0; i < count; ++i) {
        bool ok = !cases[i].ok;
        const double value = locale.parseDouble(String(cases[i].text), &ok);
        EXPECT_EQ(ok, cases[i].ok) << "row " << i;
        EXPECT_EQ(value, cases[i].value) << "row " << i;
    }
}

} // namespace

TEST(LocaleNumbers, EnglishReadsItsOwnFormatExactly)
{
    const NumberCase cases[] = {
        {u"1,234.5", true, 1234.5},   {u"1,234,567.25", true, 1234567.25},
        {u"-12,345", true, -12345.0}, {u"1,234,567", true, 1234567.0},
        {u"1,200", true, 1200.0},     {u"1,2000", true, 1.2},
        {u"12,34", true, 12.34},      {u"1234,567", true, 1234.567},
        {u",500", true, 0.5},         {u"1,20", true, 1.2},
        {u"0.5", true, 0.5},          {u"0,5", true, 0.5},
        {u"1.234,5", false, 0.0},     {u"1,23,4.5", false, 0.0},
        {u"1234,567.5", false, 0.0},  {u"1,2345.5", false, 0.0},
        {u"1.2.3", false, 0.0},       {u"12.5.", false, 0.0},
        {u"1,234.5,6", false, 0.0},   {u",5", true, 0.5},
        {u"5-", false, 0.0},          {u"  -7.25 ", true, -7.25},
        {u"1 234.5", false, 0.0},
    };
    expectReads(Locale(LocaleData::kEnglishUnitedStates), cases, int(sizeof cases / sizeof cases[0]));
}

TEST(LocaleNumbers, GermanReadsItsOwnFormatExactly)
{
    const NumberCase cases[] = {
        {u"1.234,5", true, 1234.5}, {u"1.234.567,25", true, 1234567.25},
        {u"0,75", true, 0.75},      {u"0.75", true, 0.75},
        {u"1,234.5", false, 0.0},   {u"1.23.4,5", false, 0.0},
        {u"1,234,567", false, 0.0}, {u"-1.234.567", true, -1234567.0},
        {u"12,5,", false, 0.0},     {u"1.200", true, 1200.0},
        {u"-1.234", true, -1234.0}, {u"1,200", true, 1.2},
        {u"1.2000", true, 1.2},
    };
    expectReads(Locale(LocaleData::kGermanGermany), cases, int(sizeof cases / sizeof cases[0]));
}

TEST(LocaleNumbers, FormattedNumbersReadBack)
{
    const Locale english(LocaleData::kEnglishUnitedStates);
    const Locale german(LocaleData::kGermanGermany);
    EXPECT_EQ(english.formatDouble(1234.5, 2), String(u"1234.50"));
    EXPECT_EQ(german.formatDouble(1234.5, 2), String(u"1234,50"));
    const double values[] = {0.0, -0.25, 1234.5, 98765.125};
    for (double value : values) {
        for (const Locale* locale : {&english, &german}) {
            bool ok = false;
            EXPECT_EQ(locale->parseDouble(locale->formatDouble(value, 3), &ok), value) << value;
            EXPECT_TRUE(ok) << value;
        }
    }
}
