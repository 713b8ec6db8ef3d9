// Collections in reelstack.exe driven from outside: which one opens at
// start, New, Open, password protection, damaged and read-only files, and
// the commands of both states. The title ends with the collection and the
// product name once one is open; "Reelstack" alone means none is.
#include "tests/flows/FlowSteps.h"

#include "foundation/io/File.h"
#include "tests/support/TestPrefix.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

using namespace flows;

namespace {

const char kNoCollection[] = "Reelstack";

bool opensWith(const std::string& title, const std::string& collection)
{
    return title.find(collection) != std::string::npos && endsWith(title, "Reelstack") &&
           title != kNoCollection;
}

bool launchToMain(AppDriver& app)
{
    return app.launch() && waitForMain(app);
}

bool chooseMenuItem(AppDriver& app, const std::string& menu, const std::string& menuId,
                    const std::string& item)
{
    return app.openAndClick({"#menuBar \"" + menu + "\"", "#" + menuId + " \"" + item + "\""});
}

bool exitThroughTheMenu(AppDriver& app)
{
    return chooseMenuItem(app, "Collection", "collectionMenu", "Exit") && app.waitForExit() == 0;
}

// The open-last setting and the recent collection as the next start reads them.
bool changeConfig(const char16_t* key, const Variant& value)
{
    ConfigFile config(String(u"config.dat"), productName(), ConfigFile::kUserData, ConfigFile::kXml);
    if (!config.load() || !config.contains(String(key)))
        return false;
    config.setValue(String(key), value);
    return config.save();
}

// The title of the foreground window when it belongs to that process; empty
// otherwise.
std::string foregroundTitle(unsigned long processId)
{
    HWND window = GetForegroundWindow();
    DWORD owner = 0;
    if (!window || !GetWindowThreadProcessId(window, &owner) || owner != processId)
        return std::string();
    char title[256] = {};
    GetWindowTextA(window, title, sizeof(title));
    return title;
}

// Which window has the keys, for a failure's message.
std::string foregroundWindow()
{
    HWND window = GetForegroundWindow();
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char title[256] = {};
    GetWindowTextA(window, title, sizeof(title));
    return "process " + std::to_string(owner) + " \"" + title + "\"";
}

bool foregroundIsOf(unsigned long processId)
{
    DWORD owner = 0;
    HWND window = GetForegroundWindow();
    return window && GetWindowThreadProcessId(window, &owner) && owner == processId;
}

// Keys as the keyboard gives them: to whatever window has the focus.
bool sendKey(WORD virtualKey)
{
    INPUT inputs[2] = {};
    for (int i = 0; i < 2; ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = virtualKey;
        inputs[i].ki.dwFlags = i == 1 ? KEYEVENTF_KEYUP : 0;
    }
    bool sent = SendInput(2, inputs, sizeof(INPUT)) == 2;
    Sleep(50);
    return sent;
}

bool sendText(const std::wstring& text)
{
    for (wchar_t character : text) {
        INPUT inputs[2] = {};
        for (int i = 0; i < 2; ++i) {
            inputs[i].type = INPUT_KEYBOARD;
            inputs[i].ki.wScan = character;
            inputs[i].ki.dwFlags = KEYEVENTF_UNICODE | (i == 1 ? KEYEVENTF_KEYUP : 0);
        }
        if (SendInput(2, inputs, sizeof(INPUT)) != 2)
            return false;
        Sleep(50);
    }
    return true;
}

std::filesystem::path collectionFolder(const std::string& name)
{
    return std::filesystem::path(AppDriver::dataFolder()) / name;
}

bool removeCollectionFolder(const std::string& name)
{
    return testsupport::TestPrefix::removeTree(AppDriver::dataFolder() + "\\" + name);
}

std::string fileBytes(const std::string& name)
{
    std::ifstream in(collectionFolder(name) / (name + ".rsdb"), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A key for the window of the widget at path, even while a balloon of the
// program is in front.
bool pressKeyAt(AppDriver& app, const std::string& path, const std::string& key,
                const std::vector<std::string>& mods = {})
{
    JsonValue asked = JsonValue::object();
    asked.set("op", "key");
    asked.set("path", path);
    asked.set("key", key);
    JsonValue& list = asked.set("mods", JsonValue::array());
    for (const std::string& mod : mods)
        list.append(mod);
    return app.request(asked)["ok"].toBool();
}

// Replaces the text of a field and types the new one.
bool typeInto(AppDriver& app, const std::string& path, const std::string& text)
{
    if (!app.click(path) || !pressKeyAt(app, path, "a", {"ctrl"}) || !pressKeyAt(app, path, "Delete"))
        return false;
    // A password field selects nothing: it is emptied from its end.
    pressKeyAt(app, path, "End");
    for (int i = 0; i < 24 && !app.find(path)["text"].toText().empty(); ++i)
        pressKeyAt(app, path, "Backspace");
    return text.empty() || app.typeText(text, path);
}

// The error sounds (kind 1) the program asked for since the last dump.
int errorSoundsSinceLastDump(AppDriver& app)
{
    JsonValue dump = app.dump();
    int count = 0;
    for (const JsonValue& sound : dump["sounds"].elements())
        count += sound.toInt() == 1 ? 1 : 0;
    return count;
}

bool itemEnabled(const JsonValue& dump, const std::string& menu, int index)
{
    const JsonValue* item = itemAt(findInDump(dump, menu), index);
    return item && (*item)["enabled"].toBool();
}

// Presses the button of that text in the window with that id and waits for
// the window to go.
bool pressAndWaitGone(AppDriver& app, const std::string& window, const std::string& button)
{
    return app.click("#" + window + " \"" + button + "\"") && app.waitForNoPath("#" + window);
}

} // namespace

TEST(CollectionFlow, TheExampleOpensOnTheFirstRunAndTheLastUsedOneAfterwards)
{
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    {
        AppDriver app;
        ASSERT_TRUE(launchToMain(app)) << app.failure();
        app.shot("first-run");
        EXPECT_TRUE(opensWith(mainTitle(app), "Example")) << mainTitle(app);
        ASSERT_TRUE(exitThroughTheMenu(app));
    }
    EXPECT_EQ(testsupport::utf8(configValue(u"model/recentCollection").toString()), "Example");
    ASSERT_TRUE(createCollection("Other"));
    ASSERT_TRUE(changeConfig(u"model/recentCollection", Variant(String(u"Other"))));
    {
        AppDriver app;
        ASSERT_TRUE(launchToMain(app)) << app.failure();
        EXPECT_TRUE(opensWith(mainTitle(app), "Other")) << "open-last: " << mainTitle(app);
        ASSERT_TRUE(exitThroughTheMenu(app));
    }

    // Without open-last only a lone "Example" opens.
    ASSERT_TRUE(changeConfig(u"model/whenReelstackStartsOpenTheLastUsedCollection", Variant(false)));
    struct Case
    {
        const char* what;
        const char* remove;
        const char* opens;
    };
    const Case cases[] = {
        {"two collections", nullptr, nullptr},
        {"one named otherwise", "Example", nullptr},
    };
    for (const Case& c : cases) {
        if (c.remove) {
            ASSERT_TRUE(removeCollectionFolder(c.remove));
        }
        AppDriver app;
        ASSERT_TRUE(launchToMain(app)) << app.failure();
        EXPECT_EQ(mainTitle(app), kNoCollection) << c.what;
        ASSERT_TRUE(exitThroughTheMenu(app));
    }
    ASSERT_TRUE(removeCollectionFolder("Other"));
    ASSERT_TRUE(createCollection("Example"));
    {
        AppDriver app;
        ASSERT_TRUE(launchToMain(app)) << app.failure();
        EXPECT_TRUE(opensWith(mainTitle(app), "Example")) << "a lone Example: " << mainTitle(app);
        ASSERT_TRUE(exitThroughTheMenu(app));
    }

    // Open-last with its collection deleted falls back to the Example rule.
    ASSERT_TRUE(createCollection("Gone"));
    ASSERT_TRUE(changeConfig(u"model/whenReelstackStartsOpenTheLastUsedCollection", Variant(true)));
    ASSERT_TRUE(changeConfig(u"model/recentCollection", Variant(String(u"Gone"))));
    ASSERT_TRUE(removeCollectionFolder("Gone"));
    AppDriver app;
    ASSERT_TRUE(launchToMain(app)) << app.failure();
    EXPECT_TRUE(opensWith(mainTitle(app), "Example")) << "recent one deleted: " << mainTitle(app);
    ASSERT_TRUE(exitThroughTheMenu(app));
}

TEST(CollectionFlow, NewCreatesAndOpensACollectionAndRefusesBadEntriesWithOneSoundEach)
{
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    const std::string existing = "Example";
    {
        AppDriver app;
        ASSERT_TRUE(launchToMain(app)) << app.failure();
        // The Example, written by the first start, exists before the new one.
        ASSERT_TRUE(File::exists(collectionPath(existing)));
        const std::string exampleBytes = fileBytes(existing);
        ASSERT_TRUE(chooseMenuItem(app, "Collection", "collectionMenu", "New Collection..."));
        ASSERT_TRUE(app.waitForPath("#newCollection #collectionName")) << app.failure();
        struct Refused
        {
            const char* name;
            const char* author;
        };
        const Refused refused[] = {{"Bad!", "J. Smith"}, {"Bad_Name", ""}, {"Good", "a,b"}, {"backup", ""},
                                   {"BACKUP", ""},       {"", "J. Smith"}, {"Example", ""}};
        for (const Refused& r : refused) {
            ASSERT_TRUE(typeInto(app, "#collectionName", r.name));
            ASSERT_TRUE(typeInto(app, "#collectionAuthor", r.author));
            errorSoundsSinceLastDump(app);
            ASSERT_TRUE(app.click("#newCollection \"OK\""));
            // The channel answers the next request only once the loop has
            // handled the click, and the refusal sounds as OK is handled.
            EXPECT_EQ(errorSoundsSinceLastDump(app), 1) << r.name << "/" << r.author;
            ASSERT_TRUE(app.exists("#newCollection")) << r.name << " closed the dialog";
            EXPECT_EQ(app.find("#collectionName")["text"].toText(), r.name) << "the field keeps its text";
        }
        EXPECT_EQ(fileBytes(existing), exampleBytes) << "the existing collection stays untouched";
        app.shot("refused");

        ASSERT_TRUE(typeInto(app, "#collectionName", "  My Movies 2 "));
        ASSERT_TRUE(typeInto(app, "#collectionAuthor", "J. Smith"));
        ASSERT_TRUE(pressAndWaitGone(app, "newCollection", "OK")) << app.lastReply().write();
        ASSERT_TRUE(app.waitFor([&] { return opensWith(mainTitle(app), "My Movies 2"); })) << mainTitle(app);
        app.shot("created");
        const std::filesystem::path folder = collectionFolder("My Movies 2");
        EXPECT_TRUE(std::filesystem::is_regular_file(folder / "My Movies 2.rsdb"));
        EXPECT_TRUE(std::filesystem::is_directory(folder / "Images"));
        EXPECT_TRUE(std::filesystem::is_directory(folder / "Thumbnails"));
        ASSERT_TRUE(exitThroughTheMenu(app));
    }
    // It survives a relaunch: open-last brings it back.
    AppDriver app;
    ASSERT_TRUE(launchToMain(app)) << app.failure();
    EXPECT_TRUE(opensWith(mainTitle(app), "My Movies 2")) << mainTitle(app);
    ASSERT_TRUE(exitThroughTheMenu(app));
}

TEST(CollectionFlow, OpenListsTheCollectionsAndReopensTheOpenOne)
{
    ASSERT_TRUE(emptyDataFolder());
    {
        // With none there is nothing to open.
        AppDriver app;
        ASSERT_TRUE(launchToMain(app)) << app.failure();
        ASSERT_TRUE(app.openAndClick({"#menuBar \"Collection\"", "#collectionMenu \"Exit\""}, false));
        JsonValue menu = app.find("#collectionMenu");
        const JsonValue* open = itemAt(&menu, 1);
        ASSERT_NE(open, nullptr);
        EXPECT_EQ((*open)["text"].toText(), "Open Collection...");
        EXPECT_FALSE((*open)["enabled"].toBool());
        app.shot("none-to-open");
        app.pressKey("Escape");
        ASSERT_TRUE(exitThroughTheMenu(app));
    }
    for (const char* name : {"Zeta", "Alpha", "Mid"})
        ASSERT_TRUE(createCollection(name));
    std::filesystem::create_directories(collectionFolder("Backup"));
    std::filesystem::copy_file(collectionFolder("Alpha") / "Alpha.rsdb",
                               collectionFolder("Backup") / "Backup.rsdb");
    std::filesystem::create_directories(collectionFolder("Empty"));
    ASSERT_TRUE(changeConfig(u"model/recentCollection", Variant(String(u"Mid"))));

    AppDriver app;
    ASSERT_TRUE(launchToMain(app)) << app.failure();
    ASSERT_TRUE(opensWith(mainTitle(app), "Mid"));
    ASSERT_TRUE(chooseMenuItem(app, "Collection", "collectionMenu", "Open Collection..."));
    ASSERT_TRUE(app.waitForPath("#openCollection #collectionNames")) << app.failure();
    app.shot("open-list");
    // The folder listing's order, without "Backup" or the folder with no file.
    std::vector<std::string> expected;
    for (const auto& entry : std::filesystem::directory_iterator(AppDriver::dataFolder())) {
        const std::string name = entry.path().filename().string();
        if (entry.is_directory() && name != "Backup" && name != "Empty")
            expected.push_back(name);
    }
    JsonValue names = app.find("#collectionNames");
    std::vector<std::string> shown;
    // Whether the entry carries the mark is seen in the popup below.
    for (const JsonValue& item : names["items"].elements()) {
        std::string text = item["text"].toText();
        const std::string mark = " (opened)";
        if (endsWith(text, mark))
            text.erase(text.size() - mark.size());
        shown.push_back(text);
    }
    EXPECT_EQ(shown, expected);

    // Choosing the open one reads it again.
    ASSERT_TRUE(app.chooseEntry("#collectionNames", "Mid (opened)")) << app.find("#collectionNames").write();
    ASSERT_TRUE(pressAndWaitGone(app, "openCollection", "Open")) << app.lastReply().write();
    EXPECT_TRUE(opensWith(mainTitle(app), "Mid")) << mainTitle(app);
    ASSERT_TRUE(chooseMenuItem(app, "Collection", "collectionMenu", "Open Collection..."));
    ASSERT_TRUE(app.waitForPath("#openCollection #collectionNames"));
    ASSERT_TRUE(app.chooseEntry("#collectionNames", "Zeta")) << app.find("#collectionNames").write();
    ASSERT_TRUE(pressAndWaitGone(app, "openCollection", "Open")) << app.lastReply().write();
    EXPECT_TRUE(opensWith(mainTitle(app), "Zeta")) << mainTitle(app);
    ASSERT_TRUE(exitThroughTheMenu(app));
}

TEST(CollectionFlow, APasswordIsAskedBeforeTheWindowShowsAndChangingItNeedsTheCurrentOne)
{
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    {
        AppDriver app;
        ASSERT_TRUE(launchToMain(app)) << app.failure();
        ASSERT_TRUE(chooseMenuItem(app, "Collection", "collectionMenu", "Password Protection..."));
        ASSERT_TRUE(app.waitForPath("#passwordProtection #newPassword")) << app.failure();
        ASSERT_TRUE(app.typeText("Secret1", "#newPassword"));
        app.shot("set-password");
        ASSERT_TRUE(pressAndWaitGone(app, "passwordProtection", "Set Password")) << app.lastReply().write();
        ASSERT_TRUE(exitThroughTheMenu(app));
    }
    EXPECT_FALSE(CollectionFile(testsupport::text(AppDriver::dataFolder()))
                     .peekPassword(collectionPath("Example"))
                     .isEmpty());
    {
        // The last used collection asks before the window shows.
        AppDriver app;
        ASSERT_TRUE(app.launch()) << app.failure();
        ASSERT_TRUE(app.waitForPath("#passwordPrompt #password", 60000)) << app.failure();
        EXPECT_FALSE(app.find("#main")["visible"].toBool());
        app.shot("asked-at-start");
        // What a user types goes where the system sends it: no request here
        // brings the prompt forward or focuses its field first.
        ASSERT_TRUE(app.waitFor([&app] { return foregroundTitle(app.processId()).rfind("Example", 0) == 0; }))
            << foregroundWindow() << ", the program is " << app.processId();
        EXPECT_TRUE(GetWindowLongW(GetForegroundWindow(), GWL_EXSTYLE) & WS_EX_APPWINDOW)
            << "a user who went to another program finds the prompt in the taskbar";
        ASSERT_TRUE(sendText(L"secret1"));
        ASSERT_TRUE(sendKey(VK_RETURN));
        ASSERT_TRUE(app.waitFor([&app] { return app.find("#password")["text"].toText() == "secret1"; }))
            << "the typed text reached the field: " << app.find("#password")["text"].toText();
        ASSERT_TRUE(app.exists("#passwordPrompt")) << "wrong case is refused";
        // The balloon that says so takes the keys until Escape sends it away;
        // the prompt has them back then.
        ASSERT_TRUE(app.waitFor([&app] {
            return foregroundIsOf(app.processId()) && foregroundTitle(app.processId()).empty();
        })) << foregroundWindow();
        ASSERT_TRUE(sendKey(VK_ESCAPE));
        ASSERT_TRUE(app.waitFor([&app] { return foregroundTitle(app.processId()).rfind("Example", 0) == 0; }))
            << "Escape gives the prompt the keys back: " << foregroundWindow();
        for (int i = 0; i < 7; ++i)
            ASSERT_TRUE(sendKey(VK_BACK));
        ASSERT_TRUE(sendText(L"Secret1"));
        ASSERT_TRUE(sendKey(VK_RETURN));
        ASSERT_TRUE(app.waitForNoPath("#passwordPrompt")) << app.find("#password")["text"].toText();
        ASSERT_TRUE(app.waitFor([&app] { return app.find("#main")["visible"].toBool(); }));
        EXPECT_TRUE(opensWith(mainTitle(app), "Example")) << mainTitle(app);
        ASSERT_TRUE(exitThroughTheMenu(app));
    }
    // With nothing opened at start: Cancel keeps the no-collection state, a
    // wrong-case password keeps the prompt, the right one opens.
    ASSERT_TRUE(changeConfig(u"model/whenReelstackStartsOpenTheLastUsedCollection", Variant(false)));
    ASSERT_TRUE(createCollection("Plain"));
    AppDriver app;
    ASSERT_TRUE(launchToMain(app)) << app.failure();
    ASSERT_EQ(mainTitle(app), kNoCollection);
    auto openExample = [&app] {
        return chooseMenuItem(app, "Collection", "collectionMenu", "Open Collection...") &&
               app.waitForPath("#openCollection #collectionNames") &&
               app.chooseEntry("#collectionNames", "Example") &&
               pressAndWaitGone(app, "openCollection", "Open") &&
               app.waitForPath("#passwordPrompt #password");
    };
    ASSERT_TRUE(openExample()) << app.lastReply().write();
    app.shot("asked");
    ASSERT_TRUE(pressAndWaitGone(app, "passwordPrompt", "Cancel")) << app.lastReply().write();
    EXPECT_EQ(mainTitle(app), kNoCollection);
    EXPECT_FALSE(itemEnabled(hiddenDump(app), "collectionMenu", 3));
    ASSERT_TRUE(openExample()) << app.lastReply().write();
    ASSERT_TRUE(app.typeText("secret1", "#password"));
    ASSERT_TRUE(app.pressKey("Enter"));
    ASSERT_TRUE(app.exists("#passwordPrompt")) << "wrong case is refused";
    // The field shows what was typed, and keeps it.
    EXPECT_EQ(app.find("#password")["text"].toText(), "secret1") << "the field keeps the text";
    ASSERT_TRUE(typeInto(app, "#password", "Secret1"));
    ASSERT_TRUE(app.pressKey("Enter"));
    ASSERT_TRUE(app.waitForNoPath("#passwordPrompt"));
    EXPECT_TRUE(opensWith(mainTitle(app), "Example")) << mainTitle(app);

    // Changing asks for the current one; an empty new one removes it.
    ASSERT_TRUE(chooseMenuItem(app, "Collection", "collectionMenu", "Password Protection..."));
    ASSERT_TRUE(app.waitForPath("#passwordProtection #currentPassword")) << app.failure();
    ASSERT_TRUE(app.typeText("wrong", "#currentPassword"));
    ASSERT_TRUE(app.click("#passwordProtection \"Change Password\""));
    ASSERT_TRUE(app.exists("#passwordProtection")) << "the current one is needed";
    ASSERT_TRUE(pressAndWaitGone(app, "passwordProtection", "Cancel")) << app.lastReply().write();
    ASSERT_TRUE(chooseMenuItem(app, "Collection", "collectionMenu", "Password Protection..."));
    ASSERT_TRUE(app.waitForPath("#passwordProtection #currentPassword")) << app.failure();
    ASSERT_TRUE(app.typeText("Secret1", "#currentPassword"));
    app.shot("remove-password");
    ASSERT_TRUE(pressAndWaitGone(app, "passwordProtection", "Change Password")) << app.lastReply().write();
    ASSERT_TRUE(exitThroughTheMenu(app));
    EXPECT_TRUE(CollectionFile(testsupport::text(AppDriver::dataFolder()))
                    .peekPassword(collectionPath("Example"))
                    .isEmpty());
}

TEST(CollectionFlow, ADamagedFileWarnsAndKeepsThePreviousAndAReadOnlyOneAsksAtExit)
{
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    {
        AppDriver app;
        ASSERT_TRUE(launchToMain(app)) << app.failure();
        ASSERT_TRUE(exitThroughTheMenu(app));
    }
    // A truncated copy of the Example beside it.
    const std::string example = fileBytes("Example");
    ASSERT_TRUE(createCollection("Broken"));
    {
        std::ofstream out(collectionFolder("Broken") / "Broken.rsdb", std::ios::binary | std::ios::trunc);
        out.write(example.data(), std::streamsize(example.size() / 2));
    }
    const std::string brokenBytes = fileBytes("Broken");
    AppDriver app;
    ASSERT_TRUE(launchToMain(app)) << app.failure();
    ASSERT_TRUE(opensWith(mainTitle(app), "Example"));
    ASSERT_TRUE(chooseMenuItem(app, "Collection", "collectionMenu", "Open Collection..."));
    ASSERT_TRUE(app.waitForPath("#openCollection #collectionNames"));
    ASSERT_TRUE(app.chooseEntry("#collectionNames", "Broken")) << app.find("#collectionNames").write();
    ASSERT_TRUE(pressAndWaitGone(app, "openCollection", "Open")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForPath("\"OK\"")) << "a damaged file is named in a warning";
    app.shot("damaged-warning");
    ASSERT_TRUE(app.click("\"OK\""));
    ASSERT_TRUE(app.waitForNoPath("\"OK\""));
    EXPECT_TRUE(opensWith(mainTitle(app), "Example")) << "the previous one is back: " << mainTitle(app);
    EXPECT_EQ(fileBytes("Broken"), brokenBytes) << "the damaged file is left as it is";

    // The open collection's file made read-only: switching warns and stays.
    const String examplePath = collectionPath("Example");
    ASSERT_TRUE(SetFileAttributesW(wide(examplePath).c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(createCollection("Next"));
    ASSERT_TRUE(chooseMenuItem(app, "Collection", "collectionMenu", "Open Collection..."));
    ASSERT_TRUE(app.waitForPath("#openCollection #collectionNames"));
    ASSERT_TRUE(app.chooseEntry("#collectionNames", "Next")) << app.find("#collectionNames").write();
    ASSERT_TRUE(pressAndWaitGone(app, "openCollection", "Open")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForPath("\"OK\"")) << "a collection that cannot be saved warns";
    app.shot("read-only-warning");
    ASSERT_TRUE(app.click("\"OK\""));
    ASSERT_TRUE(app.waitForNoPath("\"OK\""));
    EXPECT_TRUE(opensWith(mainTitle(app), "Example")) << mainTitle(app);

    // At exit the program asks; No quits with the file as last saved.
    ASSERT_TRUE(chooseMenuItem(app, "Collection", "collectionMenu", "Exit"));
    ASSERT_TRUE(app.waitForPath("\"No\"")) << app.failure();
    app.shot("read-only-at-exit");
    ASSERT_TRUE(app.click("\"Yes\""));
    ASSERT_TRUE(app.waitForPath("\"No\"")) << "Yes tries again and fails again";
    ASSERT_TRUE(app.click("\"No\""));
    EXPECT_EQ(app.waitForExit(), 0);
    SetFileAttributesW(wide(examplePath).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(fileBytes("Example"), example);
}

TEST(CollectionFlow, TheCollectionCommandsFollowTheState)
{
    struct Item
    {
        const char* menu;
        int index;
    };
    // Enabled exactly while a collection is open.
    const Item commands[] = {{"collectionMenu", 3}, {"movieMenu", 0}, {"movieMenu", 1}, {"movieMenu", 2},
                             {"viewMenu", 2},       {"viewMenu", 11}, {"loansMenu", 0}, {"toolsMenu", 0},
                             {"toolsMenu", 2},      {"toolsMenu", 4}};
    // Always enabled.
    const Item always[] = {{"collectionMenu", 0}, {"collectionMenu", 5}, {"toolsMenu", 6}, {"helpMenu", 0}};
    for (bool withCollection : {false, true}) {
        const char* state = withCollection ? "open" : "none";
        if (withCollection)
            ASSERT_TRUE(AppDriver::cleanDataFolder());
        else
            ASSERT_TRUE(emptyDataFolder());
        AppDriver app;
        ASSERT_TRUE(launchToMain(app)) << app.failure();
        app.shot(state);
        JsonValue dump = hiddenDump(app);
        for (const Item& item : commands)
            EXPECT_EQ(itemEnabled(dump, item.menu, item.index), withCollection)
                << state << " " << item.menu << " " << item.index;
        for (const Item& item : always)
            EXPECT_TRUE(itemEnabled(dump, item.menu, item.index))
                << state << " " << item.menu << " " << item.index;
        // Tool bar buttons 0 and 3-7 follow the state; 8-11 always work.
        std::vector<bool> enabled;
        for (const JsonValue& child : (*findInDump(dump, "toolBar"))["children"].elements()) {
            if (child["class"].toText() == "UIToolButton")
                enabled.push_back(child["enabled"].toBool());
        }
        ASSERT_EQ(enabled.size(), 12u);
        for (int button : {0, 3, 4, 5, 6, 7})
            EXPECT_EQ(enabled[size_t(button)], withCollection) << state << " button " << button;
        for (int button : {8, 9, 10, 11})
            EXPECT_TRUE(enabled[size_t(button)]) << state << " button " << button;
        const JsonValue* filterKind = findInDump(dump, "filterKind");
        ASSERT_NE(filterKind, nullptr);
        EXPECT_EQ((*filterKind)["enabled"].toBool(), withCollection) << state;
        ASSERT_TRUE(exitThroughTheMenu(app));
    }
}
