#include "foundation/system/Random.h"

#include <atomic>

namespace {

const int kDrawRange = 32768;

std::atomic<uint32_t> g_state(1);

uint32_t nextState(uint32_t state)
{
    return state * 214013u + 2531011u;
}

// floor(draw * range / 32768) without overflow for any 64-bit range: the
// range is split at a multiple of 32768.
uint64_t scaleDraw(uint64_t draw, uint64_t range)
{
    return draw * (range / kDrawRange) + draw * (range % kDrawRange) / kDrawRange;
}

} // namespace

void randomSeed(uint32_t seed)
{
    g_state.store(seed);
}

int randomDraw()
{
    uint32_t state = g_state.load();
    while (!g_state.compare_exchange_weak(state, nextState(state))) {
    }
    return static_cast<int>((nextState(state) >> 16) & 0x7FFF);
}

int32_t randomInt(int32_t min, int32_t max)
{
    if (max <= min)
        return min;
    int64_t range = static_cast<int64_t>(max) - min + 1;
    return static_cast<int32_t>(randomDraw() * range / kDrawRange + min);
}

int64_t randomInt64(int64_t min, int64_t max)
{
    if (max <= min)
        return min;
    // The range in unsigned arithmetic; the full 64-bit range wraps to 0 and
    // stands for 2^64.
    uint64_t range = static_cast<uint64_t>(max) - static_cast<uint64_t>(min) + 1;
    uint64_t draw = static_cast<uint64_t>(randomDraw());
    uint64_t offset = range == 0 ? draw << 49 : scaleDraw(draw, range);
    return static_cast<int64_t>(static_cast<uint64_t>(min) + offset);
}

float randomFloat(float min, float max)
{
    return min + (max - min) * static_cast<float>(randomDraw()) * (1.0f / kDrawRange);
}

double randomDouble(double min, double max)
{
    return min + (max - min) * static_cast<double>(randomDraw()) * (1.0 / kDrawRange);
}

int randomBit(uint64_t& state)
{
    const uint64_t kMask = (uint64_t(1) << 48) - 1;
    state = (state * 0x5DEECE66Dull + 11) & kMask;
    return static_cast<int>(state >> 47);
}
