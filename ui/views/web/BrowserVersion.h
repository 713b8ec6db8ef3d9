#pragma once

#include "foundation/text/String.h"

// The browser version as the system stores it, cut to what callers compare:
// the text before its second '.' ("8.0.6001.18702" gives "8.0", and the
// later browsers' "9.11.10240.0" gives "9.11"); the whole text when it has
// fewer than two dots.
class BrowserVersion
{
public:
    static String fromStored(const String& stored);
    // The system's browser version cut so; empty where the system keeps none.
    static String installed();
};
