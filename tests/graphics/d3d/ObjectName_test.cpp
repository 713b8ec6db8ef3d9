#include "graphics/d3d/ObjectName.h"

#include <gtest/gtest.h>

#include <string>

TEST(ObjectName, HoldsUpToThirtyTwoCharacters)
{
    ObjectName name;
    EXPECT_EQ(std::u16string(), name.text());

    EXPECT_TRUE(name.set(u"cover-0001.png"));
    EXPECT_EQ(std::u16string(u"cover-0001.png"), name.text());

    const std::u16string longest(32, u'x');
    EXPECT_TRUE(name.set(longest.c_str()));
    EXPECT_EQ(longest, name.text());

    // One too long: nothing is copied and the previous name is gone too.
    const std::u16string tooLong(33, u'y');
    EXPECT_FALSE(name.set(tooLong.c_str()));
    EXPECT_EQ(std::u16string(), name.text());

    EXPECT_TRUE(name.set(u"\u00e9t\u00e9.jpg"));
    EXPECT_EQ(std::u16string(u"\u00e9t\u00e9.jpg"), name.text());
    EXPECT_FALSE(name.set(nullptr));
    EXPECT_EQ(std::u16string(), name.text());
    EXPECT_TRUE(name.set(u""));
}
