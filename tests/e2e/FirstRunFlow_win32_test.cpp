// Flow 1: the first run opens the Example, its movies in the image grid with
// the first one's card; a movie chosen and the window moved, the close button
// ends the program, and the next start comes back to both.
#include "tests/e2e/E2eSteps.h"

#include <algorithm>

using namespace e2e;

namespace {

RECT frameOf(HWND window)
{
    RECT frame = {};
    GetWindowRect(window, &frame);
    return frame;
}

std::vector<std::string> sorted(std::vector<std::string> texts)
{
    std::sort(texts.begin(), texts.end());
    return texts;
}

} // namespace

TEST_F(E2e, FirstRun)
{
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    ASSERT_TRUE(launchToMain()) << app.failure();
    ASSERT_TRUE(titleNames("Example")) << mainTitle();
    ASSERT_TRUE(viewMode("Images"));
    app.shot("example");

    const std::vector<std::string> onDisk = titlesOnDisk("Example");
    ASSERT_GE(onDisk.size(), 3u) << "the Example holds a few movies";
    const JsonValue grid = rowsOf("#images", int(onDisk.size()));
    std::vector<std::string> shown;
    for (int row = 0; row < grid["rowCount"].toInt(); ++row)
        shown.push_back(grid["rows"][std::to_string(row)].at(0).toText());
    const int currentRow = grid["current"].toInt();
    const std::string currentTitle =
        currentRow >= 0 && currentRow < int(shown.size()) ? shown[size_t(currentRow)] : "";
    EXPECT_EQ(sorted(shown), sorted(onDisk)) << grid.write();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(currentTitle, shown.front()) << "the first movie is the current one";
    EXPECT_NE(cardText().find(shown.front()), std::string::npos) << cardText();
    EXPECT_NE(views()["current"].toInt(), 0);

    // Another movie, clicked at its centre; the window moved as a drag would.
    const std::string chosen = shown[2];
    ASSERT_TRUE(app.click("#images \"" + chosen + "\""));
    ASSERT_TRUE(app.waitFor([&] { return cardText().find(chosen) != std::string::npos; })) << cardText();
    const int chosenId = views()["current"].toInt();
    HWND window = flows::mainWindowHandle(app);
    ASSERT_NE(window, nullptr);
    const RECT area = flows::workArea();
    const int left = area.left + 37;
    const int top = area.top + 23;
    ASSERT_TRUE(SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOZORDER | SWP_NOSIZE));
    const RECT placed = frameOf(window);
    app.shot("chosen");
    ASSERT_TRUE(app.pressKey("F4", {"alt"}));
    ASSERT_EQ(app.waitForExit(), 0);

    AppDriver again;
    ASSERT_TRUE(again.launch()) << again.failure();
    ASSERT_TRUE(flows::waitForMain(again)) << again.failure();
    again.shot("reopened");
    const JsonValue state = again.dump()["sections"]["views"];
    EXPECT_EQ(state["mode"].toInt(), 1) << "still the image grid";
    EXPECT_EQ(state["current"].toInt(), chosenId) << state.write();
    EXPECT_EQ(state["images"].toInt(), chosenId) << state.write();
    EXPECT_NE(again.lastDump()["sections"]["card"]["text"].toText().find(chosen), std::string::npos);
    HWND reopened = flows::mainWindowHandle(again);
    ASSERT_NE(reopened, nullptr);
    const RECT frame = frameOf(reopened);
    EXPECT_EQ(frame.left, placed.left);
    EXPECT_EQ(frame.top, placed.top);
    EXPECT_EQ(frame.right - frame.left, placed.right - placed.left);
    EXPECT_EQ(frame.bottom - frame.top, placed.bottom - placed.top);
    ASSERT_TRUE(again.openAndClick({"#menuBar \"Collection\"", "#collectionMenu \"Exit\""}));
    EXPECT_EQ(again.waitForExit(), 0);
}
