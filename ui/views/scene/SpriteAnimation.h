#pragma once

#include "graphics/d3d/ObjectName.h"

#include <cstdint>

class SpriteSheet;

// A named run of frames of a sprite sheet and how it repeats.
class SpriteAnimation
{
public:
    static constexpr int kBackAndForth = 1;
    static constexpr int kLoop = 2;
    // Any other mode plays once.

    SpriteAnimation(const SpriteSheet& sheet, const char16_t* name, uint8_t first, uint8_t last, int mode);

    const ObjectName& name() const { return m_name; }
    const SpriteSheet& sheet() const { return m_sheet; }
    int mode() const { return m_mode; }
    uint8_t first() const { return m_first; }
    uint8_t last() const { return m_last; }

private:
    ObjectName m_name;
    const SpriteSheet& m_sheet;
    int m_mode;
    uint8_t m_first;
    uint8_t m_last;
};
