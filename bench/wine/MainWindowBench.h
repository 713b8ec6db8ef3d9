#pragma once

// What the timing programs that run the program's main window in their own
// process share: a data folder of their own made empty, the program started
// with a view that hands the bench its main window, the bench run once that
// window is shown and the window closed after, and each input timed up to
// the repainted window.
#include "app/Startup.h"
#include "app/main/MainWindow.h"
#include "app/view/View.h"
#include "bench/wine/Median.h"
#include "foundation/core/AppCore.h"
#include "foundation/signals/SignalReceiver.h"
#include "foundation/system/MessageLoop.h"
#include "model/application/Application.h"
#include "ui/core/application/UIApplication.h"
#include "ui/widgets/window/UIWindow.h"

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace mainwindowbench {

using Clock = std::chrono::steady_clock;

inline double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

inline std::filesystem::path pathOf(const String& text)
{
    return std::filesystem::path(std::u16string(text.data(), text.length()));
}

// The folder the bench runs from: that of reelstack.exe with its skin.
inline String currentFolder()
{
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    return String(reinterpret_cast<const char16_t*>(folder));
}

// The data folder the program uses under that product name, emptied, so
// nothing a user or an earlier run left there is measured.
inline String freshDataFolder(const String& product)
{
    const String folder = AppCore(product, String(u"1.2.0")).dataDirectory();
    std::error_code ignored;
    std::filesystem::remove_all(pathOf(folder), ignored);
    std::filesystem::create_directories(pathOf(folder), ignored);
    return folder;
}

// A bench runs once, from the shown main window; the window is closed after,
// which ends the program's message loop.
class Bench : public SignalReceiver
{
public:
    virtual ~Bench() = default;

    // Called as the main window is made, before it is shown.
    virtual void attach(MainWindow* window)
    {
        main = window;
        main->window()->shown.connectWithArg(this, &Bench::onShown);
    }

    MainWindow* main = nullptr;

protected:
    virtual void run() = 0;

    HWND handle() const { return static_cast<HWND>(main->window()->windowHandle()); }

    // The input's work, the events it queued and the paint it asked for.
    double timeOf(const std::function<void()>& work)
    {
        const auto start = Clock::now();
        work();
        MessageLoop::instance()->mainLoop().processPendingEvents();
        UpdateWindow(handle());
        GdiFlush();
        return msSince(start);
    }
    double medianOf(int runs, const std::function<void()>& work, const std::function<void()>& between = nullptr)
    {
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            times.push_back(timeOf(work));
            if (between)
                between();
        }
        return median(times);
    }

private:
    void onShown(UIEvent*)
    {
        if (m_done)
            return;
        m_done = true;
        run();
        PostMessageW(handle(), WM_CLOSE, 0, 0);
    }

    bool m_done = false;
};

class BenchView : public View
{
public:
    BenchView(CollectionModel& model, Bench& bench) : View(model), m_bench(bench) {}
    void createMainWindow() override
    {
        View::createMainWindow();
        m_bench.attach(mainWindow());
    }

private:
    Bench& m_bench;
};

// The program with the white skin from the current folder and the bench's
// view; the data folder is removed after. The program's exit code.
inline int runProgram(const String& product, const String& dataFolder, Bench& bench)
{
    const String programFolder = currentFolder();
    Startup startup;
    startup.loadSkin = [programFolder] {
        return UIApplication::instance()->loadTheme(programFolder + u"\\white.style");
    };
    startup.makeView = [&bench] { return new BenchView(Application::model(), bench); };
    startup.productName = product;
    startup.programFolder = programFolder;
    const int result = runReelstack(startup);
    std::error_code ignored;
    std::filesystem::remove_all(pathOf(dataFolder), ignored);
    return result;
}

} // namespace mainwindowbench
