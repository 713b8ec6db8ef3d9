// Flow 7: a text file with LF line ends only and one short line, chosen in
// the system's file dialog and imported into an empty collection: the
// movies of the whole lines are added, and the short line is reported by
// its number.
#include "tests/e2e/E2eAddSteps.h"

#include <algorithm>
#include <fstream>

using namespace e2e;

namespace {

std::filesystem::path importFile()
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "reelstack-e2e";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::filesystem::path file = folder / "movies.txt";
    std::ofstream(file, std::ios::binary) << "Alien,1979\nBrazil,1985\nHeat\nDune,2021\n";
    return file;
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
