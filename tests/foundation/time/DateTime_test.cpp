// Dates with times: ordering, arithmetic that carries into the date and spans.
#include <gtest/gtest.h>

#include "foundation/time/DateTime.h"

TEST(DateTime, TimeArithmeticCarriesIntoTheDate)
{
    const DateTime sums[] = {
        DateTime(2024, 12, 31, 23, 30, 0, 0).addHours(1),
        DateTime(2024, 3, 1, 0, 0, 0, 0).addMilliseconds(-1),
        DateTime(2024, 3, 1, 12, 0, 0, 0).addMinutes(-3 * 1440),
        DateTime(2023, 2, 28, 12, 0, 0, 0).addSeconds(86400),
        DateTime(9999, 12, 31, 23, 0, 0, 0).addHours(2),
        DateTime(2024, 2, 30, 1, 0, 0, 0).addHours(1),
        DateTime(2024, 1, 31, 8, 0, 0, 0).addMonths(1),
        DateTime(2024, 2, 29, 8, 0, 0, 0).addYears(1),
        DateTime(2024, 2, 29, 8, 0, 0, 0).addDays(-60),
    };
    const DateTime expected[] = {
        DateTime(2025, 1, 1, 0, 30, 0, 0),   DateTime(2024, 2, 29, 23, 59, 59, 999),
        DateTime(2024, 2, 27, 12, 0, 0, 0),  DateTime(2023, 3, 1, 12, 0, 0, 0),
        DateTime(9999, 12, 31, 23, 0, 0, 0), DateTime(2024, 2, 30, 1, 0, 0, 0),
        DateTime(2024, 2, 29, 8, 0, 0, 0),   DateTime(2025, 2, 28, 8, 0, 0, 0),
        DateTime(2023, 12, 31, 8, 0, 0, 0),
    };
    for (int i = 0; i < 9; ++i) {
        const DateTime& value = sums[i];
        EXPECT_TRUE(value == expected[i])
            << "row " << i << ": " << value.year() << "-" << value.month() << "-" << value.day() << " "
            << value.hour() << ":" << value.minute() << ":" << value.second() << "." << value.millisecond();
    }
}

TEST(DateTime, Spans)
{
    DateTime a(2024, 3, 5, 9, 0, 0, 0);
    EXPECT_TRUE(DateTime::span(a, a).isNull());
    EXPECT_EQ(DateTime::span(a, DateTime(2024, 3, 5, 10, 30, 0, 250)).toMilliseconds(), 5400250);
    EXPECT_EQ(DateTime::span(DateTime(2024, 3, 5, 23, 0, 0, 0), DateTime(2024, 3, 6, 1, 0, 0, 0)).hour(), 2);
    EXPECT_EQ(DateTime::span(a, DateTime(2024, 3, 8, 8, 0, 0, 0)).hour(), 71);
    EXPECT_TRUE(DateTime::span(DateTime(2024, 3, 6, 1, 0, 0, 0), a).isNull());
    EXPECT_TRUE(DateTime::span(DateTime(), a).isNull());
}
