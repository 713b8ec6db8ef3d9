#pragma once

// Steps the flows share: preparing the program's data folder and
// configuration before a launch, reading its windows back from a dump, and
// the native frame of its main window as the desktop sees it.
#include "foundation/data/ConfigFile.h"
#include "foundation/data/JsonValue.h"
#include "foundation/data/Variant.h"
#include "model/CollectionModel.h"
#include "model/collection/CollectionFile.h"
#include "model/config/ConfigDefaults.h"
#include "model/config/Configuration.h"
#include "tests/support/AppDriver.h"
#include "tests/support/TestText.h"

#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace flows {

using testsupport::AppDriver;

inline String productName()
{
    return String(u"Reelstack");
}

// A data folder that exists but holds nothing: the next start is not the
// program's first, so no Example collection is written.
inline bool emptyDataFolder()
{
    if (!AppDriver::cleanDataFolder())
        return false;
    std::error_code error;
    std::filesystem::create_directories(AppDriver::dataFolder(), error);
    return !error;
}

// The configuration a first start writes, with the values given changed.
inline bool writeConfig(const std::vector<std::pair<const char16_t*, Variant>>& changes)
{
    ConfigFile config(String(u"config.dat"), productName(), ConfigFile::kUserData, ConfigFile::kXml);
    config.clear();
    ConfigDefaultList defaults;
    ConfigDefaults::registerAll(defaults);
    for (const ConfigDefault& known : defaults)
        config.addEntry(known.key, known.value, String());
    for (const auto& change : changes)
        config.setValue(String(change.first), change.second);
    return config.save();
}

// A value of the configuration file as the program last saved it.
inline Variant configValue(const char16_t* key)
{
    ConfigFile config(String(u"config.dat"), productName(), ConfigFile::kUserData, ConfigFile::kXml);
    if (!config.load())
        return Variant();
    return config.value(String(key), Variant());
}

inline String collectionPath(const std::string& name)
{
    CollectionFile file(testsupport::text(AppDriver::dataFolder()));
    return file.filePathFor(testsupport::text(name));
}

// A collection with no movies, as "New Collection..." makes it.
inline bool createCollection(const std::string& name, const std::string& password = std::string())
{
    CollectionFile file(testsupport::text(AppDriver::dataFolder()));
    return file.create(testsupport::text(name), String(u"Flow"), testsupport::text(password));
}

// A new collection of that name in the program's data folder (made if need
// be), opened in model, which works on that folder; false when either fails.
inline bool createAndOpenCollection(CollectionModel& model, const std::string& name,
                                    const char16_t* author = u"me")
{
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::u8path(AppDriver::dataFolder()), ignored);
    CollectionFile file(model.dataDirectory());
    return file.create(testsupport::text(name), String(author), String()) &&
           model.openCollection(file.filePathFor(testsupport::text(name)));
}

// The saved configuration set to open that collection at the next start,
// with the further values given.
inline bool openAtStart(const std::string& name,
                        const std::vector<std::pair<const char16_t*, Variant>>& more = {})
{
    std::unique_ptr<ConfigFile> config = Configuration::load(productName());
    config->setValue(String(u"model/recentCollection"), Variant(testsupport::text(name)));
    config->setValue(String(u"model/whenReelstackStartsOpenTheLastUsedCollection"), Variant(true));
    for (const auto& change : more)
        config->setValue(String(change.first), change.second);
    return config->save();
}

// The node of the tree (a dump's window or widget) with that id; null when
// there is none.
inline const JsonValue* findId(const JsonValue& node, const std::string& id)
{
    if (node["id"].toText() == id)
        return &node;
    for (const JsonValue& child : node["children"].elements()) {
        if (const JsonValue* found = findId(child, id))
            return found;
    }
    return nullptr;
}

// Every window with its hidden parts (menus that are not open, pages of
// other tabs).
inline JsonValue hiddenDump(AppDriver& app)
{
    JsonValue asked = JsonValue::object();
    asked.set("op", "dump");
    asked.set("hidden", true);
    return app.request(asked);
}

inline const JsonValue* findInDump(const JsonValue& dump, const std::string& id)
{
    for (const JsonValue& window : dump["windows"].elements()) {
        if (const JsonValue* found = findId(window, id))
            return found;
    }
    return nullptr;
}

// The item of a menu, tab bar or combo box at that index; null past its end.
inline const JsonValue* itemAt(const JsonValue* widget, int index)
{
    if (!widget || index < 0 || index >= int(widget->operator[]("items").elements().size()))
        return nullptr;
    return &(*widget)["items"].elements()[size_t(index)];
}

inline std::string mainTitle(AppDriver& app)
{
    // Kept: the loop would otherwise walk a destroyed temporary.
    const JsonValue windows = app.windows();
    for (const JsonValue& window : windows.elements()) {
        if (window["id"].toText() == "main")
            return window["title"].toText();
    }
    return std::string();
}

// Opens the menu bar's menu and picks the item; the driver waits until the
// menu has closed, so that the next click does not land on it.
inline bool chooseMenuItemAndWait(AppDriver& app, const std::string& bar, const std::string& menuId,
                                  const std::string& item)
{
    return app.openAndClick({"#menuBar \"" + bar + "\"", "#" + menuId + " \"" + item + "\""});
}

inline bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

struct WindowSearch
{
    DWORD process;
    HWND found;
};

inline BOOL CALLBACK takeOwnerlessWindow(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window) || GetWindow(window, GW_OWNER))
        return TRUE;
    search->found = window;
    return FALSE;
}

// The program's visible top-level window without owner: the main window
// while no dialog runs.
inline HWND mainWindowHandle(AppDriver& app)
{
    WindowSearch search{DWORD(app.processId()), nullptr};
    EnumWindows(takeOwnerlessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// For the calls that take a file name.
inline std::wstring wide(const String& text)
{
    return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), size_t(text.length()));
}

inline RECT workArea()
{
    RECT area = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

inline bool centredInWorkArea(const RECT& frame)
{
    const RECT area = workArea();
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    return frame.left == area.left + (area.right - area.left - width) / 2 &&
           frame.top == area.top + (area.bottom - area.top - height) / 2;
}

// Waits for the main window to be up and shown; the password prompt of a
// protected collection comes before it.
inline bool waitForMain(AppDriver& app, int timeoutMs = 60000)
{
    return app.waitFor(
        [&app] {
            JsonValue found = app.find("#main");
            return found["visible"].toBool();
        },
        timeoutMs);
}

// The cover flow's device is tried once the window has painted; until then
// the cover flow is off whether or not the machine has Direct3D.
inline bool waitForCoverFlowKnown(AppDriver& app)
{
    return app.waitFor([&app] { return app.dump()["sections"]["views"]["coverFlowKnown"].toBool(); });
}

} // namespace flows
