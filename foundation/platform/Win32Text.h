#pragma once

#include "foundation/text/String.h"

// Text at the boundary of the Windows API, whose wide characters are our
// UTF-16 units. For the Windows build only.

// The units of text as a zero-terminated wide text; "" for an empty String.
// Valid while text is neither changed nor destroyed.
const wchar_t* wideText(const String& text);

// A String of count wide characters (-1: up to the terminator); empty for null.
String fromWide(const wchar_t* text, int count = -1);
