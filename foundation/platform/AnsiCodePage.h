#pragma once

#include <cstdint>

// The system's ANSI code page. The Windows build asks the system; the native
// build uses Windows-1252. Both functions count when their output is null and
// otherwise write at most outSize units; they return what they wrote (or
// would write), 0 on failure. Units the code page cannot hold become its
// default character.
class AnsiCodePage
{
public:
    static int encode(const char16_t* text, int count, uint8_t* out, int outSize);
    static int decode(const uint8_t* bytes, int count, char16_t* out, int outSize);
};
