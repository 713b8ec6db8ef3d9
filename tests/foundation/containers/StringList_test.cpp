// StringList: sorting by relinking, duplicates, filtering and copying.
#include <gtest/gtest.h>

#include "tests/foundation/text/StringTestHelpers.h"

TEST(StringListSort, AscendingIsStableAndIgnoresCase)
{
    StringList list = listOf({u"b", u"A", u"a"});
    EXPECT_TRUE(list.sort(1));
    EXPECT_EQ(items(list), (Items{u"A", u"a", u"b"}));
    EXPECT_EQ(list.last()->value.at(0), u'b');
    EXPECT_EQ(list.first()->prev, nullptr);
}

TEST(StringListSort, AnyOtherOrderIsDescending)
{
    StringList list = listOf({u"b", u"A", u"a"});
    EXPECT_TRUE(list.sort(0));
    EXPECT_EQ(items(list), (Items{u"b", u"A", u"a"}));
    StringList numbers = listOf({u"1", u"3", u"2", u"3"});
    EXPECT_TRUE(numbers.sort(2));
    EXPECT_EQ(items(numbers), (Items{u"3", u"3", u"2", u"1"}));
}

TEST(StringListSort, EmptyItemsComeFirstAndShortListsAreLeftAlone)
{
    StringList list = listOf({u"zeta", u"", u"\u00C9clair", u"alpha", u""});
    EXPECT_TRUE(list.sort(1));
    EXPECT_EQ(items(list), (Items{u"", u"", u"alpha", u"zeta", u"\u00C9clair"}));
    StringList one = listOf({u"x"});
    EXPECT_FALSE(one.sort(1));
    EXPECT_FALSE(StringList().sort(1));
}

TEST(StringListSort, SortsWithoutMovingTheTexts)
{
    StringList list = listOf({u"c", u"b", u"a"});
    const char16_t* blockOfA = list.last()->value.data();
    list.sort(1);
    EXPECT_EQ(list.first()->value.data(), blockOfA);
}

TEST(StringListEditing, RemoveDuplicatesKeepsFirstOccurrences)
{
    StringList list = listOf({u"x", u"y", u"x", u"X"});
    EXPECT_EQ(list.removeDuplicates(), 1);
    EXPECT_EQ(items(list), (Items{u"x", u"y", u"X"}));
    StringList many = listOf({u"a", u"a", u"a", u"b", u"a", u"b"});
    EXPECT_EQ(many.removeDuplicates(), 4);
    EXPECT_EQ(items(many), (Items{u"a", u"b"}));
    EXPECT_EQ(many.last()->value.at(0), u'b');
    EXPECT_EQ(StringList().removeDuplicates(), 0);
}

TEST(StringListEditing, ContainsAndFilter)
{
    StringList list = listOf({u"Alien", u"Aliens", u"Heat", u""});
    EXPECT_TRUE(list.contains(String(u"Heat")));
    EXPECT_FALSE(list.contains(String(u"heat")));
    EXPECT_TRUE(list.contains(String()));
    EXPECT_EQ(items(list.filter(String(u"alien"), 0)), (Items{u"Alien", u"Aliens"}));
    EXPECT_EQ(items(list.filter(String(u"alien"), 1)), Items{});
    EXPECT_EQ(items(list.filter(String(u"EA"), 0)), (Items{u"Heat"}));
}

TEST(StringListEditing, AssignAndCopyAreDeep)
{
    StringList list = listOf({u"one", u"two"});
    list.assign(list);
    EXPECT_EQ(items(list), (Items{u"one", u"two"}));
    StringList copy(list);
    copy.first()->value.append(String(u"!"));
    EXPECT_EQ(items(list), (Items{u"one", u"two"}));
    StringList target = listOf({u"old"});
    target.assign(copy);
    EXPECT_EQ(items(target), (Items{u"one!", u"two"}));
    target = list;
    EXPECT_EQ(items(target), (Items{u"one", u"two"}));
    target.clear();
    EXPECT_EQ(target.count(), 0);
}
