// StringList: sorting by relinking, duplicates, filtering and copying.
#include <gtest/gtest.h>

#include "tests/support/StringTestHelpers.h"

TEST(StringListSort, OrdersByRelinkingTheNodes)
{
    StringList list = listOf({u"zeta", u"b", u"", u"\u00C9clair", u"A", u"a", u""});
    const char16_t* blockOfA = list.nodeAt(4)->value.data();
    // Ascending is stable and ignores case; empty items come first.
    EXPECT_TRUE(list.sort(1));
    EXPECT_EQ(items(list), (Items{u"", u"", u"A", u"a", u"b", u"zeta", u"\u00C9clair"}));
    EXPECT_EQ(list.nodeAt(2)->value.data(), blockOfA);
    EXPECT_EQ(list.last()->value.at(0), u'\u00C9');
    StringList numbers = listOf({u"1", u"3", u"2", u"3"});
    EXPECT_TRUE(numbers.sort(2));
    EXPECT_EQ(items(numbers), (Items{u"3", u"3", u"2", u"1"}));
    EXPECT_FALSE(listOf({u"x"}).sort(1));
}

TEST(StringListEditing, DuplicatesFilterAndDeepCopies)
{
    StringList many = listOf({u"a", u"a", u"A", u"b", u"a", u"b"});
    EXPECT_EQ(many.removeDuplicates(), 3);
    EXPECT_EQ(items(many), (Items{u"a", u"A", u"b"}));

    StringList list = listOf({u"Alien", u"Aliens", u"Heat", u""});
    EXPECT_FALSE(list.contains(String(u"heat")));
    EXPECT_TRUE(list.contains(String()));
    EXPECT_EQ(items(list.filter(String(u"alien"), 0)), (Items{u"Alien", u"Aliens"}));

    list.assign(list);
    StringList copy(list);
    copy.first()->value.append(String(u"!"));
    EXPECT_EQ(items(list), (Items{u"Alien", u"Aliens", u"Heat", u""}));
}
