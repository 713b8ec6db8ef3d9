// The movie editor's picture tools, its link list's Open, the hint balloons
// of the editor and of the bar-code window, and a dialog's place and size
// across a restart, driven from outside as a user would. What the program
// does is read back from the automation dumps, the screen, the clipboard,
// the files it writes and the shell calls the channel records.
#include "graphics/codecs/PngWriter.h"
#include "graphics/image/Image.h"
#include "model/CollectionModel.h"
#include "model/records/Cover.h"
#include "model/records/Movie.h"
#include "model/records/MovieLink.h"
#include "tests/flows/FlowSteps.h"
#include "tests/flows/SystemDialogSteps.h"
#include "tests/support/ClipboardPictures.h"
#include "tests/support/FrameDrag.h"
#include "tests/support/ScreenPixels.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

using namespace flows;

using namespace testsupport;

namespace {

const char kCollection[] = "Pictures";
const char kTitle[] = "Night Harbour";
const char kTrailer[] = "http://www.reelstack.example/night-harbour/trailer";
const std::string kEditor = "#movieEditor";

constexpr COLORREF kPosterColour = RGB(200, 40, 40);
constexpr COLORREF kFrontColour = RGB(40, 160, 220);
constexpr COLORREF kBackgroundColour = RGB(30, 150, 60);
constexpr int kPosterWidth = 120;
constexpr int kPosterHeight = 180;

bool savePicture(const std::string& path, int width, int height, COLORREF colour)
{
    Image picture(width, height, false);
    picture.fill(Color(GetRValue(colour), GetGValue(colour), GetBValue(colour)));
    return PngWriter::save(picture, testsupport::text(path));
}

// The width and height a PNG file's header gives; 0 and 0 when it is none.
std::pair<int, int> pngSize(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    unsigned char header[24] = {};
    if (!in.read(reinterpret_cast<char*>(header), sizeof(header)) || header[1] != 'P' || header[12] != 'I')
        return {0, 0};
    auto bigEndian = [&](int at) {
        return int(header[at]) << 24 | int(header[at + 1]) << 16 | int(header[at + 2]) << 8 |
               int(header[at + 3]);
    };
    return {bigEndian(16), bigEndian(20)};
}

struct TitledWindowSearch
{
    DWORD process;
    std::wstring title;
    HWND found;
};

BOOL CALLBACK takeTitledWindow(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<TitledWindowSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    if (process != search->process || !IsWindowVisible(window) || search->title != title)
        return TRUE;
    search->found = window;
    return FALSE;
}

// The program's visible top-level window with that title.
HWND programWindowTitled(AppDriver& app, const std::string& title)
{
    TitledWindowSearch search{DWORD(app.processId()), wide(testsupport::text(title)), nullptr};
    EnumWindows(takeTitledWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int storedInt(const char16_t* key)
{
    return configValue(key).toInt();
}

// The centre of a dumped rectangle, as the toolkit rounds it.
std::pair<int, int> centreOf(const JsonValue& rect)
{
    return {rect.at(0).toInt() + rect.at(2).toInt() / 2, rect.at(1).toInt() + rect.at(3).toInt() / 2};
}

std::pair<int, int> anchorOf(const JsonValue& balloon)
{
    return {balloon["anchor"].at(0).toInt(), balloon["anchor"].at(1).toInt()};
}

class EditorPicturesFlow : public testing::Test
{
protected:
    void TearDown() override
    {
        if (HasFailure())
            app.recordFailure();
    }

    // One movie with a poster in "Images", an online link and a link to a
    // local file, in the collection the next start opens.
    bool writeMovie()
    {
        if (!emptyDataFolder())
            return false;
        CollectionModel model(testsupport::text(AppDriver::dataFolder()));
        if (!createAndOpenCollection(model, kCollection, u"Flow"))
            return false;
        auto* movie = new Movie;
        movie->id = 1;
        movie->title = testsupport::text(kTitle);
        movie->year = 1998;
        images = std::filesystem::u8path(testsupport::utf8(model.imagesFolder()));
        std::error_code error;
        std::filesystem::create_directories(images, error);
        posterName = testsupport::utf8(movie->coverFileName(Cover::kPoster)) + ".png";
        frontName = testsupport::utf8(movie->coverFileName(Cover::kFront)) + ".png";
        backgroundName = testsupport::utf8(movie->coverBaseName()) + " - background.png";
        if (!savePicture((images / posterName).string(), kPosterWidth, kPosterHeight, kPosterColour))
            return false;
        Cover poster(testsupport::text(posterName));
        poster.kind = Cover::kPoster;
        movie->setCover(poster);
        localFile = AppDriver::dataFolder() + "\\night_harbour.mkv";
        std::ofstream(localFile, std::ios::binary) << "not a film";
        movie->links.append(link(MovieLink::kOnline, "Trailer", kTrailer));
        movie->links.append(link(MovieLink::kLocal, "The film", localFile));
        model.appendMovie(movie);
        return model.closeCollection() && openAtStart(kCollection);
    }

    static MovieLink link(int32_t type, const std::string& description, const std::string& url)
    {
        MovieLink made;
        made.type = type;
        made.description = testsupport::text(description);
        made.url = testsupport::text(url);
        return made;
    }

    bool launchToMain() { return app.launch() && waitForMain(app); }

    bool menu(const std::string& bar, const std::string& menuId, const std::string& item)
    {
        return flows::chooseMenuItemAndWait(app, bar, menuId, item);
    }

    bool openEditor()
    {
        return app.waitFor([&] { return app.find("#status")["text"].toText() == "1 of 1 movies shown"; }) &&
               menu("Movie", "movieMenu", "Edit Selected Movie...") &&
               app.waitForPath(kEditor + " #coverTools");
    }

    // The editor's page of that name, shown.
    bool page(const std::string& name)
    {
        const std::string pageTab = kEditor + " UITabBar \"" + name + "\"";
        return app.click(pageTab) && app.waitFor([&] {
            const JsonValue bar = app.find(kEditor + " UITabBar");
            for (const JsonValue& item : bar["items"].elements()) {
                if (item["text"].toText() == name)
                    return item["current"].toBool();
            }
            return false;
        });
    }

    bool closeEditor(const std::string& button)
    {
        return app.click(kEditor + " \"" + button + "\"") && app.waitForNoPath(kEditor);
    }

    bool exitThroughTheMenu()
    {
        return menu("Collection", "collectionMenu", "Exit") && app.waitForExit() == 0;
    }

    // The state of the tool bar's tab with that tool tip.
    enum TabState
    {
        kNoTab,
        kDisabled,
        kEnabled
    };
    TabState tab(const std::string& bar, const std::string& name)
    {
        // Kept: the loop would otherwise walk a destroyed temporary.
        const JsonValue found = app.find(bar);
        for (const JsonValue& item : found["items"].elements()) {
            if (item["text"].toText() == name)
                return item["enabled"].toBool() ? kEnabled : kDisabled;
        }
        return kNoTab;
    }

    int picturePixels(const std::string& picture, COLORREF colour)
    {
        return screenPixelsOf(app.find(picture)["rect"], colour);
    }

    AppDriver app;
    std::filesystem::path images;
    std::string posterName;
    std::string frontName;
    std::string backgroundName;
    std::string localFile;
};

} // namespace

TEST_F(EditorPicturesFlow, CoverToolsSearchOpenBrowseAndCopyTheCoverOfTheTabShown)
{
    ASSERT_TRUE(writeMovie());
    const std::string browsedPath = AppDriver::dataFolder() + "\\front-cover.png";
    ASSERT_TRUE(savePicture(browsedPath, 90, 140, kFrontColour));
    ASSERT_TRUE(launchToMain()) << app.failure();
    ASSERT_TRUE(openEditor()) << app.lastReply().write();
    const std::string picture = kEditor + " #coverPicture";
    const std::string tools = kEditor + " #coverTools";
    ASSERT_TRUE(app.waitFor([&] { return picturePixels(picture, kPosterColour) > 1000; }))
        << "the editor shows the poster in Images";
    EXPECT_EQ(tab(tools, "Copy Image"), kEnabled);

    // Search Online: the image search, over https, for the title and the cover's kind.
    std::vector<std::string> calls =
        app.shellCallsAfter([&] { return app.click(tools + " \"Search Online...\""); });
    ASSERT_EQ(calls.size(), 1u) << testing::PrintToString(calls);
    EXPECT_EQ(calls[0].rfind("open https://", 0), 0u) << calls[0];
    EXPECT_TRUE(endsWith(calls[0], "q=Night+Harbour+poster")) << calls[0];

    // A double click on the filled picture opens its file.
    calls = app.shellCallsAfter([&] { return app.doubleClick(picture); });
    ASSERT_EQ(calls.size(), 1u) << testing::PrintToString(calls);
    EXPECT_EQ(calls[0], "open " + (images / posterName).string());

    // Copy Image: the clipboard holds the poster as another program reads it.
    ASSERT_TRUE(emptyClipboard());
    ASSERT_TRUE(app.click(tools + " \"Copy Image\""));
    ClipboardPicture copied;
    ASSERT_TRUE(app.waitFor([&] { return readClipboardPicture(copied); })) << "nothing on the clipboard";
    EXPECT_EQ(copied.width, kPosterWidth);
    EXPECT_EQ(copied.height, kPosterHeight);
    EXPECT_EQ(copied.centre, kPosterColour);

    // The front cover is empty: nothing to copy or clear, and a double click
    // on its picture opens the file chooser.
    ASSERT_TRUE(app.click(kEditor + " \"Front Cover\""));
    ASSERT_TRUE(app.waitFor([&] { return tab(tools, "Copy Image") == kDisabled; }));
    EXPECT_EQ(tab(tools, "Clear"), kDisabled);
    EXPECT_TRUE(app.waitFor([&] { return picturePixels(picture, kPosterColour) == 0; }));
    app.dump();
    ASSERT_TRUE(app.doubleClick(picture));
    HWND dialog = waitForSystemDialog(app);
    ASSERT_TRUE(dialog) << "no file dialog";
    ASSERT_TRUE(typeFileName(app, dialog, browsedPath, "front-cover"));
    EXPECT_TRUE(app.dump()["shell"].elements().empty()) << "an empty picture opens no file";
    ASSERT_TRUE(app.waitFor([&] { return picturePixels(picture, kFrontColour) > 1000; }))
        << "the editor shows the chosen front cover";
    EXPECT_EQ(tab(tools, "Copy Image"), kEnabled);
    EXPECT_EQ(tab(tools, "Clear"), kEnabled);
    app.shot("front-cover");
    calls = app.shellCallsAfter([&] { return app.click(tools + " \"Search Online...\""); });
    ASSERT_EQ(calls.size(), 1u) << testing::PrintToString(calls);
    EXPECT_TRUE(endsWith(calls[0], "q=Night+Harbour+front+cover")) << calls[0];
    // The chosen picture, not saved yet, is the one a double click opens.
    calls = app.shellCallsAfter([&] { return app.doubleClick(picture); });
    ASSERT_EQ(calls.size(), 1u) << testing::PrintToString(calls);
    EXPECT_TRUE(endsWith(calls[0], "\\" + frontName)) << calls[0];
    EXPECT_EQ(pngSize(calls[0].substr(5)), std::make_pair(90, 140)) << calls[0];

    ASSERT_TRUE(closeEditor("OK"));
    EXPECT_EQ(pngSize(images / frontName), std::make_pair(90, 140)) << "OK keeps the front cover in Images";
    EXPECT_EQ(pngSize(images / posterName), std::make_pair(kPosterWidth, kPosterHeight));
    ASSERT_TRUE(exitThroughTheMenu());
}

TEST_F(EditorPicturesFlow, ALargeBackgroundChosenWithADoubleClickIsStoredAsWideAsTheDesktop)
{
    ASSERT_TRUE(writeMovie());
    const int desktopWidth = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    ASSERT_GT(desktopWidth, 0);
    // Twice as wide as the desktop: stored at half its size.
    const int width = desktopWidth * 2;
    const int height = 900;
    const std::string largePath = AppDriver::dataFolder() + "\\large-background.png";
    ASSERT_TRUE(savePicture(largePath, width, height, kBackgroundColour));
    ASSERT_TRUE(launchToMain()) << app.failure();
    ASSERT_TRUE(openEditor()) << app.lastReply().write();
    ASSERT_TRUE(page("Display"));
    // The only picture of the page shown, and its tool bar.
    const std::string picture = kEditor + " UIStack UIPicture";
    const std::string tools = kEditor + " UIStack UITabBar";
    ASSERT_TRUE(app.waitForPath(picture));
    EXPECT_EQ(tab(tools, "Copy Image"), kDisabled) << "no background yet";

    std::vector<std::string> calls =
        app.shellCallsAfter([&] { return app.click(tools + " \"Search Online...\""); });
    ASSERT_EQ(calls.size(), 1u) << testing::PrintToString(calls);
    EXPECT_TRUE(endsWith(calls[0], "q=Night+Harbour+background")) << calls[0];

    ASSERT_TRUE(app.doubleClick(picture));
    HWND dialog = waitForSystemDialog(app);
    ASSERT_TRUE(dialog) << "no file dialog";
    ASSERT_TRUE(typeFileName(app, dialog, largePath, "large-background"));
    ASSERT_TRUE(app.waitFor([&] { return picturePixels(picture, kBackgroundColour) > 1000; }))
        << "the editor shows the chosen background";
    EXPECT_EQ(tab(tools, "Copy Image"), kEnabled);
    app.shot("background");
    EXPECT_FALSE(std::filesystem::exists(images / backgroundName)) << "nothing reaches Images before OK";

    ASSERT_TRUE(closeEditor("OK"));
    const std::pair<int, int> stored = pngSize(images / backgroundName);
    EXPECT_EQ(stored.first, desktopWidth) << (images / backgroundName).string();
    EXPECT_EQ(stored.second, height / 2);
    EXPECT_EQ(pngSize(largePath), std::make_pair(width, height)) << "the chosen file stays as it was";
    ASSERT_TRUE(exitThroughTheMenu());
}

TEST_F(EditorPicturesFlow, TheLinkListsOpenButtonHandsTheCurrentLinkToTheShell)
{
    ASSERT_TRUE(writeMovie());
    ASSERT_TRUE(launchToMain()) << app.failure();
    ASSERT_TRUE(openEditor()) << app.lastReply().write();
    ASSERT_TRUE(page("Links"));
    const std::string table = kEditor + " UITable";
    const std::string tools = kEditor + " UIStack UITabBar";
    ASSERT_TRUE(app.waitForPath(table + " \"Online\""));
    EXPECT_EQ(tab(tools, "Open"), kDisabled) << "no row is current yet";

    ASSERT_TRUE(app.click(table + " \"Online\""));
    ASSERT_TRUE(app.waitFor([&] { return tab(tools, "Open") == kEnabled; }));
    std::vector<std::string> calls = app.shellCallsAfter([&] { return app.click(tools + " \"Open\""); });
    EXPECT_EQ(calls, std::vector<std::string>{"open " + std::string(kTrailer)});

    // A local link starts its file.
    ASSERT_TRUE(app.click(table + " \"Local\""));
    ASSERT_TRUE(app.waitFor([&] { return app.find(table)["current"].toInt() == 1; }));
    calls = app.shellCallsAfter([&] { return app.click(tools + " \"Open\""); });
    EXPECT_EQ(calls, std::vector<std::string>{"execute " + localFile});

    ASSERT_TRUE(closeEditor("Cancel"));
    ASSERT_TRUE(exitThroughTheMenu());
}

TEST_F(EditorPicturesFlow, TheHintButtonsShowTheirBalloonsAtTheFieldsTheyExplain)
{
    ASSERT_TRUE(writeMovie());
    ASSERT_TRUE(launchToMain()) << app.failure();
    ASSERT_TRUE(openEditor()) << app.lastReply().write();
    ASSERT_TRUE(page("Plot, Notes & Tags"));
    // The flat button beside the tags field, the page's only button.
    const std::string tagsHelp = kEditor + " UIStack UIBox UIButton";
    const std::string balloon = kEditor + " UIBalloonTip";
    ASSERT_TRUE(app.waitForPath(tagsHelp));
    EXPECT_FALSE(app.exists(balloon));
    // It shows the theme's question image, as the bar-code window's hint
    // does below: a button with no image is a pixel wide, out of reach.
    const JsonValue tagsHelpRect = app.find(tagsHelp)["rect"];
    EXPECT_GE(tagsHelpRect.at(2).toInt(), 12) << tagsHelpRect.write();
    ASSERT_TRUE(app.click(tagsHelp));
    ASSERT_TRUE(app.waitFor([&] { return app.find(balloon)["visible"].toBool(); })) << "no balloon";
    JsonValue shown = app.find(balloon);
    EXPECT_EQ(shown["text"].toText(), "When adding multiple tags,\nuse comma to separate different tags.");
    EXPECT_EQ(anchorOf(shown), centreOf(app.find(kEditor + " UIStack UIBox UILineEdit")["rect"]))
        << "it points at the tags field";
    app.shot("tags-balloon");
    // A click on a balloon sends it away.
    ASSERT_TRUE(app.click(balloon));
    ASSERT_TRUE(app.waitForNoPath(balloon));
    ASSERT_TRUE(closeEditor("Cancel"));

    const std::string window = "\"Add Movie by Bar Code \u2013 Reelstack\"";
    ASSERT_TRUE(menu("Movie", "movieMenu", "Add Movie by Bar Code..."));
    const std::string hint = window + " UIGroup UIButton";
    ASSERT_TRUE(app.waitForPath(hint)) << app.failure();
    ASSERT_TRUE(app.click(hint));
    const std::string barCodeBalloon = window + " UIBalloonTip";
    ASSERT_TRUE(app.waitFor([&] { return app.find(barCodeBalloon)["visible"].toBool(); })) << "no balloon";
    shown = app.find(barCodeBalloon);
    EXPECT_EQ(shown["text"].toText().rfind("Enter the all digits printed on the bar code", 0), 0u)
        << shown["text"].toText();
    EXPECT_EQ(anchorOf(shown), centreOf(app.find(hint)["rect"])) << "it points at the hint button";
    EXPECT_EQ(app.find(hint)["rect"].at(2).toInt(), tagsHelpRect.at(2).toInt()) << "both show one image";
    EXPECT_EQ(app.find(hint)["rect"].at(3).toInt(), tagsHelpRect.at(3).toInt()) << "both show one image";
    app.shot("bar-code-balloon");
    ASSERT_TRUE(app.click(barCodeBalloon));
    ASSERT_TRUE(app.waitForNoPath(barCodeBalloon));
    ASSERT_TRUE(app.click(window + " \"Cancel\""));
    ASSERT_TRUE(app.waitForNoPath(window));
    ASSERT_TRUE(exitThroughTheMenu());
}

TEST_F(EditorPicturesFlow, TheMovieEditorReopensWhereItWasMovedAndSizedAfterARestart)
{
    ASSERT_TRUE(writeMovie());
    RECT placed = {};
    {
        ASSERT_TRUE(launchToMain()) << app.failure();
        ASSERT_TRUE(openEditor()) << app.lastReply().write();
        const std::string title = app.find(kEditor)["title"].toText();
        HWND editor = programWindowTitled(app, title);
        ASSERT_NE(editor, nullptr) << title;
        const RECT first = frameOf(editor);
        EXPECT_TRUE(centredInWorkArea(first)) << "a first opening is centred";
        // Moved by its caption and made larger by its bottom right corner.
        const int dx = 23 - (first.left - workArea().left);
        const int dy = 17 - (first.top - workArea().top);
        const POINT caption = {(first.left + first.right) / 2,
                               first.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
        ASSERT_TRUE(dragFrame(app, editor, caption, dx, dy));
        // The system's loop may place the window only as it ends.
        const auto movedByTheDrag = [&] {
            const RECT frame = frameOf(editor);
            return frame.left == first.left + dx && frame.top == first.top + dy;
        };
        ASSERT_TRUE(app.waitFor(movedByTheDrag));
        const RECT moved = frameOf(editor);
        ASSERT_EQ(moved.right - moved.left, first.right - first.left);
        const POINT corner = {moved.right - 2, moved.bottom - 2};
        ASSERT_TRUE(dragFrame(app, editor, corner, 60, 40));
        ASSERT_TRUE(app.waitFor([&] {
            const RECT frame = frameOf(editor);
            return frame.left == moved.left && frame.top == moved.top &&
                   frame.right - frame.left == moved.right - moved.left + 60 &&
                   frame.bottom - frame.top == moved.bottom - moved.top + 40 &&
                   app.find(kEditor)["rect"].at(2).toInt() > first.right - first.left;
        })) << frameOf(editor).left
            << " " << frameOf(editor).right;
        placed = frameOf(editor);
        app.shot("moved");
        ASSERT_TRUE(closeEditor("Cancel"));
        ASSERT_TRUE(exitThroughTheMenu());
    }
    EXPECT_EQ(storedInt(u"view/windowAddEditMovieLeft"), placed.left);
    EXPECT_EQ(storedInt(u"view/windowAddEditMovieTop"), placed.top);
    EXPECT_EQ(storedInt(u"view/windowAddEditMovieWidth"), placed.right - placed.left);
    EXPECT_EQ(storedInt(u"view/windowAddEditMovieHeight"), placed.bottom - placed.top);

    AppDriver again;
    ASSERT_TRUE(again.launch() && waitForMain(again)) << again.failure();
    ASSERT_TRUE(
        again.waitFor([&] { return again.find("#status")["text"].toText() == "1 of 1 movies shown"; }));
    ASSERT_TRUE(again.openAndClick({"#menuBar \"Movie\"", "#movieMenu \"Edit Selected Movie...\""}));
    ASSERT_TRUE(again.waitForPath(kEditor + " #coverTools"));
    HWND editor = programWindowTitled(again, again.find(kEditor)["title"].toText());
    ASSERT_NE(editor, nullptr);
    const RECT reopened = frameOf(editor);
    EXPECT_EQ(reopened.left, placed.left);
    EXPECT_EQ(reopened.top, placed.top);
    EXPECT_EQ(reopened.right - reopened.left, placed.right - placed.left);
    EXPECT_EQ(reopened.bottom - reopened.top, placed.bottom - placed.top);
    again.shot("reopened");
    ASSERT_TRUE(again.click(kEditor + " \"Cancel\"") && again.waitForNoPath(kEditor));
    ASSERT_TRUE(again.openAndClick({"#menuBar \"Collection\"", "#collectionMenu \"Exit\""}));
    EXPECT_EQ(again.waitForExit(), 0);
}
