#pragma once

#include "foundation/text/String.h"

#include <vector>

// The order a table sort gives its rows. Each row's key is computed once
// (its upper-cased sort text or its sort value); a stable merge sort then
// gives exactly the order of a stable neighbour-swapping sort with the
// table's comparison: hidden rows first whatever the direction, equal keys
// in their old order, and a value that is not a number below every number so
// that the order stays total.
class UIRowOrder
{
public:
    static constexpr int kAscending = 1;

    void clear()
    {
        m_keys.clear();
        m_texts.clear();
    }
    void reserve(int count) { m_keys.reserve(size_t(count)); }
    void addText(bool hidden, const String& text);
    void addValue(bool hidden, double value);
    int count() const { return int(m_keys.size()); }

    // -1, 0 or 1 for the rows a and b (in key order), before the direction.
    int compare(int a, int b) const;
    // order[i] is the old index of the row that goes to place i. Any order
    // other than ascending sorts descending.
    std::vector<int> stableOrder(int order) const;

private:
    struct Key
    {
        bool hidden = false;
        // Where the upper-cased text starts in the shared buffer; -1 for an
        // empty text, which compares as a null one.
        int text = -1;
        double value = 0.0;
    };
    int compareKeys(const Key& a, const Key& b) const;
    const char16_t* textOf(const Key& key) const;

    std::vector<Key> m_keys;
    // Every key's text, each ending in a zero: one buffer for all rows
    // instead of a block a row.
    std::vector<char16_t> m_texts;
    bool m_byText = false;
};
