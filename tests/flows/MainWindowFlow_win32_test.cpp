// The main window of reelstack.exe driven from outside, as a user would:
// first start, menus, close and "Exit". Each step leaves a shot when
// REELSTACK_SHOTS is set.
#include "tests/support/AppDriver.h"

#include <gtest/gtest.h>

#include <string>

using testsupport::AppDriver;

namespace {

// The window node of the dump whose id is wanted; null when none.
const JsonValue* windowNode(const JsonValue& dump, const std::string& id)
{
    for (const JsonValue& window : dump["windows"].elements()) {
        if (window["id"].toText() == id)
            return &window;
    }
    return nullptr;
}

TEST(MainWindowFlow, FirstStartShowsTheEmptyWindowAndExitEndsWithZero)
{
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    AppDriver app;
    ASSERT_TRUE(app.launch()) << app.failure();
    ASSERT_TRUE(app.waitForPath("#main", 60000)) << app.failure();
    app.shot("first-start");
    JsonValue dump = app.dump();
    const JsonValue* main = windowNode(dump, "main");
    ASSERT_NE(main, nullptr) << dump.write();
    EXPECT_TRUE((*main)["visible"].toBool());

    ASSERT_TRUE(app.click("#menuBar \"Collection\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForPath("#collectionMenu \"Exit\"")) << app.failure();
    app.shot("collection-menu");
    ASSERT_TRUE(app.click("#collectionMenu \"Exit\"")) << app.lastReply().write();
    EXPECT_EQ(app.waitForExit(), 0);
}

} // namespace
