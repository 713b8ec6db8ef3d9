#pragma once

#include <cstdint>

// A system-wide hot key: the id it is registered under, a virtual-key code
// and the toolkit's modifiers (1 Shift, 2 Ctrl, 4 Alt).
class HotKeyShortcut
{
public:
    static constexpr uint32_t kModifierMask = 1 | 2 | 4;
    // Ids from here on belong to the system's shared hot keys.
    static constexpr int kFirstReservedId = 0xC000;

    HotKeyShortcut() = default;
    HotKeyShortcut(int id, uint32_t key, uint32_t modifiers) : m_id(id), m_key(key), m_modifiers(modifiers) {}
    // Id 0; modifiers outside Shift, Ctrl and Alt are dropped.
    HotKeyShortcut(uint32_t key, uint32_t modifiers);

    int id() const { return m_id; }
    void setId(int id) { m_id = id; }
    uint32_t key() const { return m_key; }
    uint32_t modifiers() const { return m_modifiers; }

    // A key with a modifier, or a function key alone, under an id that is
    // not negative.
    bool isValid() const;
    // (modifiers << 32) | key; 0 when not valid.
    uint64_t toUInt64() const;

private:
    int m_id = 0;
    uint32_t m_key = 0;
    uint32_t m_modifiers = 0;
};
