// The statistics as the user reads them, with the worked examples of the
// running time: whole hours only count towards the days, and a ".0" goes.
#include "app/stats/StatisticsTexts.h"
#include "foundation/platform/LocaleData.h"
#include "foundation/time/Locale.h"
#include "tests/support/IoTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string show(const String& text)
{
    return iotest::show(text);
}

// Puts the user's locale back whatever a test set.
struct LocaleGuard
{
    uint32_t saved = Locale::instance().lcid();
    ~LocaleGuard() { Locale::instance().load(saved); }
};

} // namespace

TEST(StatisticsTexts, RunningTimeFollowsTheWorkedExamples)
{
    LocaleGuard guard;
    Locale::instance().load(LocaleData::kEnglishUnitedStates);
    const struct
    {
        int64_t minutes;
        const char* text;
    } cases[] = {
        {0, "0 Hours 0 Minutes (0 Days)"},
        {1500, "25 Hours 0 Minutes (1 Days)"},
        {90, "1 Hours 30 Minutes (0 Days)"},
        {59, "0 Hours 59 Minutes (0 Days)"},
        {3600, "60 Hours 0 Minutes (2.5 Days)"},
        {4320, "72 Hours 0 Minutes (3 Days)"},
        // 47 hours 59 minutes: the minutes never round the days up.
        {2879, "47 Hours 59 Minutes (2 Days)"},
        {15000, "250 Hours 0 Minutes (10.4 Days)"},
        // Ten thousand episodes of two hours: beyond 32 bits in seconds.
        {int64_t(10000) * 120 * 10, "200000 Hours 0 Minutes (8333.3 Days)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(show(StatisticsTexts::runningTime(c.minutes)), c.text) << c.minutes;
}

TEST(StatisticsTexts, ACommaLocaleKeepsItsCommaAndTrailingZero)
{
    LocaleGuard guard;
    Locale::instance().load(LocaleData::kGermanGermany);
    EXPECT_EQ(show(StatisticsTexts::days(25)), "1,0");
    EXPECT_EQ(show(StatisticsTexts::days(60)), "2,5");
    EXPECT_EQ(show(StatisticsTexts::runningTime(1500)), "25 Hours 0 Minutes (1,0 Days)");
}

TEST(StatisticsTexts, CountAndCompletenessOfAnEmptyAndAFullCollection)
{
    EXPECT_EQ(show(StatisticsTexts::count(0)), "0 Movies");
    EXPECT_EQ(show(StatisticsTexts::count(100000)), "100000 Movies");
    EXPECT_EQ(show(StatisticsTexts::completeness(0)), "0%");
    EXPECT_EQ(show(StatisticsTexts::completeness(100)), "100%");
}
