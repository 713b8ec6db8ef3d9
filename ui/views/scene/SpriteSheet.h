#pragma once

#include "graphics/d3d/ObjectName.h"
#include "ui/views/scene/SpriteAnimation.h"
#include "ui/views/scene/UvRect.h"

#include <memory>
#include <vector>

class Texture;

// Frames of equal size cut from one texture in a grid, row by row, with the
// named animations over them. The sheet does not own the texture.
class SpriteSheet
{
public:
    // Starts with the looping animation "default" over every frame.
    SpriteSheet(const char16_t* name, Texture* texture, uint8_t frameCount, float frameWidth,
                float frameHeight);
    SpriteSheet(const SpriteSheet&) = delete;
    SpriteSheet& operator=(const SpriteSheet&) = delete;

    const ObjectName& name() const { return m_name; }
    Texture* texture() const { return m_texture; }
    uint8_t frameCount() const { return m_frameCount; }

    const SpriteAnimation& addAnimation(const char16_t* name, uint8_t first, uint8_t last, int mode);
    // Exact, case-sensitive; null when there is none.
    const SpriteAnimation* findAnimation(const char16_t* name) const;
    const SpriteAnimation& firstAnimation() const { return *m_animations.front(); }

    // The frame's place in the texture; false without texture, for an index
    // outside the frames, for frames under a pixel, or when the texture's
    // grid holds fewer cells than there are frames.
    bool frameRect(int index, UvRect& out) const;

private:
    ObjectName m_name;
    uint8_t m_frameCount;
    float m_frameWidth;
    float m_frameHeight;
    Texture* m_texture;
    std::vector<std::unique_ptr<SpriteAnimation>> m_animations;
};
