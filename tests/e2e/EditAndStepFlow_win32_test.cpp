// Flow 8: a change in the movie editor, a step to the next movie, another
// change, Cancel: the step saved the first change, Cancel dropped the second.
#include "tests/e2e/E2eSteps.h"

using namespace e2e;

namespace {

Movie* titled(int id, const char16_t* title)
{
    auto* movie = new Movie;
    movie->id = id;
    movie->title = String(title);
    return movie;
}

} // namespace

TEST_F(E2e, EditAndStep)
{
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    ASSERT_TRUE(writeCollection("Steps", {titled(1, u"Alpha"), titled(2, u"Beta"), titled(3, u"Gamma")}));
    ASSERT_TRUE(launchToMain()) << app.failure();
    ASSERT_TRUE(titleNames("Steps")) << mainTitle();
    ASSERT_TRUE(viewMode("List"));
    ASSERT_TRUE(app.click("#table \"Alpha\"")) << app.lastReply().write();
    ASSERT_TRUE(menu("Movie", "movieMenu", "Edit Selected Movie..."));
    const std::string title = "#main UIWindow UILineEdit";
    ASSERT_TRUE(app.waitForPath("\"Next Movie (Beta)\"")) << app.failure();
    ASSERT_TRUE(typeInto(title, "Alpha Changed"));
    ASSERT_TRUE(app.waitFor([&] { return app.find(title)["text"].toText() == "Alpha Changed"; }));
    app.shot("first-change");
    ASSERT_TRUE(app.click("\"Next Movie (Beta)\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitFor([&] { return app.find(title)["text"].toText() == "Beta"; })) << app.failure();
    ASSERT_TRUE(typeInto(title, "Beta Changed"));
    ASSERT_TRUE(app.waitFor([&] { return app.find(title)["text"].toText() == "Beta Changed"; }));
    app.shot("second-change");
    ASSERT_TRUE(app.click("\"Cancel\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForNoPath("\"Next Movie (Gamma)\"")) << app.failure();
    EXPECT_TRUE(app.exists("#table \"Alpha Changed\""));
    EXPECT_TRUE(app.exists("#table \"Beta\""));
    EXPECT_FALSE(app.exists("#table \"Beta Changed\""));
    ASSERT_TRUE(exitThroughTheMenu());
    EXPECT_EQ(titlesOnDisk("Steps"), (std::vector<std::string>{"Alpha Changed", "Beta", "Gamma"}));
}
