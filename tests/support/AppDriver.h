#pragma once

#include "foundation/data/JsonValue.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// Drives reelstack.exe (or a window of the test's own process) through the
// automation channel: the driver listens on a loopback port, the program
// connects to it (REELSTACK_AUTOMATION) and answers one JSON request a line.
// Windows only.
//
//   AppDriver app;                          // one per flow
//   AppDriver::cleanDataFolder();           // a first start
//   ASSERT_TRUE(app.launch());              // waits for the connection
//   ASSERT_TRUE(app.waitForPath("#main"));  // the main window is up
//   app.shot("first-start");                // REELSTACK_SHOTS/<test>-first-start-*.png
//   JsonValue tree = app.dump({0, 1});      // rows 0 and 1 of lists/tables
//   ASSERT_TRUE(app.click("#main UIMenuBar \"File\""));
//   ASSERT_TRUE(app.waitForPath("UIMenu \"Exit\""));
//   ASSERT_TRUE(app.click("UIMenu \"Exit\""));
//   EXPECT_EQ(app.waitForExit(), 0);
//
// Paths are the channel's (see ui/core/automation/UIAutomationPath.h):
// "#id", "Class" and "\"text\"" steps, each optionally "[n]", separated by
// spaces, searching descendants and entries. A flow that fails gets a shot
// of every window and its last dump ("<test>-failure.json") in
// REELSTACK_SHOTS when the driver goes. The flows share the one data folder
// of the program, so they run under one ctest resource lock.
class AppDriver
{
public:
    struct Options
    {
        // Empty: reelstack.exe in the parent of the test program's folder.
        std::string program;
        // More environment for the program ("NAME=value").
        std::vector<std::string> environment;
        // For the program to start and connect.
        int connectTimeoutMs = 60000;
    };

    AppDriver();
    // Ends a program that is still running (closed, then terminated).
    ~AppDriver();
    AppDriver(const AppDriver&) = delete;
    AppDriver& operator=(const AppDriver&) = delete;

    // The program's data folder (%APPDATA%\Reelstack) and its "config.dat".
    static std::string dataFolder();
    static std::string configPath();
    // Removes the data folder with everything in it: the next start is a
    // first start. Only in the tests' own prefix (TestPrefix): elsewhere it
    // removes nothing and answers false.
    static bool cleanDataFolder();

    // Starts the program with the channel's port set and waits until it has
    // connected. False, with failure() telling why, when it did not.
    bool launch();
    bool launch(const Options& options);
    // In-process use (a test's own windows): start sets REELSTACK_AUTOMATION
    // already put in the environment and starts the channel; pump handles
    // the test's messages while the driver waits, so the channel's timer
    // can run.
    bool attach(const std::function<bool()>& start, const std::function<void()>& pump);
    // A driver used from another thread than the windows' must not pump
    // them: null stops it.
    void setPump(const std::function<void()>& pump) { m_pump = pump; }
    // Drops the connection as a driver that went away would.
    void disconnect();
    // After the program ended for a restart: waits until the instance its
    // helper started (with the ended one's environment, so the channel's
    // port too) has connected, and follows that one from then on.
    bool acceptRestart(int timeoutMs = 60000);

    // One request; the parsed reply. A reply that does not come within the
    // time, or a lost connection, gives {"ok":false,"error":...}.
    JsonValue request(const JsonValue& request, int timeoutMs = 15000);
    JsonValue request(const std::string& json, int timeoutMs = 15000);
    // The raw line, for hostile requests: sends the bytes as they are.
    std::string requestRaw(const std::string& bytes, int timeoutMs = 15000);

    // Asks until condition answers true or the time runs out; pumps (in
    // process) or sleeps 50 ms between tries.
    bool waitFor(const std::function<bool()>& condition, int timeoutMs = 15000);
    bool exists(const std::string& path);
    bool waitForPath(const std::string& path, int timeoutMs = 15000);
    bool waitForNoPath(const std::string& path, int timeoutMs = 15000);

    // Replies' "ok"; the reply itself stays in lastReply().
    bool click(const std::string& path);
    bool rightClick(const std::string& path);
    bool doubleClick(const std::string& path);
    // At the centre of that column of the row the path names: a row's
    // check box.
    bool clickColumn(const std::string& path, int column);
    // Clicks along the paths (a menu bar's title, its items, a submenu's),
    // each once the one before has shown it; the last is only waited for
    // unless clickLast, and the first may take a right click. A clicked last
    // item counts once its menu has closed (or the program ended). A menu
    // that did not show in time, or stayed open, is closed and the whole way
    // taken again: a menu just closed by Escape can take the next click on
    // its title as a closing one.
    bool openAndClick(const std::vector<std::string>& paths, bool clickLast = true,
                      bool rightClickFirst = false);
    // Clicks the item of a menu that is open until the menu has closed (or
    // the program ended), which tells that the item acted.
    bool clickMenuItem(const std::string& item);
    // Clicks, once, what is expected not to act (a disabled item): true when
    // the click went out and the path is still there once the program has
    // handled it, as an item that acted would have closed its menu. Nothing
    // is waited for or tried again: such a click has no outcome to wait for.
    bool clickExpectingNothing(const std::string& path);
    // Whether the widget the path names, or the entry of it, takes input;
    // false when it is not there.
    bool isEnabled(const std::string& path);
    // Makes entry the combo box's current one: opens the box and clicks the
    // entry in its popup's list until the box has it current (a box just
    // closed refuses to open again for a moment). Nothing is clicked when
    // the entry is current already.
    bool chooseEntry(const std::string& box, const std::string& entry);
    // Whether the box's entry with that text is its current one.
    bool isCurrentEntry(const std::string& box, const std::string& entry);
    // Path empty: to the foreground window of the program.
    bool typeText(const std::string& text, const std::string& path = std::string());
    // Clicks the field, marks all it holds and types over it. The keys go
    // without typeText's click, which would drop the marking (a spin box
    // showing its special text refuses a digit typed into that text).
    bool replaceText(const std::string& text, const std::string& path);
    // Key names: "Enter", "Escape", "F2", "a" ...; mods "ctrl", "shift", "alt".
    bool pressKey(const std::string& key, const std::vector<std::string>& mods = {});
    // The widget (with its entries) at the path; null when not found.
    JsonValue find(const std::string& path);
    // Every window's tree with the rows asked, the sections, the sounds and
    // shell calls since the last dump. Kept as lastDump().
    JsonValue dump(const std::vector<int>& rows = {});
    // The shell calls the input leads to, as "call target", once at least
    // one came; a dump before the input drops the older ones.
    std::vector<std::string> shellCallsAfter(const std::function<bool()>& input);
    JsonValue windows();
    // A PNG of each visible window: "<test>-<name>-<title>.png".
    bool shot(const std::string& name);

    // Closes the dialogs that run, the last opened first; the driver does
    // so before it closes the main window at its end.
    void closeDialogs();

    // The program's exit code, or -1 when it did not end within the time.
    int waitForExit(int timeoutMs = 30000);
    bool isRunning() const;
    // The launched program's process id; 0 before a launch.
    unsigned long processId() const;
    bool isConnected() const { return m_socket != -1; }
    const std::string& failure() const { return m_failure; }
    const JsonValue& lastReply() const { return m_lastReply; }
    const JsonValue& lastDump() const { return m_lastDump; }

    // What a test that failed leaves behind: a shot and the last dump.
    void recordFailure();

private:
    // Sends a click; a path not found yet (a view still being filled, a
    // popup still opening) is waited for a moment and clicked once more.
    bool clickRequest(const JsonValue& asked);
    // One way along openAndClick's paths; whether the last took.
    bool clickAlong(const std::vector<std::string>& paths, bool clickLast, bool rightClickFirst);
    // Escape for each of the paths' menus still open, the innermost first.
    void closeOpenMenus(const std::vector<std::string>& paths);
    void waitForTyped(const std::string& path, const std::string& before);
    bool listen();
    bool acceptProgram(int timeoutMs);
    // Creates the program's process with the channel's variables set.
    bool startProgram(const Options& options);
    bool readLine(std::string& line, int timeoutMs);
    void idle();
    std::string testName() const;

    intptr_t m_listener = -1;
    intptr_t m_socket = -1;
    int m_port = 0;
    void* m_process = nullptr;
    std::function<void()> m_pump;
    std::string m_buffer;
    std::string m_failure;
    JsonValue m_lastReply;
    JsonValue m_lastDump;
};

} // namespace testsupport
