// Reading the largest shop answer the bar-code search accepts (1 MiB): the
// split into headers and body, the UTF-8 decoding and the scan for the
// product title, which stands at the end of the page.
#include "app/barcode/BarCodeSearch.h"

#include "foundation/net/HttpResponse.h"
#include "model/NewMovieRecord.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string largestAnswer()
{
    const std::string product =
        "<a class=\"title\" href=\"/dp/1\">Night Harbour (DVD) [2009]</a></body></html>";
    std::string answer = "HTTP/1.0 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n\r\n<html><body>";
    const std::string filler = "<div class=\"s\"><span>Caf\xc3\xa9 ladder (no title) [x]</span></div>\n";
    while (answer.size() + filler.size() + product.size() < BarCodeSearch::kMaxAnswerBytes)
        answer += filler;
    return answer + product;
}

void readLargestShopAnswer(benchmark::State& state)
{
    const std::string answer = largestAnswer();
    const String digits(u"5012345678900");
    for (auto _ : state) {
        HttpResponse response;
        response.parse(reinterpret_cast<const uint8_t*>(answer.data()), static_cast<int>(answer.size()));
        NewMovieRecord record;
        if (BarCodeSearch::readAnswer(true, response, digits, record) != BarCodeSearch::kFound) {
            state.SkipWithError("no title read");
            break;
        }
        benchmark::DoNotOptimize(record.title.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(answer.size()));
}

} // namespace

BENCHMARK(readLargestShopAnswer)->Unit(benchmark::kMillisecond);
