// The program's launch under Wine and Xvfb, medians of 10 starts with no
// collection and a fresh data folder (each a first start): the start up to
// the view, the main window's widget tree with its icons, the wait for the
// random 100-500 ms start-up timer with the start-up step (reported apart),
// and the first full paint of the shown window.
//   wine launch_timing.exe     (from the folder of reelstack.exe)
#include "app/Startup.h"
#include "app/main/MainWindow.h"
#include "app/view/View.h"
#include "foundation/core/AppCore.h"
#include "model/application/Application.h"
#include "ui/core/application/UIApplication.h"
#include "ui/widgets/window/UIWindow.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

double now()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return double(counter.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

// The stamps of one start, in milliseconds of the performance counter.
struct Stamps : SignalReceiver
{
    double start = 0, treeStart = 0, built = 0, shown = 0, painted = 0;
    UIWindow* window = nullptr;

    // The first full paint is asked for at once, so that it is timed
    // rather than waiting for the queue to come to it.
    void onShown(UIEvent*)
    {
        if (shown != 0)
            return;
        shown = now();
        HWND handle = static_cast<HWND>(window->windowHandle());
        RedrawWindow(handle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        painted = now();
        PostMessageW(handle, WM_CLOSE, 0, 0);
    }
};

class TimedView : public View
{
public:
    TimedView(CollectionModel& model, Stamps& stamps) : View(model), m_stamps(stamps) {}
    void createMainWindow() override
    {
        m_stamps.treeStart = now();
        View::createMainWindow();
        m_stamps.built = now();
        UIWindow* window = mainWindow()->window();
        m_stamps.window = window;
        window->shown.connectWithArg(&m_stamps, &Stamps::onShown);
    }

private:
    Stamps& m_stamps;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main()
{
    const String product(u"Reelstack launch timing");
    const String dataFolder = AppCore(product, String(u"1.2.0")).dataDirectory();
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    const String programFolder(reinterpret_cast<const char16_t*>(folder));
    std::vector<double> beforeTree, tree, waited, painted, total;
    for (int run = 0; run < 10; ++run) {
        std::error_code ignored;
        std::filesystem::remove_all(
            std::filesystem::path(std::u16string(dataFolder.data(), dataFolder.length())), ignored);
        Stamps stamps;
        Startup startup;
        startup.loadSkin = [&] {
            return UIApplication::instance()->loadTheme(programFolder + u"\\white.style");
        };
        startup.makeView = [&stamps] { return new TimedView(Application::model(), stamps); };
        startup.productName = product;
        startup.programFolder = programFolder;
        stamps.start = now();
        int result = runReelstack(startup);
        MSG message;
        while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        if (result != 0 || stamps.painted == 0) {
            std::printf("run %d: the window did not open and paint (result %d)\n", run, result);
            return 1;
        }
        std::printf("run %d: %.0f ms to the painted window\n", run,
                    std::max(stamps.painted, stamps.shown) - stamps.start);
        std::fflush(stdout);
        beforeTree.push_back(stamps.treeStart - stamps.start);
        tree.push_back(stamps.built - stamps.treeStart);
        waited.push_back(stamps.shown - stamps.built);
        painted.push_back(stamps.painted - stamps.shown);
        total.push_back(stamps.painted - stamps.start);
    }
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(std::u16string(dataFolder.data(), dataFolder.length())),
                                ignored);
    std::printf("launch, medians of 10 starts (ms):\n");
    std::printf("  start to the view (core, archive, skin, configuration, model): %.1f\n",
                median(beforeTree));
    std::printf("  the main window's tree with its icons:                         %.1f\n", median(tree));
    std::printf("  tree built to shown (the random 100-500 ms timer, start-up):   %.1f\n", median(waited));
    std::printf("  shown to first full paint:                                      %.1f\n", median(painted));
    std::printf("  start to painted window:                                        %.1f\n", median(total));
    std::printf("  start to painted window less the wait for the timer:            %.1f\n",
                median(total) - median(waited));
    return 0;
}
