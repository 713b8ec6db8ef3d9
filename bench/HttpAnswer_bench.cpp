// Splitting a hostile answer of the largest size the extractors accept
// (3 MiB) made of short header lines that repeat their names.
#include "foundation/net/HttpResponse.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

const size_t kAnswerBytes = 3 * 1024 * 1024;

void parseManyHeaderLines(benchmark::State& state)
{
    std::string answer = "HTTP/1.0 200 OK\r\n";
    for (int i = 0; answer.size() < kAnswerBytes; ++i)
        answer += "N" + std::to_string(i % 50000) + ": v\r\n";
    answer += "\r\nbody";
    for (auto _ : state) {
        HttpResponse response;
        bool parsed =
            response.parse(reinterpret_cast<const uint8_t*>(answer.data()), static_cast<int>(answer.size()));
        if (!parsed || response.headers().count() != 50001) {
            state.SkipWithError("parse failed");
            break;
        }
        benchmark::DoNotOptimize(response.body().data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(answer.size()));
}

} // namespace

BENCHMARK(parseManyHeaderLines)->Unit(benchmark::kMillisecond);
