#pragma once

#include "foundation/text/String.h"
#include "graphics/image/Image.h"

// A picture shipped in the "images" group of the "data" archive, decoded from
// the PNG item named by name and ".png"; the empty image when the archive is
// not open, the item is missing or does not decode.
Image loadImageResource(const String& name);
