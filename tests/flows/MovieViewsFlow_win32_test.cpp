// The movie views of reelstack.exe driven from outside over twelve movies:
// opening, sorting, the filter bar, stepping, zoom, columns, layouts, the
// View menu's switches, the context menu, the cover flow's input and what a
// relaunch restores. Each step leaves a shot when REELSTACK_SHOTS is set.
#include "foundation/data/ConfigFile.h"
#include "foundation/data/Variant.h"
#include "model/config/Configuration.h"
#include "tests/app/TwelveMovies.h"
#include "tests/flows/FlowSteps.h"
#include "tests/support/AppDriver.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

using testsupport::AppDriver;

namespace {

const char kAllTitles[] = "Alien,amelie,Brazil,Heat,Babe,Cosmos,Dune,Elf,Fargo,Gravity,Hugo,Ikiru";

String text(const std::string& utf8)
{
    return String::fromUtf8(utf8.c_str(), int(utf8.size()));
}

// The twelve movies, or the first count of them, as the collection name in
// the program's data folder. No movie is on the wish list, so that one kind
// of the filter matches nothing.
bool writeCollection(const std::string& name, int count)
{
    CollectionModel model(text(AppDriver::dataFolder()));
    if (!flows::createAndOpenCollection(model, name))
        return false;
    for (int id = 1; id <= count; ++id) {
        Movie* movie = twelvemovies::makeMovie(twelvemovies::kRows[id - 1], id);
        movie->wishlist = false;
        model.appendMovie(movie);
    }
    return model.closeCollection();
}

// A data folder with "Twelve" and "Other" (three movies), set to open
// "Twelve" at start.
bool prepareData()
{
    return AppDriver::cleanDataFolder() && writeCollection("Twelve", 12) && writeCollection("Other", 3) &&
           flows::openAtStart("Twelve");
}

class MovieViewsFlow : public ::testing::Test
{
protected:
    // Wrapped in ASSERT_NO_FATAL_FAILURE by the tests.
    void launch()
    {
        ASSERT_TRUE(prepareData());
        ASSERT_TRUE(app.launch()) << app.failure();
        ASSERT_TRUE(app.waitForPath("#main", 60000)) << app.failure();
        ASSERT_TRUE(app.waitFor([&] { return status() == "12 of 12 movies shown"; })) << status();
        // The cover flow's device starts after the first paint.
        ASSERT_TRUE(app.waitFor([&] { return views()["coverFlowKnown"].toBool(); })) << views().write();
    }
    void TearDown() override
    {
        if (HasFailure())
            app.recordFailure();
    }

    JsonValue widget(const std::string& path) { return app.find(path); }
    // Also a widget of a page not shown.
    JsonValue hiddenWidget(const std::string& path)
    {
        JsonValue request = JsonValue::object();
        request.set("op", "find");
        request.set("path", path);
        request.set("hidden", true);
        return app.request(request)["widget"];
    }
    std::string status() { return widget("#status")["text"].toText(); }
    JsonValue views() { return app.dump()["sections"]["views"]; }
    int fills() { return app.dump()["sections"]["timings"]["fills"].toInt(); }
    // The first cell of every table row, as "Alien,amelie".
    std::string titles(int column = 0)
    {
        JsonValue request = JsonValue::object();
        request.set("op", "dump");
        request.set("path", "#table");
        JsonValue rows = JsonValue::array();
        for (int row = 0; row < 12; ++row)
            rows.append(row);
        request.set("rows", std::move(rows));
        JsonValue table = app.request(request)["widget"];
        std::string out;
        for (int row = 0; row < table["rowCount"].toInt(); ++row)
            out += (row ? "," : "") + table["rows"][std::to_string(row)].at(column).toText();
        return out;
    }
    // The three views agree on the current movie; its id.
    int current()
    {
        JsonValue state = views();
        int id = state["current"].toInt();
        EXPECT_EQ(state["table"].toInt(), id) << state.write();
        EXPECT_EQ(state["images"].toInt(), id) << state.write();
        if (state["coverFlow"].toBool() && id) {
            EXPECT_EQ(state["cover"].toInt(), id) << state.write();
        }
        return id;
    }
    std::string title() { return widget("#main")["title"].toText(); }
    // The tabs show pictures only: the View menu names the views.
    bool viewMode(const std::string& view)
    {
        int mode = view == "List" ? 0 : view == "Images" ? 1 : 2;
        return menu("View", "viewMenu", view) && app.waitFor([&] { return views()["mode"].toInt() == mode; });
    }

    // Opens the bar's menu (and the sub-menu) and clicks the item; a menu
    // that did not open in time is closed and tried again.
    bool menu(const std::string& bar, const std::string& menuId, const std::string& item)
    {
        return openAndClick({"#menuBar \"" + bar + "\"", "#" + menuId + " \"" + item + "\""});
    }
    bool viewSubMenu(const std::string& sub, const std::string& menuId, const std::string& item)
    {
        return openAndClick(
            {"#menuBar \"View\"", "#viewMenu \"" + sub + "\"", "#" + menuId + " \"" + item + "\""});
    }
    bool openAndClick(const std::vector<std::string>& paths, bool clickLast = true,
                      bool rightClickFirst = false)
    {
        return app.openAndClick(paths, clickLast, rightClickFirst);
    }
    // Opens the menus until the last path shows, clicking nothing in it.
    bool openTo(const std::vector<std::string>& paths) { return openAndClick(paths, false); }

    bool choose(const std::string& box, const std::string& entry) { return app.chooseEntry(box, entry); }
    bool isChecked(const std::string& menuId, const std::string& item)
    {
        JsonValue menu = widget("#" + menuId);
        for (const JsonValue& entry : menu["items"].elements())
            if (entry["text"].toText() == item)
                return entry["checked"].toBool();
        return false;
    }
    // A shown menu gets its checks as it opens.
    bool becomesChecked(const std::string& menuId, const std::string& item)
    {
        return app.waitFor([&] { return isChecked(menuId, item); }, 3000);
    }

    AppDriver app;
};

// The main window of the program, found by its title.
struct WindowSearch
{
    wchar_t title[512] = {};
    HWND found = nullptr;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<WindowSearch*>(data);
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    if (!IsWindowVisible(window) || wcscmp(text, search->title) != 0)
        return TRUE;
    search->found = window;
    return FALSE;
}

// The shown top-level window of the program with that title.
HWND mainWindowHandle(const std::string& title)
{
    WindowSearch search;
    if (!MultiByteToWideChar(CP_UTF8, 0, title.c_str(), -1, search.title, 512))
        return nullptr;
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Screen pixels in the band of a row's title cell drawn in about that
// colour (text is smoothed at its edges, not in its strokes).
int pixelsNear(const Color& colour, int left, int centreY)
{
    HDC screen = GetDC(nullptr);
    int count = 0;
    for (int y = centreY - 6; y <= centreY + 6; ++y) {
        for (int x = left; x < left + 140; ++x) {
            COLORREF pixel = GetPixel(screen, x, y);
            int distance = std::abs(int(GetRValue(pixel)) - colour.red()) +
                           std::abs(int(GetGValue(pixel)) - colour.green()) +
                           std::abs(int(GetBValue(pixel)) - colour.blue());
            count += distance <= 24 ? 1 : 0;
        }
    }
    ReleaseDC(nullptr, screen);
    return count;
}

TEST_F(MovieViewsFlow, OpeningFillsTheViewsAndSortingFollowsTheMenus)
{
    ASSERT_NO_FATAL_FAILURE(launch());
    ASSERT_TRUE(viewMode("List"));
    app.shot("open");
    EXPECT_EQ(titles(), kAllTitles) << "by date added";
    EXPECT_EQ(current(), 1);
    EXPECT_NE(title().find("Alien (1979)"), std::string::npos) << title();
    JsonValue state = views();
    EXPECT_EQ(state["mode"].toInt(), 0);
    if (state["coverFlow"].toBool()) {
        EXPECT_EQ(state["covers"].toInt(), 12);
    }
    EXPECT_EQ(hiddenWidget("#images")["rowCount"].toInt(), 12);
    EXPECT_TRUE(widget("#toolBar \"Edit Selected Movie...\"")["enabled"].toBool());
    EXPECT_TRUE(widget("#toolBar \"Remove Selected Movie\"")["enabled"].toBool());
    ASSERT_TRUE(openTo({"#menuBar \"View\"", "#viewMenu \"List\""}));
    EXPECT_TRUE(becomesChecked("viewMenu", "List")) << "the tabs and the View menu agree";
    EXPECT_TRUE(widget("#viewTabs")["items"].at(0)["current"].toBool());
    ASSERT_TRUE(app.pressKey("Escape"));

    // Alien has a colour label, amelie none: only Alien's title takes the
    // label's colour. Read with neither row selected.
    ASSERT_TRUE(app.click("#table \"Alien\""));
    const int alienY = app.lastReply()["at"].at(1).toInt();
    ASSERT_TRUE(app.click("#table \"amelie\""));
    const int amelieY = app.lastReply()["at"].at(1).toInt();
    ASSERT_TRUE(app.click("#table \"Brazil\""));
    ASSERT_TRUE(app.waitFor([&] { return current() == 3; }));
    const int left = widget("#table")["rect"].at(0).toInt();
    const Color label = CollectionModel::colorLabelColor(1);
    EXPECT_GT(pixelsNear(label, left, alienY), 0);
    EXPECT_EQ(pixelsNear(label, left, amelieY), 0);
    ASSERT_TRUE(app.click("#table \"Alien\""));
    ASSERT_TRUE(app.waitFor([&] { return current() == 1; }));

    struct Step
    {
        const char* item;
        bool toolBar;
        const char* first;
        const char* last;
        int mode, order;
    };
    const Step steps[] = {
        {"Title", false, "Alien", nullptr, 0, 1},
        {"Descending", true, nullptr, "Alien", 0, 2},
        {"Release Date", false, "Dune", "Heat", 1, 2},
    };
    for (const Step& s : steps) {
        if (s.toolBar) {
            ASSERT_TRUE(openAndClick(
                {"#toolBar \"Sort Movies by\"", std::string("#toolBarSortMenu \"") + s.item + "\""}))
                << s.item;
        } else {
            ASSERT_TRUE(viewSubMenu("Sort Movies by", "sortMenu", s.item)) << s.item;
        }
        // Descending keeps the mode: only both together tell that the click
        // was taken, and the rows below are read after it.
        const auto sorted = [&] {
            const JsonValue sort = views()["sort"];
            return sort.at(0).toInt() == s.mode && sort.at(1).toInt() == s.order;
        };
        EXPECT_TRUE(app.waitFor(sorted)) << s.item << ": " << views()["sort"].write();
        std::string rows = titles();
        if (s.first) {
            EXPECT_EQ(rows.substr(0, rows.find(',')), s.first) << s.item << ": " << rows;
        }
        if (s.last) {
            EXPECT_EQ(rows.substr(rows.rfind(',') + 1), s.last) << s.item << ": " << rows;
        }
        EXPECT_EQ(current(), 1) << s.item << ": the current movie stays";
        app.shot(std::string("sort-") + s.item);
    }
    ASSERT_TRUE(viewSubMenu("Sort Movies by", "sortMenu", "Descending"));
    ASSERT_TRUE(app.pressKey("Escape"));
    ASSERT_TRUE(openTo({"#menuBar \"View\"", "#viewMenu \"Sort Movies by\"", "#sortMenu \"Title\""}));
    EXPECT_TRUE(becomesChecked("sortMenu", "Release Date"));
    EXPECT_TRUE(becomesChecked("sortMenu", "Descending"));
    int checkedFields = 0;
    for (const char* field : {"Title", "Release Date", "Date Added", "Date Modified"})
        checkedFields += isChecked("sortMenu", field) ? 1 : 0;
    EXPECT_EQ(checkedFields, 1) << widget("#sortMenu").write();
    app.shot("sort-menu");
    ASSERT_TRUE(app.pressKey("Escape"));
    ASSERT_TRUE(app.pressKey("Escape"));
}

TEST_F(MovieViewsFlow, TheFilterBarNarrowsEveryViewAndOpeningResetsIt)
{
    ASSERT_NO_FATAL_FAILURE(launch());
    ASSERT_TRUE(viewMode("List"));
    // Three cards: Alien at the opening, then Brazil and Heat.
    ASSERT_TRUE(app.click("#table \"Brazil\""));
    ASSERT_TRUE(app.click("#table \"Heat\""));
    ASSERT_TRUE(app.waitFor([&] { return current() == 4; }));
    ASSERT_TRUE(choose("#filterKind", "Recently Viewed"));
    ASSERT_TRUE(app.waitFor([&] { return status() == "3 of 12 movies shown"; })) << status();
    EXPECT_EQ(titles(), "Alien,Brazil,Heat");
    EXPECT_EQ(current(), 4) << "the current movie passes and stays";
    app.shot("recently-viewed");

    ASSERT_TRUE(choose("#filterKind", "Wish List"));
    ASSERT_TRUE(app.waitFor([&] { return status() == "0 of 12 movies shown"; })) << status();
    EXPECT_EQ(titles(), "");
    EXPECT_EQ(current(), 0);
    EXPECT_EQ(title().find("Heat"), std::string::npos) << "the no-movie card: " << title();
    EXPECT_FALSE(widget("#toolBar \"Edit Selected Movie...\"")["enabled"].toBool());
    app.shot("nothing-matches");

    ASSERT_TRUE(choose("#filterKind", "All"));
    ASSERT_TRUE(app.waitFor([&] { return status() == "12 of 12 movies shown"; })) << status();
    ASSERT_TRUE(app.click("#table \"Brazil\""));
    ASSERT_TRUE(choose("#filterKind", "Genre"));
    ASSERT_TRUE(choose("#filterValue", "Drama"));
    ASSERT_TRUE(app.waitFor([&] { return status() == "8 of 12 movies shown"; })) << status();
    EXPECT_EQ(titles(), "Alien,Brazil,Heat,Dune,Fargo,Gravity,Hugo,Ikiru");
    EXPECT_EQ(current(), 3) << "Brazil is a drama too";
    app.shot("genre-drama");
    ASSERT_TRUE(app.click("#table \"Alien\""));
    ASSERT_TRUE(choose("#filterValue", "Comedy"));
    ASSERT_TRUE(app.waitFor([&] { return status() == "4 of 12 movies shown"; })) << status();
    EXPECT_EQ(current(), 0) << "Alien is not a comedy";

    // "All" then "Tags" at its "All" shows the same movies: no refill.
    ASSERT_TRUE(choose("#filterKind", "All"));
    ASSERT_TRUE(app.waitFor([&] { return status() == "12 of 12 movies shown"; })) << status();
    int before = fills();
    ASSERT_TRUE(choose("#filterKind", "Tags"));
    ASSERT_TRUE(app.waitForPath("#filterValue"));
    EXPECT_EQ(fills(), before);

    ASSERT_TRUE(choose("#filterKind", "Actor"));
    ASSERT_TRUE(choose("#filterValue", "B..."));
    ASSERT_TRUE(app.waitFor([&] { return status() == "4 of 12 movies shown"; })) << status();
    EXPECT_EQ(titles(), "Alien,Brazil,Dune,Hugo");
    ASSERT_TRUE(choose("#filterActor", "Bob Hoskins"));
    ASSERT_TRUE(app.waitFor([&] { return status() == "2 of 12 movies shown"; })) << status();
    EXPECT_EQ(titles(), "Alien,Dune");
    app.shot("actor");

    // Another collection comes with the filter back at "All".
    ASSERT_TRUE(menu("Collection", "collectionMenu", "Open Collection..."));
    const std::string dialog = "\"Open Collection \u2013 Reelstack\"";
    ASSERT_TRUE(app.waitForPath(dialog + " \"Open\"")) << app.windows().write();
    ASSERT_TRUE(choose(dialog + " UIComboBox", "Other"));
    ASSERT_TRUE(app.click(dialog + " \"Open\""));
    ASSERT_TRUE(app.waitFor([&] { return status() == "3 of 3 movies shown"; })) << status();
    EXPECT_EQ(widget("#filterKind")["text"].toText(), "All");
    EXPECT_FALSE(app.exists("#filterValue"));
    EXPECT_FALSE(app.exists("#filterActor"));
    EXPECT_EQ(titles(), "Alien,amelie,Brazil");
    app.shot("other-collection");
}

TEST_F(MovieViewsFlow, StepsZoomColumnsLayoutsAndTheViewMenusSwitches)
{
    ASSERT_NO_FATAL_FAILURE(launch());
    ASSERT_TRUE(viewMode("List"));
    // Previous at the first does nothing; next and previous move by one.
    struct Step
    {
        const char* button;
        int current;
    };
    const Step steps[] = {{"Previous Movie", 1}, {"Next Movie", 2}, {"Next Movie", 3}, {"Previous Movie", 2}};
    for (const Step& s : steps) {
        ASSERT_TRUE(app.click(std::string("#toolBar \"") + s.button + "\""));
        ASSERT_TRUE(app.waitFor([&] { return views()["current"].toInt() == s.current; }))
            << s.button << " " << views().write();
        EXPECT_EQ(current(), s.current);
    }
    app.shot("stepped");

    // Zoom: the pictures send the slider to its ends, in the list and grid.
    ASSERT_TRUE(app.click("#zoomIn"));
    ASSERT_TRUE(app.waitFor([&] { return views()["rowHeight"].toInt() == 54; })) << views().write();
    ASSERT_TRUE(app.click("#zoomOut"));
    ASSERT_TRUE(app.waitFor([&] { return views()["rowHeight"].toInt() == 24; })) << views().write();
    ASSERT_TRUE(viewMode("Images"));
    ASSERT_TRUE(app.click("#zoomIn"));
    ASSERT_TRUE(app.waitFor([&] { return views()["itemSize"].at(0).toInt() == 165; })) << views().write();
    EXPECT_EQ(views()["itemSize"].at(1).toInt(), 220);
    app.shot("images-zoomed-in");
    ASSERT_TRUE(app.click("#zoomOut"));
    ASSERT_TRUE(app.waitFor([&] { return views()["itemSize"].at(0).toInt() == 48; })) << views().write();
    EXPECT_EQ(current(), 2) << "the views keep the one current movie";
    ASSERT_TRUE(viewMode("List"));

    // Columns: the View menu's and the header's menu stay in step.
    JsonValue columns = views()["columns"];
    ASSERT_GT(columns.size(), 1);
    ASSERT_TRUE(viewSubMenu("Columns", "columnsMenu", "Title"));
    ASSERT_TRUE(app.waitFor([&] { return views()["columns"].size() == columns.size() - 1; }));
    EXPECT_NE(views()["columns"].at(0).toInt(), 0) << "Title is hidden";
    ASSERT_TRUE(app.pressKey("Escape"));
    ASSERT_TRUE(openAndClick({"UIHeader", "#columnHeaderMenu \"Title\""}, false, true));
    EXPECT_FALSE(isChecked("columnHeaderMenu", "Title"));
    ASSERT_TRUE(app.clickMenuItem("#columnHeaderMenu \"Title\""));
    ASSERT_TRUE(app.waitFor([&] { return views()["columns"].size() == columns.size(); }));
    EXPECT_EQ(views()["columns"].at(0).toInt(), 0);
    ASSERT_TRUE(openTo({"#menuBar \"View\"", "#viewMenu \"Columns\"", "#columnsMenu \"Title\""}));
    EXPECT_TRUE(becomesChecked("columnsMenu", "Title")) << widget("#columnsMenu").write();
    ASSERT_TRUE(app.pressKey("Escape"));
    ASSERT_TRUE(app.pressKey("Escape"));

    // Layouts by the menu: orientation and where the card sits.
    struct Layout
    {
        const char* item;
        bool vertical;
        bool cardFirst;
    };
    const Layout layouts[] = {{"Horizontal #2", false, true},
                              {"Vertical #2", true, true},
                              {"Horizontal #1", false, false},
                              {"Vertical #1", true, false}};
    for (const Layout& l : layouts) {
        ASSERT_TRUE(viewSubMenu("Screen Layout", "screenLayoutMenu", l.item)) << l.item;
        ASSERT_TRUE(app.waitFor([&] { return views()["cardFirst"].toBool() == l.cardFirst; })) << l.item;
        EXPECT_EQ(views()["vertical"].toBool(), l.vertical) << l.item;
        app.shot(std::string("layout-") + l.item);
    }

    // Toolbar, Always On Top, Refresh.
    ASSERT_TRUE(menu("View", "viewMenu", "Toolbar"));
    ASSERT_TRUE(app.waitForNoPath("#toolBar"));
    ASSERT_TRUE(menu("View", "viewMenu", "Toolbar"));
    ASSERT_TRUE(app.waitForPath("#toolBar"));
    ASSERT_TRUE(menu("View", "viewMenu", "Always On Top"));
    ASSERT_TRUE(app.waitFor([&] { return views()["topmost"].toBool(); }));
    // The View menu reads the window's flag as it opens.
    ASSERT_TRUE(openTo({"#menuBar \"View\"", "#viewMenu \"Always On Top\""}));
    EXPECT_TRUE(becomesChecked("viewMenu", "Always On Top"));
    app.shot("always-on-top");
    ASSERT_TRUE(app.clickMenuItem("#viewMenu \"Always On Top\""));
    ASSERT_TRUE(app.waitFor([&] { return !views()["topmost"].toBool(); }));
    ASSERT_TRUE(openTo({"#menuBar \"View\"", "#viewMenu \"Always On Top\""}));
    EXPECT_FALSE(isChecked("viewMenu", "Always On Top"));
    ASSERT_TRUE(app.pressKey("Escape"));
    int before = fills();
    ASSERT_TRUE(menu("View", "viewMenu", "Refresh"));
    ASSERT_TRUE(app.waitFor([&] { return fills() == before + 1; }));
    EXPECT_EQ(current(), 2) << "a refresh keeps the current movie";

    // A right click on a row pops the movie menu where the pointer is.
    ASSERT_TRUE(app.rightClick("#table \"Brazil\""));
    JsonValue point = app.lastReply()["at"];
    app.shot("right-clicked");
    // The menu belongs to the grid, whose page the list's hides: it is
    // looked for among hidden widgets too.
    ASSERT_TRUE(app.waitFor([&] { return hiddenWidget("#movieContextMenu")["visible"].toBool(); }))
        << hiddenWidget("#movieContextMenu").write();
    JsonValue popup = hiddenWidget("#movieContextMenu");
    app.shot("context-menu");
    ASSERT_TRUE(point.isArray()) << point.write();
    EXPECT_NEAR(popup["rect"].at(0).toInt(), point.at(0).toInt(), 2) << popup.write();
    EXPECT_NEAR(popup["rect"].at(1).toInt(), point.at(1).toInt(), 2) << popup.write();
    ASSERT_TRUE(app.pressKey("Escape"));
}

// The cover flow's own input, when Direct3D started: a click picks the cover
// under the pointer, the keys and the wheel step, the card follows at rest,
// Ctrl and the wheel zoom.
TEST_F(MovieViewsFlow, CoverFlowInputStepsZoomsAndTheCardFollowsAtRest)
{
    ASSERT_NO_FATAL_FAILURE(launch());
    if (!views()["coverFlow"].toBool())
        GTEST_SKIP() << "no Direct3D 9 under this Wine";
    ASSERT_TRUE(viewMode("Cover Flow"));
    ASSERT_TRUE(app.waitFor([&] { return views()["coverVisible"].toBool(); }));
    ASSERT_TRUE(app.click("#coverFlow"));
    ASSERT_TRUE(app.waitFor([&] { return current() != 0; }));
    int start = current();
    ASSERT_TRUE(app.pressKey("Right"));
    ASSERT_TRUE(app.waitFor([&] { return views()["table"].toInt() == start + 1; })) << views().write();
    EXPECT_EQ(current(), start + 1);
    ASSERT_TRUE(app.pressKey("Left"));
    ASSERT_TRUE(app.waitFor([&] { return views()["table"].toInt() == start; })) << views().write();
    app.shot("cover-flow");

    JsonValue flow = widget("#coverFlow");
    int x = flow["rect"].at(0).toInt() + flow["rect"].at(2).toInt() / 2;
    int y = flow["rect"].at(1).toInt() + flow["rect"].at(3).toInt() / 2;
    HWND main = mainWindowHandle(title());
    ASSERT_NE(main, nullptr);
    auto wheel = [&](int delta, bool control) {
        PostMessageW(main, WM_MOUSEWHEEL, MAKEWPARAM(control ? MK_CONTROL : 0, WORD(short(delta))),
                     MAKELPARAM(x, y));
    };
    wheel(-120, false);
    ASSERT_TRUE(app.waitFor([&] { return views()["table"].toInt() != start; })) << views().write();
    EXPECT_EQ(current(), start + 1) << "a notch towards the user is the next cover";
    wheel(120, false);
    ASSERT_TRUE(app.waitFor([&] { return views()["table"].toInt() == start; })) << views().write();
    // Zoomed fully in at first: a notch away from the user zooms out.
    double zoom = views()["zooms"].at(2).toNumber();
    wheel(120, true);
    ASSERT_TRUE(app.waitFor([&] { return views()["zooms"].at(2).toNumber() != zoom; }));
    EXPECT_NEAR(zoom - views()["zooms"].at(2).toNumber(), 0.05, 0.001) << "five steps";
    wheel(-120, true);
    ASSERT_TRUE(app.waitFor([&] { return views()["zooms"].at(2).toNumber() == zoom; }));
    EXPECT_EQ(current(), start) << "Ctrl and the wheel zoom only";
    app.shot("cover-flow-zoomed");
}

// Wine's per-program setting that keeps d3d9.dll from loading into
// reelstack.exe, for as long as it lives.
class Direct3DDisabled
{
public:
    Direct3DDisabled()
    {
        m_made = RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &m_key,
                                 nullptr) == ERROR_SUCCESS &&
                 RegSetValueExW(m_key, L"d3d9", 0, REG_SZ, reinterpret_cast<const BYTE*>(L""),
                                sizeof(wchar_t)) == ERROR_SUCCESS;
    }
    ~Direct3DDisabled()
    {
        if (m_key)
            RegCloseKey(m_key);
        RegDeleteKeyW(HKEY_CURRENT_USER, kKey);
    }
    bool made() const { return m_made; }

private:
    static constexpr const wchar_t* kKey = L"Software\\Wine\\AppDefaults\\reelstack.exe\\DllOverrides";
    HKEY m_key = nullptr;
    bool m_made = false;
};

// Without Direct3D the cover flow's tab is off and its input goes nowhere,
// while the list and the grid work.
TEST_F(MovieViewsFlow, WithoutDirect3DTheCoverFlowIsLeftOut)
{
    Direct3DDisabled disabled;
    ASSERT_TRUE(disabled.made());
    ASSERT_NO_FATAL_FAILURE(launch());
    EXPECT_FALSE(views()["coverFlow"].toBool());
    EXPECT_FALSE(widget("#coverFlow")["visible"].toBool());
    ASSERT_TRUE(viewMode("List"));
    ASSERT_TRUE(app.click("#toolBar \"Next Movie\""));
    ASSERT_TRUE(app.waitFor([&] { return views()["current"].toInt() == 2; })) << views().write();
    const std::string coverFlowItem = "#viewMenu \"Cover Flow\"";
    ASSERT_TRUE(openTo({"#menuBar \"View\"", coverFlowItem}));
    EXPECT_FALSE(app.isEnabled(coverFlowItem)) << widget("#viewMenu").write();
    EXPECT_TRUE(app.clickExpectingNothing(coverFlowItem)) << "a disabled item leaves its menu open";
    app.shot("without-direct3d");
    const JsonValue after = views();
    EXPECT_EQ(after["mode"].toInt(), 0) << after.write();
    EXPECT_EQ(after["current"].toInt(), 2) << after.write();
    ASSERT_TRUE(app.pressKey("Escape"));
    EXPECT_TRUE(app.waitForNoPath(coverFlowItem));
}

// What the user arranged comes back at the next start.
TEST_F(MovieViewsFlow, ARelaunchRestoresTheArrangement)
{
    ASSERT_NO_FATAL_FAILURE(launch());
    ASSERT_TRUE(viewMode("List"));
    ASSERT_TRUE(app.click("#zoomIn"));
    ASSERT_TRUE(viewSubMenu("Screen Layout", "screenLayoutMenu", "Horizontal #2"));
    ASSERT_TRUE(viewSubMenu("Columns", "columnsMenu", "Studio"));
    ASSERT_TRUE(viewSubMenu("Sort Movies by", "sortMenu", "Title"));
    ASSERT_TRUE(viewSubMenu("Sort Movies by", "sortMenu", "Descending"));
    ASSERT_TRUE(app.waitFor([&] { return views()["sort"].at(1).toInt() == 2; }));
    JsonValue before = views();
    ASSERT_TRUE(menu("Collection", "collectionMenu", "Exit"));
    ASSERT_EQ(app.waitForExit(), 0);

    AppDriver again;
    ASSERT_TRUE(again.launch()) << again.failure();
    ASSERT_TRUE(again.waitForPath("#main", 60000)) << again.failure();
    ASSERT_TRUE(
        again.waitFor([&] { return again.find("#status")["text"].toText() == "12 of 12 movies shown"; }));
    again.shot("relaunched");
    JsonValue after = again.dump()["sections"]["views"];
    for (const char* key : {"mode", "rowHeight", "itemSize", "zooms", "layout", "vertical", "cardFirst",
                            "columns", "widths", "sort"})
        EXPECT_EQ(after[key].write(), before[key].write()) << key;
    EXPECT_TRUE(again.openAndClick({"#menuBar \"Collection\"", "#collectionMenu \"Exit\""}));
    EXPECT_EQ(again.waitForExit(), 0);
}

} // namespace
