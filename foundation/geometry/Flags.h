#pragma once

// A combination of bit flags: alignment, window and size-policy flags.
class Flags
{
public:
    explicit Flags(int value = 0) : m_value(value) {}

    // The flags a | b.
    static Flags combine(int a, int b) { return Flags(a | b); }

    int value() const { return m_value; }

private:
    int m_value;
};
