#include "model/values/ValueCounter.h"

void ValueCounter::add(const String& value)
{
    auto found = m_index.find(&value);
    if (found != m_index.end()) {
        ++m_tallies[found->second].count;
        return;
    }
    m_index.emplace(&value, m_tallies.size());
    m_tallies.push_back(Tally{&value, 1});
}

String ValueCounter::mostFrequent() const
{
    const String* best = nullptr;
    int bestCount = 0;
    for (const Tally& tally : m_tallies) {
        if (tally.count > bestCount) {
            best = tally.value;
            bestCount = tally.count;
        }
    }
    return best ? *best : String();
}
