#pragma once

#include <cstdint>

// Character classes and single-unit case mapping. Units below U+0100 are
// classified by our own table (the classic C-locale wide table, which knows the
// Latin-1 letters); units above go to the platform. U+FFFF has no class.

bool isSpaceChar(char16_t unit);
bool isDigitChar(char16_t unit);
bool isAlphaChar(char16_t unit);
bool isLowerChar(char16_t unit);
bool isUpperChar(char16_t unit);
bool isAlphaNumericChar(char16_t unit);
// Letters, digits, punctuation and blanks: what text editing accepts as typed.
bool isPrintableChar(char16_t unit);

bool isAsciiLetter(char16_t unit);
bool isAsciiLower(char16_t unit);
bool isAsciiUpper(char16_t unit);
bool isAsciiLetterOrDigit(char16_t unit);

// 0-15 for a hexadecimal digit, -1 for any other unit.
int hexDigitValue(char16_t unit);

inline bool isZeroByte(char value)
{
    return value == 0;
}
inline bool isZeroUnit(char16_t unit)
{
    return unit == 0;
}
inline uint8_t byteOf(uint8_t value)
{
    return value;
}
inline uint8_t highByteOf(char16_t unit)
{
    return static_cast<uint8_t>(unit >> 8);
}

// Single-unit case mapping by the platform's rules; 0 stays 0.
char16_t toUpperUnit(char16_t unit);
char16_t toLowerUnit(char16_t unit);

// Map a zero-terminated text in place; a null text is left alone.
void toUpperInPlace(char16_t* text);
void toLowerInPlace(char16_t* text);

// Narrow texts follow the C locale: only 'a'-'z' and 'A'-'Z' change.
char narrowToUpper(char value);
char narrowToLower(char value);
void narrowUpperInPlace(char* text);
void narrowLowerInPlace(char* text);
