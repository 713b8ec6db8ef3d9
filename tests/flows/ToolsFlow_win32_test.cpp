// The tools and help commands of reelstack.exe driven from outside, with the
// program's outside traffic sent to the stand-in (REELSTACK_TEST_HOSTS):
// the update answers, feedback, the home page, about and statistics, and
// password protection, a bar-code search and the extraction after it. Shell
// calls are recorded, not run.
#include "tests/flows/FlowSteps.h"
#include "tests/support/AppDriver.h"
#include "tests/support/StandInServer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using testsupport::AppDriver;
using testsupport::StandInServer;

namespace {

const char kMaker[] = "service.reelstack.example";
// The message boxes, found by their texts (a box is a window like any).
const char kCurrentBox[] = "\"This version of Reelstack (1.2.0) is the current version.\"";
const char kNewerBox[] = "\"A new version of Reelstack is available.\"";
const char kSentBox[] = "\"Your feedback has been sent successfully. Thank you.\"";

// The targets of the shell's "open" in a dump: those since the dump before.
std::vector<std::string> openedIn(const JsonValue& dump)
{
    std::vector<std::string> targets;
    for (const JsonValue& call : dump["shell"].elements()) {
        if (call["call"].toText() == "open")
            targets.push_back(call["target"].toText());
    }
    return targets;
}

std::vector<std::string> openedSince(AppDriver& app)
{
    // Kept: the calls live in it.
    const JsonValue dump = app.dump();
    return openedIn(dump);
}

// The update answers the program had taken at the dump.
int updateAnswers(const JsonValue& dump)
{
    return dump["sections"]["updates"]["answers"].toInt();
}

class ToolsFlow : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(standIn.isListening());
        ASSERT_TRUE(AppDriver::cleanDataFolder());
        AppDriver::Options options;
        options.environment.push_back("REELSTACK_TEST_HOSTS=" + standIn.hostAndPort());
        ASSERT_TRUE(app.launch(options)) << app.failure();
        ASSERT_TRUE(app.waitForPath("#main", 60000)) << app.failure();
        openedSince(app);
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

    // Asks for updates and waits until the stand-in has answered.
    bool checkForUpdates()
    {
        const size_t before = standIn.requestsTo(kMaker, "/service-informer").size();
        if (!menu("Help", "helpMenu", "Check for Updates..."))
            return false;
        return app.waitFor([&] { return standIn.requestsTo(kMaker, "/service-informer").size() > before; });
    }

    StandInServer standIn;
    AppDriver app;
};

} // namespace

TEST_F(ToolsFlow, UpdateAnswersEqualOlderAndNewerReachTheUserAsTheyShould)
{
    // The same version: confirmed, naming it.
    standIn.setLatestVersion("1.2.0", "http://www.reelstack.example/download");
    ASSERT_TRUE(checkForUpdates());
    ASSERT_TRUE(app.waitForPath(kCurrentBox)) << app.failure();
    app.shot("current-version");
    ASSERT_TRUE(app.click("\"OK\""));
    ASSERT_TRUE(app.waitForNoPath(kCurrentBox));
    const StandInServer::Request query = standIn.requestsTo(kMaker, "/service-informer").back();
    EXPECT_EQ(query.method, "POST");
    EXPECT_EQ(query.body.compare(0, 2, "q="), 0) << query.body;

    // A newer one is offered; Yes opens its link.
    standIn.setLatestVersion("1.3.0", "http://www.reelstack.example/get-1.3.0");
    ASSERT_TRUE(checkForUpdates());
    ASSERT_TRUE(app.waitForPath(kNewerBox)) << app.failure();
    ASSERT_TRUE(app.click("\"Yes\""));
    ASSERT_TRUE(app.waitForNoPath(kNewerBox));
    EXPECT_EQ(openedSince(app), std::vector<std::string>{"http://www.reelstack.example/get-1.3.0"});

    // An older one says nothing at all: once the program has taken the
    // answer (counted before a box would show), no box runs and nothing
    // opened.
    standIn.setLatestVersion("1.1.9", "http://www.reelstack.example/old");
    const int answers = updateAnswers(app.dump());
    ASSERT_TRUE(checkForUpdates());
    std::vector<std::string> opened;
    ASSERT_TRUE(app.waitFor([&] {
        // Kept: the calls live in it.
        const JsonValue dump = app.dump();
        for (const std::string& target : openedIn(dump))
            opened.push_back(target);
        return updateAnswers(dump) > answers;
    })) << app.lastDump().write();
    EXPECT_FALSE(app.exists(kNewerBox));
    EXPECT_FALSE(app.exists(kCurrentBox));
    EXPECT_EQ(opened, std::vector<std::string>());

    ASSERT_TRUE(menu("Collection", "collectionMenu", "Exit"));
    EXPECT_EQ(app.waitForExit(), 0);
}

TEST_F(ToolsFlow, FeedbackGoesToTheMakersServiceAndTheHelpPagesOpen)
{
    ASSERT_TRUE(menu("Help", "helpMenu", "Send Feedback..."));
    ASSERT_TRUE(app.waitForPath("#feedback")) << app.failure();
    // Send with nothing typed: refused on the spot, with a balloon. The
    // window sends while it handles the click, so nothing can come later.
    ASSERT_TRUE(app.click("#feedback \"Send\""));
    EXPECT_TRUE(app.waitForPath("#feedback \"Please fill the required fields.\"")) << app.failure();
    EXPECT_TRUE(standIn.requestsTo(kMaker, "/service-feedback").empty());
    ASSERT_TRUE(app.click("#feedback UITextEdit"));
    ASSERT_TRUE(app.typeText("great program", "#feedback UITextEdit"));
    ASSERT_TRUE(app.click("#feedback \"Send\""));
    ASSERT_TRUE(app.waitForPath(kSentBox)) << app.failure();
    app.shot("feedback-sent");
    ASSERT_TRUE(app.click("\"OK\""));
    ASSERT_TRUE(app.waitForNoPath("#feedback")) << app.failure();
    const auto posts = standIn.requestsTo(kMaker, "/service-feedback");
    ASSERT_EQ(posts.size(), 1u);
    EXPECT_EQ(posts[0].method, "POST");
    // "great program" in Base64.
    EXPECT_EQ(posts[0].body, "q=Z3JlYXQgcHJvZ3JhbQ%3D%3D");

    // Each of the three ways, one after the other.
    std::vector<std::string> opened;
    const auto openedAfter = [&](bool done) {
        const size_t before = opened.size();
        app.waitFor([&] {
            const std::vector<std::string> more = openedSince(app);
            opened.insert(opened.end(), more.begin(), more.end());
            return opened.size() > before;
        });
        return done && opened.size() == before + 1;
    };
    EXPECT_TRUE(openedAfter(menu("Help", "helpMenu", "Home Page...")));
    EXPECT_TRUE(openedAfter(menu("Help", "helpMenu", "Online Help...")));
    EXPECT_TRUE(openedAfter(app.click("#toolBar \"Home Page...\"")));
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened[0].compare(0, 29, "http://www.reelstack.example/"), 0) << opened[0];
    EXPECT_EQ(opened[1], opened[0]);
    EXPECT_EQ(opened[2], opened[0]);

    ASSERT_TRUE(menu("Help", "helpMenu", "About Reelstack..."));
    ASSERT_TRUE(app.waitForPath("#about \"Reelstack 1.2.0\"")) << app.failure();
    app.shot("about");
    ASSERT_TRUE(app.click("#about \"Close\""));
    ASSERT_TRUE(app.waitForNoPath("#about")) << app.failure();

    ASSERT_TRUE(menu("Collection", "collectionMenu", "Exit"));
    EXPECT_EQ(app.waitForExit(), 0);
}

TEST_F(ToolsFlow, StatisticsAndPasswordProtectionOpenOverTheExampleCollection)
{
    ASSERT_TRUE(app.click("#toolBar \"Statistics...\""));
    ASSERT_TRUE(app.waitForPath("#statistics")) << app.failure();
    app.shot("statistics");
    const JsonValue figures = app.find("#statistics \"Count of Movies\"");
    EXPECT_FALSE(figures.isNull());
    EXPECT_FALSE(app.exists("#statistics \"...\""));
    ASSERT_TRUE(app.click("#statistics \"Close\""));
    ASSERT_TRUE(app.waitForNoPath("#statistics")) << app.failure();

    ASSERT_TRUE(menu("Collection", "collectionMenu", "Password Protection..."));
    ASSERT_TRUE(app.waitForPath("\"Set Password\"")) << app.failure();
    ASSERT_TRUE(app.click("\"Cancel\""));
    ASSERT_TRUE(app.waitForNoPath("\"Set Password\"")) << app.failure();

    ASSERT_TRUE(menu("Collection", "collectionMenu", "Exit"));
    EXPECT_EQ(app.waitForExit(), 0);
}

TEST_F(ToolsFlow, ABarCodeSearchAndTheExtractionAfterItReachTheStandIn)
{
    const std::string shop = StandInServer::kShopHost;
    const std::string movieDb = StandInServer::kMovieDbHost;
    const std::string window = "\"Add Movie by Bar Code \u2013 Reelstack\"";
    const std::string field = window + " UILineEdit";
    ASSERT_TRUE(menu("Movie", "movieMenu", "Add Movie by Bar Code..."));
    ASSERT_TRUE(app.waitForPath(field)) << app.failure();
    ASSERT_TRUE(app.click(field));
    ASSERT_TRUE(app.typeText("012345678905", field)) << app.lastReply().write();
    ASSERT_TRUE(app.waitFor([&] { return app.find(field)["text"].toText() == "012345678905"; }))
        << app.find(field).write();
    app.shot("bar-code");
    ASSERT_TRUE(app.click(window + " \"OK\""));
    ASSERT_TRUE(standIn.waitForRequestTo(shop, "/s/", 15000));
    const std::vector<StandInServer::Request> searches = standIn.requestsTo(shop, "/s/");
    ASSERT_EQ(searches.size(), 1u);
    EXPECT_EQ(searches[0].method, "GET");
    EXPECT_NE(searches[0].path.find("field-keywords=012345678905"), std::string::npos) << searches[0].path;

    // Found: the Example collection asks first; No adds to it, and the
    // editor opens with the shop's title and extracts at once.
    ASSERT_TRUE(app.waitForPath("\"This is the Example collection.\"")) << app.failure();
    ASSERT_TRUE(app.click("\"No\""));
    ASSERT_TRUE(standIn.waitForRequestTo(movieDb, "/find?", 15000));
    EXPECT_NE(standIn.requestsTo(movieDb, "/find?")[0].path.find("Alien"), std::string::npos);
    ASSERT_TRUE(app.waitForPath("\"Cancel\"")) << app.failure();
    app.shot("editor-after-bar-code");
    ASSERT_TRUE(app.click("\"Cancel\""));
    ASSERT_TRUE(app.waitForNoPath("\"Cancel\"")) << app.failure();

    ASSERT_TRUE(menu("Collection", "collectionMenu", "Exit"));
    EXPECT_EQ(app.waitForExit(), 0);
}
