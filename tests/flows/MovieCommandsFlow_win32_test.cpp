// The movie commands of reelstack.exe driven from outside as a user would:
// adding (with the example collection's question), placing and selecting
// the new movie, editing, removing, the colour label, copying and playing.
// Each step leaves a shot when REELSTACK_SHOTS is set.
#include "tests/support/AppDriver.h"

#include <gtest/gtest.h>
#include <windows.h>

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
        return m_app.click("#menuBar \"" + bar + "\"") && m_app.waitForPath("#" + menuId + " \"" + item + "\"") &&
               m_app.click("#" + menuId + " \"" + item + "\"");
    }
    // The window's title as the dump reads it.
    std::string mainTitle()
    {
        JsonValue dump = m_app.dump();
        const JsonValue* main = findInDump(dump, "id", "main");
        return main ? (*main)["title"].toText() : std::string();
    }
    std::string cardText()
    {
        return m_app.find("#card")["text"].toText();
    }
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
    bool addMovie(const std::string& title, const std::string& year)
    {
        return menu("Movie", "movieMenu", "Add Movie...") && addInEditor(title, year);
    }

private:
    AppDriver& m_app;
};

TEST(MovieCommandsFlow, FirstHourFromTheExampleToOwnCollectionWithAlienKeptAcrossARestart)
{
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    {
        AppDriver app;
        User user(app);
        ASSERT_TRUE(app.launch()) << app.failure();
        ASSERT_TRUE(app.waitForPath("#main", 60000)) << app.failure();
        app.shot("first-start");
        EXPECT_NE(user.mainTitle().find("Example"), std::string::npos) << user.mainTitle();

        ASSERT_TRUE(user.menu("Movie", "movieMenu", "Add Movie...")) << app.lastReply().write();
        ASSERT_TRUE(app.waitForPath("\"This is the Example collection.\"")) << app.failure();
        EXPECT_TRUE(app.exists("\"Would you like to create a collection of your own first?\""));
        app.shot("example-question");
        ASSERT_TRUE(app.click("\"Yes\"")) << app.lastReply().write();

        ASSERT_TRUE(app.waitForPath("#main UIWindow UILineEdit")) << app.failure();
        app.shot("new-collection");
        ASSERT_TRUE(app.typeText("Films", "#main UIWindow UILineEdit")) << app.lastReply().write();
        ASSERT_TRUE(app.click("#main UIWindow \"OK\"")) << app.lastReply().write();
        ASSERT_TRUE(app.waitFor([&] { return user.mainTitle() == titled("Films"); })) << user.mainTitle();

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
    ASSERT_TRUE(app.launch()) << app.failure();
    ASSERT_TRUE(app.waitForPath("#main", 60000)) << app.failure();
    ASSERT_TRUE(app.waitFor([&] { return user.currentTitle() == "Alien"; })) << app.lastReply().write();
    app.shot("relaunched");
    EXPECT_EQ(user.mainTitle(), titled("Alien (1979) " + std::string(kDash) + " Films"));
    EXPECT_NE(user.cardText().find("Alien"), std::string::npos) << user.cardText();
    ASSERT_TRUE(user.menu("Collection", "collectionMenu", "Exit")) << app.lastReply().write();
    EXPECT_EQ(app.waitForExit(), 0);
}

} // namespace
