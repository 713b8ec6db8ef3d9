// Flow 15: the statistics window over a collection whose five figures are
// known: three movies, 195 minutes, Drama three times, Acme twice, and
// completeness scores of 29, 24 and 19.
#include "tests/e2e/E2eSteps.h"

using namespace e2e;

namespace {

Movie* knownMovie(int id, const char16_t* title, std::vector<const char16_t*> genres, const char16_t* studio,
                  int year, int minutes)
{
    auto* movie = new Movie;
    movie->id = id;
    movie->title = String(title);
    for (const char16_t* genre : genres)
        movie->genres.append(String(genre));
    movie->studios.append(String(studio));
    movie->year = year;
    movie->runningTime = minutes;
    return movie;
}

} // namespace

TEST_F(E2e, Statistics)
{
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    ASSERT_TRUE(writeCollection("Known", {knownMovie(1, u"Alpha", {u"Drama"}, u"Acme", 1990, 100),
                                          knownMovie(2, u"Beta", {u"Drama", u"Comedy"}, u"Acme", 0, 95),
                                          knownMovie(3, u"Gamma", {u"Drama"}, u"Zenith", 0, 0)}));
    ASSERT_TRUE(launchToMain()) << app.failure();
    ASSERT_TRUE(titleNames("Known")) << mainTitle();
    ASSERT_TRUE(app.click("#toolBar \"Statistics...\""));
    ASSERT_TRUE(app.waitForPath("#statistics")) << app.failure();
    app.shot("statistics");
    const char* const figures[] = {"3 Movies", "3 Hours 15 Minutes (0.1 Days)", "Drama", "Acme", "24%"};
    for (const char* figure : figures)
        EXPECT_TRUE(app.exists("#statistics \"" + std::string(figure) + "\"")) << figure;
    EXPECT_FALSE(app.exists("#statistics \"...\"")) << "every figure was filled";
    ASSERT_TRUE(app.click("#statistics \"Close\""));
    ASSERT_TRUE(app.waitForNoPath("#statistics")) << app.failure();
    ASSERT_TRUE(exitThroughTheMenu());
}
