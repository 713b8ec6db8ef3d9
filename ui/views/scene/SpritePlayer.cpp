#include "ui/views/scene/SpritePlayer.h"

#include "ui/views/scene/SpriteSheet.h"

#include <cmath>

SpritePlayer::SpritePlayer(const SpriteAnimation& animation, int32_t framePeriod)
    : m_animation(animation), m_timer(framePeriod), m_frame(animation.first())
{
    m_animation.sheet().frameRect(m_frame, m_rect);
    m_timer.start();
}

void SpritePlayer::tick(int32_t ms)
{
    double step = m_paused ? 0.0 : std::trunc(static_cast<double>(m_speed) * ms);
    if (!std::isfinite(step) || std::fabs(step) > 2147483647.0)
        return;
    m_timer.tick(static_cast<int32_t>(step));
    if (m_timer.hasFired())
        advance();
}

void SpritePlayer::stepToward(int frame)
{
    m_frame += frame > m_frame ? 1 : -1;
}

void SpritePlayer::advance()
{
    int first = m_animation.first();
    int last = m_animation.last();
    if (first == last || m_finished)
        return;
    int before = m_frame;
    int mode = m_animation.mode();
    if (m_forward && m_frame != last) {
        stepToward(last);
    } else if (m_forward) {
        if (mode == SpriteAnimation::kBackAndForth) {
            m_forward = false;
            stepToward(first);
        } else if (mode == SpriteAnimation::kLoop) {
            m_frame = first;
        } else {
            m_finished = true;
        }
    } else if (m_frame != first) {
        stepToward(first);
    } else if (mode == SpriteAnimation::kBackAndForth) {
        m_forward = true;
        stepToward(last);
    }
    if (m_frame != before)
        m_animation.sheet().frameRect(m_frame, m_rect);
}
