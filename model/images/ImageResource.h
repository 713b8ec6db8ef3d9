#pragma once

#include "foundation/text/String.h"
#include "graphics/image/Image.h"

#include <vector>

// A picture shipped in the "images" group of the "data" archive, decoded from
// the PNG item named by name and ".png"; the empty image when the archive is
// not open, the item is missing or does not decode.
Image loadImageResource(const String& name);

// The names asked for that gave the empty image, each once, in the order
// first missed: what a driven test of the windows reports as missing.
std::vector<String> missingImageResources();
