#pragma once

#include "foundation/text/String.h"

// The file side of loading and saving XML: whole text files in encoding 3
// (UTF-8) or 4 (UTF-16), with the encoding's byte-order mark.

// The file's text without its byte-order mark; false when the file cannot be
// read or holds no text.
bool readXmlTextFile(const String& path, int encoding, String& text);
// Replaces the file only once the whole text is written, so a failed save
// keeps the old file.
bool saveXmlTextFile(const String& path, const String& text, int encoding);
