// The main window of reelstack.exe driven from outside, as a user would:
// first start, menus, screen layouts, its place kept by the close button
// and not by "Exit", a place that does not fit, and no Direct3D. Each step
// leaves a shot when REELSTACK_SHOTS is set.
#include "model/CollectionModel.h"
#include "tests/flows/FlowSteps.h"

#include <gtest/gtest.h>

#include <string>

using namespace flows;

namespace {

// The window node of the dump whose id is wanted; null when none.
const JsonValue* windowNode(const JsonValue& dump, const std::string& id)
{
    for (const JsonValue& window : dump["windows"].elements()) {
        if (window["id"].toText() == id)
            return &window;
    }
    return nullptr;
}

RECT frameOf(HWND window)
{
    RECT frame = {};
    GetWindowRect(window, &frame);
    return frame;
}

// Moves (and sizes, when asked) the program's window as a user's drag
// would, and waits for the toolkit to have followed.
bool placeWindow(AppDriver& app, HWND window, int x, int y, int width = 0, int height = 0)
{
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (width > 0 ? 0 : SWP_NOSIZE);
    if (!SetWindowPos(window, nullptr, x, y, width, height, flags))
        return false;
    return app.waitFor([&] {
        RECT frame = frameOf(window);
        JsonValue main = app.find("#main");
        return !main.isNull() && (width > 0 || (frame.left == x && frame.top == y));
    });
}

bool exitThroughTheMenu(AppDriver& app)
{
    return app.openAndClick({"#menuBar \"Collection\"", "#collectionMenu \"Exit\""}) &&
           app.waitForExit() == 0;
}

bool closeThroughTheCloseButton(AppDriver& app, HWND window)
{
    return PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0) && app.waitForExit() == 0;
}

// The first and second numbers of a size or rectangle; 0 when missing.
int firstOf(const JsonValue& pair)
{
    return pair.elements().size() > 0 ? pair.elements()[0].toInt() : 0;
}

int secondOf(const JsonValue& pair)
{
    return pair.elements().size() > 1 ? pair.elements()[1].toInt() : 0;
}

// Wine's own switch for one program: while it exists, reelstack.exe cannot
// load the Direct3D 9 library, as on a machine without it.
class NoDirect3D
{
public:
    NoDirect3D()
    {
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
            ERROR_SUCCESS)
            return;
        const wchar_t disabled[] = L"";
        m_set = RegSetValueExW(key, L"d3d9", 0, REG_SZ, reinterpret_cast<const BYTE*>(disabled),
                               sizeof(disabled)) == ERROR_SUCCESS;
        RegCloseKey(key);
    }
    ~NoDirect3D()
    {
        RegDeleteKeyW(HKEY_CURRENT_USER, kKey);
        RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\reelstack.exe");
    }
    bool isSet() const { return m_set; }

private:
    static constexpr const wchar_t* kKey = L"Software\\Wine\\AppDefaults\\reelstack.exe\\DllOverrides";
    bool m_set = false;
};

int storedInt(const char16_t* key)
{
    return configValue(key).toInt();
}

} // namespace

TEST(MainWindowFlow, FirstStartShowsTheEmptyWindowAndExitEndsWithZero)
{
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    AppDriver app;
    ASSERT_TRUE(app.launch()) << app.failure();
    ASSERT_TRUE(app.waitForPath("#main", 60000)) << app.failure();
    app.shot("first-start");
    JsonValue dump = app.dump();
    const JsonValue* main = windowNode(dump, "main");
    ASSERT_NE(main, nullptr) << dump.write();
    EXPECT_TRUE((*main)["visible"].toBool());

    ASSERT_TRUE(app.openAndClick({"#menuBar \"Collection\"", "#collectionMenu \"Exit\""}, false))
        << app.lastReply().write();
    app.shot("collection-menu");
    ASSERT_TRUE(app.clickMenuItem("#collectionMenu \"Exit\"")) << app.lastReply().write();
    EXPECT_EQ(app.waitForExit(), 0);
}

TEST(MainWindowFlow, FirstStartIsCentredWithNoCollectionAndNeverSmallerThanItsMinimum)
{
    ASSERT_TRUE(emptyDataFolder());
    AppDriver app;
    ASSERT_TRUE(app.launch()) << app.failure();
    ASSERT_TRUE(waitForMain(app)) << app.failure();
    app.shot("first-start");
    JsonValue dump = app.dump();
    const JsonValue* main = windowNode(dump, "main");
    ASSERT_NE(main, nullptr) << dump.write();
    EXPECT_EQ((*main)["title"].toText(), "Reelstack") << "no collection names itself in the title";
    const JsonValue everything = hiddenDump(app);
    const JsonValue* table = findInDump(everything, "table");
    ASSERT_NE(table, nullptr);
    EXPECT_EQ((*table)["rowCount"].toInt(), 0);
    // The program's own stamps of this start, in the order they happen.
    const JsonValue& timings = dump["sections"]["timings"];
    double previous = 0.0;
    for (const char* step : {"start", "window", "timer", "shown", "painted"}) {
        ASSERT_TRUE(timings.contains(step)) << step << " " << timings.write();
        EXPECT_GE(timings[step].toNumber(), previous) << step;
        previous = timings[step].toNumber();
    }
    EXPECT_FALSE(timings.contains("read")) << "no collection was read";
    // The cover flow's device, the slowest part of the window, starts only
    // on the painted window.
    ASSERT_TRUE(waitForCoverFlowKnown(app)) << app.failure();
    const JsonValue later = app.dump()["sections"]["timings"];
    ASSERT_TRUE(later.contains("coverFlow")) << later.write();
    EXPECT_GE(later["coverFlow"].toNumber(), later["painted"].toNumber());

    HWND window = mainWindowHandle(app);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(centredInWorkArea(frameOf(window)));

    // The smallest the frame allows still leaves the layout's minimum.
    ASSERT_TRUE(placeWindow(app, window, 10, 10, 60, 60));
    RECT client = {};
    GetClientRect(window, &client);
    EXPECT_GE(client.right - client.left, 200);
    EXPECT_GE(client.bottom - client.top, 400);
    app.shot("smallest");

    ASSERT_TRUE(exitThroughTheMenu(app)) << app.failure();
    EXPECT_EQ(storedInt(u"view/windowMainLeft"), -1) << "\"Exit\" does not store the place";
}

TEST(MainWindowFlow, EachMenuHoldsItsItemsAtTheirIndicesWithTheirIcons)
{
    ASSERT_TRUE(emptyDataFolder());
    AppDriver app;
    ASSERT_TRUE(app.launch()) << app.failure();
    ASSERT_TRUE(waitForMain(app)) << app.failure();
    ASSERT_TRUE(app.openAndClick({"#menuBar \"View\"", "#viewMenu \"Refresh\""}, false))
        << app.lastReply().write();
    app.shot("view-menu");
    ASSERT_TRUE(app.pressKey("Escape"));

    enum Mark
    {
        kSeparator,
        kText,
        kIcon,
        kPicture
    };
    struct Row
    {
        const char* menu;
        int index;
        const char* text;
        Mark mark;
    };
    const Row rows[] = {
        {"collectionMenu", 0, "New Collection...", kIcon},
        {"collectionMenu", 1, "Open Collection...", kIcon},
        {"collectionMenu", 2, "", kSeparator},
        {"collectionMenu", 3, "Password Protection...", kIcon},
        {"collectionMenu", 4, "", kSeparator},
        {"collectionMenu", 5, "Exit", kIcon},
        {"movieMenu", 0, "Add Movie...", kIcon},
        {"movieMenu", 1, "Add Movie by Bar Code...", kIcon},
        {"movieMenu", 2, "Add Movies by Scanning Folder...", kIcon},
        {"movieMenu", 3, "", kSeparator},
        {"movieMenu", 4, "Edit Selected Movie...", kIcon},
        {"movieMenu", 5, "", kSeparator},
        {"movieMenu", 6, "Remove Selected Movie", kIcon},
        {"viewMenu", 0, "Screen Layout", kIcon},
        {"viewMenu", 1, "Columns", kIcon},
        {"viewMenu", 2, "Sort Movies by", kIcon},
        {"viewMenu", 3, "", kSeparator},
        {"viewMenu", 4, "List", kPicture},
        {"viewMenu", 5, "Images", kPicture},
        {"viewMenu", 6, "Cover Flow", kPicture},
        {"viewMenu", 7, "", kSeparator},
        {"viewMenu", 8, "Toolbar", kText},
        {"viewMenu", 9, "Always On Top", kText},
        {"viewMenu", 10, "", kSeparator},
        {"viewMenu", 11, "Refresh", kIcon},
        {"screenLayoutMenu", 0, "Vertical #1", kPicture},
        {"screenLayoutMenu", 1, "Vertical #2", kPicture},
        {"screenLayoutMenu", 2, "Horizontal #1", kPicture},
        {"screenLayoutMenu", 3, "Horizontal #2", kPicture},
        {"sortMenu", 0, "Ascending", kText},
        {"sortMenu", 2, "", kSeparator},
        {"sortMenu", 6, "Date Modified", kText},
        {"columnsMenu", 0, "Title", kText},
        {"columnsMenu", 15, "Color Label", kText},
        {"loansMenu", 0, "Manage Loans...", kIcon},
        {"toolsMenu", 0, "Statistics...", kIcon},
        {"toolsMenu", 1, "", kSeparator},
        {"toolsMenu", 2, "Import from Text File...", kIcon},
        {"toolsMenu", 3, "", kSeparator},
        {"toolsMenu", 4, "Export to Text File...", kIcon},
        {"toolsMenu", 5, "", kSeparator},
        {"toolsMenu", 6, "Options...", kIcon},
        {"helpMenu", 0, "About Reelstack...", kIcon},
        {"helpMenu", 1, "Check for Updates...", kIcon},
        {"helpMenu", 2, "", kSeparator},
        {"helpMenu", 3, "Online Help...", kIcon},
        {"helpMenu", 4, "Send Feedback...", kIcon},
        {"helpMenu", 5, "Home Page...", kIcon},
        {"movieContextMenu", 0, "Edit Movie...", kIcon},
        {"movieContextMenu", 1, "Tags...", kIcon},
        {"movieContextMenu", 2, "Color Label", kIcon},
        {"movieContextMenu", 3, "Copy to Clipboard", kIcon},
        {"movieContextMenu", 4, "", kSeparator},
        {"movieContextMenu", 5, "Remove Movie", kIcon},
        {"columnHeaderMenu", 9, "Seen It", kText},
        {"toolBarSortMenu", 1, "Descending", kText},
        {"toolBarSortMenu", 3, "Title", kText},
    };
    JsonValue dump = hiddenDump(app);
    for (const Row& row : rows) {
        const JsonValue* item = itemAt(findInDump(dump, row.menu), row.index);
        ASSERT_NE(item, nullptr) << row.menu << " " << row.index;
        const std::string where = std::string(row.menu) + " " + std::to_string(row.index);
        EXPECT_EQ((*item)["text"].toText(), row.text) << where;
        EXPECT_EQ((*item)["inert"].toBool(), row.mark == kSeparator) << where;
        if (row.mark == kIcon) {
            EXPECT_EQ((*item)["icon"].elements().size(), 2u) << where << ": no icon";
            // 16 pixels; the screen layouts' own picture serves as one too.
            EXPECT_GE(firstOf((*item)["icon"]), 16) << where;
            EXPECT_LE(firstOf((*item)["icon"]), 24) << where;
        } else {
            EXPECT_FALSE(item->contains("icon")) << where;
        }
        EXPECT_EQ(item->contains("picture"), row.mark == kPicture) << where;
    }

    // The tool bar's buttons show their 32-pixel pictures with their tips.
    const char* const tips[] = {"Add Movie...",     "Edit Selected Movie...", "Remove Selected Movie",
                                "Sort Movies by",   "Previous Movie",         "Next Movie",
                                "Statistics...",    "Manage Loans...",        "Options...",
                                "Send Feedback...", "Home Page...",           "About..."};
    std::vector<const JsonValue*> buttons;
    for (const JsonValue& child : findInDump(dump, "toolBar")->operator[]("children").elements()) {
        if (child["class"].toText() == "UIToolButton")
            buttons.push_back(&child);
    }
    ASSERT_EQ(buttons.size(), sizeof(tips) / sizeof(tips[0]));
    for (size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ((*buttons[i])["toolTip"].toText(), tips[i]) << i;
        EXPECT_EQ(firstOf((*buttons[i])["icon"]), 32) << i;
    }
    // The view tabs show only their icons.
    for (int tab = 0; tab < 3; ++tab)
        EXPECT_GT(firstOf((*itemAt(findInDump(dump, "viewTabs"), tab))["icon"]), 16) << tab;
    EXPECT_EQ(dump["sections"]["missingImages"].elements().size(), 0u) << dump["sections"].write();
    ASSERT_TRUE(exitThroughTheMenu(app));
}

TEST(MainWindowFlow, ScreenLayoutsFromTheConfigurationArrangeTheViewsAndTheCard)
{
    struct Case
    {
        int layout;
        bool stacked;
        bool cardFirst;
    };
    const Case cases[] = {{0, true, false}, {1, true, true}, {2, false, false}, {3, false, true}};
    for (const Case& c : cases) {
        const std::string name = "layout-" + std::to_string(c.layout);
        ASSERT_TRUE(emptyDataFolder());
        ASSERT_TRUE(writeConfig({{u"view/screenLayout", Variant(int32_t(c.layout))}}));
        AppDriver app;
        ASSERT_TRUE(app.launch()) << app.failure();
        ASSERT_TRUE(waitForMain(app)) << app.failure();
        app.shot(name);
        JsonValue dump = app.dump();
        const JsonValue* card = findInDump(dump, "card");
        // The image grid is the view the first start shows.
        const JsonValue* viewPanel = findInDump(dump, "imageView");
        ASSERT_TRUE(card && viewPanel) << name;
        const int cardX = firstOf((*card)["rect"]), cardY = secondOf((*card)["rect"]);
        const int viewX = firstOf((*viewPanel)["rect"]), viewY = secondOf((*viewPanel)["rect"]);
        if (c.stacked) {
            EXPECT_EQ(cardX, viewX) << name;
            EXPECT_EQ(cardY < viewY, c.cardFirst) << name;
        } else {
            EXPECT_EQ(cardY, viewY) << name;
            EXPECT_EQ(cardX < viewX, c.cardFirst) << name;
        }
        ASSERT_TRUE(exitThroughTheMenu(app)) << name;
        EXPECT_EQ(storedInt(u"view/screenLayout"), c.layout) << name;
    }
}

TEST(MainWindowFlow, TheCloseButtonKeepsThePlaceForTheNextStartAndExitDoesNot)
{
    ASSERT_TRUE(emptyDataFolder());
    {
        AppDriver app;
        ASSERT_TRUE(app.launch()) << app.failure();
        ASSERT_TRUE(waitForMain(app)) << app.failure();
        HWND window = mainWindowHandle(app);
        ASSERT_TRUE(placeWindow(app, window, 37, 45));
        ASSERT_TRUE(closeThroughTheCloseButton(app, window));
    }
    EXPECT_EQ(storedInt(u"view/windowMainLeft"), 37);
    EXPECT_EQ(storedInt(u"view/windowMainTop"), 45);
    {
        AppDriver app;
        ASSERT_TRUE(app.launch()) << app.failure();
        ASSERT_TRUE(waitForMain(app)) << app.failure();
        HWND window = mainWindowHandle(app);
        RECT frame = frameOf(window);
        EXPECT_EQ(frame.left, 37);
        EXPECT_EQ(frame.top, 45);
        app.shot("kept-place");
        ASSERT_TRUE(placeWindow(app, window, 80, 90));
        ASSERT_TRUE(exitThroughTheMenu(app));
    }
    EXPECT_EQ(storedInt(u"view/windowMainLeft"), 37) << "\"Exit\" stores no place";
    AppDriver app;
    ASSERT_TRUE(app.launch()) << app.failure();
    ASSERT_TRUE(waitForMain(app)) << app.failure();
    EXPECT_EQ(frameOf(mainWindowHandle(app)).left, 37);
    ASSERT_TRUE(exitThroughTheMenu(app));
}

TEST(MainWindowFlow, APlaceThatDoesNotFitReopensCentredWithItsTitleBarOnScreen)
{
    const RECT area = workArea();
    const int areaWidth = area.right - area.left, areaHeight = area.bottom - area.top;
    struct Case
    {
        const char* what;
        int left, top, width, height;
    };
    const Case cases[] = {
        {"partly-off-the-right", int(area.right) - 100, int(area.top) + 10, 640, 480},
        {"partly-above", int(area.left) + 20, int(area.top) - 50, 640, 480},
        {"larger-than-the-area", int(area.left), int(area.top), areaWidth + 500, areaHeight + 400},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(emptyDataFolder());
        ASSERT_TRUE(writeConfig({{u"view/windowMainLeft", Variant(int32_t(c.left))},
                                 {u"view/windowMainTop", Variant(int32_t(c.top))},
                                 {u"view/windowMainWidth", Variant(int32_t(c.width))},
                                 {u"view/windowMainHeight", Variant(int32_t(c.height))}}));
        AppDriver app;
        ASSERT_TRUE(app.launch()) << app.failure();
        ASSERT_TRUE(waitForMain(app)) << app.failure();
        app.shot(c.what);
        RECT frame = frameOf(mainWindowHandle(app));
        EXPECT_TRUE(centredInWorkArea(frame)) << c.what;
        EXPECT_GE(frame.top, area.top) << c.what;
        EXPECT_LE(frame.right - frame.left, areaWidth) << c.what;
        EXPECT_LE(frame.bottom - frame.top, areaHeight) << c.what;
        ASSERT_TRUE(exitThroughTheMenu(app)) << c.what;
    }
}

TEST(MainWindowFlow, WithoutDirect3DTheCoverFlowItemAndTabAreDisabled)
{
    ASSERT_TRUE(emptyDataFolder());
    // A stored cover flow cannot become current either.
    ASSERT_TRUE(writeConfig({{u"view/viewMode", Variant(int32_t(2))}}));
    NoDirect3D noDirect3D;
    ASSERT_TRUE(noDirect3D.isSet());
    AppDriver app;
    ASSERT_TRUE(app.launch()) << app.failure();
    ASSERT_TRUE(waitForMain(app)) << app.failure();
    ASSERT_TRUE(waitForCoverFlowKnown(app)) << app.failure();
    JsonValue dump = hiddenDump(app);
    const JsonValue* coverFlowItem = itemAt(findInDump(dump, "viewMenu"), 6);
    const JsonValue* coverFlowTab = itemAt(findInDump(dump, "viewTabs"), 2);
    ASSERT_TRUE(coverFlowItem && coverFlowTab);
    EXPECT_EQ((*coverFlowItem)["text"].toText(), "Cover Flow");
    EXPECT_FALSE((*coverFlowItem)["enabled"].toBool());
    EXPECT_FALSE((*coverFlowTab)["enabled"].toBool());
    EXPECT_FALSE((*coverFlowTab)["current"].toBool());
    ASSERT_TRUE(app.openAndClick({"#menuBar \"View\"", "#viewMenu \"Cover Flow\""}, false));
    app.shot("view-menu-without-direct3d");
    ASSERT_TRUE(app.click("#viewMenu \"Cover Flow\""));
    // Answered once the click was handled: a disabled item leaves its menu open.
    EXPECT_TRUE(app.exists("#viewMenu \"Cover Flow\""));
    app.pressKey("Escape");
    JsonValue tabs = app.find("#viewTabs");
    ASSERT_NE(itemAt(&tabs, 2), nullptr);
    EXPECT_FALSE((*itemAt(&tabs, 2))["current"].toBool());
    ASSERT_TRUE(exitThroughTheMenu(app));
}

// The system can send a close to the main window while one of the program's
// dialogs runs over it (a user's own click cannot reach the disabled
// window): the dialogs end first, as with Cancel, and the program then ends
// as after the close button, with its collection whole and its place kept.
TEST(MainWindowFlow, AMainWindowClosedUnderADialogEndsTheDialogFirst)
{
    struct Case
    {
        const char* what;
        const char* menu;
        const char* menuId;
        const char* item;
        const char* dialog;
    };
    const Case cases[] = {
        {"options", "Tools", "toolsMenu", "Options...", "#options"},
        {"editor", "Movie", "movieMenu", "Edit Selected Movie...", "#main UIWindow \"Cancel\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(AppDriver::cleanDataFolder());
        {
            AppDriver app;
            ASSERT_TRUE(app.launch()) << app.failure();
            ASSERT_TRUE(waitForMain(app)) << app.failure();
            const std::string item = std::string("#") + c.menuId + " \"" + c.item + "\"";
            ASSERT_TRUE(app.openAndClick({std::string("#menuBar \"") + c.menu + "\"", item}))
                << app.lastReply().write();
            ASSERT_TRUE(app.waitForPath(c.dialog)) << app.failure();
            app.shot(std::string(c.what) + "-running");
            ASSERT_TRUE(PostMessageW(mainWindowHandle(app), WM_CLOSE, 0, 0));
            EXPECT_EQ(app.waitForExit(), 0);
        }
        EXPECT_NE(storedInt(u"view/windowMainLeft"), -1) << "the close stored the place";
        CollectionModel model(testsupport::text(AppDriver::dataFolder()));
        CollectionFile file(model.dataDirectory());
        ASSERT_TRUE(model.openCollection(file.filePathFor(String(u"Example"))));
        EXPECT_GT(model.movies().count(), 0);
    }
}
