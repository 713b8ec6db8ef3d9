#pragma once

#include "foundation/text/String.h"

// A collection keeps only the stored form of its password: the MD5 digest of
// the password's UTF-8 bytes as 32 lower-case hexadecimal digits. The empty
// text means the collection is not protected.

// The stored form of a password taken exactly as typed; empty for the empty
// password, which can never protect anything.
String passwordDigest(const String& password);
// Whether a typed password opens what the stored form protects: never for
// an empty typed password, and letter case counts.
bool passwordMatches(const String& typed, const String& storedForm);
