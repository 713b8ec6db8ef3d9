// Flow 18: feedback typed and sent reaches the maker's service (the
// stand-in logs it); an update check answered with a newer version asks,
// and Yes hands the download link to the shell (recorded, not run), in the
// form the browser's command line cannot split.
#include "tests/e2e/E2eSteps.h"
#include "tests/support/StandInServer.h"

#include <fstream>

using namespace e2e;
using testsupport::StandInServer;

namespace {

const char kNewerBox[] = "\"A new version of Reelstack is available.\"";
const char kSentBox[] = "\"Your feedback has been sent successfully. Thank you.\"";
const char kDownload[] = "http://www.reelstack.example/get 9.1.0?from=\"menu\"";
const char kDownloadForShell[] = "http://www.reelstack.example/get%209.1.0?from=%22menu%22";

// The stand-in's log, a line a request.
std::vector<std::string> logLines(const std::filesystem::path& path)
{
    std::ifstream in(path);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

} // namespace

TEST_F(E2e, FeedbackAndUpdates)
{
    StandInServer standIn;
    ASSERT_TRUE(standIn.isListening());
    const std::filesystem::path log = buildFolder() / "shots" / "FeedbackAndUpdates" / "standin.log";
    std::filesystem::remove(log);
    standIn.setLogFile(log.string());
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    AppDriver::Options options;
    options.environment.push_back("REELSTACK_TEST_HOSTS=" + standIn.hostAndPort());
    ASSERT_TRUE(launchToMain(options)) << app.failure();

    ASSERT_TRUE(menu("Help", "helpMenu", "Send Feedback..."));
    ASSERT_TRUE(app.waitForPath("#feedback UITextEdit")) << app.failure();
    ASSERT_TRUE(app.click("#feedback UITextEdit"));
    ASSERT_TRUE(app.typeText("Loans need a due list", "#feedback UITextEdit"));
    app.shot("feedback");
    ASSERT_TRUE(app.click("#feedback \"Send\""));
    ASSERT_TRUE(app.waitForPath(kSentBox)) << app.failure();
    app.shot("feedback-sent");
    ASSERT_TRUE(app.click("\"OK\""));
    ASSERT_TRUE(app.waitForNoPath("#feedback")) << app.failure();
    const std::string maker = StandInServer::kMakerHost;
    const std::string feedbackLine = "POST " + maker + "/service-feedback -> 200";
    EXPECT_EQ(logLines(log), std::vector<std::string>{feedbackLine});
    const std::vector<StandInServer::Request> posts = standIn.requestsTo(maker, "/service-feedback");
    ASSERT_EQ(posts.size(), 1u);
    // "Loans need a due list" in Base64.
    EXPECT_EQ(posts[0].body, "q=TG9hbnMgbmVlZCBhIGR1ZSBsaXN0");

    app.dump();
    standIn.setLatestVersion("9.1.0", kDownload);
    ASSERT_TRUE(menu("Help", "helpMenu", "Check for Updates..."));
    ASSERT_TRUE(app.waitForPath(kNewerBox)) << app.failure();
    app.shot("newer-version");
    ASSERT_TRUE(app.click("\"Yes\""));
    ASSERT_TRUE(app.waitForNoPath(kNewerBox)) << app.failure();
    const JsonValue dump = app.dump();
    ASSERT_EQ(dump["shell"].elements().size(), 1u) << dump["shell"].write();
    EXPECT_EQ(dump["shell"].at(0)["call"].toText(), "open");
    EXPECT_EQ(dump["shell"].at(0)["target"].toText(), kDownloadForShell);
    EXPECT_EQ(logLines(log),
              (std::vector<std::string>{feedbackLine, "POST " + maker + "/service-informer -> 200"}));
    ASSERT_TRUE(exitThroughTheMenu());
}
