#include "ui/views/scene/SpriteSheet.h"

#include "graphics/d3d/Texture.h"

#include <cmath>

namespace {

bool sameName(const ObjectName& name, const char16_t* text)
{
    const char16_t* own = name.text();
    while (*own && *own == *text) {
        ++own;
        ++text;
    }
    return *own == *text;
}

} // namespace

SpriteSheet::SpriteSheet(const char16_t* name, Texture* texture, uint8_t frameCount, float frameWidth,
                         float frameHeight)
    : m_frameCount(frameCount), m_frameWidth(frameWidth), m_frameHeight(frameHeight), m_texture(texture)
{
    m_name.set(name);
    addAnimation(u"default", 0, frameCount > 0 ? frameCount - 1 : 0, SpriteAnimation::kLoop);
}

const SpriteAnimation& SpriteSheet::addAnimation(const char16_t* name, uint8_t first, uint8_t last, int mode)
{
    m_animations.push_back(std::make_unique<SpriteAnimation>(*this, name, first, last, mode));
    return *m_animations.back();
}

const SpriteAnimation* SpriteSheet::findAnimation(const char16_t* name) const
{
    if (!name)
        return nullptr;
    for (const auto& animation : m_animations) {
        if (sameName(animation->name(), name))
            return animation.get();
    }
    return nullptr;
}

bool SpriteSheet::frameRect(int index, UvRect& out) const
{
    // NaN fails these comparisons too.
    if (!m_texture || index < 0 || index >= m_frameCount || !(m_frameWidth >= 1.0f) ||
        !(m_frameHeight >= 1.0f))
        return false;
    Size size = m_texture->size();
    int64_t columns = static_cast<int64_t>(std::trunc(size.width / m_frameWidth));
    int64_t rows = static_cast<int64_t>(std::trunc(size.height / m_frameHeight));
    if (columns * rows < m_frameCount)
        return false;
    int64_t row = index / columns;
    int64_t column = index % columns;
    if (row >= rows)
        return false;
    out.u = static_cast<float>(column) / static_cast<float>(columns);
    out.v = static_cast<float>(row) / static_cast<float>(rows);
    out.width = 1.0f / static_cast<float>(columns);
    out.height = 1.0f / static_cast<float>(rows);
    return true;
}
