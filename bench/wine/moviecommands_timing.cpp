// The main window's movie commands at 100,000 made-up movies under Wine and
// Xvfb, medians, each from the input to the repainted window: a click on a
// row to the painted card of a movie with 50 cast and 100 episodes, an add
// (from the editor's OK: the movie appended, the list sorted again, the views
// refilled, the new movie selected and its card shown) and a remove (from
// the question's Yes).
//   wine moviecommands_timing.exe [count]     (from the folder of reelstack.exe)
#include "bench/wine/Median.h"
#include "app/Startup.h"
#include "app/main/MainWindow.h"
#include "app/view/View.h"
#include "foundation/core/AppCore.h"
#include "foundation/system/MessageLoop.h"
#include "model/CollectionModel.h"
#include "model/NewMovieRecord.h"
#include "model/application/Application.h"
#include "model/records/Movie.h"
#include "model/sorting/SortComparator.h"
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
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// A series with a full cast: the heaviest card a user meets.
void makeHeavy(Movie& movie)
{
    movie.cast.clear();
    for (int i = 0; i < 50; ++i)
        movie.cast.append(CastItem{String(u"Actor ") + String::fromInt(i), String(u"Role ") + String::fromInt(i)});
    movie.episodes.clear();
    for (int i = 0; i < 100; ++i) {
        Episode episode;
        episode.season = 1 + i / 20;
        episode.number = 1 + i % 20;
        episode.title = String(u"Episode ") + String::fromInt(i + 1);
        episode.plot = String(u"What happens in this episode, told in a sentence or two.");
        movie.episodes.append(episode);
    }
}

class Bench : public SignalReceiver
{
public:
    MainWindow* main = nullptr;
    String collection;
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

    double timeOf(const std::function<void()>& work)
    {
        const auto start = Clock::now();
        work();
        MessageLoop::instance()->mainLoop().processPendingEvents();
        UpdateWindow(handle());
        GdiFlush();
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
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
    void report(const char* what, double ms, double limit)
    {
        std::printf("  %-44s %8.1f ms  (limit %.0f ms)%s\n", what, ms, limit, ms > limit ? "  OVER" : "");
        std::fflush(stdout);
    }

    void run();
};

void Bench::run()
{
    CollectionModel& model = Application::model();
    if (!model.openCollection(collection)) {
        std::printf("cannot open the generated collection\n");
        return;
    }
    std::printf("%d movies\n", model.movieCount());
    model.setAskForConfirmationWhenRemovingMovies(false);
    model.sortMovies(SortComparator::kByTitle, SortComparator::kAscending);
    main->setViewMode(0);
    main->fillMovieList();
    UITable* table = main->table();
    // Two heavy movies near the top, so both rows are on screen.
    const int rows[2] = {2, 5};
    for (int row : rows)
        makeHeavy(*model.movieById(table->row(row)->tag()));
    int next = 0;
    report("click on a row to the painted card", medianOf(21, [&] {
               table->selectRow(rows[next]);
           }, [&] { next = 1 - next; }), 100.0);

    int added = 0;
    Movie* last = nullptr;
    report("add, sorted by title, OK to repainted", medianOf(7, [&] {
               NewMovieRecord record;
               record.title = String(u"Added ") + String::fromInt(++added);
               record.year = 1990;
               last = model.addMovie(record);
               main->showAddedMovies(last);
           }), 300.0);
    // For comparison: what an add would cost with a whole sort, and the refill
    // every add pays.
    report("  a whole sort by title", medianOf(7, [&] {
               model.sortMovies(model.sortMode(), model.sortOrder());
           }), 300.0);
    report("  the refill of the views", medianOf(7, [&] { main->fillMovieList(); }), 300.0);
    model.sortMovies(SortComparator::kByCreated, SortComparator::kAscending);
    main->fillMovieList();
    report("add, sorted by date added", medianOf(7, [&] {
               NewMovieRecord record;
               record.title = String(u"Added ") + String::fromInt(++added);
               last = model.addMovie(record);
               main->showAddedMovies(last);
           }), 300.0);
    report("remove, from Yes to the repainted window", medianOf(7, [&] {
               main->removeMovie();
           }, [&] { table->selectRow(10); }), 300.0);
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

} // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    const String product(u"Reelstack movie commands timing");
    const String dataFolder = AppCore(product, String(u"1.2.0")).dataDirectory();
    const std::filesystem::path data(std::u16string(dataFolder.data(), dataFolder.length()));
    std::error_code ignored;
    std::filesystem::remove_all(data, ignored);
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    const String programFolder(reinterpret_cast<const char16_t*>(folder));
    Bench bench;
    bench.collection = SampleCollection::write(count, 1, dataFolder + u"\\Generated");
    if (bench.collection.isEmpty()) {
        std::printf("cannot write the collection\n");
        return 1;
    }
    std::printf("movie commands at %d movies, medians (ms):\n", count);
    Startup startup;
    startup.loadSkin = [&] { return UIApplication::instance()->loadTheme(programFolder + u"\\white.style"); };
    startup.makeView = [&bench] { return new TimedView(Application::model(), bench); };
    startup.productName = product;
    startup.programFolder = programFolder;
    int result = runReelstack(startup);
    std::filesystem::remove_all(data, ignored);
    return result;
}
