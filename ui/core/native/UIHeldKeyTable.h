#pragma once

#include "foundation/text/String.h"

#include <cstdint>

// The keys that are down, each with the modifiers and text of its press, so
// that repeats and the release carry the press's text. Room for 64 keys: a
// further press is still reported but takes no entry.
class UIHeldKeyTable
{
public:
    static constexpr int kCapacity = 64;

    struct Entry
    {
        int virtualKey = 0;
        uint32_t modifiers = 0;
        String text;
    };

    // The entry of the key, or null.
    const Entry* find(int virtualKey) const;
    // False, with nothing stored, when the table is full.
    bool add(int virtualKey, uint32_t modifiers, const String& text);
    // True when the key had an entry; its text is then in lastRemoved.
    bool remove(int virtualKey);
    void clear();
    int count() const { return m_count; }
    bool isEmpty() const { return m_count == 0; }
    const Entry& lastRemoved() const { return m_lastRemoved; }

private:
    int indexOf(int virtualKey) const;

    int m_count = 0;
    Entry m_lastRemoved;
    Entry m_entries[kCapacity];
};
