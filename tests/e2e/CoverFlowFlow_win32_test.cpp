// Flow 17: the cover flow through its tab; Left and Right step the covers,
// the wheel steps them too, Ctrl and the wheel move the zoom slider by five,
// and a double click on the selected cover opens the editor on its movie.
#include "tests/app/TwelveMovies.h"
#include "tests/e2e/E2eSteps.h"

using namespace e2e;

namespace {

const char kEditor[] = "\"Edit Movie \xE2\x80\x93 Reelstack\"";

} // namespace

TEST_F(E2e, CoverFlow)
{
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    std::vector<Movie*> movies;
    for (int id = 1; id <= 12; ++id)
        movies.push_back(twelvemovies::makeMovie(twelvemovies::kRows[id - 1], id));
    ASSERT_TRUE(writeCollection("Covers", movies));
    ASSERT_TRUE(launchToMain()) << app.failure();
    ASSERT_TRUE(statusBecomes("12 of 12 movies shown")) << status();

    // Direct3D may start only after the window first showed: the tab is
    // usable once it has.
    const auto tabEnabled = [&] {
        const JsonValue tabs = app.find("#viewTabs");
        const JsonValue* tab = flows::itemAt(&tabs, 2);
        return tab && (*tab)["enabled"].toBool();
    };
    if (!app.waitFor(tabEnabled, 30000) && !views()["coverFlow"].toBool())
        GTEST_SKIP() << "no Direct3D 9 under this Wine";
    ASSERT_TRUE(app.click("#viewTabs \"Cover Flow\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitFor([&] { return views()["mode"].toInt() == 2 && views()["coverVisible"].toBool(); }))
        << views().write();
    ASSERT_TRUE(app.click("#coverFlow"));
    ASSERT_TRUE(app.waitFor([&] { return views()["cover"].toInt() != 0; })) << views().write();
    const int start = views()["cover"].toInt();
    app.shot("cover-flow");

    const JsonValue flow = app.find("#coverFlow");
    const int x = flow["rect"].at(0).toInt() + flow["rect"].at(2).toInt() / 2;
    const int y = flow["rect"].at(1).toInt() + flow["rect"].at(3).toInt() / 2;
    HWND window = flows::mainWindowHandle(app);
    ASSERT_NE(window, nullptr);
    // What a notch of the wheel over the cover flow's centre sends.
    const auto wheel = [&](int delta, bool control) {
        return PostMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(control ? MK_CONTROL : 0, WORD(short(delta))),
                            MAKELPARAM(x, y)) != 0;
    };
    struct Step
    {
        const char* what;
        const char* key; // null: a notch of the wheel
        int delta;
        int cover; // from the start
    };
    const Step steps[] = {
        {"Right", "Right", 0, 1}, {"Right again", "Right", 0, 2}, {"Left", "Left", 0, 1},
        {"wheel towards the user", nullptr, -120, 2}, {"wheel away", nullptr, 120, 1},
    };
    for (const Step& step : steps) {
        ASSERT_TRUE(step.key ? app.pressKey(step.key) : wheel(step.delta, false)) << step.what;
        // The other views follow once the covers have come to rest.
        const int expected = start + step.cover;
        EXPECT_TRUE(app.waitFor([&] {
            const JsonValue state = views();
            return state["cover"].toInt() == expected && state["current"].toInt() == expected &&
                   state["table"].toInt() == expected && state["images"].toInt() == expected;
        })) << step.what << ": " << views().write();
    }
    app.shot("stepped");

    const int selected = start + 1;
    const auto zoom = [&] { return app.find("#zoom")["value"].toInt(); };
    const int before = zoom();
    ASSERT_GE(before, 5) << app.find("#zoom").write();
    ASSERT_TRUE(wheel(120, true));
    ASSERT_TRUE(app.waitFor([&] { return zoom() != before; })) << app.find("#zoom").write();
    EXPECT_EQ(zoom(), before - 5) << "a notch away from the user zooms out by five";
    ASSERT_TRUE(wheel(-120, true));
    ASSERT_TRUE(app.waitFor([&] { return zoom() == before; })) << app.find("#zoom").write();
    EXPECT_EQ(views()["cover"].toInt(), selected) << "Ctrl and the wheel zoom only";
    app.shot("zoomed");

    const std::string title = testsupport::utf8(String(twelvemovies::kRows[selected - 1].title));
    ASSERT_TRUE(app.doubleClick("#coverFlow"));
    ASSERT_TRUE(app.waitForPath(kEditor)) << app.failure();
    ASSERT_TRUE(app.waitFor([&] { return app.find("#main UIWindow UILineEdit")["text"].toText() == title; }))
        << app.find("#main UIWindow UILineEdit").write();
    app.shot("editor");
    ASSERT_TRUE(app.click(std::string(kEditor) + " \"Cancel\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForNoPath(kEditor)) << app.failure();
    ASSERT_TRUE(exitThroughTheMenu());
}
