#pragma once

#include "foundation/text/String.h"
#include "graphics/image/Image.h"

// The data archive's pictures the movie editors show (page and tool-bar
// icons, stars, link types), each decoded once per run: the editor opens,
// steps and rebuilds its tables often, and a decode costs more than the row
// it decorates. The pictures are shared, never drawn into.
class EditorIcons
{
public:
    // The picture of that name in the archive's images; the empty image
    // when there is none.
    static Image get(const String& name);
    static Image get(const char16_t* name) { return get(String(name)); }
};
