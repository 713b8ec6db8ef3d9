#pragma once

#include <cstdint>

class String;

// The two lower-case hexadecimal digits of one byte.
void byteToHexPair(uint8_t byte, char16_t& high, char16_t& low);

// Lower-case hexadecimal text of bytes in one of these styles, shown for the
// bytes 0x0A, 0xFF: 1 "0a:ff", 2 "0x0a,0xff", 3 "0x0a, 0xff", 4 "\x0a\xff",
// any other "0aff". No bytes give the empty String.
String bytesToHexStyled(const uint8_t* bytes, int count, int style);
