#pragma once

#include <cstdint>

class ByteArray;
class String;

// Conversions between UTF-16 text and bytes by code page selector: 1 the
// system ANSI code page, 2 ISO-8859-1, 3 UTF-8 (String::kCodePageAnsi and its
// neighbours). A count of -1 reads up to the terminator.
//
// Refused arguments (a null or empty text, a count that is neither -1 nor at
// least 1, another selector) give false and leave the output untouched; a
// conversion that produces nothing gives false and an empty output. Units a
// code page cannot hold become '?', bytes that do not decode become U+FFFD:
// nothing is reported for them.
bool wideToBytes(int codePage, const char16_t* text, int count, ByteArray& out);
bool bytesToWide(int codePage, const void* bytes, int count, String& out);

// One unit in the ANSI code page; 0 when it needs more than one byte.
uint8_t charToAnsiByte(char16_t unit);
// One ANSI byte as a unit; 0 when it does not decode alone.
char16_t ansiByteToChar(uint8_t byte);
// Bytes below 0x80 give the same unit; others are not UTF-8 alone: U+FFFD.
char16_t utf8ByteToChar(uint8_t byte);
// True only for units that UTF-8 writes as one byte.
bool charToUtf8Byte(char16_t unit, uint8_t& out);
