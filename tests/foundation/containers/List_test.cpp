// List surgery: erasing, swapping and indexing must keep head, tail, count and
// both link directions consistent, since every record list stands on them.
#include <gtest/gtest.h>

#include <vector>

#include "foundation/containers/List.h"

namespace {

using IntList = List<int>;

// The values from the head by next, after checking that walking back from
// the tail by prev visits the same nodes.
std::vector<int> checkedValues(const IntList& list)
{
    std::vector<int> forward;
    IntList::Node* previous = nullptr;
    for (IntList::Node* node = list.first(); node; node = node->next) {
        EXPECT_EQ(node->prev, previous);
        forward.push_back(node->value);
        previous = node;
    }
    EXPECT_EQ(previous, list.last());
    EXPECT_EQ(static_cast<int>(forward.size()), list.count());
    EXPECT_EQ(list.first() == nullptr, list.count() == 0);
    EXPECT_EQ(list.last() == nullptr, list.count() == 0);
    return forward;
}

IntList listOf(std::initializer_list<int> values)
{
    IntList list;
    for (int value : values)
        list.append(value);
    return list;
}

} // namespace

TEST(ListSurgery, ErasingTheOnlyNodeEmptiesTheList)
{
    IntList list;
    IntList::Node* node = list.append(5);
    list.erase(node);
    EXPECT_EQ(node, nullptr);
    EXPECT_EQ(list.first(), nullptr);
    EXPECT_EQ(list.last(), nullptr);
    EXPECT_EQ(list.count(), 0);
    list.erase(node);
    EXPECT_EQ(list.count(), 0);
}

TEST(ListSurgery, ErasingAdvancesToTheFollowingNode)
{
    IntList list = listOf({1, 2, 3, 4});
    IntList::Node* node = list.first();
    list.erase(node);
    EXPECT_EQ(node->value, 2);
    node = node->next;
    list.erase(node);
    EXPECT_EQ(node->value, 4);
    list.erase(node);
    EXPECT_EQ(node, nullptr);
    EXPECT_EQ(checkedValues(list), (std::vector<int>{2}));
}

TEST(ListSurgery, EraseWhileWalking)
{
    IntList list = listOf({1, 2, 3, 4, 5, 6});
    IntList::Node* node = list.first();
    while (node) {
        if (node->value % 2 == 0)
            list.erase(node);
        else
            node = node->next;
    }
    EXPECT_EQ(checkedValues(list), (std::vector<int>{1, 3, 5}));
}

TEST(ListSurgery, RemoveOneTakesTheFirstMatch)
{
    IntList list = listOf({7, 8, 7});
    EXPECT_TRUE(list.removeOne(7));
    EXPECT_EQ(checkedValues(list), (std::vector<int>{8, 7}));
    EXPECT_FALSE(list.removeOne(9));
    EXPECT_TRUE(list.removeOne(7));
    EXPECT_TRUE(list.removeOne(8));
    EXPECT_EQ(checkedValues(list), std::vector<int>{});
}

TEST(ListSurgery, SwappingNeighboursAndDistantNodes)
{
    IntList list = listOf({1, 2, 3, 4, 5});
    list.swapNodes(list.nodeAt(0), list.nodeAt(1));
    EXPECT_EQ(checkedValues(list), (std::vector<int>{2, 1, 3, 4, 5}));
    list.swapNodes(list.nodeAt(4), list.nodeAt(3));
    EXPECT_EQ(checkedValues(list), (std::vector<int>{2, 1, 3, 5, 4}));
    list.swapNodes(list.first(), list.last());
    EXPECT_EQ(checkedValues(list), (std::vector<int>{4, 1, 3, 5, 2}));
    list.swapNodes(list.nodeAt(1), list.nodeAt(3));
    EXPECT_EQ(checkedValues(list), (std::vector<int>{4, 5, 3, 1, 2}));
    list.swapNodes(list.nodeAt(2), list.nodeAt(2));
    list.swapNodes(nullptr, list.first());
    EXPECT_EQ(checkedValues(list), (std::vector<int>{4, 5, 3, 1, 2}));
    IntList pair = listOf({1, 2});
    pair.swapNodes(pair.last(), pair.first());
    EXPECT_EQ(checkedValues(pair), (std::vector<int>{2, 1}));
}

TEST(ListSurgery, NodeAtStaysInsideTheList)
{
    IntList list = listOf({10, 20, 30});
    EXPECT_EQ(list.nodeAt(0)->value, 10);
    EXPECT_EQ(list.nodeAt(-4)->value, 10);
    EXPECT_EQ(list.nodeAt(2)->value, 30);
    EXPECT_EQ(list.nodeAt(3), nullptr);
    EXPECT_EQ(list.nodeAt(1000), nullptr);
    EXPECT_EQ(IntList().nodeAt(0), nullptr);
}

TEST(ListSurgery, AssignCopyAndClear)
{
    IntList list = listOf({1, 2, 3});
    list.assign(list);
    EXPECT_EQ(checkedValues(list), (std::vector<int>{1, 2, 3}));
    IntList other = listOf({9});
    other.assign(list);
    EXPECT_EQ(checkedValues(other), (std::vector<int>{1, 2, 3}));
    other.first()->value = 100;
    EXPECT_EQ(list.first()->value, 1);
    IntList moved(std::move(other));
    EXPECT_EQ(checkedValues(moved), (std::vector<int>{100, 2, 3}));
    EXPECT_EQ(checkedValues(other), std::vector<int>{});
    moved.clear();
    EXPECT_EQ(checkedValues(moved), std::vector<int>{});
    moved.clear();
    std::vector<int> walked;
    for (int value : list)
        walked.push_back(value);
    EXPECT_EQ(walked, (std::vector<int>{1, 2, 3}));
}
