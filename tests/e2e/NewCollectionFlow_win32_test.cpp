// Flow 2: a new collection, named and authored in its dialog, opens empty;
// "Open Collection..." then lists it beside the Example.
#include "tests/e2e/E2eSteps.h"

#include <algorithm>

using namespace e2e;

TEST_F(E2e, NewCollection)
{
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    ASSERT_TRUE(launchToMain()) << app.failure();
    ASSERT_TRUE(titleNames("Example")) << mainTitle();

    ASSERT_TRUE(menu("Collection", "collectionMenu", "New Collection..."));
    ASSERT_TRUE(app.waitForPath("#newCollection #collectionName")) << app.failure();
    ASSERT_TRUE(typeInto("#collectionName", "Home Movies"));
    ASSERT_TRUE(typeInto("#collectionAuthor", "J. Smith"));
    app.shot("new-collection");
    ASSERT_TRUE(app.click("#newCollection \"OK\""));
    ASSERT_TRUE(app.waitForNoPath("#newCollection")) << app.failure();
    ASSERT_TRUE(titleNames("Home Movies")) << mainTitle();
    app.shot("opened-empty");
    const JsonValue everything = flows::hiddenDump(app);
    const JsonValue* table = flows::findInDump(everything, "table");
    ASSERT_NE(table, nullptr);
    EXPECT_EQ((*table)["rowCount"].toInt(), 0);
    EXPECT_EQ(everything["sections"]["views"]["current"].toInt(), 0) << "no movie is current";
    EXPECT_TRUE(std::filesystem::is_regular_file(testsupport::utf8(flows::collectionPath("Home Movies"))));

    ASSERT_TRUE(menu("Collection", "collectionMenu", "Open Collection..."));
    ASSERT_TRUE(app.waitForPath("#openCollection #collectionNames")) << app.failure();
    ASSERT_TRUE(app.click("#collectionNames"));
    ASSERT_TRUE(app.waitForPath("\"Home Movies (opened)\"")) << "the open one is marked";
    app.shot("open-list");
    // The box's entries carry the mark only in its popup.
    const JsonValue names = app.find("#collectionNames");
    std::vector<std::string> listed;
    for (const JsonValue& item : names["items"].elements()) {
        std::string text = item["text"].toText();
        const std::string mark = " (opened)";
        if (flows::endsWith(text, mark))
            text.erase(text.size() - mark.size());
        listed.push_back(text);
    }
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, (std::vector<std::string>{"Example", "Home Movies"})) << names.write();
    ASSERT_TRUE(app.pressKey("Escape"));
    ASSERT_TRUE(app.click("#openCollection \"Cancel\""));
    ASSERT_TRUE(app.waitForNoPath("#openCollection")) << app.failure();
    EXPECT_TRUE(titleNames("Home Movies")) << "Cancel keeps the open one: " << mainTitle();
    ASSERT_TRUE(exitThroughTheMenu());
}
