// The loans window and the options of reelstack.exe driven from outside:
// "Manage Loans..." opens the loans window over the example collection, and
// choosing German in the options asks to restart; "Restart Now" ends the
// program with German stored for the next start, and its helper brings it
// back to the driver (the channel records the helper's start and lets it
// run).
#include "foundation/data/ConfigFile.h"
#include "foundation/data/Variant.h"
#include "tests/support/AppDriver.h"

#include <gtest/gtest.h>

#include <string>

using testsupport::AppDriver;

namespace {

std::string storedLanguage()
{
    ConfigFile config(String(u"config.dat"), String(u"Reelstack"), ConfigFile::kUserData, ConfigFile::kXml);
    if (!config.load())
        return "(no configuration)";
    const String value = config.value(String(u"model/language"), Variant()).toString();
    std::string text;
    for (int i = 0; i < value.length(); ++i)
        text += char(value.at(i));
    return text;
}

TEST(LoansAndOptionsFlow, ManageLoansAndARestartInGerman)
{
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    AppDriver app;
    ASSERT_TRUE(app.launch()) << app.failure();
    ASSERT_TRUE(app.waitForPath("#main", 60000)) << app.failure();

    ASSERT_TRUE(app.openAndClick({"#menuBar \"Loans\"", "#loansMenu \"Manage Loans...\""}))
        << app.lastReply().write();
    ASSERT_TRUE(app.waitForPath("#loans")) << app.failure();
    app.shot("loans");
    ASSERT_TRUE(app.click("#loans \"Close\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForNoPath("#loans")) << app.failure();

    ASSERT_TRUE(app.openAndClick({"#menuBar \"Tools\"", "#toolsMenu \"Options...\""}))
        << app.lastReply().write();
    ASSERT_TRUE(app.waitForPath("#options")) << app.failure();
    ASSERT_TRUE(app.chooseEntry("#language", "Deutsch")) << app.find("#language").write();
    app.shot("options-german");
    ASSERT_TRUE(app.click("#optionsOk")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForPath("\"Restart Now\"")) << app.failure();
    app.shot("restart-question");
    ASSERT_TRUE(app.click("\"Restart Now\"")) << app.lastReply().write();
    EXPECT_EQ(app.waitForExit(), 0) << "the program shuts down once the helper was started";
    EXPECT_EQ(storedLanguage(), "German");
    ASSERT_TRUE(app.acceptRestart()) << app.failure();
    EXPECT_TRUE(app.waitForPath("#main", 60000)) << app.failure();
    // The driver going ends the new instance too.
}

TEST(LoansAndOptionsFlow, DialogsOpenOverEachOtherAreClosedInnermostFirstAndTheProgramEndsWell)
{
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    AppDriver app;
    ASSERT_TRUE(app.launch()) << app.failure();
    ASSERT_TRUE(app.waitForPath("#main", 60000)) << app.failure();
    ASSERT_TRUE(app.openAndClick({"#menuBar \"Loans\"", "#loansMenu \"Manage Loans...\""}))
        << app.lastReply().write();
    ASSERT_TRUE(app.waitForPath("#loans")) << app.failure();
    ASSERT_TRUE(app.click("#loans \"Add Loaner...\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForPath("#loans UIWindow UILineEdit")) << app.failure();
    app.closeDialogs();
    EXPECT_FALSE(app.exists("#loans")) << "both dialogs";
    ASSERT_TRUE(app.openAndClick({"#menuBar \"Collection\"", "#collectionMenu \"Exit\""}))
        << app.lastReply().write();
    EXPECT_EQ(app.waitForExit(), 0);
}

} // namespace
