// Flow 14: a known collection exported with a semicolon and no qualifier
// (the file named in the system's save dialog): the file holds exactly the
// lines its movies give. Imported into a new collection (the file chosen in
// the open dialog): the same titles and years.
#include "tests/e2e/E2eSteps.h"
#include "tests/e2e/E2eSystemDialogs.h"

#include <fstream>
#include <sstream>

using namespace e2e;

namespace {

const char kExport[] = "\"Export to Text File \xE2\x80\x93 Reelstack\"";
const char kImport[] = "\"Import from Text File \xE2\x80\x93 Reelstack\"";

struct Known
{
    const char* title;
    int year;
};
// In the order of their ids, which is also that of their titles.
const Known kMovies[] = {{"Alpha", 1990}, {"Beta Blues", 2004}, {"Se\xC3\xB1or Gamma", 1975}};

std::vector<Movie*> knownMovies()
{
    std::vector<Movie*> movies;
    int id = 0;
    for (const Known& known : kMovies) {
        auto* movie = new Movie;
        movie->id = ++id;
        movie->title = testsupport::text(known.title);
        movie->year = known.year;
        movies.push_back(movie);
    }
    return movies;
}

// What the export of the known movies writes: UTF-8 with its mark, one
// "title;year" line each, every line ended by CR LF.
std::string expectedBytes()
{
    std::string bytes = "\xEF\xBB\xBF";
    for (const Known& known : kMovies)
        bytes += std::string(known.title) + ";" + std::to_string(known.year) + "\r\n";
    return bytes;
}

std::string fileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// "title year" for each movie of the collection on disk.
std::vector<std::string> titlesAndYearsOnDisk(const std::string& name)
{
    std::vector<std::string> found;
    CollectionModel model(testsupport::text(AppDriver::dataFolder()));
    if (!model.openCollection(flows::collectionPath(name)))
        return found;
    for (const Movie* movie : model.movies())
        found.push_back(testsupport::utf8(movie->title) + " " + std::to_string(movie->year));
    model.closeCollection();
    return found;
}

} // namespace

TEST_F(E2e, ExportImport)
{
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    ASSERT_TRUE(writeCollection("Known", knownMovies()));
    const std::filesystem::path file = buildFolder() / "shots" / "ExportImport" / "known.txt";
    std::filesystem::remove(file);
    ASSERT_TRUE(launchToMain()) << app.failure();
    ASSERT_TRUE(titleNames("Known")) << mainTitle();
    // The list, so that the image grid's list does not stand before the
    // combo boxes' popup lists in a search.
    ASSERT_TRUE(viewMode("List"));

    ASSERT_TRUE(menu("Tools", "toolsMenu", "Export to Text File..."));
    ASSERT_TRUE(app.waitForPath(kExport)) << app.failure();
    const std::string exportWindow = kExport;
    ASSERT_TRUE(choose(exportWindow + " UIComboBox[0]", "Semicolon (;)"));
    ASSERT_TRUE(choose(exportWindow + " UIComboBox[1]", "None"));
    // The preview shows the lines to be written, then "..." (a text field
    // ends each line with a line feed).
    std::string preview;
    for (const Known& known : kMovies)
        preview += std::string(known.title) + ";" + std::to_string(known.year) + "\n";
    EXPECT_EQ(app.find(exportWindow + " UITextEdit")["text"].toText(), preview + "...\n");
    app.shot("export");
    ASSERT_TRUE(app.click(exportWindow + " \"Export\""));
    ASSERT_TRUE(answerFileDialog(app, file.wstring(), "save-dialog"));
    ASSERT_TRUE(app.waitForNoPath(kExport)) << app.failure();
    EXPECT_EQ(fileBytes(file), expectedBytes());

    ASSERT_TRUE(menu("Collection", "collectionMenu", "New Collection..."));
    ASSERT_TRUE(app.waitForPath("#newCollection #collectionName")) << app.failure();
    ASSERT_TRUE(typeInto("#collectionName", "Imported"));
    ASSERT_TRUE(app.click("#newCollection \"OK\""));
    ASSERT_TRUE(app.waitForNoPath("#newCollection")) << app.failure();
    ASSERT_TRUE(titleNames("Imported")) << mainTitle();

    ASSERT_TRUE(menu("Tools", "toolsMenu", "Import from Text File..."));
    ASSERT_TRUE(app.waitForPath(kImport)) << app.failure();
    const std::string importWindow = kImport;
    // The button beside the path field, which shows an icon alone.
    ASSERT_TRUE(app.click(importWindow + " UIButton"));
    ASSERT_TRUE(answerFileDialog(app, file.wstring(), "open-dialog"));
    const std::string importButton = importWindow + " \"Import (3 Movies)\"";
    ASSERT_TRUE(app.waitForPath(importButton)) << app.failure();
    EXPECT_EQ(app.find(importWindow + " UIComboBox[0]")["text"].toText(), "Semicolon (;)");
    EXPECT_EQ(app.find(importWindow + " UIComboBox[1]")["text"].toText(), "None");
    app.shot("import");
    ASSERT_TRUE(app.click(importButton));
    ASSERT_TRUE(app.waitForNoPath(kImport)) << app.failure();
    ASSERT_TRUE(statusBecomes("3 of 3 movies shown")) << status();
    std::vector<std::string> titles;
    for (const Known& known : kMovies)
        titles.push_back(known.title);
    EXPECT_EQ(firstCells("#table", 3), titles);
    app.shot("imported");
    ASSERT_TRUE(exitThroughTheMenu());

    EXPECT_EQ(titlesAndYearsOnDisk("Imported"), titlesAndYearsOnDisk("Known"));
    EXPECT_EQ(titlesAndYearsOnDisk("Imported"),
              (std::vector<std::string>{"Alpha 1990", "Beta Blues 2004", "Se\xC3\xB1or Gamma 1975"}));
}
