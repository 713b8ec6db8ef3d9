// The movie commands of reelstack.exe driven from outside as a user would:
// adding (with the example collection's question), placing and selecting
// the new movie, editing, removing, the colour label, copying and playing.
// Each step leaves a shot when REELSTACK_SHOTS is set.
#include "foundation/data/ConfigFile.h"
#include "foundation/data/Variant.h"
#include "model/config/Configuration.h"
#include "model/records/MovieLink.h"
#include "tests/app/TwelveMovies.h"
#include "tests/flows/FolderScanSteps.h"
#include "tests/support/AppDriver.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cwchar>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

using testsupport::AppDriver;

namespace {

// The first node of the tree (depth first) whose member equals the value.
const JsonValue* findNode(const JsonValue& node, const char* member, const std::string& value)
{
    if (node[member].toText() == value)
        return &node;
    for (const JsonValue& child : node["children"].elements()) {
        if (const JsonValue* found = findNode(child, member, value))
            return found;
    }
    return nullptr;
}

const JsonValue* findInDump(const JsonValue& dump, const char* member, const std::string& value)
{
    for (const JsonValue& window : dump["windows"].elements()) {
        if (const JsonValue* found = findNode(window, member, value))
            return found;
    }
    return nullptr;
}

const char kDash[] = "\xE2\x80\x93";

std::string titled(const std::string& parts)
{
    return parts + " " + kDash + " Reelstack";
}

// A user at the keyboard and mouse of the program, with the steps the
// flows share.
class User
{
public:
    explicit User(AppDriver& app) : m_app(app) {}

    bool menu(const std::string& bar, const std::string& menuId, const std::string& item)
    {
        return openAndClick({"#menuBar \"" + bar + "\"", "#" + menuId + " \"" + item + "\""});
    }
    bool openAndClick(const std::vector<std::string>& paths) { return m_app.openAndClick(paths); }
    // The window's title as the dump reads it.
    std::string mainTitle()
    {
        JsonValue dump = m_app.dump();
        const JsonValue* main = findInDump(dump, "id", "main");
        return main ? (*main)["title"].toText() : std::string();
    }
    std::string cardText() { return m_app.find("#card")["text"].toText(); }
    // The title cell of the table's current row, "" without one. A dump
    // takes the shell calls and sounds with it: the play steps read those
    // only at their end.
    std::string currentTitle()
    {
        int current = currentRow();
        if (current < 0)
            return std::string();
        return rowTitle(current);
    }
    // The table keeps the current movie even while another view shows.
    JsonValue tableNode(int row)
    {
        JsonValue request = JsonValue::object();
        request.set("op", "dump");
        request.set("path", "#table");
        request.set("hidden", true);
        JsonValue rows = JsonValue::array();
        if (row >= 0)
            rows.append(row);
        request.set("rows", rows);
        return m_app.request(request)["widget"];
    }
    std::string rowTitle(int row)
    {
        JsonValue table = tableNode(row);
        const std::vector<JsonValue>& cells = table["rows"][std::to_string(row)].elements();
        return cells.empty() ? std::string() : cells[0].toText();
    }
    int currentRow()
    {
        JsonValue table = tableNode(-1);
        return table.isNull() ? -1 : int(table["current"].toNumber());
    }
    int rowCount() { return int(tableNode(-1)["rowCount"].toNumber()); }
    // Fills the editor's title and year and presses OK.
    bool addInEditor(const std::string& title, const std::string& year)
    {
        if (!m_app.waitForPath("#main UIWindow UILineEdit"))
            return false;
        if (!m_app.typeText(title, "#main UIWindow UILineEdit"))
            return false;
        if (!year.empty()) {
            if (!m_app.click("#main UIWindow UISpinBox UILineEdit") || !m_app.pressKey("a", {"ctrl"}) ||
                !m_app.typeText(year))
                return false;
        }
        m_app.shot("editor-" + title);
        return m_app.click("#main UIWindow \"OK\"") && m_app.waitForNoPath("#main UIWindow \"OK\"");
    }
    bool sortBy(const std::string& item)
    {
        return openAndClick(
            {"#menuBar \"View\"", "#viewMenu \"Sort Movies by\"", "#sortMenu \"" + item + "\""});
    }
    bool newCollection(const std::string& name)
    {
        return menu("Collection", "collectionMenu", "New Collection...") && createInDialog(name);
    }
    // In the open New Collection window: the name typed until the field
    // holds it (the first keys can reach the window before it has focus),
    // then OK and the collection open.
    bool createInDialog(const std::string& name)
    {
        const std::string field = "#newCollection #collectionName";
        if (!m_app.waitForPath(field))
            return false;
        bool typed = false;
        for (int attempt = 0; attempt < 3 && !typed; ++attempt) {
            m_app.click(field);
            m_app.pressKey("a", {"ctrl"});
            m_app.typeText(name, field);
            typed = m_app.waitFor([&] { return m_app.find(field)["text"].toText() == name; }, 2000);
        }
        return typed && m_app.click("#newCollection \"OK\"") &&
               m_app.waitFor([&] { return mainTitle() == titled(name); });
    }
    // The views' context menu belongs to the images view, which the list
    // view hides: its paths are searched with the hidden widgets.
    JsonValue requestHidden(const char* op, const std::string& path, bool right = false)
    {
        JsonValue request = JsonValue::object();
        request.set("op", op);
        request.set("path", path);
        request.set("hidden", true);
        if (right)
            request.set("button", "right");
        return m_app.request(request);
    }
    bool clickHidden(const std::string& path)
    {
        JsonValue reply = requestHidden("click", path);
        return reply["ok"].toBool();
    }
    bool waitForHidden(const std::string& path)
    {
        return m_app.waitFor([&] { return requestHidden("find", path)["found"].toBool(); });
    }
    // Right-clicks the movie's row and picks the item, through the sub-menu
    // (0 the colour label, 1 copy) when one is given.
    bool movieMenu(const std::string& title, int sub, const std::string& item)
    {
        static const char* const kSubMenus[] = {"Color Label", "Copy to Clipboard"};
        if (!m_app.click("#table \"" + title + "\"") || !m_app.rightClick("#table \"" + title + "\"") ||
            !waitForHidden("#movieContextMenu \"Edit Movie...\""))
            return false;
        if (sub < 0)
            return clickHidden("#movieContextMenu \"" + item + "\"") && waitForMenuClosed();
        const std::string entry = "#movieContextMenu UIMenu[" + std::to_string(sub) + "] \"" + item + "\"";
        return openSubMenu(kSubMenus[sub], sub) && clickHidden(entry) && waitForMenuClosed();
    }
    // The command has run once its menu has gone.
    bool waitForMenuClosed()
    {
        return m_app.waitFor(
            [&] { return !requestHidden("find", "#movieContextMenu")["widget"]["visible"].toBool(); });
    }
    bool waitForVisibleMenu(int sub, int timeoutMs = 15000)
    {
        return m_app.waitFor(
            [&] {
                JsonValue menu =
                    requestHidden("find", "#movieContextMenu UIMenu[" + std::to_string(sub) + "]");
                return menu["widget"]["visible"].toBool();
            },
            timeoutMs);
    }
    // A click that lands while the menu is still settling opens nothing:
    // the user clicks again.
    bool openSubMenu(const char* entry, int sub)
    {
        for (int tries = 0; tries < 4; ++tries) {
            if (clickHidden("#movieContextMenu \"" + std::string(entry) + "\"") &&
                waitForVisibleMenu(sub, 2000))
                return true;
        }
        return false;
    }
    int fills() { return int(m_app.dump()["sections"]["timings"]["fills"].toNumber()); }
    // In the open editor: a link on the links page, marked for playing.
    bool addLink(const std::string& url, const std::string& description)
    {
        const std::string dialog = "#main UIWindow UIWindow ";
        return m_app.waitForPath("#main UIWindow \"Links\"") && m_app.click("#main UIWindow \"Links\"") &&
               m_app.click("#main UIWindow \"Add Link...\"") && m_app.waitForPath(dialog + "UILineEdit") &&
               m_app.typeText(url, dialog + "UILineEdit[0]") &&
               m_app.typeText(description, dialog + "UILineEdit[1]") &&
               m_app.click(dialog + "\"Playable\"") && m_app.click(dialog + "\"OK\"") &&
               m_app.waitForNoPath(dialog + "\"OK\"");
    }
    // A movie with the links given, shown on the card.
    bool addMovieWithLinks(const std::string& title, const std::vector<std::string>& urls)
    {
        if (!menu("Movie", "movieMenu", "Add Movie...") || !m_app.waitForPath("#main UIWindow UILineEdit") ||
            !m_app.typeText(title, "#main UIWindow UILineEdit"))
            return false;
        for (size_t i = 0; i < urls.size(); ++i) {
            if (!addLink(urls[i], "Link " + std::to_string(i + 1)))
                return false;
        }
        m_app.shot("links-of-" + title);
        return m_app.click("#main UIWindow \"OK\"") && m_app.waitForNoPath("#main UIWindow \"OK\"") &&
               m_app.waitFor([&] { return currentTitle() == title; });
    }
    // The shell calls since the last dump, as "call target" lines.
    std::vector<std::string> shellCalls()
    {
        std::vector<std::string> calls;
        // Kept: the loop would otherwise walk a destroyed temporary.
        const JsonValue dump = m_app.dump();
        for (const JsonValue& call : dump["shell"].elements())
            calls.push_back(call["call"].toText() + " " + call["target"].toText());
        return calls;
    }
    bool addMovie(const std::string& title, const std::string& year)
    {
        return menu("Movie", "movieMenu", "Add Movie...") && addInEditor(title, year);
    }

private:
    AppDriver& m_app;
};

// The program started and its main window up.
testing::AssertionResult launchToMain(AppDriver& app)
{
    if (!app.launch())
        return testing::AssertionFailure() << "launch: " << app.failure();
    if (!app.waitForPath("#main", 60000))
        return testing::AssertionFailure() << "main window: " << app.failure();
    return testing::AssertionSuccess();
}

// Where the flows that add their own movies begin: a new collection
// "Films" open, its movies shown as the list.
testing::AssertionResult startInNewList(AppDriver& app, User& user)
{
    testing::AssertionResult launched = launchToMain(app);
    if (!launched)
        return launched;
    if (!user.newCollection("Films"))
        return testing::AssertionFailure() << "new collection: " << app.lastReply().write();
    if (!user.menu("View", "viewMenu", "List"))
        return testing::AssertionFailure() << "list view: " << app.lastReply().write();
    return testing::AssertionSuccess();
}

TEST(MovieCommandsFlow, FirstHourFromTheExampleToOwnCollectionWithAlienKeptAcrossARestart)
{
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    {
        AppDriver app;
        User user(app);
        ASSERT_TRUE(launchToMain(app));
        app.shot("first-start");
        EXPECT_NE(user.mainTitle().find("Example"), std::string::npos) << user.mainTitle();

        ASSERT_TRUE(user.menu("Movie", "movieMenu", "Add Movie...")) << app.lastReply().write();
        ASSERT_TRUE(app.waitForPath("\"This is the Example collection.\"")) << app.failure();
        EXPECT_TRUE(app.exists("\"Would you like to create a collection of your own first?\""));
        app.shot("example-question");
        ASSERT_TRUE(app.click("\"Yes\"")) << app.lastReply().write();

        ASSERT_TRUE(app.waitForPath("#newCollection #collectionName")) << app.failure();
        app.shot("new-collection");
        ASSERT_TRUE(user.createInDialog("Films")) << user.mainTitle();

        ASSERT_TRUE(user.addMovie("Alien", "1979")) << app.lastReply().write();
        ASSERT_TRUE(app.waitFor([&] { return user.currentTitle() == "Alien"; })) << app.lastReply().write();
        app.shot("alien-added");
        EXPECT_NE(user.cardText().find("Alien"), std::string::npos) << user.cardText();
        EXPECT_EQ(user.mainTitle(), titled("Alien (1979) " + std::string(kDash) + " Films"));

        ASSERT_TRUE(user.menu("Collection", "collectionMenu", "Exit")) << app.lastReply().write();
        EXPECT_EQ(app.waitForExit(), 0);
    }
    AppDriver app;
    User user(app);
    ASSERT_TRUE(launchToMain(app));
    ASSERT_TRUE(app.waitFor([&] { return user.currentTitle() == "Alien"; })) << app.lastReply().write();
    app.shot("relaunched");
    EXPECT_EQ(user.mainTitle(), titled("Alien (1979) " + std::string(kDash) + " Films"));
    EXPECT_NE(user.cardText().find("Alien"), std::string::npos) << user.cardText();
    ASSERT_TRUE(user.menu("Collection", "collectionMenu", "Exit")) << app.lastReply().write();
    EXPECT_EQ(app.waitForExit(), 0);
}

// Read once the copy has run: polling would hold the clipboard open while
// the program tries to write it. A clipboard busy for a moment is waited for.
std::string clipboardText()
{
    std::string text;
    bool opened = false;
    for (int tries = 0; tries < 20 && !(opened = OpenClipboard(nullptr)); ++tries)
        Sleep(50);
    if (!opened)
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const wchar_t* units = static_cast<const wchar_t*>(GlobalLock(data))) {
            for (const wchar_t* unit = units; *unit; ++unit)
                text += *unit < 128 ? char(*unit) : '?';
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

TEST(MovieCommandsFlow, AddedMoviesTakeTheirSortPlaceThenCopyLabelAndRemove)
{
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    AppDriver app;
    User user(app);
    ASSERT_TRUE(startInNewList(app, user));
    ASSERT_TRUE(user.addMovie("Alien", "1979")) << app.lastReply().write();
    ASSERT_TRUE(user.addMovie("Casablanca", "1942")) << app.lastReply().write();

    // By title: Brazil goes between Alien and Casablanca, selected.
    ASSERT_TRUE(user.sortBy("Title")) << app.lastReply().write();
    ASSERT_TRUE(user.addMovie("Brazil", "1985")) << app.lastReply().write();
    ASSERT_TRUE(app.waitFor([&] { return user.currentTitle() == "Brazil"; })) << user.currentTitle();
    app.shot("brazil-by-title");
    EXPECT_EQ(user.currentRow(), 1);
    EXPECT_EQ(user.rowTitle(0), "Alien");
    EXPECT_EQ(user.rowTitle(2), "Casablanca");

    // By date added, descending: the newest comes first.
    ASSERT_TRUE(user.sortBy("Date Added")) << app.lastReply().write();
    ASSERT_TRUE(user.sortBy("Descending")) << app.lastReply().write();
    ASSERT_TRUE(user.addMovie("Heat", "")) << app.lastReply().write();
    ASSERT_TRUE(app.waitFor([&] { return user.currentTitle() == "Heat"; })) << user.currentTitle();
    app.shot("heat-newest-first");
    EXPECT_EQ(user.currentRow(), 0);
    EXPECT_EQ(user.rowTitle(1), "Brazil");

    // Copy: the title, the year, and "0" for a movie without one.
    ASSERT_TRUE(user.movieMenu("Casablanca", 1, "Title")) << app.lastReply().write();
    EXPECT_EQ(clipboardText(), "Casablanca");
    ASSERT_TRUE(user.movieMenu("Casablanca", 1, "Year")) << app.lastReply().write();
    EXPECT_EQ(clipboardText(), "1942");
    ASSERT_TRUE(user.movieMenu("Heat", 1, "Year")) << app.lastReply().write();
    EXPECT_EQ(clipboardText(), "0");

    // The colour label: the table's mark, checked when the menu opens again,
    // and the same label again refills nothing.
    ASSERT_TRUE(user.movieMenu("Casablanca", 0, "Red")) << app.lastReply().write();
    ASSERT_TRUE(app.waitFor([&] {
        int row = user.currentRow();
        JsonValue table = user.tableNode(row);
        for (const JsonValue& cell : table["rows"][std::to_string(row)].elements()) {
            if (cell.toText() == "\xE2\x97\x8F")
                return true;
        }
        return false;
    }));
    const int fillsAfterRed = user.fills();
    ASSERT_TRUE(user.movieMenu("Casablanca", 0, "Red")) << app.lastReply().write();
    app.pressKey("Escape");
    EXPECT_EQ(user.fills(), fillsAfterRed) << "the same label again";
    ASSERT_TRUE(app.rightClick("#table \"Casablanca\"")) << app.lastReply().write();
    ASSERT_TRUE(user.waitForHidden("#movieContextMenu \"Color Label\""));
    ASSERT_TRUE(user.openSubMenu("Color Label", 0));
    app.shot("red-checked");
    JsonValue labels = user.requestHidden("find", "#movieContextMenu UIMenu[0]")["widget"];
    bool redChecked = false;
    for (const JsonValue& item : labels["items"].elements())
        redChecked = redChecked || (item["text"].toText() == "Red" && item["checked"].toBool());
    EXPECT_TRUE(redChecked) << labels.write();
    app.pressKey("Escape");
    app.pressKey("Escape");

    // Remove: No keeps the movie, Yes takes it.
    ASSERT_TRUE(app.click("#table \"Casablanca\"")) << app.lastReply().write();
    ASSERT_TRUE(user.menu("Movie", "movieMenu", "Remove Selected Movie")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForPath("\"Are you sure you want to delete the movie?\"")) << app.failure();
    app.shot("remove-question");
    ASSERT_TRUE(app.click("\"No\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForNoPath("\"Are you sure you want to delete the movie?\""));
    EXPECT_EQ(user.rowCount(), 4);
    ASSERT_TRUE(user.menu("Movie", "movieMenu", "Remove Selected Movie")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForPath("\"Are you sure you want to delete the movie?\"")) << app.failure();
    ASSERT_TRUE(app.click("\"Yes\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitFor([&] { return user.rowCount() == 3; }));
    EXPECT_FALSE(app.exists("#table \"Casablanca\""));
    app.shot("removed");

    // With the question switched off in the options, Delete removes at once.
    const std::string ask = "#options \"Ask for confirmation when removing movies.\"";
    ASSERT_TRUE(user.menu("Tools", "toolsMenu", "Options...")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForPath(ask)) << app.failure();
    ASSERT_TRUE(app.click(ask)) << app.lastReply().write();
    ASSERT_TRUE(app.waitFor([&] { return !app.find(ask)["checked"].toBool(); })) << app.find(ask).write();
    ASSERT_TRUE(app.click("#optionsOk")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForNoPath("#options")) << app.failure();
    ASSERT_TRUE(app.click("#table \"Brazil\"")) << app.lastReply().write();
    ASSERT_TRUE(app.pressKey("Delete")) << app.lastReply().write();
    ASSERT_TRUE(app.waitFor([&] { return user.rowCount() == 2; })) << user.rowCount();
    EXPECT_FALSE(app.exists("#table \"Brazil\""));
    EXPECT_FALSE(app.exists("\"Are you sure you want to delete the movie?\""));
    app.shot("removed-at-once");
    ASSERT_TRUE(user.menu("Collection", "collectionMenu", "Exit")) << app.lastReply().write();
    EXPECT_EQ(app.waitForExit(), 0);
}

TEST(MovieCommandsFlow, PlayOpensOneLinkAtOnceChoosesAmongSeveralAndOnlyWebAddressesReachTheShell)
{
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    AppDriver app;
    User user(app);
    ASSERT_TRUE(startInNewList(app, user));

    // One playable web link opens at once.
    ASSERT_TRUE(user.addMovieWithLinks("Trailer", {"http://127.0.0.1/trailer"})) << app.lastReply().write();
    user.shellCalls();
    ASSERT_TRUE(app.waitForPath("#card \"@play\"")) << app.failure();
    app.shot("one-link-card");
    ASSERT_TRUE(app.click("#card \"@play\"")) << app.lastReply().write();
    std::vector<std::string> calls;
    ASSERT_TRUE(app.waitFor([&] {
        std::vector<std::string> more = user.shellCalls();
        calls.insert(calls.end(), more.begin(), more.end());
        return !calls.empty();
    }));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_NE(calls[0].find("http://127.0.0.1/trailer"), std::string::npos) << calls[0];

    // A link typed as a program's address: the editor keeps online links as
    // web addresses, so only an "http://" address ever reaches the shell.
    ASSERT_TRUE(user.addMovieWithLinks("Hostile", {"file:///C:/x.exe"})) << app.lastReply().write();
    user.shellCalls();
    ASSERT_TRUE(app.waitForPath("#card \"@play\"")) << app.failure();
    ASSERT_TRUE(app.click("#card \"@play\"")) << app.lastReply().write();
    // Playing calls the shell as the click is handled, and the channel
    // answers the next request only after that: nothing to wait for.
    for (const std::string& call : user.shellCalls())
        EXPECT_EQ(call.rfind("open http://", 0), 0u) << call;

    // Three: the select window; Cancel plays nothing, Play the top row.
    ASSERT_TRUE(
        user.addMovieWithLinks("Three", {"http://127.0.0.1/a", "http://127.0.0.1/b", "http://127.0.0.1/c"}))
        << app.lastReply().write();
    user.shellCalls();
    ASSERT_TRUE(app.click("#card \"@play\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForPath("#main UIWindow \"Play\"")) << app.failure();
    app.shot("select-link");
    JsonValue table = app.find("#main UIWindow UITable");
    EXPECT_EQ(int(table["rowCount"].toNumber()), 3) << table.write();
    ASSERT_TRUE(app.click("#main UIWindow \"Cancel\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForNoPath("#main UIWindow \"Play\""));
    EXPECT_TRUE(user.shellCalls().empty());
    ASSERT_TRUE(app.click("#card \"@play\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForPath("#main UIWindow \"Play\"")) << app.failure();
    ASSERT_TRUE(app.click("#main UIWindow \"Play\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForNoPath("#main UIWindow \"Play\""));
    calls.clear();
    ASSERT_TRUE(app.waitFor([&] {
        std::vector<std::string> more = user.shellCalls();
        calls.insert(calls.end(), more.begin(), more.end());
        return !calls.empty();
    }));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_NE(calls[0].find("http://127.0.0.1/a"), std::string::npos) << calls[0];
    ASSERT_TRUE(user.menu("Collection", "collectionMenu", "Exit")) << app.lastReply().write();
    EXPECT_EQ(app.waitForExit(), 0);
}

// Whether some entry of the tree with that text is the current one.
bool hasCurrentEntry(const JsonValue& node, const std::string& text)
{
    for (const JsonValue& item : node["items"].elements()) {
        if (item["text"].toText() == text && item["current"].toBool())
            return true;
    }
    for (const JsonValue& child : node["children"].elements()) {
        if (hasCurrentEntry(child, text))
            return true;
    }
    return false;
}

TEST(MovieCommandsFlow, EditOpensFromEveryTriggerAndAnEmptyTableOpensAdd)
{
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    AppDriver app;
    User user(app);
    ASSERT_TRUE(startInNewList(app, user));

    // An empty table with nothing current: a double click adds.
    // A first click gives the table the focus a menu just took.
    ASSERT_TRUE(app.click("#table"));
    ASSERT_TRUE(app.doubleClick("#table")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForPath("#main UIWindow \"OK\"")) << app.failure();
    app.shot("double-click-adds");
    ASSERT_TRUE(user.addInEditor("Alien", "1979")) << app.lastReply().write();
    ASSERT_TRUE(user.addMovie("Brazil", "1985")) << app.lastReply().write();
    ASSERT_TRUE(app.waitFor([&] { return user.rowCount() == 2; }));

    // Each trigger opens the editor on the selected movie; Cancel changes
    // nothing.
    auto opensAndCancels = [&](const std::string& what) {
        bool opened = app.waitForPath("#main UIWindow \"Cancel\"");
        app.shot("edit-by-" + what);
        return opened && app.click("#main UIWindow \"Cancel\"") &&
               app.waitForNoPath("#main UIWindow \"Cancel\"");
    };
    ASSERT_TRUE(app.click("#table \"Alien\""));
    ASSERT_TRUE(app.doubleClick("#table \"Alien\""));
    EXPECT_TRUE(opensAndCancels("double-click"));
    ASSERT_TRUE(app.click("#table \"Alien\""));
    ASSERT_TRUE(app.pressKey("Enter"));
    EXPECT_TRUE(opensAndCancels("enter"));
    ASSERT_TRUE(app.click("#toolBar UIToolButton[1]"));
    EXPECT_TRUE(opensAndCancels("tool-bar"));
    ASSERT_TRUE(user.menu("Movie", "movieMenu", "Edit Selected Movie..."));
    EXPECT_TRUE(opensAndCancels("menu"));

    // "Tags..." opens the page that holds the tags.
    ASSERT_TRUE(user.movieMenu("Alien", -1, "Tags...")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForPath("#main UIWindow \"Cancel\"")) << app.failure();
    JsonValue editor = app.find("#main UIWindow");
    EXPECT_TRUE(hasCurrentEntry(editor, "Plot, Notes & Tags")) << editor.write();
    ASSERT_TRUE(opensAndCancels("tags"));

    // A plain edit: the row changes in place and stays selected.
    ASSERT_TRUE(app.click("#table \"Alien\""));
    ASSERT_TRUE(app.doubleClick("#table \"Alien\""));
    ASSERT_TRUE(app.waitForPath("#main UIWindow UILineEdit")) << app.failure();
    ASSERT_TRUE(app.click("#main UIWindow UILineEdit"));
    ASSERT_TRUE(app.pressKey("End"));
    ASSERT_TRUE(app.typeText(" II"));
    ASSERT_TRUE(app.click("#main UIWindow \"OK\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitFor([&] { return user.rowTitle(0) == "Alien II"; })) << user.rowTitle(0);
    app.shot("edited-in-place");
    EXPECT_EQ(user.currentTitle(), "Alien II");
    EXPECT_EQ(user.rowCount(), 2);
    EXPECT_EQ(user.mainTitle(), titled("Alien II (1979) " + std::string(kDash) + " Films"));
    ASSERT_TRUE(user.menu("Collection", "collectionMenu", "Exit")) << app.lastReply().write();
    EXPECT_EQ(app.waitForExit(), 0);
}

} // namespace

namespace {

// "Lent" with the first three of the twelve movies (ids 1 to 3), Anna
// holding movies 1 and 3, opened at start.
bool prepareLentCollection()
{
    CollectionModel model(testsupport::text(AppDriver::dataFolder()));
    if (!flows::createAndOpenCollection(model, "Lent"))
        return false;
    for (int id = 1; id <= 3; ++id)
        model.appendMovie(twelvemovies::makeMovie(twelvemovies::kRows[id - 1], id));
    Loaner& anna = model.loaners().append(Loaner())->value;
    anna.name = String(u"Anna");
    for (int id : {1, 3}) {
        Loan loan;
        loan.movieId = id;
        loan.lendDate = Date(2024, 1, 1);
        loan.dueDate = Date(2024, 1, 15);
        anna.loans.append(loan);
    }
    return model.closeCollection() && flows::openAtStart("Lent");
}

} // namespace

TEST(MovieCommandsFlow, ARemovedMovieTakesItsLoansAndDeleteRemovesInTheCoverFlow)
{
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    ASSERT_TRUE(prepareLentCollection());
    const char kQuestion[] = "\"Are you sure you want to delete the movie?\"";
    int left = 2;
    {
        AppDriver app;
        User user(app);
        ASSERT_TRUE(launchToMain(app));
        ASSERT_TRUE(app.waitFor([&] { return user.rowCount() == 3; })) << user.rowCount();
        ASSERT_TRUE(user.menu("View", "viewMenu", "List")) << app.lastReply().write();
        ASSERT_TRUE(app.waitForPath("#table \"Alien\"")) << app.failure();
        ASSERT_TRUE(app.click("#table \"Alien\"")) << app.lastReply().write();
        ASSERT_TRUE(user.menu("Movie", "movieMenu", "Remove Selected Movie")) << app.lastReply().write();
        ASSERT_TRUE(app.waitForPath(kQuestion)) << app.failure();
        ASSERT_TRUE(app.click("\"Yes\"")) << app.lastReply().write();
        ASSERT_TRUE(app.waitFor([&] { return user.rowCount() == 2; })) << user.rowCount();

        // Delete in the cover flow asks the same and removes the cover's movie.
        ASSERT_TRUE(app.waitFor([&] { return app.dump()["sections"]["views"]["coverFlowKnown"].toBool(); }));
        const JsonValue dump = app.dump();
        if (dump["sections"]["views"]["coverFlow"].toBool()) {
            ASSERT_TRUE(user.menu("View", "viewMenu", "Cover Flow")) << app.lastReply().write();
            ASSERT_TRUE(app.waitFor([&] { return app.dump()["sections"]["views"]["mode"].toInt() == 2; }));
            ASSERT_TRUE(app.click("#coverFlow")) << app.lastReply().write();
            ASSERT_TRUE(app.pressKey("Delete")) << app.lastReply().write();
            ASSERT_TRUE(app.waitForPath(kQuestion)) << app.failure();
            app.shot("cover-flow-remove");
            ASSERT_TRUE(app.click("\"Yes\"")) << app.lastReply().write();
            ASSERT_TRUE(app.waitFor([&] { return user.rowCount() == 1; })) << user.rowCount();
            left = 1;
        }
        ASSERT_TRUE(user.menu("Collection", "collectionMenu", "Exit")) << app.lastReply().write();
        EXPECT_EQ(app.waitForExit(), 0);
    }

    // The file holds the movies left, and no loan of a removed one.
    const std::string folder = AppDriver::dataFolder();
    CollectionModel model(String::fromUtf8(folder.c_str(), int(folder.size())));
    CollectionFile file(model.dataDirectory());
    ASSERT_TRUE(model.openCollection(file.filePathFor(String(u"Lent"))));
    EXPECT_EQ(model.movies().count(), left);
    ASSERT_EQ(model.loaners().count(), 1);
    int loans = 0;
    for (const Loan& loan : model.loaners().first()->value.loans) {
        ++loans;
        EXPECT_NE(model.movieById(loan.movieId), nullptr) << "a loan of removed movie " << loan.movieId;
    }
    EXPECT_EQ(loans, model.movieById(3) ? 1 : 0);
}

TEST(MovieCommandsFlow, AfterSteppingInTheEditorTheLastMovieShownIsSelected)
{
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    ASSERT_TRUE(prepareLentCollection());
    AppDriver app;
    User user(app);
    ASSERT_TRUE(launchToMain(app));
    ASSERT_TRUE(user.menu("View", "viewMenu", "List")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForPath("#table \"Alien\"")) << app.failure();
    ASSERT_TRUE(app.click("#table \"Alien\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitFor([&] { return user.currentTitle() == "Alien"; })) << user.currentTitle();
    ASSERT_TRUE(user.menu("Movie", "movieMenu", "Edit Selected Movie...")) << app.lastReply().write();
    // The step tab names its neighbour; two steps go to the third movie.
    ASSERT_TRUE(app.waitForPath("\"Next Movie (amelie)\"")) << app.failure();
    ASSERT_TRUE(app.click("\"Next Movie (amelie)\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForPath("\"Next Movie (Brazil)\"")) << app.failure();
    ASSERT_TRUE(app.click("\"Next Movie (Brazil)\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForPath("\"Previous Movie (amelie)\"")) << app.failure();
    app.shot("stepped-to-brazil");
    ASSERT_TRUE(app.click("\"Cancel\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForNoPath("\"Previous Movie (amelie)\"")) << app.failure();
    EXPECT_TRUE(app.waitFor([&] { return user.currentTitle() == "Brazil"; })) << user.currentTitle();
    ASSERT_TRUE(user.menu("Collection", "collectionMenu", "Exit")) << app.lastReply().write();
    EXPECT_EQ(app.waitForExit(), 0);
}

TEST(MovieCommandsFlow, AFolderScanAddsItsMoviesInSortOrderAndKeepsTheSelection)
{
    flows::DesktopScanFolder folder("Scan Commands", {"Zulu.avi", "casablanca.mkv", "Aliens.mp4"});
    ASSERT_TRUE(folder.ready()) << folder.path();
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    ASSERT_TRUE(prepareLentCollection());
    AppDriver app;
    User user(app);
    ASSERT_TRUE(app.launch()) << app.failure();
    ASSERT_TRUE(app.waitForPath("#main", 60000)) << app.failure();
    ASSERT_TRUE(user.menu("View", "viewMenu", "List")) << app.lastReply().write();
    ASSERT_TRUE(user.sortBy("Title")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForPath("#table \"Brazil\"")) << app.failure();
    ASSERT_TRUE(app.click("#table \"Brazil\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitFor([&] { return user.currentTitle() == "Brazil"; })) << user.currentTitle();
    ASSERT_EQ(user.currentRow(), 2);

    ASSERT_TRUE(user.menu("Movie", "movieMenu", "Add Movies by Scanning Folder..."))
        << app.lastReply().write();
    ASSERT_TRUE(app.waitForPath("#scanFolder")) << app.failure();
    ASSERT_TRUE(flows::browseAndScan(app, folder, 3, "scan-browser")) << app.lastReply().write();
    ASSERT_TRUE(app.click("#scanFolder \"Check All\"")) << app.lastReply().write();
    app.shot("scan-all-checked");
    ASSERT_TRUE(app.click("#scanFolder \"OK\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForNoPath("#scanFolder")) << app.failure();
    ASSERT_TRUE(app.waitFor([&] { return user.rowCount() == 6; })) << user.rowCount();
    app.shot("scanned-in-order");

    std::vector<std::string> rows;
    for (int row = 0; row < 6; ++row)
        rows.push_back(user.rowTitle(row));
    EXPECT_EQ(rows, (std::vector<std::string>{"Alien", "Aliens", "amelie", "Brazil", "Casablanca", "Zulu"}));
    EXPECT_EQ(user.currentTitle(), "Brazil") << "the selection stays on the movie, wherever its row went";
    EXPECT_NE(user.cardText().find("Brazil"), std::string::npos) << user.cardText();
    ASSERT_TRUE(user.menu("Collection", "collectionMenu", "Exit")) << app.lastReply().write();
    EXPECT_EQ(app.waitForExit(), 0);
}

namespace {

// "Local" with "Here" playing a file that exists, "Gone" one that does not,
// and "Show" without episodes, opened at start.
bool prepareLocalCollection(const std::string& here, const std::string& gone)
{
    CollectionModel model(testsupport::text(AppDriver::dataFolder()));
    if (!flows::createAndOpenCollection(model, "Local"))
        return false;
    const std::pair<const char16_t*, std::string> movies[] = {
        {u"Here", here}, {u"Gone", gone}, {u"Show", ""}};
    int id = 0;
    for (const auto& made : movies) {
        auto* movie = new Movie;
        movie->id = ++id;
        movie->title = String(made.first);
        if (!made.second.empty()) {
            MovieLink link;
            link.type = MovieLink::kLocal;
            link.url = String::fromUtf8(made.second.c_str(), int(made.second.size()));
            link.description = String(u"Feature");
            link.play = true;
            movie->links.append(link);
        }
        model.appendMovie(movie);
    }
    return model.closeCollection() && flows::openAtStart("Local");
}

// The file name field of the system's file chooser: an edit box, or the
// edit box inside a combo box.
HWND fileNameField(HWND dialog)
{
    for (int id : {1148, 1152}) {
        HWND field = GetDlgItem(dialog, id);
        if (!field)
            continue;
        if (HWND inner = FindWindowExW(field, nullptr, L"Edit", nullptr))
            return inner;
        return field;
    }
    return nullptr;
}

// Finds the program's file chooser, types the path into its name field and
// presses Open.
bool chooseFile(AppDriver& app, const std::string& path)
{
    HWND dialog = nullptr;
    app.waitFor([&] {
        dialog = testsupport::findProcessDialog(DWORD(app.processId()));
        return dialog != nullptr;
    });
    HWND field = dialog ? fileNameField(dialog) : nullptr;
    if (!field)
        return false;
    const std::wstring wide(path.begin(), path.end());
    SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    return app.waitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
}

} // namespace

TEST(MovieCommandsFlow, LocalFilesPlayOnlyWhenTheyExistAndAnEpisodeTypedInPlaysItsFile)
{
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    const std::string here = AppDriver::dataFolder() + "\\Feature.avi";
    const std::string gone = AppDriver::dataFolder() + "\\Gone.avi";
    ASSERT_TRUE(prepareLocalCollection(here, gone));
    std::ofstream(std::filesystem::u8path(here)) << "not a real video";
    AppDriver app;
    User user(app);
    ASSERT_TRUE(app.launch()) << app.failure();
    ASSERT_TRUE(app.waitForPath("#main", 60000)) << app.failure();
    ASSERT_TRUE(user.menu("View", "viewMenu", "List")) << app.lastReply().write();
    // Playing calls the shell as the click is handled, and the channel
    // answers the next request only after that: a click expected to play
    // nothing is read once (waitMs 0).
    auto playedAfter = [&](const std::string& title, const std::string& element, int waitMs) {
        std::vector<std::string> calls;
        if (!app.click("#table \"" + title + "\"") ||
            !app.waitFor([&] { return user.cardText().find(title) != std::string::npos; }))
            return std::vector<std::string>{"(no card of " + title + ")"};
        user.shellCalls();
        if (!app.click("#card \"" + element + "\""))
            return std::vector<std::string>{"(no " + element + ")"};
        app.waitFor(
            [&] {
                std::vector<std::string> more = user.shellCalls();
                calls.insert(calls.end(), more.begin(), more.end());
                return !calls.empty();
            },
            waitMs);
        return calls;
    };

    // A local file plays when it is there, and not at all when it is gone.
    EXPECT_EQ(playedAfter("Here", "@play", 15000), (std::vector<std::string>{"execute " + here}));
    app.shot("local-file-played");
    EXPECT_EQ(playedAfter("Gone", "@play", 0), std::vector<std::string>());

    // An episode typed into the editor, its file chosen in the system's
    // chooser: its play element on the card plays that file.
    ASSERT_TRUE(app.click("#table \"Show\"")) << app.lastReply().write();
    ASSERT_TRUE(user.menu("Movie", "movieMenu", "Edit Selected Movie...")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForPath("#main UIWindow \"Episodes\"")) << app.failure();
    ASSERT_TRUE(app.click("#main UIWindow \"Episodes\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForPath("#main UIWindow \"Add Episode...\"")) << app.failure();
    ASSERT_TRUE(app.click("#main UIWindow \"Add Episode...\"")) << app.lastReply().write();
    const std::string episode = "#main UIWindow UIWindow ";
    ASSERT_TRUE(app.waitForPath(episode + "UISpinBox")) << app.failure();
    const struct
    {
        std::string path;
        const char* text;
    } fields[] = {{episode + "UISpinBox[0] UILineEdit", "1"},
                  {episode + "UISpinBox[1] UILineEdit", "2"},
                  {episode + "UILineEdit[4]", "Pilot"}};
    for (const auto& field : fields) {
        ASSERT_TRUE(app.replaceText(field.text, field.path)) << field.path << " " << app.lastReply().write();
        EXPECT_EQ(app.find(field.path)["text"].toText(), field.text) << field.path;
    }
    ASSERT_TRUE(app.click(episode + "UIButton[0]")) << app.lastReply().write();
    ASSERT_TRUE(chooseFile(app, here));
    ASSERT_TRUE(app.waitFor([&] { return app.find(episode + "UILineEdit[5]")["text"].toText() == here; }))
        << app.find(episode + "UILineEdit[5]").write();
    app.shot("episode-typed");
    ASSERT_TRUE(app.click(episode + "\"OK\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForNoPath(episode + "\"OK\"")) << app.failure();
    ASSERT_TRUE(app.click("#main UIWindow \"OK\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForNoPath("#main UIWindow \"OK\"")) << app.failure();
    EXPECT_EQ(playedAfter("Show", "@play-episode-1.2", 15000), (std::vector<std::string>{"execute " + here}));
    app.shot("episode-played");
    ASSERT_TRUE(user.menu("Collection", "collectionMenu", "Exit")) << app.lastReply().write();
    EXPECT_EQ(app.waitForExit(), 0);
}
