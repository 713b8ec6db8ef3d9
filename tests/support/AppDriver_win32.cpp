#include "tests/support/AppDriver.h"

#include "foundation/data/JsonReader.h"
#include "foundation/platform/Win32Text.h"
#include "foundation/system/SingleInstanceWindow.h"
#include "tests/support/ServerSocket.h"
#include "tests/support/TestPrefix.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <tlhelp32.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace testsupport {

namespace {

JsonValue failureReply(const std::string& text)
{
    JsonValue reply = JsonValue::object();
    reply.set("ok", false);
    reply.set("error", text);
    return reply;
}

std::string moduleFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path().string();
}

std::string quotedPath(const std::string& text)
{
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\\\"") : std::string(1, c);
    return quoted + "\"";
}

// Through the C runtime, which also sets the process's own block: the
// channel reads the runtime's copy and a child inherits the block.
void setVariable(const std::string& name, const std::string& value)
{
    std::string assignment = name + "=" + value;
    _putenv(assignment.c_str());
}

// A running process of that program file name other than the one given; a
// handle to wait on, or null.
HANDLE otherProcessNamed(const wchar_t* name, DWORD except)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return nullptr;
    HANDLE found = nullptr;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !found;
         more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ProcessID != except && _wcsicmp(entry.szExeFile, name) == 0)
            found = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE, FALSE,
                                entry.th32ProcessID);
    }
    CloseHandle(snapshot);
    return found;
}

} // namespace

AppDriver::AppDriver()
{
    ServerSocket::startup();
}

AppDriver::~AppDriver()
{
    if (::testing::Test::HasFailure() && isConnected())
        recordFailure();
    if (m_process && isRunning()) {
        if (isConnected()) {
            closeDialogs();
            request(std::string("{\"op\":\"close\",\"path\":\"#main\"}"), 2000);
        }
        if (waitForExit(10000) < 0)
            TerminateProcess(static_cast<HANDLE>(m_process), 1);
    }
    disconnect();
    if (m_listener != -1)
        ServerSocket::close(m_listener);
    if (m_process)
        CloseHandle(static_cast<HANDLE>(m_process));
    ServerSocket::cleanup();
}

// A main window closed while dialogs run over it would be taken down under
// their running loops: they are closed first, the last opened first, as a
// user would close them.
void AppDriver::closeDialogs()
{
    const int kMostNested = 8;
    for (int round = 0; round < kMostNested; ++round) {
        std::string title;
        // Kept: the loop would otherwise walk a destroyed temporary.
        const JsonValue list = windows();
        for (const JsonValue& window : list.elements()) {
            if (window["modal"].toBool() && window["visible"].toBool() && window["id"].toText() != "main")
                title = window["title"].toText();
        }
        if (title.empty())
            return;
        std::string path = "\"";
        for (char c : title)
            path += (c == '"' || c == '\\') ? std::string("\\") + c : std::string(1, c);
        path += "\"";
        JsonValue asked;
        asked.set("op", "close");
        asked.set("path", path);
        if (!request(asked, 2000)["ok"].toBool() || !waitForNoPath(path, 3000))
            return;
    }
}

std::string AppDriver::dataFolder()
{
    const char* appData = std::getenv("APPDATA");
    return std::string(appData ? appData : ".") + "\\Reelstack";
}

std::string AppDriver::configPath()
{
    return dataFolder() + "\\config.dat";
}

bool AppDriver::cleanDataFolder()
{
    return TestPrefix::removeTree(dataFolder());
}

bool AppDriver::listen()
{
    if (m_listener != -1)
        return true;
    m_listener = ServerSocket::listenLoopback(1, m_port);
    if (m_listener == -1) {
        m_failure = "cannot listen on the loopback";
        return false;
    }
    return true;
}

bool AppDriver::launch()
{
    return launch(Options());
}

namespace {

// Whether a program of ours still holds the single-instance mutex: one that
// a flow closed a moment ago, or one its helper restarted.
bool instanceRunning()
{
    const String name = SingleInstanceWindow::instanceName(String(u"Reelstack"));
    HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, wideText(name));
    if (!mutex)
        return GetLastError() == ERROR_ACCESS_DENIED;
    CloseHandle(mutex);
    return true;
}

} // namespace

bool AppDriver::launch(const Options& options)
{
    if (!listen())
        return false;
    // A start that meets another instance (the last one still ending, or one
    // its helper restarted) only hands over to it and quits: once that one
    // has gone, a second start.
    for (int attempt = 0; attempt < 2; ++attempt) {
        for (int waited = 0; instanceRunning() && waited < 15000; waited += 50)
            Sleep(50);
        if (!startProgram(options))
            return false;
        if (acceptProgram(options.connectTimeoutMs))
            return true;
        if (isRunning())
            return false;
        DWORD code = 0;
        GetExitCodeProcess(static_cast<HANDLE>(m_process), &code);
        m_failure += " (exit code " + std::to_string(code) + ")";
        CloseHandle(static_cast<HANDLE>(m_process));
        m_process = nullptr;
    }
    return false;
}

bool AppDriver::startProgram(const Options& options)
{
    std::string program = options.program.empty() ? moduleFolder() + "\\..\\reelstack.exe" : options.program;
    std::string folder = std::filesystem::path(program).parent_path().string();
    // The child inherits the environment; the variables are ours only for
    // the moment of its creation.
    std::string port = std::to_string(m_port);
    setVariable("REELSTACK_AUTOMATION", port);
    std::vector<std::pair<std::string, std::string>> extra;
    for (const std::string& entry : options.environment) {
        size_t equals = entry.find('=');
        if (equals == std::string::npos)
            continue;
        extra.emplace_back(entry.substr(0, equals), entry.substr(equals + 1));
        setVariable(extra.back().first, extra.back().second);
    }
    std::string commandLine = quotedPath(program);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    BOOL made = CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                               folder.c_str(), &startup, &process);
    setVariable("REELSTACK_AUTOMATION", std::string());
    for (const auto& variable : extra)
        setVariable(variable.first, std::string());
    if (!made) {
        m_failure = "cannot start " + program;
        return false;
    }
    CloseHandle(process.hThread);
    m_process = process.hProcess;
    return true;
}

bool AppDriver::attach(const std::function<bool()>& start, const std::function<void()>& pump)
{
    if (!listen())
        return false;
    m_pump = pump;
    std::string port = std::to_string(m_port);
    setVariable("REELSTACK_AUTOMATION", port);
    bool started = start();
    setVariable("REELSTACK_AUTOMATION", std::string());
    if (!started) {
        m_failure = "the channel did not start";
        return false;
    }
    return acceptProgram(5000);
}

bool AppDriver::acceptProgram(int timeoutMs)
{
    DWORD begin = GetTickCount();
    while (static_cast<int>(GetTickCount() - begin) < timeoutMs) {
        m_socket = ServerSocket::accept(m_listener, 100);
        if (m_socket != -1)
            return true;
        if (m_process && !isRunning()) {
            m_failure = "the program ended before it connected";
            return false;
        }
        idle();
    }
    m_failure = "the program did not connect";
    return false;
}

bool AppDriver::acceptRestart(int timeoutMs)
{
    const DWORD ended = m_process ? GetProcessId(static_cast<HANDLE>(m_process)) : 0;
    if (m_process && isRunning()) {
        m_failure = "the program has not ended";
        return false;
    }
    disconnect();
    if (m_process)
        CloseHandle(static_cast<HANDLE>(m_process));
    // The helper, not the driver, starts the next instance: no process to
    // watch while it connects.
    m_process = nullptr;
    if (m_listener == -1 || !acceptProgram(timeoutMs))
        return false;
    m_process = otherProcessNamed(L"reelstack.exe", ended);
    if (!m_process) {
        m_failure = "no new instance of reelstack.exe";
        disconnect();
        return false;
    }
    return true;
}

void AppDriver::disconnect()
{
    if (m_socket != -1)
        ServerSocket::close(m_socket);
    m_socket = -1;
    m_buffer.clear();
}

void AppDriver::idle()
{
    if (m_pump)
        m_pump();
    else
        Sleep(50);
}

bool AppDriver::readLine(std::string& line, int timeoutMs)
{
    DWORD begin = GetTickCount();
    for (;;) {
        size_t end = m_buffer.find('\n');
        if (end != std::string::npos) {
            line = m_buffer.substr(0, end);
            m_buffer.erase(0, end + 1);
            return true;
        }
        if (static_cast<int>(GetTickCount() - begin) >= timeoutMs) {
            m_failure = "no reply in time";
            return false;
        }
        if (m_pump)
            m_pump();
        char chunk[65536];
        int received = ServerSocket::receive(m_socket, chunk, sizeof(chunk), m_pump ? 5 : 50);
        if (received == 0 || received == -2) {
            m_failure = "connection lost";
            disconnect();
            return false;
        }
        if (received > 0)
            m_buffer.append(chunk, static_cast<size_t>(received));
    }
}

std::string AppDriver::requestRaw(const std::string& bytes, int timeoutMs)
{
    if (!isConnected()) {
        m_failure = "not connected";
        return std::string();
    }
    if (!ServerSocket::sendAll(m_socket, bytes.data(), bytes.size())) {
        m_failure = "connection lost";
        disconnect();
        return std::string();
    }
    std::string line;
    return readLine(line, timeoutMs) ? line : std::string();
}

JsonValue AppDriver::request(const std::string& json, int timeoutMs)
{
    std::string line = requestRaw(json + "\n", timeoutMs);
    JsonValue reply;
    JsonReader reader;
    if (line.empty())
        reply = failureReply(m_failure);
    else if (!reader.read(line, reply))
        reply = failureReply("unreadable reply: " + line);
    m_lastReply = reply;
    return reply;
}

JsonValue AppDriver::request(const JsonValue& value, int timeoutMs)
{
    return request(value.write(), timeoutMs);
}

bool AppDriver::waitFor(const std::function<bool()>& condition, int timeoutMs)
{
    DWORD begin = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (static_cast<int>(GetTickCount() - begin) >= timeoutMs || !isConnected())
            return false;
        idle();
    }
}

JsonValue AppDriver::find(const std::string& path)
{
    JsonValue asked;
    asked.set("op", "find");
    asked.set("path", path);
    JsonValue reply = request(asked);
    return reply["found"].toBool() ? reply["widget"] : JsonValue();
}

bool AppDriver::exists(const std::string& path)
{
    return !find(path).isNull();
}

std::vector<std::string> AppDriver::shellCallsAfter(const std::function<bool()>& input)
{
    dump();
    std::vector<std::string> calls;
    if (!input())
        return {"(input failed: " + m_lastReply.write() + ")"};
    waitFor([&] {
        // Kept: the loop would otherwise walk a destroyed temporary.
        const JsonValue shown = dump();
        for (const JsonValue& call : shown["shell"].elements())
            calls.push_back(call["call"].toText() + " " + call["target"].toText());
        return !calls.empty();
    });
    return calls;
}

bool AppDriver::waitForPath(const std::string& path, int timeoutMs)
{
    return waitFor([&] { return exists(path); }, timeoutMs);
}

bool AppDriver::waitForNoPath(const std::string& path, int timeoutMs)
{
    return waitFor([&] { return isConnected() && !exists(path); }, timeoutMs);
}

bool AppDriver::clickRequest(const JsonValue& asked)
{
    const JsonValue first = request(asked);
    if (first["ok"].toBool())
        return true;
    if (first["error"].toText().rfind("not found", 0) != 0 || !waitForPath(asked["path"].toText(), 3000)) {
        m_lastReply = first;
        return false;
    }
    return request(asked)["ok"].toBool();
}

bool AppDriver::click(const std::string& path)
{
    JsonValue asked;
    asked.set("op", "click");
    asked.set("path", path);
    return clickRequest(asked);
}

bool AppDriver::openAndClick(const std::vector<std::string>& paths, bool clickLast, bool rightClickFirst)
{
    if (paths.empty())
        return false;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (clickAlong(paths, clickLast, rightClickFirst))
            return true;
        closeOpenMenus(paths);
    }
    return false;
}

bool AppDriver::clickAlong(const std::vector<std::string>& paths, bool clickLast, bool rightClickFirst)
{
    if (!(rightClickFirst ? rightClick(paths[0]) : click(paths[0])))
        return false;
    for (size_t i = 1; i < paths.size(); ++i) {
        const bool last = i + 1 == paths.size();
        if (!waitForPath(paths[i], 3000))
            return false;
        if (last && !clickLast)
            return true;
        if (last ? !clickMenuItem(paths[i]) : !click(paths[i]))
            return false;
    }
    return true;
}

// A menu closes as its item acts (and "Exit" ends the program): an item still
// there once the channel answers again was not reached, since the channel
// answers only after the loop has handled the click.
bool AppDriver::clickMenuItem(const std::string& item)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (!click(item))
            return false;
        if (waitFor([&] { return !isConnected() || !exists(item); }, 3000))
            return true;
    }
    return false;
}

// The channel answers the request after a click only once the loop has
// handled the click, so the path found then shows what the click did.
bool AppDriver::clickExpectingNothing(const std::string& path)
{
    return click(path) && exists(path);
}

bool AppDriver::isEnabled(const std::string& path)
{
    JsonValue asked;
    asked.set("op", "find");
    asked.set("path", path);
    const JsonValue reply = request(asked);
    const JsonValue& widget = reply["widget"];
    if (!reply["found"].toBool() || !widget["enabled"].toBool())
        return false;
    if (!reply.contains("item"))
        return true;
    return widget["items"].at(reply["item"].toInt())["enabled"].toBool();
}

// Escape only while one of the menus is open: in a dialog it would cancel it.
void AppDriver::closeOpenMenus(const std::vector<std::string>& paths)
{
    for (size_t i = paths.size(); i > 1; --i) {
        if (exists(paths[i - 1]))
            pressKey("Escape");
    }
}

bool AppDriver::isCurrentEntry(const std::string& box, const std::string& entry)
{
    for (const JsonValue& item : find(box)["items"].elements()) {
        if (item["text"].toText() == entry)
            return item["current"].toBool();
    }
    return false;
}

bool AppDriver::chooseEntry(const std::string& box, const std::string& entry)
{
    const std::string entryPath = "UIList \"" + entry + "\"";
    const std::string inPopup = box + " " + entryPath;
    if (isCurrentEntry(box, entry))
        return true;
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (!exists(inPopup) && !click(box))
            return false;
        if (waitForPath(inPopup, 2000) && click(inPopup) &&
            waitFor([&] { return isCurrentEntry(box, entry); }, 2000))
            return true;
        // Escape only while the popup is open: in a dialog it would cancel it.
        if (exists(inPopup))
            pressKey("Escape");
    }
    return false;
}

bool AppDriver::rightClick(const std::string& path)
{
    JsonValue asked;
    asked.set("op", "click");
    asked.set("path", path);
    asked.set("button", "right");
    return clickRequest(asked);
}

bool AppDriver::clickColumn(const std::string& path, int column)
{
    JsonValue asked;
    asked.set("op", "click");
    asked.set("path", path);
    asked.set("column", column);
    return clickRequest(asked);
}

bool AppDriver::doubleClick(const std::string& path)
{
    JsonValue asked;
    asked.set("op", "click");
    asked.set("path", path);
    asked.set("double", true);
    return clickRequest(asked);
}

bool AppDriver::typeText(const std::string& text, const std::string& path)
{
    const std::string before = path.empty() ? std::string() : find(path)["text"].toText();
    JsonValue asked;
    asked.set("op", "type");
    asked.set("text", text);
    if (!path.empty())
        asked.set("path", path);
    if (!request(asked)["ok"].toBool())
        return false;
    if (!path.empty() && !text.empty())
        waitForTyped(path, before);
    return true;
}

// The keys travel through the display server while clicks are posted
// straight to the window, so on a busy machine a click sent next could
// overtake them: wait until the field has taken them (a password field
// shows its mask, so a change is what is waited for) and holds still.
void AppDriver::waitForTyped(const std::string& path, const std::string& before)
{
    std::string last = before;
    waitFor([&] { return (last = find(path)["text"].toText()) != before; }, 3000);
    waitFor(
        [&] {
            const std::string now = find(path)["text"].toText();
            const bool still = now == last;
            last = now;
            return still;
        },
        1000);
}

bool AppDriver::replaceText(const std::string& text, const std::string& path)
{
    const std::string before = find(path)["text"].toText();
    JsonValue asked;
    asked.set("op", "type");
    asked.set("text", text);
    if (!click(path) || !pressKey("a", {"ctrl"}) || !request(asked)["ok"].toBool())
        return false;
    waitForTyped(path, before);
    return true;
}

bool AppDriver::pressKey(const std::string& key, const std::vector<std::string>& mods)
{
    JsonValue asked;
    asked.set("op", "key");
    asked.set("key", key);
    JsonValue& list = asked.set("mods", JsonValue::array());
    for (const std::string& mod : mods)
        list.append(mod);
    return request(asked)["ok"].toBool();
}

JsonValue AppDriver::dump(const std::vector<int>& rows)
{
    JsonValue asked;
    asked.set("op", "dump");
    JsonValue& list = asked.set("rows", JsonValue::array());
    for (int row : rows)
        list.append(row);
    JsonValue reply = request(asked);
    if (reply["ok"].toBool())
        m_lastDump = reply;
    return reply;
}

JsonValue AppDriver::windows()
{
    return request(std::string("{\"op\":\"windows\"}"))["windows"];
}

std::string AppDriver::testName() const
{
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return info ? std::string(info->test_suite_name()) + "-" + info->name() : std::string("driver");
}

bool AppDriver::shot(const std::string& name)
{
    JsonValue asked;
    asked.set("op", "shot");
    asked.set("name", testName() + "-" + name);
    return request(asked)["ok"].toBool();
}

unsigned long AppDriver::processId() const
{
    return m_process ? GetProcessId(static_cast<HANDLE>(m_process)) : 0;
}

bool AppDriver::isRunning() const
{
    return m_process && WaitForSingleObject(static_cast<HANDLE>(m_process), 0) == WAIT_TIMEOUT;
}

int AppDriver::waitForExit(int timeoutMs)
{
    if (!m_process)
        return -1;
    if (WaitForSingleObject(static_cast<HANDLE>(m_process), static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(static_cast<HANDLE>(m_process), &code);
    disconnect();
    return static_cast<int>(code);
}

void AppDriver::recordFailure()
{
    shot("failure");
    const char* folder = std::getenv("REELSTACK_SHOTS");
    if (!folder || !*folder)
        return;
    JsonValue last = m_lastDump;
    if (isConnected()) {
        JsonValue fresh = request(std::string("{\"op\":\"dump\",\"hidden\":false}"), 5000);
        if (fresh["ok"].toBool())
            last = fresh;
    }
    std::ofstream out(std::string(folder) + "\\" + testName() + "-failure.json", std::ios::binary);
    out << last.write() << "\n";
}

} // namespace testsupport
