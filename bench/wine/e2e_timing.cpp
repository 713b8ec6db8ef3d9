// reelstack.exe as a user meets it, timed from outside under Wine and Xvfb
// through the automation channel, medians: the start with a made-up
// collection (the generator behind "rsdb generate") opened as the last used
// one, to the main window shown with the collection's movies; then, at the
// larger collection, a sort by a heading click, a filter kind chosen, the
// next movie by the Down key, and the movie editor opened by Enter and closed
// by Escape, each from the input's request to the first dump that shows it.
// The program reads the channel from a 20 ms timer, so every request (the
// input and each look at the dump) waits up to 20 ms of it: each interaction
// figure holds one to two of those waits.
//   wine e2e_timing.exe [small] [large]     default 10000 100000 (a small
//                                            of 0 leaves its starts out);
//                                            run from build/win32/bench
#include "bench/wine/Median.h"
#include "foundation/data/JsonValue.h"
#include "samples/SampleCollection.h"
#include "tests/flows/FlowSteps.h"
#include "tests/support/AppDriver.h"
#include "tests/support/TestText.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

using testsupport::AppDriver;
using Clock = std::chrono::steady_clock;

const char kCollectionName[] = "Generated";
constexpr int kStarts = 5;
constexpr int kRounds = 11;
constexpr int kTimeoutMs = 20000;
constexpr double kStartLimitMs = 5000.0;
constexpr double kInteractionLimitMs = 300.0;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The first number of a text such as "100,000 of 100,000 movies shown",
// whatever separates its thousands; -1 when it starts with none.
int leadingCount(const std::string& text)
{
    int count = -1;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            count = (count < 0 ? 0 : count * 10) + (c - '0');
        else if (c == ' ')
            break;
    }
    return count;
}

// The generated collection in the program's data folder, opened at the next
// start as the last used one.
bool prepareData(int count)
{
    if (!flows::emptyDataFolder())
        return false;
    const String folder = testsupport::text(AppDriver::dataFolder() + "\\" + kCollectionName);
    return !SampleCollection::write(count, 1, folder).isEmpty() &&
           flows::writeConfig({{u"model/recentCollection", Variant(String(u"Generated"))},
                               {u"model/whenReelstackStartsOpenTheLastUsedCollection", Variant(true)}});
}

// Asks until shown() passes, with no pause of our own between the looks:
// the channel's timer paces them.
bool pollUntil(const std::function<bool()>& shown, int timeoutMs = kTimeoutMs)
{
    const auto start = Clock::now();
    while (msSince(start) < timeoutMs) {
        if (shown())
            return true;
    }
    return false;
}

// Runs the input, then looks at the program until shown() passes: the time
// from the input's request to the reply that showed it; -1 when either
// failed.
double timeUntil(const std::function<bool()>& input, const std::function<bool()>& shown)
{
    const auto start = Clock::now();
    if (!input() || !pollUntil(shown))
        return -1.0;
    return msSince(start);
}

void report(const char* what, const std::vector<double>& times, double limit)
{
    const double ms = median(times);
    std::printf("  %-52s %8.1f ms  (limit %.0f ms)%s\n", what, ms, limit, ms > limit ? "  OVER" : "");
    std::fflush(stdout);
}

struct StartTimes
{
    std::vector<double> shown;
    std::vector<double> filled;
};

// One start: the program launched, its main window shown, then its movies.
bool timeStart(int count, StartTimes& times)
{
    AppDriver app;
    const auto start = Clock::now();
    if (!app.launch()) {
        std::printf("the program did not start: %s\n", app.failure().c_str());
        return false;
    }
    if (!pollUntil([&] { return app.find("#main")["visible"].toBool(); }, 60000)) {
        std::printf("the main window did not show\n");
        return false;
    }
    times.shown.push_back(msSince(start));
    if (!pollUntil([&] { return leadingCount(app.find("#status")["text"].toText()) == count; }, 60000)) {
        std::printf("the movies did not show: %s\n", app.find("#status")["text"].toText().c_str());
        return false;
    }
    times.filled.push_back(msSince(start));
    std::printf("    start: window %.0f ms, movies %.0f ms\n", times.shown.back(), times.filled.back());
    std::fflush(stdout);
    return app.request(std::string("{\"op\":\"close\",\"path\":\"#main\"}"))["ok"].toBool() &&
           app.waitForExit(60000) == 0;
}

bool timeStarts(int count)
{
    std::printf("start with %d movies opened at start, medians of %d starts:\n", count, kStarts);
    if (!prepareData(count)) {
        std::printf("cannot write the collection\n");
        return false;
    }
    StartTimes times;
    for (int run = 0; run < kStarts; ++run) {
        if (!timeStart(count, times))
            return false;
    }
    report("launch to the main window shown", times.shown, kStartLimitMs);
    report("launch to the window showing the movies", times.filled, kStartLimitMs);
    return true;
}

// The interactions on one running program, its list in front.
class Interactions
{
public:
    explicit Interactions(AppDriver& app) : m_app(app) {}

    bool prepare(int count);
    bool timeSort();
    bool timeMenuSort();
    bool timeFilter();
    bool timeNextMovie();
    bool timeEditor();

private:
    // The list's first row's cells, its row count and current row, and the
    // card, as a dump shows them.
    struct Shown
    {
        std::string first;
        int rows = -1;
        int current = -1;
        std::string card;
    };
    Shown look();
    bool menu(const std::vector<std::string>& paths);
    bool openMenus(const std::vector<std::string>& paths);
    bool openPopup(const std::string& box, const std::string& entry);
    // Times to the list and to the whole dump showing one input's result.
    struct Times
    {
        std::vector<double> list;
        std::vector<double> dump;
    };
    bool timeTwice(const std::function<bool()>& input, const std::function<bool()>& inList,
                   const std::function<bool()>& inDump, Times& times);
    void reportTwice(const std::string& what, const Times& times);
    bool focusList();
    bool editorOpen();
    bool failed(const char* what);

    AppDriver& m_app;
};

Interactions::Shown Interactions::look()
{
    JsonValue asked = JsonValue::object();
    asked.set("op", "dump");
    asked.set("path", "#table");
    JsonValue& rows = asked.set("rows", JsonValue::array());
    rows.append(0);
    const JsonValue reply = m_app.request(asked);
    const JsonValue& table = reply["widget"];
    Shown shown;
    // The whole row: generated titles repeat.
    shown.first = table["rows"]["0"].write();
    shown.rows = table["rowCount"].toInt();
    shown.current = table["current"].toInt();
    shown.card = reply["sections"]["card"]["text"].toText();
    return shown;
}

bool Interactions::failed(const char* what)
{
    std::printf("%s: %s\n", what, m_app.lastReply().write().c_str());
    return false;
}

// Opens the menus down to the last path's item, which is left to click; a
// menu that did not open in time is closed and tried again.
bool Interactions::openMenus(const std::vector<std::string>& paths)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        bool opened = true;
        for (size_t i = 0; opened && i + 1 < paths.size(); ++i)
            opened = (i == 0 || m_app.waitForPath(paths[i], 3000)) && m_app.click(paths[i]);
        if (opened && m_app.waitForPath(paths.back(), 3000))
            return true;
        m_app.pressKey("Escape");
        m_app.pressKey("Escape");
    }
    return false;
}

bool Interactions::menu(const std::vector<std::string>& paths)
{
    return openMenus(paths) && m_app.click(paths.back()) && m_app.waitForNoPath(paths.back(), 3000);
}

// Opens the combo box's popup until the entry is there to click: a box just
// closed refuses to open again for a moment.
bool Interactions::openPopup(const std::string& box, const std::string& entry)
{
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (!m_app.click(box))
            return false;
        if (m_app.waitForPath(entry, 2000))
            return true;
        m_app.pressKey("Escape");
    }
    return false;
}

bool Interactions::prepare(int count)
{
    if (!m_app.launch() || !flows::waitForMain(m_app))
        return failed("the program did not start");
    if (!m_app.waitFor([&] { return leadingCount(m_app.find("#status")["text"].toText()) == count; }, 60000))
        return failed("the movies did not show");
    if (!menu({"#menuBar \"View\"", "#viewMenu \"List\""}) ||
        !m_app.waitFor([&] { return m_app.exists("#table"); }))
        return failed("the list did not come to the front");
    return true;
}

// The list has the keys, or takes them with a click.
bool Interactions::focusList()
{
    auto focused = [&] { return m_app.find("#table")["focused"].toBool(); };
    if (focused() || (m_app.click("#table") && m_app.waitFor(focused, 3000)))
        return true;
    std::printf("the list took no focus; the windows: %s\n", m_app.dump().write().c_str());
    return false;
}

bool Interactions::timeSort()
{
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        const std::string before = look().first;
        const double ms = timeUntil([&] { return m_app.click("#table UIHeader \"Year\""); },
                                    [&] { return look().first != before; });
        if (ms < 0)
            return failed("the heading click did not sort");
        times.push_back(ms);
    }
    report("sort, a heading click to the new first row", times, kInteractionLimitMs);
    return true;
}

// Times one input twice: to the list showing the change, asked with "find"
// (the widget alone), and to the first whole dump showing it. A dump also
// fills the views a fill left hidden and waiting (the grid and the cover
// flow of the list's 100,000 movies), which the user pays only on going to
// them: the difference is that work.
bool Interactions::timeTwice(const std::function<bool()>& input, const std::function<bool()>& inList,
                             const std::function<bool()>& inDump, Times& times)
{
    const auto start = Clock::now();
    if (!input() || !pollUntil(inList))
        return false;
    times.list.push_back(msSince(start));
    if (!pollUntil(inDump))
        return false;
    times.dump.push_back(msSince(start));
    return true;
}

void Interactions::reportTwice(const std::string& what, const Times& times)
{
    report((what + " to the list").c_str(), times.list, kInteractionLimitMs);
    report((what + " to the whole dump").c_str(), times.dump, kInteractionLimitMs);
}

// The View menu's sort sorts the collection and refills every view: by
// title, then timed from the click on an order item, Descending and
// Ascending in turn. The current movie stays, so its row moves.
bool Interactions::timeMenuSort()
{
    const std::string menus[] = {"#menuBar \"View\"", "#viewMenu \"Sort Movies by\""};
    if (!menu({menus[0], menus[1], "#sortMenu \"Title\""}) || !focusList() || !m_app.pressKey("Home"))
        return failed("the list did not sort by title");
    Times times;
    for (int round = 0; round < kRounds; ++round) {
        const std::string item = round % 2 == 0 ? "#sortMenu \"Descending\"" : "#sortMenu \"Ascending\"";
        if (!openMenus({menus[0], menus[1], item}))
            return failed("the sort menu did not open");
        const Shown before = look();
        if (!timeTwice([&] { return m_app.click(item); },
                       [&] { return m_app.find("#table")["current"].toInt() != before.current; },
                       [&] { return look().first != before.first; }, times))
            return failed(item.c_str());
    }
    reportTwice("sort, a View menu order", times);
    return true;
}

// Each choice of the kind is timed from the click on its entry to the new
// row count: "Seen" narrows the list, "All" brings every movie back.
bool Interactions::timeFilter()
{
    Times narrowed;
    Times widened;
    for (int round = 0; round < kRounds; ++round) {
        for (const char* kind : {"Seen", "All"}) {
            const std::string entry = std::string("UIList \"") + kind + "\"";
            if (!openPopup("#filterKind", entry))
                return failed("the filter kinds did not pop up");
            const int before = look().rows;
            if (!timeTwice([&] { return m_app.click(entry); },
                           [&] { return m_app.find("#table")["rowCount"].toInt() != before; },
                           [&] { return look().rows != before; }, kind[0] == 'S' ? narrowed : widened))
                return failed(kind);
        }
    }
    reportTwice("filter kind Seen, the click", narrowed);
    reportTwice("filter kind All, the click", widened);
    return true;
}

bool Interactions::timeNextMovie()
{
    if (!focusList())
        return false;
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        const Shown before = look();
        const double ms = timeUntil([&] { return m_app.pressKey("Down"); },
                                    [&] {
                                        const Shown now = look();
                                        return now.current == before.current + 1 && now.card != before.card;
                                    });
        if (ms < 0)
            return failed("Down did not step to the next movie");
        times.push_back(ms);
    }
    report("next movie, Down to the next row and its card", times, kInteractionLimitMs);
    return true;
}

bool Interactions::editorOpen()
{
    // Kept: the loop would otherwise walk a destroyed temporary.
    const JsonValue windows = m_app.windows();
    for (const JsonValue& window : windows.elements()) {
        if (window["visible"].toBool() && window["title"].toText().rfind("Edit Movie", 0) == 0)
            return true;
    }
    return false;
}

bool Interactions::timeEditor()
{
    std::vector<double> opened;
    std::vector<double> closed;
    for (int round = 0; round < kRounds; ++round) {
        if (!focusList())
            return false;
        double ms = timeUntil([&] { return m_app.pressKey("Enter"); }, [&] { return editorOpen(); });
        if (ms < 0)
            return failed("Enter did not open the editor");
        opened.push_back(ms);
        ms = timeUntil([&] { return m_app.pressKey("Escape"); }, [&] { return !editorOpen(); });
        if (ms < 0)
            return failed("Escape did not close the editor");
        closed.push_back(ms);
    }
    report("editor, Enter to its window", opened, kInteractionLimitMs);
    report("editor, Escape to its window gone", closed, kInteractionLimitMs);
    return true;
}

bool timeInteractions(int count)
{
    std::printf("at %d movies, medians of %d rounds, from the input's request to the dump showing it:\n", count,
                kRounds);
    if (!prepareData(count)) {
        std::printf("cannot write the collection\n");
        return false;
    }
    AppDriver app;
    Interactions interactions(app);
    return interactions.prepare(count) && interactions.timeMenuSort() && interactions.timeSort() &&
           interactions.timeFilter() &&
           interactions.timeNextMovie() && interactions.timeEditor();
}

} // namespace

int main(int argc, char** argv)
{
    const int small = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int large = argc > 2 ? std::atoi(argv[2]) : 100000;
    const bool done =
        (small <= 0 || timeStarts(small)) && timeStarts(large) && timeInteractions(large);
    flows::emptyDataFolder();
    return done ? 0 : 1;
}
