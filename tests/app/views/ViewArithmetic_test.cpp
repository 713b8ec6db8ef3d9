// The portable arithmetic of the movie views: stepping, zoom, the sort
// menus and captions.
#include "app/views/MovieCells.h"
#include "app/views/SortMenus.h"
#include "app/views/ViewStepping.h"
#include "app/views/ViewZoom.h"
#include "model/records/Movie.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

TEST(ViewStepping, PreviousAndNextStopAtTheEndsAndStartAtTheFirst)
{
    struct Case
    {
        int current, count;
        bool forward;
        int expected;
    };
    const Case cases[] = {
        {0, 5, false, -1}, {1, 5, false, 0},  {4, 5, false, 3},   {-1, 5, false, 0},
        {-1, 5, true, 0},  {4, 5, true, -1},  {3, 5, true, 4},    {0, 1, true, -1},
        {0, 1, false, -1}, {-1, 0, true, -1}, {-1, 0, false, -1}, {7, 5, true, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(steppedIndex(c.current, c.count, c.forward), c.expected)
            << c.current << " of " << c.count << (c.forward ? " next" : " previous");
}

TEST(ViewZoom, TheSliderMapsToRowsCellsAndCameraDistances)
{
    struct Case
    {
        int value;
        float zoom;
        int rowHeight;
        Size cell;
    };
    const Case cases[] = {
        {0, 0.0f, 24, Size(48, 65)},    {100, 1.0f, 54, Size(165, 220)}, {50, 0.5f, 39, Size(106, 142)},
        {70, 0.7f, 45, Size(130, 173)}, {150, 1.0f, 54, Size(165, 220)}, {-5, 0.0f, 24, Size(48, 65)},
    };
    for (const Case& c : cases) {
        float zoom = viewzoom::fromSlider(c.value, 0, 100);
        EXPECT_FLOAT_EQ(zoom, c.zoom) << c.value;
        EXPECT_EQ(viewzoom::rowHeight(zoom), c.rowHeight) << c.value;
        EXPECT_EQ(viewzoom::imageCellSize(zoom), c.cell) << c.value;
    }
    EXPECT_FLOAT_EQ(viewzoom::fromSlider(5, 3, 3), 0.0f) << "an empty range";
    EXPECT_EQ(viewzoom::sliderValue(0.7f), 70);
    EXPECT_EQ(viewzoom::sliderValue(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_FLOAT_EQ(viewzoom::cameraDistance(900.0f, 300.0f, 0.0f), 900.0f);
    EXPECT_FLOAT_EQ(viewzoom::cameraDistance(900.0f, 300.0f, 1.0f), 300.0f);
    EXPECT_FLOAT_EQ(viewzoom::cameraDistance(900.0f, 300.0f, 0.25f), 750.0f);
}

TEST(SortMenus, ChecksFollowTheModelAndChoicesKeepWhatTheyDoNotChange)
{
    struct Check
    {
        int mode, order, orderItem, modeItem;
    };
    const Check checks[] = {
        {0, 1, 0, 3}, {1, 2, 1, 4}, {2, 1, 0, 5}, {3, 2, 1, 6}, {4, 0, -1, -1}, {-1, 3, -1, -1},
    };
    for (const Check& c : checks) {
        sortmenus::Checks got = sortmenus::checksFor(c.mode, c.order);
        EXPECT_EQ(got.orderItem, c.orderItem) << c.mode << "/" << c.order;
        EXPECT_EQ(got.modeItem, c.modeItem) << c.mode << "/" << c.order;
    }
    struct Choice
    {
        const char* what;
        int index;
        bool ascendingChecked;
        int currentMode, mode, order;
    };
    const Choice choices[] = {
        {"Descending keeps the mode", 1, false, 2, 2, 2},
        {"Ascending keeps the mode", 0, true, 3, 3, 1},
        {"Title keeps the order", 3, false, 2, 0, 2},
        {"Release Date keeps the order", 4, true, 0, 1, 1},
        {"Date Modified", 6, true, 0, 3, 1},
    };
    for (const Choice& c : choices) {
        sortmenus::Choice got = sortmenus::choiceFor(c.index, c.ascendingChecked, c.currentMode);
        EXPECT_EQ(got.mode, c.mode) << c.what;
        EXPECT_EQ(got.order, c.order) << c.what;
    }
}

TEST(MovieCells, CaptionsAndRatingImagesByYearAndRating)
{
    struct Case
    {
        int year;
        float rating;
        const char16_t* caption;
        const char16_t* image;
    };
    const Case cases[] = {
        {0, 0.0f, u"Heat", u"star-small-0"},
        {-5, 3.7f, u"Heat (-5)", u"star-small-3"},
        {1995, 4.99f, u"Heat (1995)", u"star-small-4"},
        {2000, std::numeric_limits<float>::quiet_NaN(), u"Heat (2000)", u"star-small-0"},
        // A damaged file's rating shows as the nearest end of the scale.
        {2001, 10.0f, u"Heat (2001)", u"star-small-10"},
        {2002, 10.5f, u"Heat (2002)", u"star-small-10"},
        {2003, 3.0e9f, u"Heat (2003)", u"star-small-10"},
        {2004, std::numeric_limits<float>::max(), u"Heat (2004)", u"star-small-10"},
        {2005, std::numeric_limits<float>::infinity(), u"Heat (2005)", u"star-small-10"},
        {2006, -0.5f, u"Heat (2006)", u"star-small-0"},
        {2007, -3.0e9f, u"Heat (2007)", u"star-small-0"},
        {2008, -std::numeric_limits<float>::infinity(), u"Heat (2008)", u"star-small-0"},
        {2009, -std::numeric_limits<float>::quiet_NaN(), u"Heat (2009)", u"star-small-0"},
    };
    for (const Case& c : cases) {
        Movie movie;
        movie.title = String(u"Heat");
        movie.year = c.year;
        movie.myRating = c.rating;
        EXPECT_EQ(MovieCells::caption(movie), String(c.caption)) << c.year;
        EXPECT_EQ(MovieCells::ratingImageName(movie), String(c.image)) << c.rating;
    }
}
