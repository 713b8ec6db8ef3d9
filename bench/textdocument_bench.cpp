// The text engine on a million-unit text wrapped at 600 pixels, with the
// native fixed-width font: setText, typing into the middle with and without
// the owner's undo snapshot, painting a 600 x 400 view, hit tests and lineOf.
#include "bench/NullPaintDevice.h"
#include "bench/TextDocumentSample.h"
#include "graphics/paint/PaintDevice.h"
#include "graphics/paint/Painter.h"
#include "tests/support/RecordingDevice.h"
#include "ui/widgets/text/UITextDocument.h"

#include <benchmark/benchmark.h>

namespace {

const String& sample()
{
    static const String text = textDocumentSample();
    return text;
}

void prepare(UITextDocument& document)
{
    document.setFont(FontDesc(String(u"Courier New"), 12.0f, 0));
    document.setViewRect(Rect(0, 0, 600, 400));
    document.setWordWrap(true);
    document.setText(sample());
}

// The null device made current for as long as this lives.
struct NullPainting
{
    NullPainting() { PaintDevice::setCurrent(&device); }
    ~NullPainting() { PaintDevice::setCurrent(previous); }
    NullDevice device;
    FakeTarget target;
    PaintDevice* previous = PaintDevice::current();
};

void BM_SetTextWrapped(benchmark::State& state)
{
    UITextDocument document(nullptr, nullptr);
    prepare(document);
    for (auto _ : state)
        document.setText(sample());
    state.counters["lines"] = document.lineCount();
}
BENCHMARK(BM_SetTextWrapped)->Unit(benchmark::kMillisecond);

// One typed character a iteration, in the middle of the text.
void typeInMiddle(benchmark::State& state, bool snapshot)
{
    UITextDocument document(nullptr, nullptr);
    prepare(document);
    document.cursor()->setPosition(document.length() / 2);
    const String letter(u"q");
    for (auto _ : state) {
        document.cursor()->insertText(letter);
        if (snapshot)
            document.undoStack().push(
                {document.cursor()->anchor(), document.cursor()->position(), document.text()});
    }
}

void BM_TypeWithSnapshot(benchmark::State& state)
{
    typeInMiddle(state, true);
}
BENCHMARK(BM_TypeWithSnapshot)->Unit(benchmark::kMicrosecond)->Iterations(1000);

void BM_TypeWithoutSnapshot(benchmark::State& state)
{
    typeInMiddle(state, false);
}
BENCHMARK(BM_TypeWithoutSnapshot)->Unit(benchmark::kMicrosecond)->Iterations(1000);

void BM_PaintView(benchmark::State& state)
{
    UITextDocument document(nullptr, nullptr);
    prepare(document);
    document.setVerticalOffset(-document.contentHeight() / 2);
    NullPainting null;
    for (auto _ : state) {
        Painter painter(&null.target);
        document.paint(painter);
    }
    state.counters["glyphs"] = null.device.texts / static_cast<double>(state.iterations());
}
BENCHMARK(BM_PaintView)->Unit(benchmark::kMicrosecond);

void BM_HitTestAndLineOf(benchmark::State& state)
{
    UITextDocument document(nullptr, nullptr);
    prepare(document);
    {
        NullPainting null;
        Painter painter(&null.target);
        document.paint(painter);
    }
    int x = 0;
    for (auto _ : state) {
        int index = 0;
        x = (x + 37) % 600;
        benchmark::DoNotOptimize(document.indexAt(Point(x, 150), index));
        benchmark::DoNotOptimize(document.lineOf((x * 1601) % document.length()));
    }
}
BENCHMARK(BM_HitTestAndLineOf)->Unit(benchmark::kNanosecond);

} // namespace
