#pragma once

#include "foundation/containers/Array.h"
#include "foundation/containers/StringList.h"
#include "foundation/text/String.h"

// The font families installed on the system, as GDI enumerates them for the
// screen in every character set.

// True when a family's face name equals name exactly (case matters).
bool isFontFamilyInstalled(const String& name);

// Every face name once, sorted ignoring case. Enumerated on the first call and
// kept; later calls return the kept list.
StringList availableFontFamilies();

// The point sizes in which family is offered, each once, in enumeration order;
// sizes is emptied first. Scalable fonts report the one size GDI enumerates.
void availableFontSizes(Array<int>& sizes, const String& family);
