#include "ui/widgets/items/UIRowOrder.h"

#include "foundation/text/CharClass.h"

#include <algorithm>
#include <cmath>
#include <numeric>

void UIRowOrder::addText(bool hidden, const String& text)
{
    m_byText = true;
    Key key;
    key.hidden = hidden;
    if (!text.isEmpty()) {
        key.text = int(m_texts.size());
        m_texts.insert(m_texts.end(), text.constCharAt(0), text.constCharAt(0) + text.length());
        m_texts.push_back(0);
        toUpperInPlace(&m_texts[size_t(key.text)]);
    }
    m_keys.push_back(key);
}

void UIRowOrder::addValue(bool hidden, double value)
{
    m_byText = false;
    Key key;
    key.hidden = hidden;
    key.value = value;
    m_keys.push_back(key);
}

int UIRowOrder::compareKeys(const Key& a, const Key& b) const
{
    if (m_byText)
        return String::compare(textOf(a), textOf(b));
    bool aNan = std::isnan(a.value);
    bool bNan = std::isnan(b.value);
    if (aNan || bNan)
        return aNan == bNan ? 0 : (aNan ? -1 : 1);
    return a.value < b.value ? -1 : (a.value > b.value ? 1 : 0);
}

const char16_t* UIRowOrder::textOf(const Key& key) const
{
    return key.text < 0 ? nullptr : &m_texts[size_t(key.text)];
}

int UIRowOrder::compare(int a, int b) const
{
    return compareKeys(m_keys[size_t(a)], m_keys[size_t(b)]);
}

std::vector<int> UIRowOrder::stableOrder(int order) const
{
    std::vector<int> result(m_keys.size());
    std::iota(result.begin(), result.end(), 0);
    bool ascending = order == kAscending;
    std::stable_sort(result.begin(), result.end(), [&](int a, int b) {
        const Key& ka = m_keys[size_t(a)];
        const Key& kb = m_keys[size_t(b)];
        if (ka.hidden || kb.hidden)
            return ka.hidden && !kb.hidden;
        int c = compareKeys(ka, kb);
        return ascending ? c < 0 : c > 0;
    });
    return result;
}
