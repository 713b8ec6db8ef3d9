// Speed of the image operations on sizes the program meets: cover thumbnails,
// whole-image passes over a large picture, and blurs.
#include "graphics/image/Image.h"

#include <benchmark/benchmark.h>

namespace {

// A noisy picture with every alpha value, so that premultiplication has work
// on nearly every pixel.
Image photo(int width, int height)
{
    Image image(width, height, true);
    uint8_t* bytes = image.bits();
    for (int64_t i = 0; i < image.byteSize(); ++i)
        bytes[i] = static_cast<uint8_t>((i * 2654435761u) >> 13);
    return image;
}

void thumbnail(benchmark::State& state)
{
    const Image cover = photo(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        const Image small = cover.scaledToFit(148, 198, Image::kCatmullRom);
        benchmark::DoNotOptimize(small.bits());
    }
}

// Rates are reported in pixels per second.
template <typename Pass> void wholeImage(benchmark::State& state, Pass pass)
{
    Image image = photo(2000, 2000);
    for (auto _ : state) {
        pass(image);
        benchmark::DoNotOptimize(image.bits());
    }
    state.SetItemsProcessed(state.iterations() * image.pixelCount());
}

void premultiplyAndBack(benchmark::State& state)
{
    // Two passes per iteration, so that every pass has real work.
    wholeImage(state, [](Image& image) {
        image.setPremultiplied(true);
        image.setPremultiplied(false);
    });
    state.SetItemsProcessed(state.items_processed() * 2);
}

void gammaTable(benchmark::State& state)
{
    wholeImage(state, [](Image& image) { image.applyGamma(1.15f); });
}

void brightnessContrast(benchmark::State& state)
{
    wholeImage(state, [](Image& image) { image.adjustBrightnessContrast(0, -20); });
}

void gray(benchmark::State& state)
{
    wholeImage(state, [](Image& image) { image.toGray(); });
}

void invert(benchmark::State& state)
{
    wholeImage(state, [](Image& image) { image.invert(); });
}

void blur(benchmark::State& state)
{
    Image image = photo(512, 512);
    const float radius = static_cast<float>(state.range(0));
    for (auto _ : state) {
        image.blur(radius);
        benchmark::DoNotOptimize(image.bits());
    }
}

} // namespace

BENCHMARK(thumbnail)->Args({1000, 1500})->Args({2400, 3600})->Unit(benchmark::kMillisecond);
BENCHMARK(premultiplyAndBack)->Unit(benchmark::kMillisecond);
BENCHMARK(gammaTable)->Unit(benchmark::kMillisecond);
BENCHMARK(brightnessContrast)->Unit(benchmark::kMillisecond);
BENCHMARK(gray)->Unit(benchmark::kMillisecond);
BENCHMARK(invert)->Unit(benchmark::kMillisecond);
BENCHMARK(blur)->Arg(2)->Arg(8)->Arg(32)->Unit(benchmark::kMillisecond);
