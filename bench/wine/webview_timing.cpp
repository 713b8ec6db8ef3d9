// Timings of the web view under Wine and Xvfb, medians:
//   setHtml of the rich card (50 cast rows, 100 episodes) until the view is
//   painted on the screen;
//   one wheel notch posted to the window until the scrolled page is on the
//   screen.
//   wine webview_timing.exe [folder of white.style]
#include "foundation/system/MessageLoop.h"
#include "tests/ui/views/html/RichCard.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/native/UINativeWindowHost.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/views/web/UIWebView.h"
#include "ui/views/web/WebViewOption.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double since(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
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
    UINativeWindow::setFactory(&UINativeWindowHost::createFor);
    UIWidget window(nullptr);
    window.setFlag(UIWidget::kWindow, true);
    window.setWindowFlags(UINativeWindow::kFrameless);
    window.setStyleName(String(u"UIWindow"));
    window.setLayoutEnabled(false);
    window.setGeometry(0, 0, 800, 600);
    auto* view = new UIWebView(&window, WebViewOption::BlankOnly | WebViewOption::NoCache);
    view->setGeometry(0, 0, 800, 600);
    view->show();
    window.show();
    MessageLoop::instance()->mainLoop().processPendingEvents();

    // No cover file: the card's image is left out, as for a movie without one.
    const std::string card = richCardHtml("C:/none/cover.jpg");
    const String html = String::fromUtf8(card.data(), int(card.size()));
    std::vector<double> times;
    for (int run = 0; run < 21; ++run) {
        const auto start = Clock::now();
        view->setHtml(html);
        MessageLoop::instance()->mainLoop().processPendingEvents();
        GdiFlush();
        times.push_back(since(start));
    }
    std::printf("setHtml of the rich card to the painted view: median %.2f ms\n", median(times));

    HWND handle = static_cast<HWND>(window.nativeHandle());
    const Point centre = view->mapToGlobal(Point(400, 300));
    times.clear();
    for (int run = 0; run < 41; ++run) {
        if (run % 20 == 0)
            view->scrollTo(Point());
        const int before = view->scrollPosition().y;
        const auto start = Clock::now();
        PostMessageW(handle, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(centre.x, centre.y));
        while (view->scrollPosition().y == before) {
            MessageLoop::pumpMessages(0, false);
            if (since(start) > 2000) {
                std::printf("the wheel did not reach the view\n");
                return 1;
            }
        }
        MessageLoop::instance()->mainLoop().processPendingEvents();
        GdiFlush();
        times.push_back(since(start));
    }
    std::printf("wheel notch to the repainted view: median %.2f ms\n", median(times));
    return 0;
}
