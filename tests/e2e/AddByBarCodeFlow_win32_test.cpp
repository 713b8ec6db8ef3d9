// Flow 5: a bar code typed into its window is looked up at the shop (the
// stand-in); the movie editor opens with the shop's title, the bar code and
// the format, and extracts the title from the movie database at once.
#include "tests/e2e/E2eAddSteps.h"
#include "tests/support/StandInServer.h"

using namespace e2e;
using testsupport::StandInServer;

TEST_F(E2e, AddByBarCode)
{
    StandInServer standIn;
    ASSERT_TRUE(standIn.isListening());
    standIn.setPage(StandInServer::kShopHost, "/s/", standInPage("shop-meridian.html"));
    standIn.setPage(StandInServer::kMovieDbHost, "/find?", standInPage("search-meridian.html"));
    standIn.setPage(StandInServer::kMovieDbHost, "/title/tt0200001/", standInPage("title-meridian.html"));
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    ASSERT_TRUE(writeCollection("Codes", {}));
    ASSERT_TRUE(launchToMain(standInOptions(standIn))) << app.failure();
    ASSERT_TRUE(titleNames("Codes")) << mainTitle();

    ASSERT_TRUE(menu("Movie", "movieMenu", "Add Movie by Bar Code..."));
    const std::string window = windowTitled("Add Movie by Bar Code");
    ASSERT_TRUE(app.waitForPath(window + " UILineEdit")) << app.failure();
    ASSERT_TRUE(typeInto(window + " UILineEdit", "4006680051234"));
    app.shot("bar-code");
    ASSERT_TRUE(app.click(window + " \"OK\""));

    // The editor fills from the shop's answer and goes on to the database's
    // title page without being asked.
    const EditorPaths editor;
    ASSERT_TRUE(standIn.waitForRequestTo(StandInServer::kMovieDbHost, "/title/tt0200001/", 30000))
        << "the extraction reached the title page";
    ASSERT_TRUE(app.waitFor([&] { return app.find(editor.year)["text"].toText() == "1998"; }))
        << app.find(editor.year).write();
    EXPECT_EQ(app.find(editor.title)["text"].toText(), "Cold Meridian");
    EXPECT_EQ(app.find(editor.genre)["text"].toText(), "Thriller");
    app.shot("extracted");
    const std::vector<StandInServer::Request> searches = standIn.requestsTo(StandInServer::kShopHost, "/s/");
    ASSERT_EQ(searches.size(), 1u);
    EXPECT_NE(searches[0].path.find("field-keywords=4006680051234"), std::string::npos) << searches[0].path;
    const std::vector<StandInServer::Request> finds =
        standIn.requestsTo(StandInServer::kMovieDbHost, "/find?");
    ASSERT_EQ(finds.size(), 1u);
    EXPECT_NE(finds[0].path.find("Cold"), std::string::npos) << finds[0].path;

    ASSERT_TRUE(app.click(editor.page("Additional")));
    ASSERT_TRUE(app.waitForPath(editor.barCode)) << app.failure();
    EXPECT_EQ(app.find(editor.format)["text"].toText(), "Blu-ray");
    EXPECT_EQ(app.find(editor.barCode)["text"].toText(), "4006680051234");
    app.shot("edition");
    ASSERT_TRUE(app.click(editor.ok));
    ASSERT_TRUE(app.waitForNoPath(editor.window)) << app.failure();
    ASSERT_TRUE(statusBecomes("1 of 1 movies shown")) << status();
    ASSERT_TRUE(exitThroughTheMenu());
    EXPECT_EQ(titlesOnDisk("Codes"), std::vector<std::string>{"Cold Meridian"});
}
