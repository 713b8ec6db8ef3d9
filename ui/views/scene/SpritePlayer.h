#pragma once

#include "ui/views/scene/FrameTimer.h"
#include "ui/views/scene/UvRect.h"

class SpriteAnimation;

// Plays one animation: a frame every framePeriod ms of scaled time, forward
// toward the last frame, then back, round again or to a stop by its mode.
class SpritePlayer
{
public:
    SpritePlayer(const SpriteAnimation& animation, int32_t framePeriod);

    void tick(int32_t ms);

    bool isPaused() const { return m_paused; }
    void setPaused(bool paused) { m_paused = paused; }
    void setSpeed(float speed) { m_speed = speed; }
    int frame() const { return m_frame; }
    bool isForward() const { return m_forward; }
    bool isFinished() const { return m_finished; }
    // The current frame's place in the sheet's texture; the whole texture
    // when the frame has none.
    const UvRect& rect() const { return m_rect; }

private:
    void advance();
    void stepToward(int frame);

    const SpriteAnimation& m_animation;
    bool m_paused = false;
    float m_speed = 1.0f;
    FrameTimer m_timer;
    int m_frame;
    bool m_forward = true;
    bool m_finished = false;
    UvRect m_rect;
};
