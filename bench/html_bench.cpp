// Our HTML engine on the card of a rich movie (50 cast, 100 episodes): the
// card is rebuilt at every change of the selected movie, re-wrapped at every
// resize of the view and painted at every scroll, so each must stay well
// inside a frame. Parsing a 1 MiB page bounds what a pasted web page costs.
#include <benchmark/benchmark.h>

#include "bench/NullPaintDevice.h"
#include "graphics/paint/PaintDevice.h"
#include "graphics/paint/Painter.h"
#include "tests/support/RecordingDevice.h"
#include "tests/ui/views/html/RichCard.h"
#include "ui/views/html/HtmlDocument.h"
#include "ui/views/html/HtmlTreeBuilder.h"

namespace {

String cardText()
{
    const std::string html = richCardHtml("C:/Collection/Images/voyage.jpg");
    return String::fromUtf8(html.data(), static_cast<int>(html.size()));
}

void loadCard(HtmlDocument& document)
{
    document.setImageLoader([](const String&) { return Image(200, 300, false); });
    document.setViewportSize(Size(800, 600));
    document.setHtml(cardText());
}

void BM_CardParseStyleLayout(benchmark::State& state)
{
    const String text = cardText();
    for (auto _ : state) {
        HtmlDocument document;
        document.setImageLoader([](const String&) { return Image(200, 300, false); });
        document.setViewportSize(Size(800, 600));
        document.setHtml(text);
        benchmark::DoNotOptimize(document.contentSize());
    }
}
BENCHMARK(BM_CardParseStyleLayout)->Unit(benchmark::kMillisecond);

void BM_CardRewrap(benchmark::State& state)
{
    HtmlDocument document;
    loadCard(document);
    int width = 800;
    for (auto _ : state) {
        width = width == 800 ? 640 : 800;
        document.setViewportSize(Size(width, 600));
        benchmark::DoNotOptimize(document.contentSize());
    }
}
BENCHMARK(BM_CardRewrap)->Unit(benchmark::kMillisecond);

void BM_CardPaintVisible(benchmark::State& state)
{
    HtmlDocument document;
    loadCard(document);
    document.scrollTo(Point(0, 2000));
    NullDevice device;
    PaintDevice* previous = PaintDevice::current();
    PaintDevice::setCurrent(&device);
    FakeTarget target;
    for (auto _ : state) {
        Painter painter(&target);
        document.paint(painter, Point());
    }
    PaintDevice::setCurrent(previous);
    state.counters["texts"] = static_cast<double>(device.texts) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_CardPaintVisible)->Unit(benchmark::kMillisecond);

void BM_ParseOneMiB(benchmark::State& state)
{
    String text;
    const String card = cardText();
    while (text.length() < (1 << 20))
        text.append(card);
    for (auto _ : state) {
        std::unique_ptr<HtmlNode> root = HtmlTreeBuilder().build(text);
        benchmark::DoNotOptimize(root.get());
        // Freeing the tree is not parsing.
        state.PauseTiming();
        root.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * text.length() * 2);
}
BENCHMARK(BM_ParseOneMiB)->Unit(benchmark::kMillisecond);

} // namespace
