#include "app/launch/LaunchStamps.h"

#include <gtest/gtest.h>

// A collection opened again after the start, or a later repaint, must not
// move the start's stamps: the first mark of a name is the one kept.
TEST(LaunchStamps, TheFirstMarkCountsUntilTheNextStart)
{
    LaunchStamps::reset();
    EXPECT_LT(LaunchStamps::since("shown"), 0) << "nothing before the start";
    LaunchStamps::mark("shown");
    EXPECT_LT(LaunchStamps::since("shown"), 0) << "no start stamp yet";
    LaunchStamps::mark("start");
    const double shown = LaunchStamps::at("shown");
    LaunchStamps::mark("read");
    const double read = LaunchStamps::at("read");
    LaunchStamps::mark("read");
    LaunchStamps::mark("shown");
    EXPECT_EQ(LaunchStamps::at("read"), read);
    EXPECT_EQ(LaunchStamps::at("shown"), shown);
    EXPECT_GE(LaunchStamps::since("read"), 0.0);
    EXPECT_LT(LaunchStamps::at("painted"), 0);

    JsonValue dump = LaunchStamps::dump();
    EXPECT_EQ(dump.size(), 3);
    EXPECT_EQ(dump["read"].toNumber(), read);

    LaunchStamps::reset();
    EXPECT_LT(LaunchStamps::at("start"), 0);
    EXPECT_EQ(LaunchStamps::dump().size(), 0);
}
