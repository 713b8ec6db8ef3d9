#include "graphics/d3d/ObjectName.h"

#include <gtest/gtest.h>

#include <string>

TEST(ObjectName, HoldsUpToThirtyTwoCharacters)
{
    const std::u16string longest(32, u'x'), tooLong(33, u'y');
    ObjectName name;
    EXPECT_TRUE(name.set(longest.c_str()));
    EXPECT_EQ(longest, name.text());
    // A refused name leaves the object unnamed rather than keeping the old one.
    EXPECT_FALSE(name.set(tooLong.c_str()));
    EXPECT_EQ(std::u16string(), name.text());
    EXPECT_FALSE(name.set(nullptr));
}
