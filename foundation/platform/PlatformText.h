#pragma once

#include <cstdint>

// The seam between the portable text code and the system's character data.
// The Windows build asks the system (so our mapping matches every other
// program on the machine); the native build uses a small table of its own that
// covers Latin-1, Latin Extended-A, Greek and Cyrillic, enough for the tests
// and tools.

// Character type bits of one UTF-16 unit. The values follow the system's own
// type-1 classification so the Windows side can pass them through unchanged.
const uint16_t kCharUpper = 0x0001;
const uint16_t kCharLower = 0x0002;
const uint16_t kCharDigit = 0x0004;
const uint16_t kCharSpace = 0x0008;
const uint16_t kCharPunct = 0x0010;
const uint16_t kCharControl = 0x0020;
const uint16_t kCharBlank = 0x0040;
const uint16_t kCharHexDigit = 0x0080;
const uint16_t kCharAlpha = 0x0100;

// Type bits of a unit at or above U+0100; 0 for a unit the platform does not
// classify.
uint16_t platformCharType(char16_t unit);

// Map count units in place to upper or lower case, one unit for one unit.
void platformUpperInPlace(char16_t* text, int count);
void platformLowerInPlace(char16_t* text, int count);
