// Loading the white skin's archive and XML: the program does it at every start
// before its first window shows. The native build decodes no PNG, so this is
// the archive and XML part of the load; the pictures are timed under Wine.
// Needs build/skin/white.style (scripts/make-data.sh); run from the tree's root.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "ui/core/theme/UITheme.h"

namespace {

std::vector<char> whiteStyle()
{
    std::ifstream in("build/skin/white.style", std::ios::binary);
    return std::vector<char>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void BM_LoadWhiteStyle(benchmark::State& state)
{
    const std::vector<char> bytes = whiteStyle();
    if (bytes.empty()) {
        state.SkipWithError("build/skin/white.style is missing: run scripts/make-data.sh");
        return;
    }
    for (auto _ : state) {
        UITheme theme;
        if (!theme.loadFromMemory(bytes.data(), static_cast<int>(bytes.size())))
            state.SkipWithError("white.style did not load");
        benchmark::DoNotOptimize(theme.skins().count());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_LoadWhiteStyle)->Unit(benchmark::kMillisecond);

} // namespace
