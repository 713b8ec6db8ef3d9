#pragma once

// The fixed-size name of a 3D scene object, such as a cover texture: up to 32
// UTF-16 characters in a buffer of its own, so that naming never allocates.
class ObjectName
{
public:
    static constexpr int kMaxLength = 32;

    ObjectName();

    // Sets the name; a null text or one longer than kMaxLength characters
    // leaves the name empty and returns false.
    bool set(const char16_t* text);

    // The zero-terminated name.
    const char16_t* text() const { return m_text; }

private:
    char16_t m_text[kMaxLength + 1];
};
