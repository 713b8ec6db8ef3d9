// The widget core on the paths a window takes most: building and deleting
// a large tree (a list of 5,000 rows made of widgets), and the stream of
// mouse moves a pointer crossing a window sends. Both must stay far inside
// one frame.
#include <benchmark/benchmark.h>

#include "foundation/system/MessageLoop.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/widget/UIWidget.h"

namespace {

const int kTreeSize = 5000;
const int kMoves = 100000;

UIWidget* makeWindow()
{
    auto* window = new UIWidget(nullptr);
    window->setFlag(UIWidget::kWindow, true);
    window->setStyleName(String(u"UIWindow"));
    return window;
}

// Rows of ten children each, all created, as a form or a list builds them.
void buildTree(UIWidget* window)
{
    UIWidget* row = nullptr;
    for (int k = 0; k < kTreeSize; ++k) {
        UIWidget* widget = new UIWidget(k % 10 == 0 ? window : row);
        widget->setStyleName(String(u"UIRow"));
        if (k % 10 == 0)
            row = widget;
    }
}

void BM_BuildAndDeleteTree(benchmark::State& state)
{
    MessageLoop::create();
    for (auto _ : state) {
        UIWidget* window = makeWindow();
        buildTree(window);
        delete window;
    }
    MessageLoop::destroy();
}
BENCHMARK(BM_BuildAndDeleteTree)->Unit(benchmark::kMillisecond);

void BM_DispatchMouseMoves(benchmark::State& state)
{
    MessageLoop::create();
    UIWidget* window = makeWindow();
    buildTree(window);
    UIWidget* target = window->childAtIndex(0);
    target->resize(200, 20);
    target->setFlag(UIWidget::kHoverTracking, true);
    MessageLoop* loop = MessageLoop::instance();
    for (auto _ : state) {
        for (int k = 0; k < kMoves; ++k) {
            UIMouseEvent move(kMouseMoveEvent, 0, 0, Point(k % 200, 5), 0);
            loop->sendEvent(&move, target);
        }
        loop->mainLoop().processPendingEvents();
    }
    delete window;
    MessageLoop::destroy();
}
BENCHMARK(BM_DispatchMouseMoves)->Unit(benchmark::kMillisecond);

} // namespace
