// The text import at 100,000 lines under Wine and Xvfb, medians: from the
// Import button to the main window's views showing the new movies (reading
// the file, adding every movie, the refill and the repaint). Each run adds
// into an empty collection of its own.
//   wine textimport_timing.exe [count]     (from the folder of reelstack.exe)
#include "app/Startup.h"
#include "app/main/MainWindow.h"
#include "app/textexchange/ImportFromTextWindow.h"
#include "app/view/View.h"
#include "foundation/core/AppCore.h"
#include "foundation/system/MessageLoop.h"
#include "model/CollectionModel.h"
#include "model/application/Application.h"
#include "model/collection/CollectionFile.h"
#include "model/collection/CollectionHeader.h"
#include "model/records/LoanerList.h"
#include "model/records/Movie.h"
#include "model/textexchange/DelimitedTextWriter.h"
#include "samples/SampleCollection.h"
#include "ui/core/application/UIApplication.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/window/UIWindow.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRuns = 5;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

class Bench : public SignalReceiver
{
public:
    explicit Bench(int count) : m_count(count) {}

    MainWindow* main = nullptr;
    String dataFolder;
    String textFile;
    bool done = false;

    void onShown(UIEvent*)
    {
        if (done)
            return;
        done = true;
        run();
        PostMessageW(handle(), WM_CLOSE, 0, 0);
    }

private:
    HWND handle() const { return static_cast<HWND>(main->window()->windowHandle()); }
    bool openEmpty(int run);
    double timeImport();
    void run();
    int m_count;
};

bool Bench::openEmpty(int run)
{
    CollectionModel& model = Application::model();
    if (!model.closeCollection())
        return false;
    CollectionFile creator(dataFolder);
    const String name = String(u"Run") + String::fromInt(run);
    if (!creator.create(name, String(u"timing"), String()))
        return false;
    if (!model.openCollection(creator.filePathFor(name)))
        return false;
    main->fillMovieList();
    return true;
}

double Bench::timeImport()
{
    ImportFromTextWindow window(Application::model());
    window.takeFile(textFile);
    const auto start = Clock::now();
    window.import();
    main->fillMovieList();
    MessageLoop::instance()->mainLoop().processPendingEvents();
    UpdateWindow(handle());
    GdiFlush();
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (window.importedCount() != m_count || int(main->table()->rows().size()) != m_count)
        std::printf("  run imported %d movies and shows %d rows\n", window.importedCount(),
                    int(main->table()->rows().size()));
    return ms;
}

void Bench::run()
{
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        if (!openEmpty(run)) {
            std::printf("cannot open an empty collection\n");
            return;
        }
        times.push_back(timeImport());
        std::printf("  run %d: %.0f ms\n", run + 1, times.back());
        std::fflush(stdout);
    }
    const double ms = median(times);
    std::printf("import of %d lines until the views show them: median %.0f ms%s\n", m_count, ms,
                ms > 3000.0 ? "  (over 3 s)" : "");
}

class TimedView : public View
{
public:
    TimedView(CollectionModel& model, Bench& bench) : View(model), m_bench(bench) {}
    void createMainWindow() override
    {
        View::createMainWindow();
        m_bench.main = mainWindow();
        mainWindow()->window()->shown.connectWithArg(&m_bench, &Bench::onShown);
    }

private:
    Bench& m_bench;
};

// The lines of a generated collection, as the export writes them.
bool writeTextFile(int count, const String& path)
{
    CollectionHeader header;
    List<Movie*> movies;
    LoanerList loaners;
    SampleCollection(1).make(count, header, movies, loaners);
    const bool written =
        DelimitedTextWriter::text(movies, DelimitedTextFormat(0, 0)).saveToFile(path, 3, false);
    for (Movie* movie : movies)
        delete movie;
    return written;
}

} // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    const String product(u"Reelstack text import timing");
    const String dataFolder = AppCore(product, String(u"1.2.0")).dataDirectory();
    const std::filesystem::path data(std::u16string(dataFolder.data(), dataFolder.length()));
    std::error_code ignored;
    std::filesystem::remove_all(data, ignored);
    std::filesystem::create_directories(data, ignored);
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    const String programFolder(reinterpret_cast<const char16_t*>(folder));
    Bench bench(count);
    bench.dataFolder = dataFolder;
    bench.textFile = dataFolder + u"\\import.txt";
    if (!writeTextFile(count, bench.textFile)) {
        std::printf("cannot write the text file\n");
        return 1;
    }
    std::printf("text import of %d lines:\n", count);
    Startup startup;
    startup.loadSkin = [&] { return UIApplication::instance()->loadTheme(programFolder + u"\\white.style"); };
    startup.makeView = [&bench] { return new TimedView(Application::model(), bench); };
    startup.productName = product;
    startup.programFolder = programFolder;
    int result = runReelstack(startup);
    std::filesystem::remove_all(data, ignored);
    return result;
}
