#include "ui/widgets/items/UIItemArray.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

struct FakeItem
{
    int m_index = -1;
    int id = 0;
    bool visible = true;
    int tag() const { return id; }
    bool isVisible() const { return visible; }
};

using Array = UIItemArray<FakeItem>;

} // namespace

TEST(UIItemArray, EveryItemKnowsItsPlaceAndTheVisibleRanksFollowEachChange)
{
    FakeItem a{-1, 10, true}, b{-1, 20, false}, c{-1, 30, true}, d{-1, 40, true}, e{-1, 50, false};
    struct Step
    {
        const char* what;
        std::function<void(Array&)> change;
        std::vector<int> order;
        std::vector<int> visible;
    };
    const Step steps[] = {
        {"append",
         [&](Array& x) {
             x.append(&a);
             x.append(&b);
             x.append(&c);
         },
         {10, 20, 30},
         {10, 30}},
        {"insert", [&](Array& x) { x.insert(1, &d); }, {10, 40, 20, 30}, {10, 40, 30}},
        {"take", [&](Array& x) { EXPECT_EQ(&b, x.take(2)); }, {10, 40, 30}, {10, 40, 30}},
        {"swap", [&](Array& x) { x.swap(0, 2); }, {30, 40, 10}, {30, 40, 10}},
        // The rank map was valid before: a hidden item appended stays out.
        {"append hidden", [&](Array& x) { x.append(&e); }, {30, 40, 10, 50}, {30, 40, 10}},
        {"reorder",
         [&](Array& x) {
             x.reorder({3, 2, 1, 0});
         },
         {50, 10, 40, 30},
         {10, 40, 30}},
        {"shown",
         [&](Array& x) {
             e.visible = true;
             x.invalidateRanks();
         },
         {50, 10, 40, 30},
         {50, 10, 40, 30}},
        {"forget", [&](Array& x) { x.forgetAll(); }, {}, {}},
    };
    Array items;
    for (const Step& s : steps) {
        s.change(items);
        ASSERT_EQ(int(s.order.size()), items.count()) << s.what;
        for (int i = 0; i < items.count(); ++i) {
            EXPECT_EQ(s.order[size_t(i)], items.at(i)->id) << s.what << " " << i;
            EXPECT_EQ(i, items.at(i)->m_index) << s.what << " " << i;
            EXPECT_EQ(items.at(i), items.byTag(s.order[size_t(i)])) << s.what;
        }
        ASSERT_EQ(int(s.visible.size()), items.ranks().visibleCount()) << s.what;
        for (int rank = 0; rank < items.ranks().visibleCount(); ++rank)
            EXPECT_EQ(s.visible[size_t(rank)], items.atRank(rank)->id) << s.what << " rank " << rank;
        EXPECT_EQ(items.isEmpty() ? nullptr : items.at(0), items.nearest(-3)) << s.what;
        EXPECT_EQ(nullptr, items.nearest(items.count())) << s.what;
        EXPECT_EQ(nullptr, items.find(-1)) << s.what;
        EXPECT_EQ(nullptr, items.byTag(0)) << s.what;
    }
    EXPECT_EQ(-1, b.m_index) << "a taken item has no place";
}
