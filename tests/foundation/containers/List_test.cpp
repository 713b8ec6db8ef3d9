// List surgery: erasing, swapping and indexing must keep head, tail, count and
// both link directions consistent, since every record list stands on them.
#include <gtest/gtest.h>

#include <vector>

#include "foundation/containers/List.h"

namespace {

using IntList = List<int>;

// The values from the head, checking each node's link back and the tail.
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

TEST(ListSurgery, ErasingAdvancesToTheFollowingNode)
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
    node = list.last();
    list.erase(node);
    EXPECT_EQ(node, nullptr);
    EXPECT_TRUE(list.removeOne(1));
    node = list.first();
    list.erase(node);
    list.erase(node);
    EXPECT_EQ(checkedValues(list), std::vector<int>{});
}

TEST(ListSurgery, SwappingNeighboursAndDistantNodes)
{
    const int swaps[][2] = {{0, 1}, {4, 3}, {0, 4}, {1, 3}, {2, 2}};
    const std::vector<int> expected[] = {
        {2, 1, 3, 4, 5}, {2, 1, 3, 5, 4}, {4, 1, 3, 5, 2}, {4, 5, 3, 1, 2}, {4, 5, 3, 1, 2}};
    IntList list = listOf({1, 2, 3, 4, 5});
    for (int i = 0; i < 5; ++i) {
        list.swapNodes(list.nodeAt(swaps[i][0]), list.nodeAt(swaps[i][1]));
        EXPECT_EQ(checkedValues(list), expected[i]) << "row " << i;
    }
    IntList pair = listOf({1, 2});
    pair.swapNodes(pair.last(), pair.first());
    EXPECT_EQ(checkedValues(pair), (std::vector<int>{2, 1}));
}

TEST(ListSurgery, NodeAtStaysInsideTheListAndCopiesAreDeep)
{
    IntList list = listOf({10, 20, 30});
    EXPECT_EQ(list.nodeAt(-4)->value, 10);
    EXPECT_EQ(list.nodeAt(3), nullptr);

    list.assign(list);
    IntList other = listOf({9});
    other.assign(list);
    other.first()->value = 100;
    EXPECT_EQ(checkedValues(list), (std::vector<int>{10, 20, 30}));
    IntList moved(std::move(other));
    EXPECT_EQ(checkedValues(other), std::vector<int>{});
}
