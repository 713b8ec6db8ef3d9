#pragma once

#include <cstdint>

// UTF-8 coding of UTF-16 text, the same in every build. Both functions count
// when their output is null and otherwise write; the output must hold the
// counted size.
class Utf8
{
public:
    // A surrogate without its partner is written as U+FFFD.
    static int encode(const char16_t* text, int count, uint8_t* out);
    // Each maximal ill-formed part (a stray continuation byte, a sequence cut
    // short, an overlong form, an encoded surrogate or a value above U+10FFFF)
    // becomes one U+FFFD.
    static int decode(const uint8_t* bytes, int count, char16_t* out);
};
