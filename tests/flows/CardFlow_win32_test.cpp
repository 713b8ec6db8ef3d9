// The movie card as the automation channel lists it: the elements that
// carry an id, with their tags and their rectangles on screen, for a movie
// with a play link and episodes, some of them with a file to play.
#include "foundation/data/ConfigFile.h"
#include "foundation/data/Variant.h"
#include "model/config/Configuration.h"
#include "model/records/Episode.h"
#include "model/records/MovieLink.h"
#include "tests/app/TwelveMovies.h"
#include "tests/flows/FlowSteps.h"
#include "tests/support/AppDriver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>

using namespace flows;

namespace {

Episode episode(int season, int number, const char16_t* title, const char16_t* file)
{
    Episode made;
    made.season = season;
    made.number = number;
    made.title = String(title);
    made.file = String(file);
    return made;
}

// "Serials": one movie with a play link and three episodes, the last
// without a file, opened at start in the list.
bool prepareSerial()
{
    CollectionModel model(testsupport::text(AppDriver::dataFolder()));
    if (!createAndOpenCollection(model, "Serials"))
        return false;
    Movie* movie = twelvemovies::makeMovie(twelvemovies::kRows[0], 1);
    MovieLink link;
    link.url = String(u"http://127.0.0.1/trailer");
    link.description = String(u"Trailer");
    link.play = true;
    movie->links.append(link);
    movie->episodes.append(episode(1, 1, u"Pilot", u"C:\\serial\\s1e1.avi"));
    movie->episodes.append(episode(1, 2, u"Second", u"C:\\serial\\s1e2.avi"));
    movie->episodes.append(episode(2, 1, u"Later", u""));
    model.appendMovie(movie);
    // The list, whose row is clicked to show the movie.
    return model.closeCollection() && openAtStart("Serials", {{u"view/viewMode", Variant(int32_t(0))}});
}

// Along one axis (0 across, 1 down).
bool inside(const JsonValue& rect, const JsonValue& outer, int axis)
{
    return rect.at(axis).toInt() >= outer.at(axis).toInt() &&
           rect.at(axis).toInt() + rect.at(axis + 2).toInt() <=
               outer.at(axis).toInt() + outer.at(axis + 2).toInt();
}

} // namespace

TEST(CardFlow, TheCardSectionListsThePlayElementsWithTagAndRectangle)
{
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    ASSERT_TRUE(prepareSerial());
    AppDriver app;
    ASSERT_TRUE(app.launch()) << app.failure();
    ASSERT_TRUE(app.waitForPath("#main", 60000)) << app.failure();
    ASSERT_TRUE(app.waitForPath("#table \"Alien\"")) << app.failure();
    ASSERT_TRUE(app.click("#table \"Alien\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForPath("#card \"@play\"")) << app.failure();
    app.shot("serial-card");

    const JsonValue card = app.dump()["sections"]["card"];
    std::map<std::string, JsonValue> byId;
    for (const JsonValue& element : card["elements"].elements())
        byId[element["id"].toText()] = element;
    // The play pictures at the sizes the template gives them; the episode
    // without a file has none.
    struct Row
    {
        const char* id;
        int size;
    };
    const Row rows[] = {{"@play", 24}, {"@play-episode-1.1", 16}, {"@play-episode-1.2", 16}};
    const JsonValue cardWidget = app.find("#card");
    for (const Row& row : rows) {
        ASSERT_EQ(byId.count(row.id), 1u) << row.id << " " << card["elements"].write();
        const JsonValue& element = byId[row.id];
        EXPECT_EQ(element["tag"].toText(), "IMG") << row.id;
        const JsonValue& rect = element["rect"];
        EXPECT_EQ(rect.at(2).toInt(), row.size) << row.id;
        EXPECT_EQ(rect.at(3).toInt(), row.size) << row.id;
        // The episodes may lie below the part of the page the card shows.
        const bool onTop = std::string(row.id) == "@play";
        EXPECT_TRUE(inside(rect, cardWidget["rect"], 0) && (!onTop || inside(rect, cardWidget["rect"], 1)))
            << row.id << " " << rect.write() << " in " << cardWidget["rect"].write();
    }
    EXPECT_EQ(byId.count("@play-episode-2.1"), 0u);
    // The same rectangles the widget dump gives its entries, which clicks go to.
    std::map<std::string, std::string> itemRects;
    for (const JsonValue& item : cardWidget["items"].elements())
        itemRects[item["text"].toText()] = item["rect"].write();
    for (const Row& row : rows)
        EXPECT_EQ(byId[row.id]["rect"].write(), itemRects[row.id]) << row.id;
    ASSERT_TRUE(app.openAndClick({"#menuBar \"Collection\"", "#collectionMenu \"Exit\""}))
        << app.lastReply().write();
    EXPECT_EQ(app.waitForExit(), 0);
}
