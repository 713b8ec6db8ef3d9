// Every window of reelstack.exe opened once over the example collection, as a
// user reaches it (menus, tool bars, the editors' own buttons), and closed
// again; then no picture any of them asked the data archive for was missing.
// A window that names a picture the archive does not hold shows an empty
// button or row where its icon belongs, so this is checked after the windows
// have opened, not before.
#include "tests/flows/FlowSteps.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace flows;

namespace {

const char kDash[] = "\xE2\x80\x93";

// The path of the program's window with that title.
std::string titled(const std::string& title)
{
    return "\"" + title + " " + kDash + " Reelstack\"";
}

class EveryWindowFlow : public testing::Test
{
protected:
    void TearDown() override
    {
        if (HasFailure())
            app.recordFailure();
    }

    bool menu(const std::string& bar, const std::string& menuId, const std::string& item)
    {
        return app.openAndClick({"#menuBar \"" + bar + "\"", "#" + menuId + " \"" + item + "\""});
    }
    // Waits for the window, leaves a shot, and closes it with its button.
    bool closeWith(const std::string& window, const std::string& button, const std::string& shot)
    {
        if (!app.waitForPath(window))
            return false;
        app.shot(shot);
        return app.click(window + " \"" + button + "\"") && app.waitForNoPath(window);
    }
    bool openAndClose(const std::string& bar, const std::string& menuId, const std::string& item,
                      const std::string& window, const std::string& button)
    {
        return menu(bar, menuId, item) && closeWith(window, button, item);
    }
    // Adding a movie to the example collection first offers a collection of
    // one's own; "No" goes on with the example.
    bool goOnWithTheExample()
    {
        const std::string question = "\"This is the Example collection.\"";
        if (!app.waitForPath(question))
            return false;
        app.shot("example-question");
        return app.click("\"No\"") && app.waitForNoPath(question);
    }
    // The first child dialog of the window, closed by Escape.
    bool escapeChildOf(const std::string& window, const std::string& shot)
    {
        const std::string child = window + " UIWindow UIButton";
        if (!app.waitForPath(child))
            return false;
        app.shot(shot);
        return app.pressKey("Escape") && app.waitForNoPath(child);
    }
    std::vector<std::string> missingImages()
    {
        std::vector<std::string> names;
        for (const JsonValue& name : app.dump()["sections"]["missingImages"].elements())
            names.push_back(name.toText());
        return names;
    }

    AppDriver app;
};

} // namespace

TEST_F(EveryWindowFlow, NoWindowAsksForAPictureTheDataDoesNotHold)
{
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    ASSERT_TRUE(app.launch()) << app.failure();
    ASSERT_TRUE(waitForMain(app)) << app.failure();
    ASSERT_TRUE(waitForCoverFlowKnown(app)) << app.failure();
    // Wide enough for every column of the list, the own rating's too.
    HWND window = mainWindowHandle(app);
    ASSERT_TRUE(window && SetWindowPos(window, nullptr, 0, 0, 1270, 1000, SWP_NOZORDER | SWP_NOACTIVATE));
    ASSERT_TRUE(app.waitFor([&] { return app.find("#main")["rect"].at(2).toInt() > 1200; }))
        << app.find("#main").write();
    // The example's movies fill the list with their own ratings.
    ASSERT_TRUE(app.waitFor([&] {
        const std::string status = app.find("#status")["text"].toText();
        return !status.empty() && status.rfind("0 ", 0) != 0;
    })) << app.find("#status").write();
    const bool coverFlow = app.dump()["sections"]["views"]["coverFlow"].toBool();
    for (const char* view : {"Images", "Cover Flow", "List"}) {
        if (std::string(view) != "Cover Flow" || coverFlow) {
            ASSERT_TRUE(menu("View", "viewMenu", view)) << view;
        }
    }
    app.shot("list");

    // The collection's windows.
    ASSERT_TRUE(
        openAndClose("Collection", "collectionMenu", "New Collection...", "#newCollection", "Cancel"));
    ASSERT_TRUE(
        openAndClose("Collection", "collectionMenu", "Open Collection...", "#openCollection", "Cancel"));
    ASSERT_TRUE(openAndClose("Collection", "collectionMenu", "Password Protection...", "#passwordProtection",
                             "Cancel"));

    // The movie editor: every page, and every window its pages open.
    ASSERT_TRUE(menu("Movie", "movieMenu", "Add Movie..."));
    ASSERT_TRUE(goOnWithTheExample()) << app.lastReply().write();
    const std::string editor = titled("Add Movie");
    ASSERT_TRUE(app.waitForPath(editor)) << app.failure();
    ASSERT_TRUE(app.click(editor + " \"Options...\""));
    ASSERT_TRUE(escapeChildOf(editor, "extract-options")) << app.failure();
    struct Page
    {
        const char* name;
        const char* add; // the tool bar's add button; null for none
        const char* window;
    };
    const Page pages[] = {
        {"Additional", nullptr, nullptr},
        {"Cast & Crew", "Add Actor...", "Add Actor"},
        {"Cast & Crew", "Add Crew Member...", "Add Crew Member"},
        {"Episodes", "Add Episode...", "Add Episode"},
        {"Plot, Notes & Tags", nullptr, nullptr},
        {"Links", "Add Link...", "Add Link"},
        {"Display", nullptr, nullptr},
        {"General", nullptr, nullptr},
    };
    for (const Page& page : pages) {
        ASSERT_TRUE(app.click(editor + " UITabBar \"" + page.name + "\"")) << page.name;
        app.shot(page.name);
        if (!page.add)
            continue;
        ASSERT_TRUE(app.click(editor + " \"" + page.add + "\"")) << page.add;
        ASSERT_TRUE(closeWith(titled(page.window), "Cancel", page.window)) << app.failure();
    }
    ASSERT_TRUE(closeWith(editor, "Cancel", "add-movie"));
    ASSERT_TRUE(openAndClose("Movie", "movieMenu", "Edit Selected Movie...", titled("Edit Movie"), "Cancel"));
    // These windows come without the offer: it is made only as the movie
    // editor opens to add.
    ASSERT_TRUE(menu("Movie", "movieMenu", "Add Movie by Bar Code..."));
    ASSERT_TRUE(closeWith(titled("Add Movie by Bar Code"), "Cancel", "bar-code")) << app.failure();
    ASSERT_TRUE(menu("Movie", "movieMenu", "Add Movies by Scanning Folder..."));
    ASSERT_TRUE(closeWith("#scanFolder", "Cancel", "scan-folder")) << app.failure();

    // The loans window and both its editors.
    ASSERT_TRUE(menu("Loans", "loansMenu", "Manage Loans..."));
    ASSERT_TRUE(app.waitForPath("#loans")) << app.failure();
    const std::string loanEditor = "#loans UIWindow";
    ASSERT_TRUE(app.click("#loans \"Add Loaner...\""));
    ASSERT_TRUE(app.waitForPath(loanEditor + " UILineEdit")) << app.failure();
    ASSERT_TRUE(app.typeText("Anna", loanEditor + " UILineEdit"));
    app.shot("loaner");
    ASSERT_TRUE(app.click(loanEditor + " \"OK\""));
    ASSERT_TRUE(app.waitForPath("#loans UITable \"Anna\"")) << app.failure();
    ASSERT_TRUE(app.click("#loans UITable \"Anna\""));
    ASSERT_TRUE(app.click("#loans \"Add Loan...\""));
    ASSERT_TRUE(closeWith(loanEditor, "Cancel", "loan")) << app.failure();
    ASSERT_TRUE(closeWith("#loans", "Close", "loans"));

    // The tools and the help.
    ASSERT_TRUE(openAndClose("Tools", "toolsMenu", "Statistics...", "#statistics", "Close"));
    ASSERT_TRUE(openAndClose("Tools", "toolsMenu", "Import from Text File...",
                             titled("Import from Text File"), "Cancel"));
    ASSERT_TRUE(openAndClose("Tools", "toolsMenu", "Export to Text File...", titled("Export to Text File"),
                             "Cancel"));
    ASSERT_TRUE(openAndClose("Tools", "toolsMenu", "Options...", "#options", "Cancel"));
    ASSERT_TRUE(openAndClose("Help", "helpMenu", "About Reelstack...", "#about", "Close"));
    ASSERT_TRUE(openAndClose("Help", "helpMenu", "Send Feedback...", "#feedback", "Cancel"));

    // The prompt of a protected collection, reading the example again.
    ASSERT_TRUE(menu("Collection", "collectionMenu", "Password Protection..."));
    ASSERT_TRUE(app.waitForPath("#passwordProtection #newPassword")) << app.failure();
    ASSERT_TRUE(app.typeText("Secret1", "#newPassword"));
    ASSERT_TRUE(app.waitFor([&] { return app.find("#newPassword")["text"].toText() == "Secret1"; }));
    ASSERT_TRUE(app.click("#passwordProtection \"Set Password\""));
    ASSERT_TRUE(app.waitForNoPath("#passwordProtection")) << app.failure();
    // The password reaches the file when the collection is read again; the
    // next reading asks for it.
    auto reopen = [&] {
        return menu("Collection", "collectionMenu", "Open Collection...") &&
               app.waitForPath("#openCollection #collectionNames") &&
               app.chooseEntry("#collectionNames", "Example (opened)") &&
               app.click("#openCollection \"Open\"") && app.waitForNoPath("#openCollection");
    };
    ASSERT_TRUE(reopen()) << app.lastReply().write();
    ASSERT_TRUE(app.waitFor([&] { return mainTitle(app).find("Example") != std::string::npos; }));
    ASSERT_TRUE(reopen()) << app.lastReply().write();
    ASSERT_TRUE(app.waitForPath("#passwordPrompt #password")) << app.failure();
    app.shot("password-prompt");
    ASSERT_TRUE(app.typeText("Secret1", "#passwordPrompt #password"));
    ASSERT_TRUE(
        app.waitFor([&] { return app.find("#passwordPrompt #password")["text"].toText() == "Secret1"; }));
    ASSERT_TRUE(app.click("#passwordPrompt \"OK\""));
    ASSERT_TRUE(app.waitForNoPath("#passwordPrompt")) << app.failure();

    EXPECT_EQ(missingImages(), std::vector<std::string>());
    ASSERT_TRUE(menu("Collection", "collectionMenu", "Exit"));
    EXPECT_EQ(app.waitForExit(), 0);
}
