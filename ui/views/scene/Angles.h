#pragma once

// Angle and approach helpers of the cover-flow animation, in radians.
namespace Angles {

// 2 pi as the float the animation has always used.
constexpr float kTwoPi = 6.2831854820251465f;

// Into [0, 2 pi) for every finite angle; within 0.001 of zero becomes 0, and a
// non-finite angle gives 0.
float wrapAngle(float angle);
bool isWrapped(float angle);
// Whether turning from toward increasing angles reaches to no later than
// turning the other way; both angles wrapped.
bool isCounterclockwiseShorter(float from, float to);
// Moves angle by step the shorter way round; true once it is on target.
bool stepAngleToward(float& angle, float target, float step);
// Moves value by step toward target, stopping on it. True when it was
// already there or overshot and was put on it; an exact landing reports
// false on that call and true on the next.
bool stepToward(float& value, float target, float step);

} // namespace Angles
