#pragma once

#include "ui/widgets/items/UIVisibleRanks.h"

#include <algorithm>
#include <cstddef>
#include <vector>

// The items of an item view in their order, each knowing its own index so
// that finding an item's place costs nothing however many there are, with
// the ranks of the visible ones mapped beside them. Item is a list's item or
// a table's row: it answers tag() and isVisible() and lets the array keep
// its index. The view owns the items; the array only orders them.
template <typename Item> class UIItemArray
{
public:
    using const_iterator = typename std::vector<Item*>::const_iterator;

    const std::vector<Item*>& all() const { return m_items; }
    const_iterator begin() const { return m_items.begin(); }
    const_iterator end() const { return m_items.end(); }
    int count() const { return int(m_items.size()); }
    bool isEmpty() const { return m_items.empty(); }
    bool isIndex(int index) const { return index >= 0 && index < count(); }
    // For an index known to be in range.
    Item* at(int index) const { return m_items[size_t(index)]; }
    // Null for an index out of range.
    Item* find(int index) const { return isIndex(index) ? at(index) : nullptr; }
    // The first item for an index below 1; null past the end.
    Item* nearest(int index) const
    {
        return isEmpty() || index >= count() ? nullptr : at(std::max(index, 0));
    }
    // Null for tag 0, which no item is looked up by.
    Item* byTag(int tag) const
    {
        if (tag == 0)
            return nullptr;
        for (Item* item : m_items) {
            if (item->tag() == tag)
                return item;
        }
        return nullptr;
    }

    void reserveMore(size_t more) { m_items.reserve(m_items.size() + more); }
    // Appending keeps the rank map valid: the new item can only come last.
    void append(Item* item)
    {
        item->m_index = count();
        m_items.push_back(item);
        if (item->isVisible())
            m_ranks.append(item->m_index);
    }
    // For an index in range; appending is append's.
    void insert(int index, Item* item)
    {
        m_items.insert(m_items.begin() + index, item);
        renumberFrom(index);
        m_ranks.invalidate();
    }
    // Unlinks the item at an index in range and returns it, with no index.
    Item* take(int index)
    {
        Item* item = at(index);
        m_items.erase(m_items.begin() + index);
        renumberFrom(index);
        m_ranks.invalidate();
        item->m_index = -1;
        return item;
    }
    // Forgets every item without deleting any.
    void forgetAll()
    {
        m_items.clear();
        m_ranks.invalidate();
    }
    // For two different indexes in range.
    void swap(int a, int b)
    {
        std::swap(m_items[size_t(a)], m_items[size_t(b)]);
        m_items[size_t(a)]->m_index = a;
        m_items[size_t(b)]->m_index = b;
        m_ranks.invalidate();
    }
    // order[i] is the index of the item to come i-th: every index once.
    void reorder(const std::vector<int>& order)
    {
        std::vector<Item*> sorted;
        sorted.reserve(m_items.size());
        for (int old : order)
            sorted.push_back(m_items[size_t(old)]);
        m_items.swap(sorted);
        renumberFrom(0);
        m_ranks.invalidate();
    }

    // An item was shown or hidden.
    void invalidateRanks() { m_ranks.invalidate(); }
    const UIVisibleRanks& ranks() const
    {
        if (!m_ranks.isValid())
            m_ranks.rebuild(count(), [this](int i) { return at(i)->isVisible(); });
        return m_ranks;
    }
    // The visible item of a rank in range.
    Item* atRank(int rank) const { return at(ranks().indexOfRank(rank)); }

private:
    void renumberFrom(int index)
    {
        for (size_t i = size_t(std::max(index, 0)); i < m_items.size(); ++i)
            m_items[i]->m_index = int(i);
    }

    std::vector<Item*> m_items;
    mutable UIVisibleRanks m_ranks;
};
