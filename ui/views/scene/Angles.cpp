#include "ui/views/scene/Angles.h"

#include <cmath>

namespace Angles {

float wrapAngle(float angle)
{
    if (!std::isfinite(angle))
        return 0.0f;
    if (angle >= -0.001f && angle < kTwoPi)
        return std::fabs(angle) < 0.001f ? 0.0f : angle;
    // fmod in double has no count of turns to overflow, however large the angle.
    double rest = std::fmod(static_cast<double>(angle), static_cast<double>(kTwoPi));
    if (rest < 0.0)
        rest += kTwoPi;
    float wrapped = static_cast<float>(rest);
    return (wrapped >= kTwoPi || wrapped < 0.0f) ? 0.0f : wrapped + 0.0f;
}

bool isWrapped(float angle)
{
    return angle >= 0.0f && angle < kTwoPi;
}

bool isCounterclockwiseShorter(float from, float to)
{
    return wrapAngle(to - from) <= kTwoPi / 2.0f;
}

bool stepAngleToward(float& angle, float target, float step)
{
    if (step >= kTwoPi || angle == target) {
        angle = target;
        return true;
    }
    bool increasing = isCounterclockwiseShorter(angle, target);
    float remaining = increasing ? wrapAngle(target - angle) : wrapAngle(angle - target);
    if (step >= remaining) {
        angle = target;
        return true;
    }
    angle = wrapAngle(increasing ? angle + step : angle - step);
    return false;
}

bool stepToward(float& value, float target, float step)
{
    if (value > target) {
        value -= step;
        if (value < target) {
            value = target;
            return true;
        }
        return false;
    }
    if (value < target) {
        value += step;
        if (value > target) {
            value = target;
            return true;
        }
        return false;
    }
    return true;
}

} // namespace Angles
