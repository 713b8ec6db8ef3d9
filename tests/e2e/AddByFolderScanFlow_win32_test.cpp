// Flow 6: a folder on the desktop holding three video files and a text
// file, chosen in the system's folder browser and scanned: the three videos
// listed, two of them ticked at their check boxes, OK: two movies, each with
// the format "Hard Disk" and its file as a local link.
#include "tests/e2e/E2eSteps.h"
#include "tests/flows/FolderScanSteps.h"

#include <algorithm>

using namespace e2e;

TEST_F(E2e, AddByFolderScan)
{
    flows::DesktopScanFolder folder("Scan Flow", {"alien.avi", "Brazil.mkv", "casablanca.mp4", "notes.txt"});
    ASSERT_TRUE(folder.ready()) << folder.path();
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    ASSERT_TRUE(writeCollection("Scans", {}));
    ASSERT_TRUE(launchToMain()) << app.failure();
    ASSERT_TRUE(viewMode("List"));

    ASSERT_TRUE(menu("Movie", "movieMenu", "Add Movies by Scanning Folder..."));
    ASSERT_TRUE(app.waitForPath("#scanFolder"));
    app.shot("scan-window");
    ASSERT_TRUE(flows::browseAndScan(app, folder, 3, "folder-browser"));
    std::vector<std::string> listed = flows::scannedTitles(app, 4);
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(joinedTitles(listed), "Alien,Brazil,Casablanca") << "the text file is not listed";

    for (const char* title : {"Alien", "Casablanca"})
        ASSERT_TRUE(app.clickColumn(std::string("#scanFiles \"") + title + "\"", 0)) << title;
    app.shot("two-ticked");
    ASSERT_TRUE(app.click("#scanFolder \"OK\""));
    ASSERT_TRUE(app.waitForNoPath("#scanFolder"));
    ASSERT_TRUE(statusBecomes("2 of 2 movies shown")) << status();
    EXPECT_EQ(joinedTitles(firstCells("#table", 5)), "Alien,Casablanca");
    app.shot("added");
    ASSERT_TRUE(exitThroughTheMenu());

    CollectionModel model(testsupport::text(AppDriver::dataFolder()));
    ASSERT_TRUE(model.openCollection(flows::collectionPath("Scans")));
    std::vector<std::string> stored;
    for (const Movie* movie : model.movies()) {
        const std::string title = testsupport::utf8(movie->title);
        stored.push_back(title);
        EXPECT_EQ(testsupport::utf8(movie->format), "Hard Disk") << title;
        ASSERT_EQ(movie->links.count(), 1) << title;
        const MovieLink& link = movie->links.first()->value;
        EXPECT_EQ(link.type, MovieLink::kLocal) << title;
        const std::string file = testsupport::utf8(link.url);
        EXPECT_EQ(file.rfind(folder.path() + "\\", 0), 0u) << file;
    }
    model.closeCollection();
    std::sort(stored.begin(), stored.end());
    EXPECT_EQ(joinedTitles(stored), "Alien,Casablanca");
}
