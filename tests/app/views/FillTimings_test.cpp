// The stamps of the views' fills: one per fill, numbered from the start,
// the latest kept, each with the movies it showed.
#include "app/views/FillTimings.h"

#include <gtest/gtest.h>

TEST(FillTimings, StampsEachFillAndKeepsOnlyTheLatest)
{
    FillTimings timings;
    EXPECT_EQ(timings.toJson()["fills"].toInt(), 0);
    EXPECT_EQ(timings.toJson()["stamps"].size(), 0);
    timings.end(3);
    ASSERT_EQ(timings.stamps().size(), 1u);
    EXPECT_EQ(timings.stamps().back().milliseconds, 0.0) << "an end without a begin took no time";
    const int fills = FillTimings::kKept + 5;
    for (int fill = 2; fill <= fills; ++fill) {
        timings.begin();
        timings.end(fill * 10);
    }
    EXPECT_EQ(timings.fillCount(), fills);
    JsonValue json = timings.toJson();
    EXPECT_EQ(json["fills"].toInt(), fills);
    ASSERT_EQ(json["stamps"].size(), FillTimings::kKept);
    const JsonValue& oldest = json["stamps"].at(0);
    const JsonValue& latest = json["stamps"].at(FillTimings::kKept - 1);
    EXPECT_EQ(oldest["fill"].toInt(), fills - FillTimings::kKept + 1);
    EXPECT_EQ(latest["fill"].toInt(), fills);
    EXPECT_EQ(latest["shown"].toInt(), fills * 10);
    EXPECT_GE(latest["ms"].toNumber(), 0.0);
}
