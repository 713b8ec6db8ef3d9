#include "graphics/image/BlurKernel.h"
#include "graphics/image/CatmullRomFilter.h"
#include "graphics/image/PixelOps.h"
#include "graphics/image/TwoPassScaler.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

std::vector<uint8_t> photo(int width, int height)
{
    std::vector<uint8_t> bytes(static_cast<size_t>(width) * height * 4);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<uint8_t>((i * 2654435761u) >> 13);
    return bytes;
}

void thumbnail(benchmark::State& state)
{
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    std::vector<uint8_t> source = photo(width, height);
    const PixelView from(source.data(), width, height, width * 4, 4);
    std::vector<uint8_t> target(132 * 198 * 4);
    const PixelView to(target.data(), 132, 198, 132 * 4, 4);
    const CatmullRomFilter filter;
    for (auto _ : state) {
        TwoPassScaler(filter).scale(from, to);
        benchmark::DoNotOptimize(target.data());
    }
}

} // namespace

BENCHMARK(thumbnail)->Args({1000, 1500})->Args({2400, 3600})->Unit(benchmark::kMillisecond);

namespace {

// A 2000 x 2000 photo with every alpha value, so that premultiplication has
// work on most pixels. Rates are reported in pixels per second.
template <typename Pass> void wholeImage(benchmark::State& state, Pass pass)
{
    const int side = 2000;
    std::vector<uint8_t> bytes = photo(side, side);
    const PixelView view(bytes.data(), side, side, side * 4, 4);
    for (auto _ : state) {
        pass(view);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetItemsProcessed(state.iterations() * side * side);
}

void premultiply(benchmark::State& state)
{
    wholeImage(state, [](const PixelView& v) { premultiplyPixels(v); });
}

void unpremultiply(benchmark::State& state)
{
    wholeImage(state, [](const PixelView& v) { unpremultiplyPixels(v); });
}

void gammaTable(benchmark::State& state)
{
    uint8_t table[256];
    makeGammaTable(1.15f, table);
    wholeImage(state, [&](const PixelView& v) { applyTablePixels(v, table); });
}

void gray(benchmark::State& state)
{
    wholeImage(state, [](const PixelView& v) { grayPixels(v); });
}

void blur(benchmark::State& state)
{
    const int side = 512;
    std::vector<uint8_t> bytes = photo(side, side);
    const PixelView view(bytes.data(), side, side, side * 4, 4);
    const float radius = static_cast<float>(state.range(0));
    for (auto _ : state) {
        BlurKernel(radius).apply(view);
        benchmark::DoNotOptimize(bytes.data());
    }
}

} // namespace

BENCHMARK(premultiply)->Unit(benchmark::kMillisecond);
BENCHMARK(unpremultiply)->Unit(benchmark::kMillisecond);
BENCHMARK(gammaTable)->Unit(benchmark::kMillisecond);
BENCHMARK(gray)->Unit(benchmark::kMillisecond);
BENCHMARK(blur)->Arg(2)->Arg(8)->Arg(32)->Unit(benchmark::kMillisecond);
