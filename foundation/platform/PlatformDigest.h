#pragma once

#include <cstdint>

// The seam to the system's MD5 service. Writes the 16 digest bytes and returns
// true; false for a null pointer or an empty input, or when the service fails.
bool platformMd5(const uint8_t* bytes, uint32_t size, uint8_t digest[16]);
