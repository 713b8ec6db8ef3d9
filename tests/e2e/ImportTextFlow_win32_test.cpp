// Flow 7: a text file with LF line ends only and one short line, chosen in
// the system's file dialog and imported into an empty collection: the
// movies of the whole lines are added, and the short line is reported by
// its number. Then an import into a collection sorted by title downwards:
// the new movies stand in their sorted places in the list, the image grid
// and the cover flow.
#include "tests/e2e/E2eAddSteps.h"

#include <algorithm>
#include <fstream>

using namespace e2e;

namespace {

std::filesystem::path importFile(const char* name, const char* lines)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "reelstack-e2e";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::filesystem::path file = folder / name;
    std::ofstream(file, std::ios::binary) << lines;
    return file;
}

std::filesystem::path importFile()
{
    return importFile("movies.txt", "Alien,1979\nBrazil,1985\nHeat\nDune,2021\n");
}

Movie* movie(int id, const char16_t* title, int year)
{
    auto* made = new Movie;
    made->id = id;
    made->title = String(title);
    made->year = year;
    return made;
}

std::vector<std::string> sorted(std::vector<std::string> texts)
{
    std::sort(texts.begin(), texts.end());
    return texts;
}

} // namespace

TEST_F(E2e, ImportText)
{
    const std::filesystem::path file = importFile();
    ASSERT_TRUE(std::filesystem::exists(file)) << file.string();
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    ASSERT_TRUE(writeCollection("Imported", {}));
    ASSERT_TRUE(launchToMain()) << app.failure();
    ASSERT_TRUE(titleNames("Imported")) << mainTitle();
    ASSERT_TRUE(menu("Tools", "toolsMenu", "Import from Text File..."));
    const std::string window = windowTitled("Import from Text File");
    ASSERT_TRUE(app.waitForPath(window + " UIButton")) << app.failure();
    EXPECT_FALSE(app.find(window + " \"Import\"")["enabled"].toBool()) << "nothing to import yet";
    ASSERT_TRUE(app.click(window + " UIButton[0]"));
    ASSERT_TRUE(answerFileDialog(app, file.wstring(), "import-file-chooser")) << "the file chooser took the path";
    // The short line is not counted; the format is read from the others.
    const std::string import = window + " \"Import (3 Movies)\"";
    ASSERT_TRUE(app.waitForPath(import)) << app.failure();
    EXPECT_EQ(app.find(window + " UILineEdit")["text"].toText(), file.string());
    EXPECT_TRUE(app.exists(window + " \"Comma (,)\""));
    EXPECT_TRUE(app.exists(window + " \"Title,Year\""));
    app.shot("chosen");
    ASSERT_TRUE(app.click(import));

    const std::string skipped = "\"1 line was skipped: it gives no title or no year.\"";
    ASSERT_TRUE(app.waitForPath(skipped)) << app.failure();
    EXPECT_TRUE(app.exists("\"It is line 3.\""));
    app.shot("skipped");
    ASSERT_TRUE(app.click("\"OK\""));
    ASSERT_TRUE(app.waitForNoPath(skipped)) << app.failure();
    ASSERT_TRUE(app.waitForNoPath(window)) << app.failure();

    ASSERT_TRUE(statusBecomes("3 of 3 movies shown")) << status();
    ASSERT_TRUE(viewMode("List"));
    EXPECT_EQ(sorted(firstCells("#table", 5)), (std::vector<std::string>{"Alien", "Brazil", "Dune"}));
    for (const auto& [title, year] :
         {std::pair<const char*, const char*>{"Alien", "1979"}, {"Brazil", "1985"}, {"Dune", "2021"}})
        EXPECT_TRUE(contains(rowCells(app, title), year))
            << title << ": " << joinedTitles(rowCells(app, title));
    app.shot("imported");
    ASSERT_TRUE(exitThroughTheMenu());
    EXPECT_EQ(sorted(titlesOnDisk("Imported")), (std::vector<std::string>{"Alien", "Brazil", "Dune"}));
}

TEST_F(E2e, ImportTextSorted)
{
    const std::filesystem::path file = importFile("sorted.txt", "Zulu,1964\nCasablanca,1942\nAmelie,2001\n");
    ASSERT_TRUE(std::filesystem::exists(file)) << file.string();
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    ASSERT_TRUE(writeCollection(
        "Sorted", {movie(1, u"Brazil", 1985), movie(2, u"Heat", 1995), movie(3, u"Alien", 1979)}));
    ASSERT_TRUE(launchToMain()) << app.failure();
    ASSERT_TRUE(statusBecomes("3 of 3 movies shown")) << status();
    ASSERT_TRUE(viewMode("List"));
    ASSERT_TRUE(menu({"#menuBar \"View\"", "#viewMenu \"Sort Movies by\"", "#sortMenu \"Title\""}));
    ASSERT_TRUE(menu({"#menuBar \"View\"", "#viewMenu \"Sort Movies by\"", "#sortMenu \"Descending\""}));
    ASSERT_TRUE(app.waitFor([&] { return joinedTitles(firstCells("#table", 3)) == "Heat,Brazil,Alien"; }))
        << joinedTitles(firstCells("#table", 3)) << " " << views().write();

    ASSERT_TRUE(menu("Tools", "toolsMenu", "Import from Text File..."));
    const std::string window = windowTitled("Import from Text File");
    ASSERT_TRUE(app.waitForPath(window + " UIButton")) << app.failure();
    ASSERT_TRUE(app.click(window + " UIButton[0]"));
    ASSERT_TRUE(answerFileDialog(app, file.wstring(), "import-file-chooser"))
        << "the file chooser took the path";
    const std::string import = window + " \"Import (3 Movies)\"";
    ASSERT_TRUE(app.waitForPath(import)) << app.failure();
    ASSERT_TRUE(app.click(import));
    ASSERT_TRUE(app.waitForNoPath(window)) << app.failure();
    ASSERT_TRUE(statusBecomes("6 of 6 movies shown")) << status();

    const char kSorted[] = "Zulu,Heat,Casablanca,Brazil,Amelie,Alien";
    EXPECT_EQ(joinedTitles(firstCells("#table", 6)), kSorted);
    const JsonValue sort = views()["sort"];
    EXPECT_TRUE(sort.at(0).toInt() == 0 && sort.at(1).toInt() == 2) << "title, downwards: " << sort.write();
    app.shot("imported-list");
    ASSERT_TRUE(viewMode("Images"));
    EXPECT_EQ(joinedTitles(firstCells("#images", 6)), kSorted);
    app.shot("imported-images");
    // The covers are titled with the year.
    if (!views()["coverFlow"].toBool()) {
        ASSERT_TRUE(exitThroughTheMenu());
        GTEST_SKIP() << "no Direct3D 9 under this Wine: the cover flow was not checked";
    }
    ASSERT_TRUE(viewMode("Cover Flow"));
    std::vector<std::string> covers;
    // Kept: the loop would otherwise walk a destroyed temporary.
    const JsonValue state = views();
    for (const JsonValue& title : state["coverTitles"].elements())
        covers.push_back(title.toText());
    EXPECT_EQ(joinedTitles(covers),
              "Zulu (1964),Heat (1995),Casablanca (1942),Brazil (1985),Amelie (2001),Alien (1979)")
        << state.write();
    app.shot("imported-covers");
    ASSERT_TRUE(exitThroughTheMenu());
}
