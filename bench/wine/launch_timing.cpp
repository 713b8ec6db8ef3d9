// The program's launch under Wine and Xvfb, medians of 10 starts, read from
// the program's own performance-counter stamps: the start up to the view,
// the main window's widget tree with its icons, the wait for the random
// 100-500 ms start-up timer (reported apart), the read of the collection
// opened at start (a stamp of its own: the part of the read begun ahead that
// the open still waits for), the steps before and after it, and the first
// full paint of the shown window; then the start of the cover flow's
// Direct3D device, which waits for that paint, and the process's peak
// working set.
//   wine launch_timing.exe           no collection (the data folder exists
//                                    empty, so no Example is written)
//   wine launch_timing.exe 10000     a made-up collection of that many
//                                    movies, opened as the last used one
//                                    (written by a child process, so that
//                                    its making does not count in the peak)
// Run from the folder of reelstack.exe.
#include "bench/wine/Median.h"
#include "app/Startup.h"
#include "app/launch/LaunchStamps.h"
#include "app/main/MainWindow.h"
#include "app/view/View.h"
#include "foundation/core/AppCore.h"
#include "foundation/data/ConfigFile.h"
#include "foundation/data/Variant.h"
#include "model/application/Application.h"
#include "model/config/ConfigDefaults.h"
#include "samples/SampleCollection.h"
#include "ui/core/application/UIApplication.h"
#include "ui/widgets/window/UIWindow.h"

#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

const char16_t kCollectionName[] = u"Generated";

// The window that closes once the cover flow's device, started after the
// first paint, is known.
HWND g_closing = nullptr;

void CALLBACK closeOnceCoverFlowKnown(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (LaunchStamps::at("coverFlow") < 0)
        return;
    KillTimer(nullptr, timer);
    PostMessageW(g_closing, WM_CLOSE, 0, 0);
}

// Asks for the first full paint at once, so that it is timed rather than
// waiting for the queue to come to it, then lets the cover flow's device
// start before closing the window.
struct PaintAndClose : SignalReceiver
{
    UIWindow* window = nullptr;
    bool done = false;

    void onShown(UIEvent*)
    {
        if (done)
            return;
        done = true;
        HWND handle = static_cast<HWND>(window->windowHandle());
        RedrawWindow(handle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        // The program stamps its first full paint itself; this one is the
        // same paint when that did not come first.
        LaunchStamps::mark("painted");
        g_closing = handle;
        SetTimer(nullptr, 0, 5, &closeOnceCoverFlowKnown);
    }
};

class TimedView : public View
{
public:
    TimedView(CollectionModel& model, PaintAndClose& closer) : View(model), m_closer(closer) {}
    void createMainWindow() override
    {
        LaunchStamps::mark("treeStart");
        View::createMainWindow();
        m_closer.window = mainWindow()->window();
        // After the main window's own handler, which stamps "shown".
        m_closer.window->shown.connectWithArg(&m_closer, &PaintAndClose::onShown);
    }

private:
    PaintAndClose& m_closer;
};

std::filesystem::path pathOf(const String& text)
{
    return std::filesystem::path(std::u16string(text.data(), text.length()));
}

// The configuration a first start writes, opening the generated collection
// as the last used one.
bool writeConfig(const String& product)
{
    ConfigFile config(String(u"config.dat"), product, ConfigFile::kUserData, ConfigFile::kXml);
    ConfigDefaultList defaults;
    ConfigDefaults::registerAll(defaults);
    for (const ConfigDefault& known : defaults)
        config.addEntry(known.key, known.value, String());
    config.setValue(String(u"model/whenReelstackStartsOpenTheLastUsedCollection"), Variant(true));
    config.setValue(String(u"model/recentCollection"), Variant(String(kCollectionName)));
    return config.save();
}

String collectionFolder(const String& dataFolder)
{
    return dataFolder + u"\\" + String(kCollectionName);
}

// Writes the made-up collection in a child process ("launch_timing.exe
// write N"), so that the movies made for it do not count in the peak working
// set of the process that times the starts.
bool writeCollectionApart(int count)
{
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(self) + L"\" write " + std::to_wstring(count);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code == 0;
}

// An empty data folder, or one with the generated collection.
bool prepareDataFolder(const String& product, const String& dataFolder, int count)
{
    std::error_code ignored;
    std::filesystem::remove_all(pathOf(dataFolder), ignored);
    std::filesystem::create_directories(pathOf(dataFolder), ignored);
    if (count <= 0)
        return std::filesystem::is_directory(pathOf(dataFolder));
    return writeCollectionApart(count) && writeConfig(product);
}

struct Series
{
    std::vector<double> beforeTree, tree, waited, read, painted, total, coverFlow, beforeRead, afterRead;
};

} // namespace

int main(int argc, char** argv)
{
    const bool writing = argc > 2 && std::string(argv[1]) == "write";
    const int count = argc > 1 ? std::atoi(argv[writing ? 2 : 1]) : 0;
    const String product(u"Reelstack launch timing");
    const String dataFolder = AppCore(product, String(u"1.2.0")).dataDirectory();
    if (writing)
        return SampleCollection::write(count, 1, collectionFolder(dataFolder)).isEmpty() ? 1 : 0;
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    const String programFolder(reinterpret_cast<const char16_t*>(folder));
    if (!prepareDataFolder(product, dataFolder, count)) {
        std::printf("cannot prepare the data folder\n");
        return 1;
    }
    Series series;
    for (int run = 0; run < 10; ++run) {
        PaintAndClose closer;
        Startup startup;
        startup.loadSkin = [&] {
            return UIApplication::instance()->loadTheme(programFolder + u"\\white.style");
        };
        startup.makeView = [&closer] { return new TimedView(Application::model(), closer); };
        startup.productName = product;
        startup.programFolder = programFolder;
        int result = runReelstack(startup);
        MSG message;
        while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        const double painted = LaunchStamps::since("painted");
        if (result != 0 || painted < 0) {
            std::printf("run %d: the window did not open and paint (result %d)\n", run, result);
            return 1;
        }
        if (count > 0 && LaunchStamps::at("read") < 0) {
            std::printf("run %d: the collection was not read\n", run);
            return 1;
        }
        std::printf("run %d: %.0f ms to the painted window\n", run, painted);
        std::fflush(stdout);
        series.beforeTree.push_back(LaunchStamps::since("treeStart"));
        series.tree.push_back(LaunchStamps::at("window") - LaunchStamps::at("treeStart"));
        series.waited.push_back(LaunchStamps::at("timer") - LaunchStamps::at("window"));
        series.read.push_back(count > 0 ? LaunchStamps::at("read") - LaunchStamps::at("readStart") : 0.0);
        series.painted.push_back(LaunchStamps::at("painted") - LaunchStamps::at("shown"));
        series.beforeRead.push_back(count > 0 ? LaunchStamps::at("readStart") - LaunchStamps::at("timer") : 0.0);
        series.afterRead.push_back(count > 0 ? LaunchStamps::at("shown") - LaunchStamps::at("read")
                                             : LaunchStamps::at("shown") - LaunchStamps::at("timer"));
        series.total.push_back(painted);
        series.coverFlow.push_back(LaunchStamps::at("coverFlow") - LaunchStamps::at("painted"));
    }
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory));
    std::error_code ignored;
    std::filesystem::remove_all(pathOf(dataFolder), ignored);

    if (count > 0)
        std::printf("launch with %d movies opened at start, medians of 10 starts (ms):\n", count);
    else
        std::printf("launch with no collection, medians of 10 starts (ms):\n");
    std::printf("  start to the view (core, archive, skin, configuration, model): %.1f\n",
                median(series.beforeTree));
    std::printf("  the main window's tree with its icons:                         %.1f\n", median(series.tree));
    std::printf("  the random 100-500 ms start-up timer:                          %.1f\n", median(series.waited));
    std::printf("  reading the collection (what the open waits for of the read     \n"
                "  begun ahead on a worker thread):                               %.1f\n",
                median(series.read));
    std::printf("  the timer to the read (password look, state):                  %.1f\n", median(series.beforeRead));
    std::printf("  the read to shown (lists, card, layout):                       %.1f\n", median(series.afterRead));
    std::printf("  shown to first full paint:                                      %.1f\n", median(series.painted));
    std::printf("  start to painted window:                                        %.1f\n", median(series.total));
    std::printf("  start to painted window less the wait for the timer:            %.1f\n",
                median(series.total) - median(series.waited));
    std::printf("  after the paint, the cover flow's Direct3D device:             %.1f\n",
                median(series.coverFlow));
    std::printf("  peak working set: %.1f MiB\n", double(memory.PeakWorkingSetSize) / (1024.0 * 1024.0));
    return 0;
}
