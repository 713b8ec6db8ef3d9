#pragma once

#include "foundation/text/String.h"

#include <cstddef>

// Hands the Strings met in a pass over the movies to a sink a few Strings
// late, asking the memory for each text as soon as it is met. In a large
// collection every text lies in its own block far from the last, and hashing
// them as they come waits on memory for each; this way the texts of the next
// Strings are already on their way while one is hashed. The order stays that
// of add.
template <typename Sink> class StringFeed
{
public:
    explicit StringFeed(Sink sink) : m_sink(sink) {}
    StringFeed(const StringFeed&) = delete;
    StringFeed& operator=(const StringFeed&) = delete;

    // The String must live until it has reached the sink.
    void add(const String& text)
    {
        // A hint only: it changes no result, and a null address is fine.
        __builtin_prefetch(text.data());
        size_t slot = m_count % kDelay;
        if (m_count >= kDelay)
            m_sink(*m_waiting[slot]);
        m_waiting[slot] = &text;
        ++m_count;
    }

    // Hands over the Strings still waiting; call once after the last add.
    void finish()
    {
        size_t first = m_count > kDelay ? m_count - kDelay : 0;
        for (size_t i = first; i < m_count; ++i)
            m_sink(*m_waiting[i % kDelay]);
        m_count = 0;
    }

private:
    static constexpr size_t kDelay = 16;

    Sink m_sink;
    const String* m_waiting[kDelay] = {};
    size_t m_count = 0;
};
