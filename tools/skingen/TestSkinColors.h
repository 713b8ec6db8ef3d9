#pragma once

#include "foundation/hash/Crc32.h"
#include "foundation/text/String.h"
#include "graphics/color/Color.h"

// The flat colours of test.style, shared by the generator and the tests: a
// pixel read back from a widget drawn with the test skin names the skin image
// and frame (or the style property) it came from. The generator refuses a
// skin in which two of these colours coincide.

inline Color testSkinColorOf(const String& key)
{
    const Crc32 crc(key.data(), static_cast<uint32_t>(key.byteSize()));
    return Color(0xFF000000u | (crc.value() & 0xFFFFFFu));
}

// Frame `frame` of a skin image, or a built-in image by its name (frame 0).
inline Color testSkinFrameColor(const String& skinName, int frame)
{
    return testSkinColorOf(skinName + u"#" + String::fromInt(frame));
}

// A colour, pen or brush property of a style model.
inline Color testStyleColor(const String& styleName, const String& property)
{
    return testSkinColorOf(styleName + u"." + property);
}
