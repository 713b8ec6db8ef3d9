#include "ui/views/scene/SpriteAnimator.h"

void SpriteAnimator::play(const SpriteAnimation& animation, int32_t framePeriod)
{
    m_player = std::make_unique<SpritePlayer>(animation, framePeriod);
    applyFrame(m_player->rect());
}

void SpriteAnimator::tick(int32_t ms)
{
    if (!m_player)
        return;
    m_player->tick(ms);
    applyFrame(m_player->rect());
}
