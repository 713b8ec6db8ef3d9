// Flow 3: a movie added by hand into an empty collection: title, genre and
// year typed, an actor through the cast editor, a playable link to a real
// file chosen in the system's file dialog; OK puts them in the list row and
// on the card, and the collection file holds the movie.
#include "tests/e2e/E2eAddSteps.h"

#include <fstream>

using namespace e2e;

namespace {

// A small file that stands for a movie on the disk.
std::filesystem::path movieFile()
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "reelstack-e2e";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::filesystem::path file = folder / "Night Harbour.avi";
    std::ofstream(file, std::ios::binary) << "RIFF0000AVI LIST";
    return file;
}

} // namespace

TEST_F(E2e, AddByHand)
{
    const std::filesystem::path file = movieFile();
    ASSERT_TRUE(std::filesystem::exists(file)) << file.string();
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    ASSERT_TRUE(writeCollection("Hand", {}));
    ASSERT_TRUE(launchToMain()) << app.failure();
    ASSERT_TRUE(titleNames("Hand")) << mainTitle();
    ASSERT_TRUE(menu("Movie", "movieMenu", "Add Movie..."));
    const EditorPaths editor;
    ASSERT_TRUE(app.waitForPath(editor.title)) << app.failure();
    ASSERT_TRUE(typeInto(editor.title, "Night Harbour"));
    ASSERT_TRUE(typeInto(editor.genre, "Drama"));
    ASSERT_TRUE(typeInto(editor.year, "2004"));
    ASSERT_TRUE(app.waitFor([&] { return app.find(editor.year)["text"].toText() == "2004"; }))
        << app.find(editor.year).write();
    app.shot("general");

    // The cast editor, from its page's tool bar.
    ASSERT_TRUE(app.click(editor.page("Cast & Crew")));
    ASSERT_TRUE(app.waitForPath(editor.window + " \"Add Actor...\"")) << app.failure();
    ASSERT_TRUE(app.click(editor.window + " \"Add Actor...\""));
    const std::string actor = windowTitled("Add Actor");
    ASSERT_TRUE(app.waitForPath(actor + " UILineEdit")) << app.failure();
    ASSERT_TRUE(typeInto(actor + " UILineEdit[0]", "Mara Quell"));
    ASSERT_TRUE(typeInto(actor + " UILineEdit[1]", "Captain Ilse Varn"));
    app.shot("actor");
    ASSERT_TRUE(app.click(actor + " \"OK\""));
    ASSERT_TRUE(app.waitForNoPath(actor)) << app.failure();
    ASSERT_TRUE(app.waitForPath(editor.window + " UITable \"Mara Quell\"")) << app.failure();

    // The link to the file, chosen in the system's dialog and made playable.
    ASSERT_TRUE(app.click(editor.page("Links")));
    ASSERT_TRUE(app.waitForPath(editor.window + " \"Add Link...\"")) << app.failure();
    ASSERT_TRUE(app.click(editor.window + " \"Add Link...\""));
    const std::string link = windowTitled("Add Link");
    ASSERT_TRUE(app.waitForPath(link + " \"Local\"")) << app.failure();
    ASSERT_TRUE(app.click(link + " \"Local\""));
    const std::string browse = link + " UIButton[0]";
    ASSERT_TRUE(app.waitFor([&] { return app.find(browse)["enabled"].toBool(); }))
        << app.find(browse).write();
    ASSERT_TRUE(app.click(link + " \"Playable\""));
    ASSERT_TRUE(app.click(browse));
    ASSERT_TRUE(answerFileDialog(app, file.wstring(), "link-file-chooser")) << "the file chooser took the path";
    const std::string url = link + " UILineEdit[0]";
    ASSERT_TRUE(app.waitFor([&] { return app.find(url)["text"].toText() == file.string(); }))
        << app.find(url).write();
    EXPECT_EQ(app.find(link + " UILineEdit[1]")["text"].toText(), "Night Harbour") << "named after the file";
    app.shot("link");
    ASSERT_TRUE(app.click(link + " \"OK\""));
    ASSERT_TRUE(app.waitForNoPath(link)) << app.failure();
    const std::vector<std::string> linkRow{"Local", "Night Harbour", file.string(), ""};
    ASSERT_TRUE(app.waitFor([&] { return cellsOf(app, editor.window + " UITable", 0) == linkRow; }))
        << joinedTitles(cellsOf(app, editor.window + " UITable", 0));
    app.shot("links");

    ASSERT_TRUE(app.click(editor.ok));
    ASSERT_TRUE(app.waitForNoPath(editor.window)) << app.failure();
    ASSERT_TRUE(viewMode("List"));
    ASSERT_TRUE(app.waitFor([&] { return !rowCells(app, "Night Harbour").empty(); }));
    const std::vector<std::string> row = rowCells(app, "Night Harbour");
    EXPECT_TRUE(contains(row, "2004")) << joinedTitles(row);
    EXPECT_TRUE(contains(row, "Drama")) << joinedTitles(row);
    ASSERT_TRUE(app.click("#table \"Night Harbour\""));
    ASSERT_TRUE(app.waitFor([&] { return cardText().find("Night Harbour") != std::string::npos; }))
        << cardText();
    const std::string card = cardText();
    for (const char* shown : {"2004", "Drama", "Mara Quell", "Captain Ilse Varn"})
        EXPECT_NE(card.find(shown), std::string::npos) << shown << " in " << card;
    EXPECT_FALSE(cardElement(app, "@play").isNull()) << "a playable link puts the play button on the card";
    app.shot("added");
    ASSERT_TRUE(exitThroughTheMenu());
    EXPECT_EQ(titlesOnDisk("Hand"), std::vector<std::string>{"Night Harbour"});
}
