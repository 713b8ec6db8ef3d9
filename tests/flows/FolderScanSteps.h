#pragma once

// The folder scan as a user does it: a folder of files on the desktop (the
// folder browser starts there), chosen in the system's browser from the scan
// window's browse button, scanned, and files ticked at their check boxes.
#include "foundation/data/JsonValue.h"
#include "tests/flows/FlowSteps.h"
#include "tests/flows/SystemDialogSteps.h"
#include "tests/support/TestPrefix.h"

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

namespace flows {

// A folder of empty files on the desktop, removed with everything in it.
// The name starts with what no other run shares (the clock and the
// process), since a folder an earlier run left there can share the rest:
// with a folder "Scan Flow-1948" beside "Scan Flow-280", the browser took
// the first each time the second was typed.
class DesktopScanFolder
{
public:
    DesktopScanFolder(const std::string& stem, const std::vector<std::string>& files)
        : m_name(std::to_string(GetTickCount()) + "-" + std::to_string(GetCurrentProcessId()) + " " + stem)
    {
        const std::string desktop = desktopFolder();
        if (desktop.empty())
            return;
        m_path = desktop + "\\" + m_name;
        std::error_code error;
        testsupport::TestPrefix::removeTree(m_path);
        m_ready = std::filesystem::create_directories(std::filesystem::u8path(m_path), error);
        for (const std::string& file : files) {
            HANDLE made = CreateFileW(wide(testsupport::text(m_path + "\\" + file)).c_str(), GENERIC_WRITE, 0,
                                      nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
            m_ready = m_ready && made != INVALID_HANDLE_VALUE;
            if (made != INVALID_HANDLE_VALUE)
                CloseHandle(made);
        }
    }
    ~DesktopScanFolder()
    {
        if (!m_path.empty())
            testsupport::TestPrefix::removeTree(m_path);
    }
    DesktopScanFolder(const DesktopScanFolder&) = delete;
    DesktopScanFolder& operator=(const DesktopScanFolder&) = delete;

    bool ready() const { return m_ready; }
    const std::string& name() const { return m_name; }
    const std::string& path() const { return m_path; }

private:
    std::string m_name;
    std::string m_path;
    bool m_ready = false;
};

// The scan window's rows: the title column of each, in the table's order.
inline std::vector<std::string> scannedTitles(testsupport::AppDriver& app, int count)
{
    JsonValue request = JsonValue::object();
    request.set("op", "dump");
    request.set("path", "#scanFiles");
    JsonValue rows = JsonValue::array();
    for (int row = 0; row < count; ++row)
        rows.append(row);
    request.set("rows", std::move(rows));
    const JsonValue widget = app.request(request)["widget"];
    std::vector<std::string> titles;
    for (int row = 0; row < widget["rowCount"].toInt() && row < count; ++row)
        titles.push_back(widget["rows"][std::to_string(row)].at(1).toText());
    return titles;
}

// In the open scan window: the browse button, the folder chosen in the
// system's browser, Scan, until the table lists count files. Leaves a shot
// of the browser under the name given.
inline bool browseAndScan(testsupport::AppDriver& app, const DesktopScanFolder& folder, int count,
                          const std::string& shot)
{
    if (!app.waitForPath("#scanFolder #scanBrowse") || !app.click("#scanFolder #scanBrowse"))
        return false;
    HWND browser = waitForSystemDialog(app);
    if (!browser)
        return false;
    if (!chooseInFolderTree(app, browser, folder.name(), shot))
        return false;
    if (!app.waitFor([&] { return app.find("#scanFolder UILineEdit")["text"].toText() == folder.path(); }))
        return false;
    return app.waitFor([&] { return app.find("#scanFolder \"Scan\"")["enabled"].toBool(); }) &&
           app.click("#scanFolder \"Scan\"") &&
           app.waitFor([&] { return int(scannedTitles(app, count).size()) == count; });
}

} // namespace flows
