#pragma once

#include "foundation/text/String.h"
#include "model/values/StringPointerSet.h"

#include <vector>

// Counts how often each distinct value occurs, keeping the values in the
// order of their first occurrence. The counted Strings must outlive it.
class ValueCounter
{
public:
    void add(const String& value);
    // The value with the highest count; on a tie the one met first. Empty
    // when nothing was counted.
    String mostFrequent() const;

private:
    struct Tally
    {
        const String* value;
        int count;
    };

    std::vector<Tally> m_tallies;
    StringPointerMap<size_t> m_index;
};
