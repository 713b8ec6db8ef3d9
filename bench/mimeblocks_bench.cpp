// A scanned cover (4000 x 3000) to a DIB block and back, as a copy and paste
// or a drag of the image does it.
#include "ui/core/input/UIMimeBlocks.h"

#include <benchmark/benchmark.h>

namespace {

void coverThroughDib(benchmark::State& state)
{
    Image cover(4000, 3000, true);
    cover.fill(Color(255, 40, 80, 120));
    for (auto _ : state) {
        ByteArray block = UIMimeBlocks::dibBlock(cover);
        Image back = UIMimeBlocks::readDibBlock(block.data(), block.size());
        benchmark::DoNotOptimize(back.bits());
    }
}

} // namespace

BENCHMARK(coverThroughDib)->Unit(benchmark::kMillisecond);
