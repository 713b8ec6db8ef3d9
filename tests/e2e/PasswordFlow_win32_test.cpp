// Flow 13: the Example protected, another collection opened, then the
// Example chosen again: the password is asked; a wrong one (and Cancel)
// keeps the other collection open, the right one opens the Example.
#include "tests/e2e/E2eSteps.h"

using namespace e2e;

namespace {

const char kPassword[] = "Secret1";

} // namespace

TEST_F(E2e, Password)
{
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    ASSERT_TRUE(launchToMain()) << app.failure();
    ASSERT_TRUE(titleNames("Example")) << mainTitle();

    ASSERT_TRUE(menu("Collection", "collectionMenu", "Password Protection..."));
    ASSERT_TRUE(app.waitForPath("#passwordProtection #newPassword")) << app.failure();
    ASSERT_TRUE(app.typeText(kPassword, "#newPassword"));
    app.shot("protect");
    ASSERT_TRUE(app.click("#passwordProtection \"Set Password\""));
    ASSERT_TRUE(app.waitForNoPath("#passwordProtection")) << app.failure();

    ASSERT_TRUE(menu("Collection", "collectionMenu", "New Collection..."));
    ASSERT_TRUE(app.waitForPath("#newCollection #collectionName")) << app.failure();
    ASSERT_TRUE(typeInto("#collectionName", "Other"));
    ASSERT_TRUE(app.click("#newCollection \"OK\""));
    ASSERT_TRUE(app.waitForNoPath("#newCollection")) << app.failure();
    ASSERT_TRUE(titleNames("Other")) << mainTitle();
    CollectionFile files(testsupport::text(AppDriver::dataFolder()));
    EXPECT_FALSE(files.peekPassword(flows::collectionPath("Example")).isEmpty()) << "protected on disk";

    struct Attempt
    {
        const char* typed; // null: Cancel
        const char* opens;
    };
    const Attempt attempts[] = {{"secret1", "Other"}, {nullptr, "Other"}, {kPassword, "Example"}};
    for (const Attempt& a : attempts) {
        const std::string what = a.typed ? a.typed : "Cancel";
        ASSERT_TRUE(menu("Collection", "collectionMenu", "Open Collection...")) << what;
        ASSERT_TRUE(app.waitForPath("#openCollection #collectionNames")) << app.failure();
        ASSERT_TRUE(choose("#collectionNames", "Example")) << what;
        ASSERT_TRUE(app.click("#openCollection \"Open\""));
        ASSERT_TRUE(app.waitForPath("#passwordPrompt #password")) << what << ": " << app.failure();
        app.shot("asked");
        if (!a.typed) {
            ASSERT_TRUE(app.click("#passwordPrompt \"Cancel\""));
        } else {
            ASSERT_TRUE(app.typeText(a.typed, "#password"));
            ASSERT_TRUE(app.pressKey("Enter"));
        }
        if (a.typed && std::string(a.opens) == "Other") {
            // Refused on the spot with a balloon: the prompt stays until
            // given up.
            ASSERT_TRUE(app.waitForPath("#passwordPrompt \"The password you have typed is incorrect. "
                                        "Retype the password.\""))
                << what << ": " << app.failure();
            app.shot("refused");
            ASSERT_TRUE(app.click("#passwordPrompt \"Cancel\""));
        }
        ASSERT_TRUE(app.waitForNoPath("#passwordPrompt")) << what;
        ASSERT_TRUE(flows::waitForMain(app));
        EXPECT_TRUE(titleNames(a.opens)) << what << ": " << mainTitle();
    }
    EXPECT_EQ(titlesOnDisk("Other").size(), 0u);
    ASSERT_TRUE(exitThroughTheMenu());
}
