// Timings under Wine, medians of 21 runs: composing a 1920 x 1080 window
// with 300 skinned children into its back buffer, and repainting one
// 120 x 30 child of it. The window has no screen side here, so the copy to
// the screen stops at once and only the composition is measured. The same
// runs with children that fill themselves through GDI and with children
// that paint nothing tell the cost of the skin drawing from the cost of the
// composition around it.
//   wine composition_timing.exe [folder of white.style]
#include "foundation/system/MessageLoop.h"
#include "foundation/system/UIEvent.h"
#include "graphics/codecs/ImageCodec.h"
#include "graphics/paint/PaintDevice.h"
#include "graphics/paint/Painter.h"
#include "ui/core/events/UIResizeEvent.h"
#include "ui/core/theme/UITheme.h"
#include "tests/support/NullNativeWindow.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/core/widget/UIWidget.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

const int kRuns = 21;

double medianMs(const std::function<void()>& work)
{
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[kRuns / 2];
}

// A window without a screen side: visible, and resized at once.
class OffscreenWindow : public NullNativeWindow
{
public:
    explicit OffscreenWindow(UIWidget* owner) : m_owner(owner) {}
    void resize(int width, int height) override
    {
        UIResizeEvent event(Size(width, height), m_owner->size());
        MessageLoop::instance()->sendEvent(&event, m_owner);
    }

private:
    UIWidget* m_owner;
};

enum class Look
{
    Skinned,
    Filled,
    Bare
};

class SkinnedWidget : public UIWidget
{
public:
    // Without a skin, the widget fills itself (or, bare, paints nothing).
    SkinnedWidget(UIWidget* parent, const UISkinImage* skin, const Look* look)
        : UIWidget(parent), m_skin(skin), m_look(look)
    {
        setStyleName(String(u"UIButton"));
        setLayoutEnabled(false);
    }

protected:
    void paint(UIEvent*) override
    {
        if (*m_look == Look::Bare && m_skin)
            return;
        Painter painter(paintTarget());
        if (m_skin && *m_look == Look::Skinned)
            m_skin->draw(painter, rect(), 0, UISkinImage::kAllCells);
        else
            painter.fillRect(rect(), m_skin ? Color(40, 90, 200) : Color(255, 255, 255));
    }

private:
    const UISkinImage* m_skin;
    const Look* m_look;
};

} // namespace

int main(int argc, char** argv)
{
    MessageLoop::create();
    ImageCodec::registerAll();
    PaintDevice::createDefault();
    UINativeWindow::setFactory([](UIWidget* owner) -> UINativeWindow* { return new OffscreenWindow(owner); });
    const std::string folder = argc > 1 ? argv[1] : "..";
    UITheme theme;
    if (!theme.loadFromPath(String::fromUtf8((folder + "/white.style").c_str()))) {
        std::printf("cannot load %s/white.style\n", folder.c_str());
        return 1;
    }
    const UISkinImage& button = theme.skinImage(String(u"UIButton_Background"));
    Look look = Look::Skinned;
    auto* window = new SkinnedWidget(nullptr, nullptr, &look);
    window->setFlag(UIWidget::kWindow, true);
    window->resize(1920, 1080);
    std::vector<UIWidget*> children;
    for (int i = 0; i < 300; ++i) {
        auto* child = new SkinnedWidget(window, &button, &look);
        child->setGeometry((i % 15) * 128, (i / 15) * 54, 120, 30);
        child->show();
        children.push_back(child);
    }
    window->show();
    const char* names[] = {"skinned", "filled through GDI", "painting nothing"};
    for (Look each : {Look::Skinned, Look::Filled, Look::Bare}) {
        look = each;
        const double whole = medianMs([&] { window->update(); });
        const double one = medianMs([&] { children[157]->update(); });
        std::printf("children %s: whole 1920 x 1080 window %.2f ms (limit 40), one 120 x 30 child %.3f ms "
                    "(limit 0.5)\n",
                    names[static_cast<int>(each)], whole, one);
    }
    delete window;
    PaintDevice::destroyAll();
    MessageLoop::destroy();
    return 0;
}
