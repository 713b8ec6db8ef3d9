#pragma once

// What every end-to-end flow shares: its shots folder (shots/<flow>/ beside
// the test program's folder, so a flow run alone leaves its pictures where
// the whole run does), the launch to the shown main window, menus opened
// and clicked as a user would, and the last dump and a shot on failure.
#include "model/CollectionModel.h"
#include "model/collection/CollectionFile.h"
#include "model/records/Movie.h"
#include "tests/flows/FlowSteps.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace e2e {

using flows::AppDriver;

// The folder of the test program's parent (the Windows build folder).
inline std::filesystem::path buildFolder()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path().parent_path();
}

inline std::string joinedTitles(const std::vector<std::string>& texts)
{
    std::string out;
    for (const std::string& text : texts)
        out += (out.empty() ? "" : ",") + text;
    return out;
}

class E2e : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        const std::filesystem::path shots = buildFolder() / "shots" / info->name();
        std::error_code error;
        std::filesystem::create_directories(shots, error);
        ASSERT_FALSE(error) << shots.string();
        // The program inherits it; the driver's failure record reads it too.
        ASSERT_EQ(_putenv_s("REELSTACK_SHOTS", shots.string().c_str()), 0);
    }
    void TearDown() override
    {
        if (HasFailure())
            app.recordFailure();
    }

    bool launchToMain(const AppDriver::Options& options = AppDriver::Options())
    {
        return app.launch(options) && flows::waitForMain(app) && flows::waitForCoverFlowKnown(app);
    }

    // Opens the bar's menu (and its sub-menu) and clicks the item, until the
    // menu has closed behind it.
    bool menu(const std::vector<std::string>& paths) { return app.openAndClick(paths); }
    bool menu(const std::string& bar, const std::string& menuId, const std::string& item)
    {
        return menu({"#menuBar \"" + bar + "\"", "#" + menuId + " \"" + item + "\""});
    }

    bool exitThroughTheMenu()
    {
        return menu("Collection", "collectionMenu", "Exit") && app.waitForExit() == 0;
    }

    std::string mainTitle() { return flows::mainTitle(app); }
    bool titleNames(const std::string& collection)
    {
        return app.waitFor([&] {
            const std::string title = mainTitle();
            return title.find(collection) != std::string::npos && flows::endsWith(title, "Reelstack");
        });
    }

    JsonValue views() { return app.dump()["sections"]["views"]; }
    std::string cardText() { return app.dump()["sections"]["card"]["text"].toText(); }

    // Switches the views through the View menu and waits for the mode.
    bool viewMode(const std::string& view)
    {
        const int mode = view == "List" ? 0 : view == "Images" ? 1 : 2;
        return menu("View", "viewMenu", view) && app.waitFor([&] { return views()["mode"].toInt() == mode; });
    }

    // A list's or table's widget with the cells of its first count rows.
    JsonValue rowsOf(const std::string& path, int count)
    {
        JsonValue request = JsonValue::object();
        request.set("op", "dump");
        request.set("path", path);
        // The views on pages not shown count too.
        request.set("hidden", true);
        JsonValue rows = JsonValue::array();
        for (int row = 0; row < count; ++row)
            rows.append(row);
        request.set("rows", std::move(rows));
        return app.request(request)["widget"];
    }
    // The first cells of its rows, in their order.
    std::vector<std::string> firstCells(const std::string& path, int count)
    {
        const JsonValue widget = rowsOf(path, count);
        std::vector<std::string> cells;
        for (int row = 0; row < widget["rowCount"].toInt() && row < count; ++row)
            cells.push_back(widget["rows"][std::to_string(row)].at(0).toText());
        return cells;
    }

    bool choose(const std::string& box, const std::string& entry) { return app.chooseEntry(box, entry); }
    std::string status() { return app.find("#status")["text"].toText(); }
    bool statusBecomes(const std::string& text)
    {
        return app.waitFor([&] { return status() == text; });
    }

    // The titles the list shows, after checking the grid and the cover flow
    // agree with it.
    std::string agreedTitles(const std::string& step)
    {
        const std::vector<std::string> table = firstCells("#table", 12);
        EXPECT_EQ(firstCells("#images", 12), table) << step << ": the grid follows the list";
        const JsonValue state = views();
        const int current = state["current"].toInt();
        EXPECT_EQ(state["table"].toInt(), current) << step << " " << state.write();
        EXPECT_EQ(state["images"].toInt(), current) << step << " " << state.write();
        if (state["coverFlow"].toBool()) {
            EXPECT_EQ(state["covers"].toInt(), int(table.size())) << step;
            if (current) {
                EXPECT_EQ(state["cover"].toInt(), current) << step;
            }
        }
        return joinedTitles(table);
    }

    // Replaces a field's text as a user does: select all, delete, type.
    bool typeInto(const std::string& path, const std::string& text)
    {
        // Each key waits for the one before it to land: a Delete that
        // overtakes the Ctrl+A leaves the old text in front of the new.
        return app.click(path) && app.waitFor([&] { return app.find(path)["focused"].toBool(); }) &&
               app.pressKey("a", {"ctrl"}) && app.pressKey("Delete") &&
               app.waitFor([&] { return app.find(path)["text"].toText().empty(); }) &&
               (text.empty() || app.typeText(text, path));
    }

    AppDriver app;
};

// The movies of a collection in the data folder as its file holds them, read
// while the program is not writing it.
inline std::vector<std::string> titlesOnDisk(const std::string& name)
{
    std::vector<std::string> titles;
    CollectionModel model(testsupport::text(AppDriver::dataFolder()));
    if (!model.openCollection(flows::collectionPath(name)))
        return titles;
    for (const Movie* movie : model.movies())
        titles.push_back(testsupport::utf8(movie->title));
    model.closeCollection();
    return titles;
}

// Writes a collection of these movies into the data folder and makes it the
// one the next start opens.
inline bool writeCollection(const std::string& name, const std::vector<Movie*>& movies)
{
    CollectionModel model(testsupport::text(AppDriver::dataFolder()));
    if (!flows::createAndOpenCollection(model, name, u"Flow"))
        return false;
    for (Movie* movie : movies)
        model.appendMovie(movie);
    if (!model.closeCollection())
        return false;
    return flows::writeConfig({{u"model/recentCollection", Variant(testsupport::text(name))},
                               {u"model/whenReelstackStartsOpenTheLastUsedCollection", Variant(true)}});
}

} // namespace e2e
