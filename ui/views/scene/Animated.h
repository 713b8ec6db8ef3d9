#pragma once

#include <cstdint>

// Something the frame clock moves on by the milliseconds since the last frame.
class Animated
{
public:
    virtual ~Animated();
    virtual void tick(int32_t ms) = 0;
};
