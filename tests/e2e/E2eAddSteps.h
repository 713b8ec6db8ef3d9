#pragma once

// What the flows that add movies share: the movie editor's fields found by
// their place in the window (its widgets carry no ids), the system's file
// dialog of the program found on the desktop and typed into, and the list
// row and card of a movie read back.
#include "tests/e2e/E2eSteps.h"
#include "tests/e2e/E2eSystemDialogs.h"
#include "tests/support/StandInServer.h"
#include "tests/support/TestSupport.h"

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

const char kDash[] = "\xE2\x80\x93";

// The path of the program's window with that title.
inline std::string windowTitled(const std::string& title)
{
    return "\"" + title + " " + kDash + " Reelstack\"";
}

// A page of ours the stand-in serves (tests/data/e2e).
inline std::string standInPage(const std::string& name)
{
    const std::vector<uint8_t> bytes = testsupport::readFileBytes(testsupport::dataDir() + "/e2e/" + name);
    return std::string(bytes.begin(), bytes.end());
}

// The program's outside requests go to the stand-in.
inline AppDriver::Options standInOptions(const testsupport::StandInServer& standIn)
{
    AppDriver::Options options;
    options.environment.push_back("REELSTACK_TEST_HOSTS=" + standIn.hostAndPort());
    return options;
}

// The movie editor's fields, each found while its page (General or
// Additional) shows: the paths count the visible widgets only.
struct EditorPaths
{
    std::string window;
    std::string title;
    std::string genre;
    std::string year;
    std::string format;
    std::string barCode;
    std::string poster;
    std::string ok;

    explicit EditorPaths(const std::string& windowTitle = "Add Movie")
        : window(windowTitled(windowTitle)), title(window + " UILineEdit[0]"),
          genre(window + " UILineEdit[2]"), year(window + " UISpinBox UILineEdit"),
          format(window + " \"Edition\" UILineEdit[0]"), barCode(window + " \"Edition\" UILineEdit[1]"),
          poster(window + " \"Drag and drop image here.\""), ok(window + " \"OK\"")
    {
    }
    std::string page(const std::string& name) const { return window + " UITabBar \"" + name + "\""; }
};

// The cells of a row of the table (or list) at the path; empty without it.
inline std::vector<std::string> cellsOf(AppDriver& app, const std::string& path, int row)
{
    JsonValue request = JsonValue::object();
    request.set("op", "dump");
    request.set("path", path);
    JsonValue wanted = JsonValue::array();
    wanted.append(row);
    request.set("rows", std::move(wanted));
    const JsonValue widget = app.request(request)["widget"];
    std::vector<std::string> texts;
    for (const JsonValue& cell : widget["rows"][std::to_string(row)].elements())
        texts.push_back(cell.toText());
    return texts;
}

// The cells of the list row whose first cell is the title; empty when no
// row shows it.
inline std::vector<std::string> rowCells(AppDriver& app, const std::string& title, int rows = 20)
{
    JsonValue request = JsonValue::object();
    request.set("op", "dump");
    request.set("path", "#table");
    request.set("hidden", true);
    JsonValue wanted = JsonValue::array();
    for (int row = 0; row < rows; ++row)
        wanted.append(row);
    request.set("rows", std::move(wanted));
    const JsonValue table = app.request(request)["widget"];
    for (int row = 0; row < table["rowCount"].toInt() && row < rows; ++row) {
        const JsonValue& cells = table["rows"][std::to_string(row)];
        if (cells.at(0).toText() != title)
            continue;
        std::vector<std::string> texts;
        for (const JsonValue& cell : cells.elements())
            texts.push_back(cell.toText());
        return texts;
    }
    return {};
}

inline bool contains(const std::vector<std::string>& texts, const std::string& text)
{
    for (const std::string& each : texts) {
        if (each == text)
            return true;
    }
    return false;
}

// The card's element with that id (its rect on the screen), null when the
// card has none.
inline JsonValue cardElement(AppDriver& app, const std::string& id)
{
    const JsonValue card = app.find("#card");
    for (const JsonValue& item : card["items"].elements()) {
        if (item["text"].toText() == id)
            return item;
    }
    return JsonValue();
}

} // namespace e2e
