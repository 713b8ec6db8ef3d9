#pragma once

#include <cstdint>

class ByteArray;
class String;

// Base64 by the system's encoder in the Windows build (CryptoAPI) and by our
// own code natively; both give the same bytes for the same text.
//
// Encoding writes the standard alphabet with '=' padding and no line breaks;
// false for empty input. Decoding skips blanks, tabs, CR and LF anywhere,
// accepts a missing padding, stops at the padding that completes a group of
// four, and fails on any other character before it, on data after a padding
// that does not complete its group, and for an empty text.
bool base64Encode(const uint8_t* bytes, int length, String& out);
bool base64Decode(const char16_t* text, int length, ByteArray& out);
// True when the text decodes to at least one byte.
bool isBase64(const char16_t* text, int length);
// The 64 letters of the alphabet and '='.
bool isBase64Char(char16_t unit);
