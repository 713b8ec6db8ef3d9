// Flow 10: clicks on the movie card. The play button with one playable link
// opens it at once; with two it asks in the select-link window; an
// episode's play element starts the episode's file; an ordinary link opens
// as its type says: an online one as a web address only, escaped for the
// browser's command line, a local one as its file or folder when it is
// there. The channel records each shell call instead of making it.
#include "model/records/Episode.h"
#include "model/records/MovieLink.h"
#include "tests/e2e/E2eSteps.h"

#include <fstream>
#include <functional>

using namespace e2e;

namespace {

MovieLink link(const char* description, const std::string& url, bool play, int32_t type = MovieLink::kOnline)
{
    MovieLink made;
    made.type = type;
    made.description = testsupport::text(description);
    made.url = testsupport::text(url);
    made.play = play;
    return made;
}

Movie* movie(int id, const char16_t* title, const std::vector<MovieLink>& links)
{
    auto* made = new Movie;
    made->id = id;
    made->title = String(title);
    for (const MovieLink& each : links)
        made->links.append(each);
    return made;
}

Episode episode(int number, const std::string& file)
{
    Episode made;
    made.season = 1;
    made.number = number;
    made.title = testsupport::text("Part " + std::to_string(number));
    made.file = testsupport::text(file);
    return made;
}

// The first cells of the shown table's rows.
std::vector<std::string> shownFirstCells(AppDriver& app, const std::string& path, int count)
{
    JsonValue request = JsonValue::object();
    request.set("op", "dump");
    request.set("path", path);
    JsonValue rows = JsonValue::array();
    for (int row = 0; row < count; ++row)
        rows.append(row);
    request.set("rows", std::move(rows));
    const JsonValue table = app.request(request)["widget"];
    std::vector<std::string> cells;
    for (int row = 0; row < table["rowCount"].toInt() && row < count; ++row)
        cells.push_back(table["rows"][std::to_string(row)].at(0).toText());
    return cells;
}

} // namespace

TEST_F(E2e, CardClicks)
{
    auto showCardOf = [&](const std::string& title) {
        return app.click("#table \"" + title + "\"") &&
               app.waitFor([&] { return cardText().find(title) != std::string::npos; });
    };
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    const std::string file = AppDriver::dataFolder() + "\\Part 2.avi";
    const std::string keptFile = AppDriver::dataFolder() + "\\Kept Cut.avi";
    const std::string lostFile = AppDriver::dataFolder() + "\\Lost Cut.avi";
    const std::string program = AppDriver::dataFolder() + "\\Extras.exe";
    Movie* series = movie(3, u"Series", {});
    series->episodes.append(episode(1, std::string()));
    series->episodes.append(episode(2, file));
    series->links.append(link("Lost Cut", lostFile, false, MovieLink::kLocal));
    series->links.append(link("Kept Cut", keptFile, false, MovieLink::kLocal));
    series->links.append(link("Films Folder", AppDriver::dataFolder(), false, MovieLink::kLocal));
    series->links.append(
        link("Kept As Address", testsupport::fileAddress(keptFile), false, MovieLink::kLocal));
    series->links.append(link("Extras Online", program, false));
    ASSERT_TRUE(writeCollection("Clicks", {movie(1, u"One Link",
                                                 {link("Trailer", "http://127.0.0.1/trailer", true),
                                                  link("Review", "http://127.0.0.1/review", false),
                                                  link("Quoted", "http://127.0.0.1/a \"b\"", false)}),
                                           movie(2, u"Two Links",
                                                 {link("Second Cut", "http://127.0.0.1/b-second", true),
                                                  link("First Cut", "http://127.0.0.1/a-first", true)}),
                                           series}));
    std::ofstream(std::filesystem::u8path(file)) << "not a real video";
    std::ofstream(std::filesystem::u8path(keptFile)) << "not a real video either";
    std::ofstream(std::filesystem::u8path(program)) << "not a real program";
    ASSERT_TRUE(launchToMain()) << app.failure();
    ASSERT_TRUE(titleNames("Clicks")) << mainTitle();
    ASSERT_TRUE(viewMode("List"));

    // One playable link: played at once.
    ASSERT_TRUE(showCardOf("One Link")) << cardText();
    app.shot("one-link");
    EXPECT_EQ(app.shellCallsAfter([&] { return app.click("#card \"@play\""); }),
              (std::vector<std::string>{"open http://127.0.0.1/trailer"}));

    // An ordinary link, clicked where its words are.
    EXPECT_EQ(app.shellCallsAfter([&] { return app.click("#card \"Review\""); }),
              (std::vector<std::string>{"open http://127.0.0.1/review"}));
    // One with a blank and quotes in its address: escaped, so that the
    // browser's command line keeps it one argument.
    EXPECT_EQ(app.shellCallsAfter([&] { return app.click("#card \"Quoted\""); }),
              (std::vector<std::string>{"open http://127.0.0.1/a%20%22b%22"}));

    // Two: the select-link window lists them in the movie's order; the
    // second row chosen.
    ASSERT_TRUE(showCardOf("Two Links")) << cardText();
    const std::string select = "#main UIWindow";
    ASSERT_TRUE(app.click("#card \"@play\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForPath(select + " \"Play\"")) << app.failure();
    app.shot("select-link");
    EXPECT_EQ(shownFirstCells(app, select + " UITable", 3),
              (std::vector<std::string>{"Second Cut", "First Cut"}));
    EXPECT_EQ(app.shellCallsAfter([&] {
        return app.click(select + " UITable \"First Cut\"") && app.click(select + " \"Play\"");
    }),
              (std::vector<std::string>{"open http://127.0.0.1/a-first"}));
    EXPECT_TRUE(app.waitForNoPath(select + " \"Play\""));

    // An episode with a file: its own play element runs the file; the
    // episode without one shows none.
    ASSERT_TRUE(showCardOf("Series")) << cardText();
    app.shot("series");
    EXPECT_FALSE(app.exists("#card \"@play-episode-1.1\""));
    EXPECT_EQ(app.shellCallsAfter([&] { return app.click("#card \"@play-episode-1.2\""); }),
              (std::vector<std::string>{"execute " + file}));
    app.shot("episode-played");

    // Local links in the card's list: the file that is there starts with its
    // program, the one that is gone opens nothing, a folder opens in the
    // file manager, and a "file:" address starts the file it names. An
    // online link whose address is a program that is there opens nothing.
    EXPECT_EQ(app.shellCallsAfter(
                  [&] { return app.click("#card \"Lost Cut\"") && app.click("#card \"Kept Cut\""); }),
              (std::vector<std::string>{"execute " + keptFile}));
    EXPECT_EQ(app.shellCallsAfter([&] { return app.click("#card \"Films Folder\""); }),
              (std::vector<std::string>{"open " + AppDriver::dataFolder()}));
    EXPECT_EQ(app.shellCallsAfter([&] { return app.click("#card \"Kept As Address\""); }),
              (std::vector<std::string>{"execute " + keptFile}));
    // Behind it a call that does come, so that nothing is waited for in vain.
    EXPECT_EQ(app.shellCallsAfter([&] {
                  return app.click("#card \"Extras Online\"") && app.click("#card \"Films Folder\"");
              }),
              (std::vector<std::string>{"open " + AppDriver::dataFolder()}));
    ASSERT_TRUE(exitThroughTheMenu());
}
