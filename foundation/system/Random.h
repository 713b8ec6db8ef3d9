#pragma once

#include <cstdint>

// Random numbers from our own generator of the C runtime's kind: 15-bit draws
// (0-32767) from a linear congruential state that starts at 1, so both builds
// give the same sequence for one seed. Not for anything secret.

// Restarts the sequence; the default seed is 1.
void randomSeed(uint32_t seed);
// The next draw, 0-32767.
int randomDraw();

// A number in min..max, both included; min when max is not above min.
int32_t randomInt(int32_t min, int32_t max);
int64_t randomInt64(int64_t min, int64_t max);
// min + (max - min) * draw / 32768.
float randomFloat(float min, float max);
double randomDouble(double min, double max);

// One step of the 48-bit generator of the drand48 family on a state that the
// caller keeps (any value; only its low 48 bits count), and the top bit of
// the new state: 0 or 1.
int randomBit(uint64_t& state);
