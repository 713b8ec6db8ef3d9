// Flow 11: the filter bar by genre, actor and seen, then the year descending
// through the View menu and through the list's heading; after each filter and
// menu sort the list, the image grid and the cover flow (where there is one)
// show the same movies in the same order with the same current one.
#include "tests/app/TwelveMovies.h"
#include "tests/e2e/E2eSteps.h"

#include <algorithm>

using namespace e2e;

TEST_F(E2e, FiltersAndSorts)
{
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    std::vector<Movie*> movies;
    for (int id = 1; id <= 12; ++id)
        movies.push_back(twelvemovies::makeMovie(twelvemovies::kRows[id - 1], id));
    ASSERT_TRUE(writeCollection("Twelve", movies));
    ASSERT_TRUE(launchToMain()) << app.failure();
    ASSERT_TRUE(statusBecomes("12 of 12 movies shown")) << status();
    ASSERT_TRUE(viewMode("List"));

    struct Filter
    {
        const char* kind;
        const char* value;
        const char* actor;
        const char* status;
        const char* titles;
    };
    const Filter filters[] = {
        {"Genre", "Drama", nullptr, "8 of 12 movies shown", "Alien,Brazil,Heat,Dune,Fargo,Gravity,Hugo,Ikiru"},
        {"Actor", "B...", "Bob Hoskins", "2 of 12 movies shown", "Alien,Dune"},
        {"Seen", nullptr, nullptr, "6 of 12 movies shown", "Alien,Brazil,Babe,Elf,Fargo,Ikiru"},
        {"All", nullptr, nullptr, "12 of 12 movies shown", "Alien,amelie,Brazil,Heat,Babe,Cosmos,Dune,Elf,Fargo,"
                                                          "Gravity,Hugo,Ikiru"},
    };
    for (const Filter& f : filters) {
        ASSERT_TRUE(choose("#filterKind", f.kind)) << f.kind;
        if (f.value) {
            ASSERT_TRUE(choose("#filterValue", f.value)) << f.kind;
        }
        if (f.actor) {
            ASSERT_TRUE(choose("#filterActor", f.actor)) << f.kind;
        }
        ASSERT_TRUE(statusBecomes(f.status)) << f.kind << ": " << status();
        EXPECT_EQ(agreedTitles(f.kind), f.titles);
        app.shot(std::string("filter-") + f.kind);
    }

    const char kYearDescending[] = "Dune,Gravity,Hugo,Elf,amelie,Fargo,Babe,Brazil,Cosmos,Alien,Ikiru,Heat";
    ASSERT_TRUE(menu({"#menuBar \"View\"", "#viewMenu \"Sort Movies by\"", "#sortMenu \"Release Date\""}));
    ASSERT_TRUE(menu({"#menuBar \"View\"", "#viewMenu \"Sort Movies by\"", "#sortMenu \"Descending\""}));
    ASSERT_TRUE(app.waitFor([&] { return views()["sort"].at(1).toInt() == 2; })) << views().write();
    EXPECT_EQ(agreedTitles("View menu"), kYearDescending);
    app.shot("year-descending-menu");

    // Back to titles, then the year's heading clicked until it sorts downwards.
    ASSERT_TRUE(menu({"#menuBar \"View\"", "#viewMenu \"Sort Movies by\"", "#sortMenu \"Title\""}));
    ASSERT_TRUE(menu({"#menuBar \"View\"", "#viewMenu \"Sort Movies by\"", "#sortMenu \"Ascending\""}));
    ASSERT_TRUE(app.waitFor([&] { return views()["sort"].at(1).toInt() == 1; })) << views().write();
    ASSERT_TRUE(app.click("#table UIHeader \"Year\"")) << app.lastReply().write();
    ASSERT_TRUE(app.click("#table UIHeader \"Year\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitFor([&] { return joinedTitles(firstCells("#table", 12)) == kYearDescending; }))
        << joinedTitles(firstCells("#table", 12));
    // The heading sorts the list alone (the model's order, which the grid
    // and the cover flow show, stays by title); they still hold the same
    // movies and the same current one.
    const std::vector<std::string> table = firstCells("#table", 12);
    std::vector<std::string> grid = firstCells("#images", 12);
    EXPECT_EQ(joinedTitles(grid), "Alien,amelie,Babe,Brazil,Cosmos,Dune,Elf,Fargo,Gravity,Heat,Hugo,Ikiru");
    std::vector<std::string> sortedTable = table;
    std::sort(sortedTable.begin(), sortedTable.end());
    std::sort(grid.begin(), grid.end());
    EXPECT_EQ(grid, sortedTable);
    const JsonValue state = views();
    EXPECT_EQ(state["table"].toInt(), state["current"].toInt()) << state.write();
    EXPECT_EQ(state["images"].toInt(), state["current"].toInt()) << state.write();
    app.shot("year-descending-header");
    ASSERT_TRUE(exitThroughTheMenu());
}
