// Timings under Wine and Xvfb, medians:
//   a posted WM_MOUSEMOVE until the target widget's mouseMoved handler runs,
//   in a window of 1,000 widgets (40 by 25 children of 10 by 10 pixels);
//   the repaint of a 1920 x 1080 window with 300 skinned children, composed
//   and copied to the screen (run on a screen at least that large).
//   wine window_timing.exe [folder of white.style]
#include "foundation/system/MessageLoop.h"
#include "graphics/paint/Painter.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/native/UINativeWindowHost.h"
#include "ui/core/theme/UISkinImage.h"
#include "ui/core/theme/UITheme.h"
#include "ui/core/widget/UIWidget.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

class Target : public UIWidget
{
public:
    explicit Target(UIWidget* parent) : UIWidget(parent) { setStyleName(String(u"UITest")); }
    int moves = 0;

protected:
    void mouseMoveEvent(UIEvent*) override { ++moves; }
};

class Skinned : public UIWidget
{
public:
    // Without a skin, the widget is a window's plain background.
    Skinned(UIWidget* parent, const UISkinImage* skin) : UIWidget(parent), m_skin(skin)
    {
        setStyleName(String(u"UIButton"));
        setLayoutEnabled(false);
    }

protected:
    void paint(UIEvent*) override
    {
        Painter painter(paintTarget());
        if (m_skin)
            m_skin->draw(painter, rect(), 0, UISkinImage::kAllCells);
        else
            painter.fillRect(rect(), Color(255, 255, 255));
    }

private:
    const UISkinImage* m_skin;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

UIWidget* makeWindow(UIWidget* window, int width, int height)
{
    window->setFlag(UIWidget::kWindow, true);
    window->setWindowFlags(UINativeWindow::kFrameless);
    window->setStyleName(String(u"UIWindow"));
    window->setLayoutEnabled(false);
    window->setGeometry(0, 0, width, height);
    return window;
}

void timeRepaint(const UISkinImage& skin)
{
    auto* window = makeWindow(new Skinned(nullptr, nullptr), 1920, 1080);
    for (int i = 0; i < 300; ++i) {
        auto* child = new Skinned(window, &skin);
        child->setGeometry((i % 15) * 128, (i / 15) * 54, 120, 30);
        child->show();
    }
    window->show();
    MessageLoop::instance()->mainLoop().processPendingEvents();
    std::vector<double> times;
    for (int run = 0; run < 21; ++run) {
        const auto start = Clock::now();
        window->update();
        GdiFlush();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::printf("1920 x 1080 window with 300 skinned children, composed and copied to the screen: %.2f ms\n",
                median(times));
    times.clear();
    for (int run = 0; run < 21; ++run) {
        const auto start = Clock::now();
        window->copyToScreenNow(window->rect());
        GdiFlush();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::printf("  of which the copy of the frame to the screen: %.2f ms\n", median(times));
    delete window;
}

} // namespace

int main(int argc, char** argv)
{
    MessageLoop::create();
    const std::string folder = argc > 1 ? argv[1] : "..";
    const std::string style = folder + "\\white.style";
    if (!UIApplication::instance()->loadTheme(String::fromUtf8(style.c_str()))) {
        std::printf("cannot load %s\n", style.c_str());
        return 1;
    }
    timeRepaint(UIApplication::instance()->theme()->skinImage(String(u"UIButton_Background")));
    UIWidget window(nullptr);
    makeWindow(&window, 400, 250);
    std::vector<Target*> widgets;
    for (int i = 0; i < 1000; ++i) {
        auto* widget = new Target(&window);
        widget->setGeometry((i % 40) * 10, (i / 40) * 10, 10, 10);
        widget->show();
        widgets.push_back(widget);
    }
    window.show();
    MessageLoop::instance()->mainLoop().processPendingEvents();
    // The last widget is the deepest search.
    Target* target = widgets.back();
    HWND handle = static_cast<HWND>(window.nativeHandle());
    std::vector<double> times;
    for (int run = 0; run < 501; ++run) {
        int before = target->moves;
        int x = target->x() + 1 + run % 8;
        const auto start = Clock::now();
        PostMessageW(handle, WM_MOUSEMOVE, 0, MAKELPARAM(x, target->y() + 5));
        while (target->moves == before)
            MessageLoop::pumpMessages(0, false);
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        // The hover timer and the enter event are not part of the move.
        MessageLoop::instance()->mainLoop().processPendingEvents();
    }
    std::printf("posted mouse move to mouseMoved among 1,000 widgets: median %.3f ms\n", median(times));
    // What one trip through the system's message queue costs here: a mouse
    // move makes two (the message, then the toolkit's posted event).
    times.clear();
    for (int run = 0; run < 501; ++run) {
        MSG message;
        const auto start = Clock::now();
        PostMessageW(handle, WM_NULL, 0, 0);
        GetMessageW(&message, nullptr, 0, 0);
        DispatchMessageW(&message);
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::printf("  one posted message through the queue: median %.3f ms\n", median(times));
    return 0;
}
