// Restoring and saving a window's place: the pure rules over a work area of
// 1000 x 700 below a task bar of 40 pixels at the top, and the keys they
// read and write.
#include "app/window/WindowGeometry.h"
#include "foundation/data/ConfigFile.h"
#include "foundation/data/Variant.h"
#include "tests/app/RegisteredConfig.h"

#include <gtest/gtest.h>

namespace {

const Rect kWorkArea(0, 40, 1000, 700);
const Size kHint(300, 200);
// A frame without borders: its client area is the frame itself.
const Rect kNoMargins(0, 0, 0, 0);

int32_t intAt(const ConfigFile& config, const char16_t* key)
{
    return config.value(String(key), Variant()).toInt();
}

} // namespace

TEST(WindowGeometry, RestoredPlaceFollowsTheWorkArea)
{
    struct Case
    {
        const char* what;
        StoredGeometry stored;
        bool position, size;
        Size hint;
        bool resize;
        Size expectedSize;
        bool move;
        Point expectedPosition;
    };
    const Case cases[] = {
        {"never saved: hint size, centred",
         {-1, -1, -1, -1},
         true,
         true,
         kHint,
         true,
         kHint,
         true,
         {350, 290}},
        {"inside keeps its place", {10, 50, 400, 300}, true, true, kHint, true, {400, 300}, true, {10, 50}},
        {"touching right and bottom edges stays",
         {600, 440, 400, 300},
         true,
         true,
         kHint,
         true,
         {400, 300},
         true,
         {600, 440}},
        {"one pixel past the right edge is centred",
         {601, 440, 400, 300},
         true,
         true,
         kHint,
         true,
         {400, 300},
         true,
         {300, 240}},
        {"above the work area's top is centred",
         {10, 39, 400, 300},
         true,
         true,
         kHint,
         true,
         {400, 300},
         true,
         {300, 240}},
        {"smaller than the layout is raised to the hint",
         {10, 50, 100, 50},
         true,
         true,
         kHint,
         true,
         kHint,
         true,
         {10, 50}},
        {"larger than the work area is cut to it",
         {0, 40, 1600, 1200},
         true,
         true,
         kHint,
         true,
         {1000, 700},
         true,
         {0, 40}},
        {"cut, and centred when placed off screen",
         {-300, -200, 1600, 1200},
         true,
         true,
         kHint,
         true,
         {1000, 700},
         true,
         {0, 40}},
        {"a hint beyond the area wins; the title bar stays on screen",
         {-1, -1, -1, -1},
         true,
         true,
         {1200, 900},
         true,
         {1200, 900},
         true,
         {0, 40}},
        {"position only: the hint decides, nothing is resized",
         {650, 50, 900, 900},
         true,
         false,
         kHint,
         false,
         kHint,
         true,
         {650, 50}},
        {"position only, the hint past the edge",
         {750, 50, 100, 100},
         true,
         false,
         kHint,
         false,
         kHint,
         true,
         {350, 290}},
        {"size only: never moved",
         {5000, 5000, 400, 300},
         false,
         true,
         kHint,
         true,
         {400, 300},
         false,
         {0, 0}},
    };
    for (const Case& c : cases) {
        RestoredPlacement placed =
            placeRestoredWindow(c.stored, c.hint, kNoMargins, kWorkArea, c.position, c.size);
        EXPECT_EQ(placed.resize, c.resize) << c.what;
        if (c.resize) {
            EXPECT_EQ(placed.size.width, c.expectedSize.width) << c.what;
            EXPECT_EQ(placed.size.height, c.expectedSize.height) << c.what;
        }
        EXPECT_EQ(placed.move, c.move) << c.what;
        if (c.move) {
            EXPECT_EQ(placed.position.x, c.expectedPosition.x) << c.what;
            EXPECT_EQ(placed.position.y, c.expectedPosition.y) << c.what;
        }
    }
}

TEST(WindowGeometry, WithoutAWorkAreaTheWindowIsNotMoved)
{
    RestoredPlacement placed = placeRestoredWindow({10, 10, 400, 300}, kHint, kNoMargins, Rect(), true, true);
    EXPECT_FALSE(placed.move);
    EXPECT_EQ(placed.size.width, 400);
    EXPECT_EQ(placed.size.height, 300);
}

TEST(WindowGeometry, SavingWritesOnlyWhatIsAskedAndOnlyOnTheDesktop)
{
    const Rect desktop(-1280, 0, 3200, 1080);
    struct Case
    {
        const char* what;
        Rect frame;
        bool position, size;
        bool written;
        int32_t left, top, width, height;
    };
    const Case cases[] = {
        {"all four", {100, 120, 640, 480}, true, true, true, 100, 120, 640, 480},
        {"on the left monitor", {-1000, 5, 640, 480}, true, true, true, -1000, 5, 640, 480},
        {"position only", {30, 40, 640, 480}, true, false, true, 30, 40, -1, -1},
        {"size only", {30, 40, 640, 480}, false, true, true, -1, -1, 640, 480},
        {"minimised far off screen keeps the old values",
         {-32000, -32000, 160, 28},
         true,
         true,
         false,
         -1,
         -1,
         -1,
         -1},
        {"the desktop's right edge is outside", {1920, 10, 640, 480}, true, true, false, -1, -1, -1, -1},
    };
    for (const Case& c : cases) {
        RegisteredConfig config;
        EXPECT_EQ(
            writeWindowGeometry(config, String(u"Main"), c.frame, kNoMargins, desktop, c.position, c.size),
            c.written)
            << c.what;
        EXPECT_EQ(intAt(config, u"view/windowMainLeft"), c.left) << c.what;
        EXPECT_EQ(intAt(config, u"view/windowMainTop"), c.top) << c.what;
        EXPECT_EQ(intAt(config, u"view/windowMainWidth"), c.width) << c.what;
        EXPECT_EQ(intAt(config, u"view/windowMainHeight"), c.height) << c.what;
    }
}

// A window that keeps only its position has no size keys: what it writes
// there is dropped, and reading them gives 0, which the hint raises.
TEST(WindowGeometry, KeysAWindowDoesNotRegisterAreNeitherWrittenNorInvented)
{
    RegisteredConfig config;
    int count = config.count();
    ASSERT_TRUE(writeWindowGeometry(config, String(u"Options"), Rect(50, 60, 640, 480), kNoMargins,
                                    Rect(0, 0, 1920, 1080), true, true));
    EXPECT_EQ(config.count(), count);
    StoredGeometry stored = readStoredGeometry(config, String(u"Options"));
    EXPECT_EQ(stored.left, 50);
    EXPECT_EQ(stored.top, 60);
    EXPECT_EQ(stored.width, 0);
    EXPECT_EQ(stored.height, 0);
    RestoredPlacement placed = placeRestoredWindow(stored, kHint, kNoMargins, kWorkArea, true, false);
    EXPECT_EQ(placed.position.x, 50);
    EXPECT_EQ(placed.position.y, 60);
}

TEST(WindowGeometry, WhatIsSavedIsRestoredInPlace)
{
    RegisteredConfig config;
    ASSERT_TRUE(writeWindowGeometry(config, String(u"Loans"), Rect(120, 80, 520, 410), kNoMargins, kWorkArea,
                                    true, true));
    RestoredPlacement placed = placeRestoredWindow(readStoredGeometry(config, String(u"Loans")), kHint,
                                                   kNoMargins, kWorkArea, true, true);
    EXPECT_EQ(placed.position.x, 120);
    EXPECT_EQ(placed.position.y, 80);
    EXPECT_EQ(placed.size.width, 520);
    EXPECT_EQ(placed.size.height, 410);
}

// Frames as Wine reports them under a window manager (openbox, a screen of
// 1280 x 1024 without panels) for the main window, whose frame size hint is
// 577 x 427. The manager draws a 20 pixel title bar and 1 pixel edges (5 at
// the bottom) around the client area it places; Wine reports the frame as
// its own borders around that client area, 4 pixels and a 23 pixel title
// bar. A window against the top of the screen so reads as a frame starting
// 3 pixels above it, one against the left edge 3 pixels left of it, and one
// in the bottom right corner as a frame ending 3 pixels past the right edge.
TEST(WindowGeometry, AWindowThatAWindowManagerPlacedOnScreenIsKeptAndReopensThere)
{
    const Rect screen(0, 0, 1280, 1024);
    const Rect margins(4, 23, 4, 4);
    const Size hint(577, 427);
    struct Case
    {
        const char* what;
        Rect frame;
        bool kept;
    };
    const Case cases[] = {
        {"client at (20, 20), 1200 x 900", {16, -3, 1208, 927}, true},
        {"client at (20, 60)", {16, 37, 1208, 927}, true},
        {"in the middle", {296, 227, 708, 527}, true},
        {"the manager's frame at the left edge", {-3, 277, 708, 527}, true},
        {"the manager's frame in the bottom right corner", {75, 96, 1208, 927}, true},
        {"the client area a pixel above the screen", {16, -24, 1208, 927}, false},
        {"minimised, parked far off screen", {-32000, -32000, 1208, 927}, false},
    };
    for (const Case& c : cases) {
        RegisteredConfig config;
        EXPECT_EQ(writeWindowGeometry(config, String(u"Main"), c.frame, margins, screen, true, true), c.kept)
            << c.what;
        RestoredPlacement placed = placeRestoredWindow(readStoredGeometry(config, String(u"Main")), hint,
                                                       margins, screen, true, true);
        // With nothing kept the window opens as on the first start: centred
        // at its hint.
        Rect expected = c.kept ? c.frame : Rect((1280 - 577) / 2, (1024 - 427) / 2, 577, 427);
        EXPECT_EQ(placed.position.x, expected.x) << c.what;
        EXPECT_EQ(placed.position.y, expected.y) << c.what;
        EXPECT_EQ(placed.size.width, expected.width) << c.what;
        EXPECT_EQ(placed.size.height, expected.height) << c.what;
    }
}
