#pragma once

#include "foundation/text/String.h"

// The browser identities the program sends as its user agent. Index 1 is one
// of four Firefox identities, drawn at random on its first use and kept for
// the rest of the run; the page download, the extractors and the bar-code
// search use it.
String userAgentString(int index);
