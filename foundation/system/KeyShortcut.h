#pragma once

#include <cstdint>

class String;

// Up to three virtual-key codes pressed together, in order. 0 marks an empty
// place, and the codes in use come first.
class KeyShortcut
{
public:
    KeyShortcut() = default;
    KeyShortcut(uint32_t key1, uint32_t key2, uint32_t key3);

    uint32_t key(int index) const { return m_keys[index]; }
    // The number of leading non-zero codes.
    int count() const;
    bool isValid() const { return m_keys[0] != 0; }
    // The key names joined by separator, up to the first empty place, such as
    // "Ctrl+S"; empty when the first place is empty.
    String toString(const String& separator) const;

private:
    uint32_t m_keys[3] = {0, 0, 0};
};
