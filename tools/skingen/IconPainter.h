#pragma once

#include "graphics/image/Image.h"
#include "tools/skingen/SkinSource.h"

// Draws the data archive's line icons from their table rows: one motif on a
// grid of the icon's size (1.5 px strokes up to 16 px, 2 px above), in the
// text colour with one accent or status fill where it carries meaning, and
// an optional badge ("plus", "pencil", "minus") in the lower right corner.
class IconPainter
{
public:
    explicit IconPainter(const SkinSource& source) : m_source(source) {}

    // Empty for an unknown motif or badge.
    Image draw(const SkinSource::Icon& icon) const;

    static bool isKnownMotif(const std::string& motif);
    static bool isKnownBadge(const std::string& badge);

private:
    Color named(const char* name) const;

    const SkinSource& m_source;
};
