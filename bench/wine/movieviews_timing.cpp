// The main window's movie views at 100,000 made-up movies under Wine and
// Xvfb, medians, each from the input to the repainted window: the fill
// after opening, a sort from the View menu, a filter kind and then a value
// (Genre; Actor, an initial, an actor), a view tab switch, a zoom step, and
// Page Down, a wheel notch and End in the list and the grid. Also the peak
// working set.
//   wine movieviews_timing.exe [count]     (from the folder of reelstack.exe)
#include "bench/wine/MainWindowBench.h"
#include "model/CollectionModel.h"
#include "samples/SampleCollection.h"
#include "ui/core/automation/UIAutomationSections.h"
#include "ui/core/events/UIEventType.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/events/UIWheelEvent.h"
#include "ui/widgets/combo/UIComboBox.h"
#include "ui/widgets/items/UIList.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/range/UISlider.h"
#include "ui/widgets/tabs/UITabBar.h"

#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace mainwindowbench;

void send(UIWidget* widget, UIEvent&& event)
{
    MessageLoop::instance()->sendEvent(&event, widget);
}

class ViewsBench : public Bench
{
public:
    explicit ViewsBench(int count) : m_count(count) {}

    String collection;
    int fills = 0;

    void attach(MainWindow* window) override
    {
        Bench::attach(window);
        window->movieListFilled.connect(this, &ViewsBench::onFilled);
    }

private:
    void onFilled() { ++fills; }
    void report(const char* what, double ms)
    {
        std::printf("  %-44s %8.1f ms%s\n", what, ms, ms > 300.0 ? "  (over 0.3 s)" : "");
        std::fflush(stdout);
    }

    void run() override;
    void reportStamps();
    void timeFilters();
    void timeScrolling(const char* what, UIWidget* content);
    int m_count;
};

void ViewsBench::run()
{
    CollectionModel& model = Application::model();
    const auto opened = Clock::now();
    if (!model.openCollection(collection)) {
        std::printf("cannot open the generated collection\n");
        return;
    }
    std::printf("%d movies read in %.0f ms\n", model.movieCount(), msSince(opened));
    report("fill after opening", medianOf(5, [&] { main->fillMovieList(); }));
    main->setViewMode(0);
    UIMenu* sort = main->sortMenu();
    int item = 3;
    report("sort from the menu (Title / Release Date)",
           medianOf(
               5, [&] { sort->activateItem(sort->item(item)); }, [&] { item = item == 3 ? 4 : 3; }));
    timeFilters();
    int tab = 1;
    report("view tab switch (List / Images)",
           medianOf(
               11, [&] { main->viewTabs()->setCurrentIndex(tab); }, [&] { tab = 1 - tab; }));
    main->setViewMode(1);
    int step = 5;
    report("zoom step in the grid",
           medianOf(
               11, [&] { main->zoomSlider()->setValue(main->zoomSlider()->value() + step); },
               [&] { step = -step; }));
    main->setViewMode(0);
    main->table()->selectRow(0);
    timeScrolling("list", main->table());
    main->setViewMode(1);
    main->list()->setCurrentIndexAndSelect(0);
    timeScrolling("grid", main->list());
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory));
    std::printf("  peak working set %.0f MB\n", double(memory.PeakWorkingSetSize) / 1048576.0);
    reportStamps();
}

// The program's own stamps of its fills (the views' work without the
// paint), as a driven test reads them.
void ViewsBench::reportStamps()
{
    JsonValue timings = UIAutomationSections::dump()["timings"];
    std::vector<double> full;
    for (const JsonValue& stamp : timings["stamps"].elements()) {
        if (stamp["shown"].toInt() == m_count)
            full.push_back(stamp["ms"].toNumber());
    }
    std::printf("  %d fills seen, %d stamped by the program; of the kept stamps of full fills (%d) the median "
                "is %.1f ms\n",
                fills, timings["fills"].toInt(), int(full.size()), full.empty() ? 0.0 : median(full));
}

// Each choice is timed from "All", which is set between the runs.
void ViewsBench::timeFilters()
{
    UIComboBox* kind = main->filterKindBox();
    UIComboBox* value = main->filterValueBox();
    UIComboBox* actor = main->actorBox();
    auto toAll = [&] { kind->setCurrentIndex(0); };
    report("filter kind Genre", medianOf(
                                    5, [&] { kind->setCurrentIndex(7); }, toAll));
    kind->setCurrentIndex(7);
    report("filter value, a genre",
           medianOf(
               5, [&] { value->setCurrentIndex(1); }, [&] { value->setCurrentIndex(0); }));
    toAll();
    report("filter kind Actor", medianOf(
                                    5, [&] { kind->setCurrentIndex(10); }, toAll));
    kind->setCurrentIndex(10);
    report("filter value, an actor initial",
           medianOf(
               5, [&] { value->setCurrentIndex(1); }, [&] { value->setCurrentIndex(0); }));
    value->setCurrentIndex(1);
    report("filter actor box, an actor",
           medianOf(
               5, [&] { actor->setCurrentIndex(1); }, [&] { actor->setCurrentIndex(0); }));
    toAll();
}

void ViewsBench::timeScrolling(const char* what, UIWidget* content)
{
    std::string name(what);
    report((name + ": Page Down").c_str(),
           medianOf(21, [&] { send(content, UIKeyEvent(kKeyPressEvent, VK_NEXT, 0, String())); }));
    report((name + ": wheel").c_str(),
           medianOf(21, [&] { send(content, UIWheelEvent(Point(5, 5), -120, 0, 3)); }));
    report((name + ": End").c_str(),
           medianOf(
               11, [&] { send(content, UIKeyEvent(kKeyPressEvent, VK_END, 0, String())); },
               [&] { send(content, UIKeyEvent(kKeyPressEvent, VK_HOME, 0, String())); }));
}

} // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    const String product(u"Reelstack movie views timing");
    const String dataFolder = freshDataFolder(product);
    ViewsBench bench(count);
    bench.collection = SampleCollection::write(count, 1, dataFolder + u"\\Generated");
    if (bench.collection.isEmpty()) {
        std::printf("cannot write the collection\n");
        return 1;
    }
    std::printf("movie views at %d movies, medians (ms):\n", count);
    return runProgram(product, dataFolder, bench);
}
