#pragma once

#include "ui/views/scene/Animated.h"
#include "ui/views/scene/SpritePlayer.h"

#include <memory>

// Drives one sprite animation and hands each frame's rectangle to whatever
// shows it.
class SpriteAnimator : public Animated
{
public:
    // Replaces the running animation and shows its first frame.
    void play(const SpriteAnimation& animation, int32_t framePeriod);
    void tick(int32_t ms) override;
    SpritePlayer* player() const { return m_player.get(); }

protected:
    virtual void applyFrame(const UvRect& rect) = 0;

private:
    std::unique_ptr<SpritePlayer> m_player;
};
