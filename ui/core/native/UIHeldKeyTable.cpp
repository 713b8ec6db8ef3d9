#include "ui/core/native/UIHeldKeyTable.h"

int UIHeldKeyTable::indexOf(int virtualKey) const
{
    for (int i = 0; i < m_count; ++i) {
        if (m_entries[i].virtualKey == virtualKey)
            return i;
    }
    return -1;
}

const UIHeldKeyTable::Entry* UIHeldKeyTable::find(int virtualKey) const
{
    int index = indexOf(virtualKey);
    return index < 0 ? nullptr : &m_entries[index];
}

bool UIHeldKeyTable::add(int virtualKey, uint32_t modifiers, const String& text)
{
    if (m_count >= kCapacity)
        return false;
    Entry& entry = m_entries[m_count++];
    entry.virtualKey = virtualKey;
    entry.modifiers = modifiers;
    entry.text = text;
    return true;
}

bool UIHeldKeyTable::remove(int virtualKey)
{
    int index = indexOf(virtualKey);
    if (index < 0)
        return false;
    m_lastRemoved = m_entries[index];
    // Order does not matter: the last entry fills the gap.
    --m_count;
    if (index != m_count)
        m_entries[index] = m_entries[m_count];
    m_entries[m_count] = Entry();
    return true;
}

void UIHeldKeyTable::clear()
{
    for (int i = 0; i < m_count; ++i)
        m_entries[i] = Entry();
    m_count = 0;
}
