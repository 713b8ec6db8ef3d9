// The end of the user's Windows session with reelstack.exe open, as the
// system brings it: the main window is asked (WM_QUERYENDSESSION), told
// (WM_ENDSESSION) and then the process is ended from outside without a
// close. What was changed before is there at the next start, the
// collection reads whole, and a movie editor open at that moment leaves
// nothing of what it held: neither its half-typed values nor its pictures.
#include "model/CollectionModel.h"
#include "model/records/Movie.h"
#include "tests/flows/FlowSteps.h"
#include "tests/support/ClipboardPictures.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

using testsupport::AppDriver;

using namespace testsupport;

namespace {

const char kCollection[] = "Films";

// A collection of one movie, "Alpha", opened at the next start.
bool prepareCollection()
{
    if (!AppDriver::cleanDataFolder())
        return false;
    CollectionModel model(testsupport::text(AppDriver::dataFolder()));
    if (!flows::createAndOpenCollection(model, kCollection, u"Flow"))
        return false;
    auto* movie = new Movie;
    movie->id = 1;
    movie->title = String(u"Alpha");
    model.appendMovie(movie);
    return model.closeCollection() &&
           flows::writeConfig({{u"model/recentCollection", Variant(testsupport::text(kCollection))},
                               {u"model/whenReelstackStartsOpenTheLastUsedCollection", Variant(true)}});
}

// What the program left on disk, read as the next start reads it.
struct Saved
{
    bool read = false;
    std::vector<std::string> titles;
    std::string selectedTitle;
};

Saved savedCollection()
{
    Saved saved;
    CollectionModel model(testsupport::text(AppDriver::dataFolder()));
    saved.read = model.openCollection(flows::collectionPath(kCollection));
    if (!saved.read)
        return saved;
    for (const Movie* movie : model.movies())
        saved.titles.push_back(testsupport::utf8(movie->title));
    saved.selectedTitle = testsupport::utf8(model.titleById(model.collectionFile().selectedMovieId()));
    model.closeCollection();
    return saved;
}

std::filesystem::path collectionFolder()
{
    return std::filesystem::u8path(testsupport::utf8(flows::collectionPath(kCollection))).parent_path();
}

// The files below the folder, at any depth.
int filesBelow(const std::filesystem::path& folder)
{
    int count = 0;
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, error))
        count += entry.is_regular_file() ? 1 : 0;
    return count;
}

// The pictures an open editor keeps aside in a folder of its own beside
// "Images" until its save.
int filesAside()
{
    int count = 0;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(collectionFolder(), error)) {
        if (entry.is_directory() && entry.path().filename() != "Images")
            count += filesBelow(entry.path());
    }
    return count;
}

// The table's titles, top to bottom.
std::vector<std::string> shownTitles(AppDriver& app)
{
    JsonValue asked = JsonValue::object();
    asked.set("op", "dump");
    asked.set("path", "#table");
    asked.set("hidden", true);
    JsonValue rows = JsonValue::array();
    for (int row = 0; row < 8; ++row)
        rows.append(row);
    asked.set("rows", rows);
    const JsonValue table = app.request(asked)["widget"];
    std::vector<std::string> titles;
    const int count = int(table["rowCount"].toNumber());
    for (int row = 0; row < count && row < 8; ++row) {
        const std::vector<JsonValue>& cells = table["rows"][std::to_string(row)].elements();
        titles.push_back(cells.empty() ? std::string() : cells[0].toText());
    }
    return titles;
}

class SessionEndFlow : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(prepareCollection());
        ASSERT_TRUE(app.launch()) << app.failure();
        ASSERT_TRUE(flows::waitForMain(app)) << app.failure();
        ASSERT_TRUE(app.waitFor([&] { return shownTitles(app) == std::vector<std::string>{"Alpha"}; }));
    }
    void TearDown() override
    {
        if (HasFailure())
            app.recordFailure();
    }

    bool menu(const std::string& bar, const std::string& menuId, const std::string& item)
    {
        return flows::chooseMenuItemAndWait(app, bar, menuId, item);
    }

    // A change the user made: the movie added through the editor and shown.
    bool addMovie(const std::string& title)
    {
        return menu("Movie", "movieMenu", "Add Movie...") && app.waitForPath("#movieEditor UILineEdit") &&
               app.typeText(title, "#movieEditor UILineEdit") && app.click("#movieEditor \"OK\"") &&
               app.waitForNoPath("#movieEditor") && app.waitFor([&] { return shownTitles(app).size() == 2; });
    }

    // The system's end of the session, then the process ended as the system
    // ends it; false when the program answered otherwise than it should.
    testing::AssertionResult endSession()
    {
        HWND main = flows::mainWindowHandle(app);
        if (!main)
            return testing::AssertionFailure() << "no main window";
        DWORD_PTR answer = 0;
        if (!SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 15000, &answer) || answer != 1)
            return testing::AssertionFailure() << "the question was answered " << answer;
        if (!SendMessageTimeoutW(main, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 15000, &answer))
            return testing::AssertionFailure() << "the end was not taken";
        HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, DWORD(app.processId()));
        if (!process)
            return testing::AssertionFailure() << "no process to end";
        TerminateProcess(process, 1);
        WaitForSingleObject(process, 15000);
        CloseHandle(process);
        if (app.waitForExit(1000) != 1)
            return testing::AssertionFailure() << "the program did not end";
        return testing::AssertionSuccess();
    }

    // The titles the next start shows, and that start ended as usual.
    void nextStartShows(const std::vector<std::string>& titles)
    {
        AppDriver next;
        ASSERT_TRUE(next.launch()) << next.failure();
        ASSERT_TRUE(flows::waitForMain(next)) << next.failure();
        EXPECT_TRUE(next.waitFor([&] { return shownTitles(next) == titles; })) << shownTitles(next).size();
        ASSERT_TRUE(next.openAndClick({"#menuBar \"Collection\"", "#collectionMenu \"Exit\""}));
        EXPECT_EQ(next.waitForExit(), 0);
    }

    AppDriver app;
};

} // namespace

TEST_F(SessionEndFlow, AChangeIsThereAtTheNextStartThoughTheProgramWasNeverClosed)
{
    ASSERT_EQ(flows::configValue(u"view/viewMode").toInt(), 1) << "the images at first";
    ASSERT_TRUE(menu("View", "viewMenu", "List")) << app.lastReply().write();
    ASSERT_TRUE(addMovie("Brazil")) << app.lastReply().write();
    ASSERT_TRUE(endSession());

    const Saved saved = savedCollection();
    ASSERT_TRUE(saved.read) << "the collection reads whole";
    EXPECT_EQ(saved.titles, (std::vector<std::string>{"Alpha", "Brazil"}));
    EXPECT_EQ(saved.selectedTitle, "Brazil") << "the movie shown is kept as a close keeps it";
    EXPECT_EQ(flows::configValue(u"view/viewMode").toInt(), 0) << "the view's settings are saved";

    nextStartShows({"Alpha", "Brazil"});
}

TEST_F(SessionEndFlow, AnEditorOpenWhenTheSessionEndsDropsWhatItHeldAsItsCancelWould)
{
    ASSERT_TRUE(addMovie("Brazil")) << app.lastReply().write();
    // The editor over the movie just added, its title half retyped and a
    // picture pasted as its cover, neither saved.
    ASSERT_TRUE(copyPicture(120, 180));
    ASSERT_TRUE(menu("Movie", "movieMenu", "Edit Selected Movie...")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForPath("#movieEditor #coverTools")) << app.failure();
    ASSERT_TRUE(app.replaceText("Half typed", "#movieEditor UILineEdit")) << app.lastReply().write();
    const int asideBefore = filesAside();
    ASSERT_TRUE(app.click("#movieEditor #coverTools \"Paste Image\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitFor([&] { return filesAside() > asideBefore; })) << "the pasted picture waits aside";
    app.shot("editor-open");
    ASSERT_TRUE(endSession());

    const Saved saved = savedCollection();
    ASSERT_TRUE(saved.read) << "the collection reads whole";
    EXPECT_EQ(saved.titles, (std::vector<std::string>{"Alpha", "Brazil"})) << "nothing of the open editor";
    EXPECT_EQ(filesBelow(collectionFolder() / "Images"), 0) << "no picture reached the collection";

    nextStartShows({"Alpha", "Brazil"});
}
