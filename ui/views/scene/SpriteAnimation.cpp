#include "ui/views/scene/SpriteAnimation.h"

SpriteAnimation::SpriteAnimation(const SpriteSheet& sheet, const char16_t* name, uint8_t first, uint8_t last,
                                 int mode)
    : m_sheet(sheet), m_mode(mode), m_first(first), m_last(last)
{
    m_name.set(name);
}
