// The movie editor under Wine and Xvfb, medians, on movies of 50 cast, 30
// crew, 300 episodes and 20 links each: opening the editor until it is shown
// and painted, showing each of its other pages once, and a step to the
// neighbouring movie (which saves the one shown) until the next one is
// filled and painted, with every page made.
//   wine movieeditor_timing.exe     (from the folder of reelstack.exe)
#include "bench/wine/Median.h"
#include "app/movie/AddEditMovieWindow.h"
#include "foundation/core/AppCore.h"
#include "foundation/io/Directory.h"
#include "foundation/signals/SignalReceiver.h"
#include "foundation/system/MessageLoop.h"
#include "graphics/codecs/ImageCodec.h"
#include "graphics/paint/PaintDevice.h"
#include "model/CollectionModel.h"
#include "model/collection/CollectionFile.h"
#include "model/records/Movie.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/native/UINativeWindowHost.h"
#include "ui/widgets/tabs/UITabBar.h"
#include "ui/widgets/window/UIDialog.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kMovies = 12;
constexpr int kOpenRuns = 11;
constexpr int kStepsPerOpen = 4;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

String numbered(const char16_t* stem, int n)
{
    return String(stem) + String::fromInt(n);
}

void fillBigMovie(Movie& movie, int n)
{
    movie.title = numbered(u"Series ", n);
    movie.year = 1990 + n;
    for (int i = 0; i < 50; ++i) {
        CastItem item;
        item.actor = numbered(u"Actor ", i);
        item.character = numbered(u"Character ", i);
        movie.cast.append(item);
    }
    for (int i = 0; i < 30; ++i) {
        CrewItem item;
        item.role = i % 6;
        item.name = numbered(u"Crew member ", i);
        movie.crew.append(item);
    }
    for (int i = 0; i < 300; ++i) {
        Episode episode;
        episode.season = 1 + i / 20;
        episode.number = 1 + i % 20;
        episode.year = 2000 + i / 20;
        episode.month = 1 + i % 12;
        episode.title = numbered(u"Episode title ", i);
        episode.plot = String(u"What happens in this episode, told in one line.");
        episode.url = numbered(u"http://example.test/episode/", i);
        movie.episodes.append(episode);
    }
    for (int i = 0; i < 20; ++i) {
        MovieLink link;
        link.type = i % 2;
        link.description = numbered(u"Link ", i);
        link.url = numbered(u"http://example.test/link/", i);
        link.play = i == 0;
        movie.links.append(link);
    }
}

class Bench : public SignalReceiver
{
public:
    explicit Bench(CollectionModel& model) : m_model(model) {}

    void run()
    {
        for (int run = 0; run < kOpenRuns; ++run) {
            Movie* movie = m_model.movies().nodeAt(run % (kMovies - kStepsPerOpen))->value;
            m_start = Clock::now();
            m_editor = new AddEditMovieWindow(m_model, nullptr, movie, 0, NewMovieRecord());
            m_builds.push_back(msSince(m_start));
            m_editor->dialog()->shown.connectWithArg(this, &Bench::onShown);
            m_editor->exec();
            delete m_editor;
            m_editor = nullptr;
        }
        std::printf("  open on a movie until shown (limit 150 ms): %8.1f ms\n", median(m_opens));
        std::printf("    of which building the dialog:             %8.1f ms\n", median(m_builds));
        std::printf("  the other six pages, each shown once:       %8.1f ms\n", median(m_visits));
        std::printf("  step to the next movie (limit 100 ms):      %8.1f ms\n", median(m_steps));
    }

private:
    void settle()
    {
        MessageLoop::instance()->mainLoop().processPendingEvents();
        UpdateWindow(static_cast<HWND>(m_editor->dialog()->windowHandle()));
        GdiFlush();
    }
    void onShown(UIEvent*)
    {
        if (m_shownOnce)
            return;
        m_shownOnce = true;
        settle();
        m_opens.push_back(msSince(m_start));
        // Steps fill every page the user has seen: all of them here.
        const auto visiting = Clock::now();
        for (int page = AddEditMovieWindow::kPageCount - 1; page >= 0; --page) {
            m_editor->pageBar()->setCurrentIndex(page);
            settle();
        }
        m_visits.push_back(msSince(visiting));
        for (int step = 0; step < kStepsPerOpen; ++step) {
            const auto start = Clock::now();
            if (!m_editor->step(1)) {
                std::printf("a step failed\n");
                break;
            }
            settle();
            m_steps.push_back(msSince(start));
        }
        m_editor->dialog()->reject();
        m_shownOnce = false;
    }

    CollectionModel& m_model;
    AddEditMovieWindow* m_editor = nullptr;
    Clock::time_point m_start;
    bool m_shownOnce = false;
    std::vector<double> m_opens;
    std::vector<double> m_visits;
    std::vector<double> m_builds;
    std::vector<double> m_steps;
};

} // namespace

int main()
{
    MessageLoop::create();
    AppCore core(String(u"Reelstack movie editor timing"), String(u"1.2.0"));
    wchar_t here[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, here);
    const String programFolder(reinterpret_cast<const char16_t*>(here));
    core.setAppDirectory(programFolder);
    if (!core.openPak(String(u"data"))) {
        std::printf("cannot open the data archive beside the program\n");
        return 1;
    }
    if (!UIApplication::instance()->loadTheme(programFolder + u"\\white.style")) {
        std::printf("cannot load white.style\n");
        return 1;
    }
    UINativeWindow::setFactory(&UINativeWindowHost::createFor);
    if (!PaintDevice::current())
        PaintDevice::createDefault();
    ImageCodec::registerAll();
    UIApplication::instance()->setSoundsEnabled(false);

    const String folder = core.dataDirectory() + u"\\EditorTiming";
    const std::filesystem::path data(std::u16string(folder.data(), folder.length()));
    std::error_code ignored;
    std::filesystem::remove_all(data, ignored);
    Directory::create(folder);
    {
        CollectionModel model(folder);
        CollectionFile creator(folder);
        if (!creator.create(String(u"Timing"), String(u"bench"), String()) ||
            !model.openCollection(creator.filePathFor(String(u"Timing")))) {
            std::printf("cannot make the collection\n");
            return 1;
        }
        for (int n = 0; n < kMovies; ++n) {
            NewMovieRecord record;
            record.title = numbered(u"Series ", n);
            fillBigMovie(*model.addMovie(record), n);
        }
        std::printf("movie editor on movies of 50 cast, 30 crew, 300 episodes and 20 links, medians:\n");
        Bench(model).run();
    }
    std::filesystem::remove_all(data, ignored);
    return 0;
}
