// The program with its real View on the test display: the main window
// appears from its start-up timer, centred at its layout size on the first
// start, keeps its place when closed with the close button (not with
// "Exit"), and reopens centred when its stored place does not fit.
#include "app/Startup.h"
#include "app/main/MainWindow.h"
#include "app/view/View.h"
#include "app/window/WindowGeometry.h"
#include "foundation/core/AppCore.h"
#include "foundation/data/ConfigFile.h"
#include "foundation/data/Variant.h"
#include "foundation/platform/Screen.h"
#include "model/application/Application.h"
#include "tests/support/TestPrefix.h"
#include "tests/support/TestSupport.h"
#include "tests/support/UIHarness.h"
#include "tests/ui/core/theme/GeneratedSkins.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/tabs/UITabBar.h"
#include "ui/widgets/window/UIWindow.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

String text(const std::string& utf8)
{
    return String::fromUtf8(utf8.c_str(), int(utf8.size()));
}

// How a run ends once the window is shown.
enum class Ending
{
    CloseButton,
    Exit
};

// Watches the main window of one run: where it appeared, then moves it and
// ends the run as asked.
struct RunWatch : SignalReceiver
{
    View* view = nullptr;
    Ending ending = Ending::CloseButton;
    // With REELSTACK_SHOTS set, the window is saved under this name.
    std::string shot;
    Point moveTo = Point(-1, -1);
    // Maximised before it is closed.
    bool maximize = false;
    bool closedMaximized = false;
    Rect shownFrame;
    Size shownClient;
    bool coverFlowTabEnabled = true;
    int shows = 0;
    // The system ends the session as soon as the window exists.
    bool endSessionAtOnce = false;
    int sessionEnds = 0;
    bool sessionEndedUnshown = false;

    void onSessionEnded()
    {
        ++sessionEnds;
        sessionEndedUnshown = !view->mainWindow()->window()->isVisible();
    }

    void onShown(UIEvent*)
    {
        if (shows++ > 0)
            return;
        UIWindow* window = view->mainWindow()->window();
        shownFrame = window->frameGeometry();
        shownClient = window->size();
        if (!shot.empty() && std::getenv("REELSTACK_SHOTS")) {
            testsupport::UIHarness::pumpFor(500);
            testsupport::UIHarness::saveShot(window, shot);
        }
        if (moveTo.x >= 0)
            window->moveTo(moveTo);
        if (maximize) {
            window->setWindowState(UINativeWindow::kMaximizedState);
            closedMaximized = window->isMaximized();
        }
        if (ending == Ending::Exit)
            view->mainWindow()->shutDown();
        else
            PostMessageW(static_cast<HWND>(window->windowHandle()), WM_CLOSE, 0, 0);
    }
};

// The program's View, watched from the moment its window exists.
class WatchedView : public View
{
public:
    WatchedView(CollectionModel& model, RunWatch& watch) : View(model), m_watch(watch) { watch.view = this; }
    void createMainWindow() override
    {
        View::createMainWindow();
        UIWindow* window = mainWindow()->window();
        window->shown.connectWithArg(&m_watch, &RunWatch::onShown);
        window->sessionEnded.connect(&m_watch, &RunWatch::onSessionEnded);
        // Posted, it comes before the start-up's timer, once the settings
        // are loaded and the loop runs.
        if (m_watch.endSessionAtOnce)
            PostMessageW(static_cast<HWND>(window->windowHandle()), WM_ENDSESSION, TRUE, 0);
    }

private:
    RunWatch& m_watch;
};

bool centredIn(const Rect& area, const Rect& frame)
{
    return frame.x == area.x + (area.width - frame.width) / 2 &&
           frame.y == area.y + (area.height - frame.height) / 2;
}

class MainWindowLife : public testing::Test
{
protected:
    MainWindowLife()
    {
        product = text("Reelstack main " + std::to_string(GetCurrentProcessId()));
        dataFolder = AppCore(product, String(u"1.2.0")).dataDirectory();
        removeDataFolder();
        std::filesystem::copy_file(std::filesystem::current_path().parent_path() / "data.pak",
                                   program.file("data.pak"));
    }
    ~MainWindowLife() override { removeDataFolder(); }

    // Tests run before may have replaced the native windows by stand-ins.
    void SetUp() override { ASSERT_TRUE(testsupport::UIHarness::start()); }

    void removeDataFolder() { testsupport::TestPrefix::removeTree(dataFolder); }

    // With the skin users see, so that the shots show the program's look.
    int run(RunWatch& watch)
    {
        Startup startup;
        startup.loadSkin = [] {
            return UIApplication::instance()->loadTheme(generatedskins::skinPath("white.style"));
        };
        startup.makeView = [&watch] { return new WatchedView(Application::model(), watch); };
        startup.programFolder = text(program.path());
        startup.productName = product;
        int result = runReelstack(startup);
        // The program ends its loop by the quit message as well; one process
        // running the program twice must not find it at the next start.
        MSG message;
        while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        return result;
    }

    StoredGeometry stored()
    {
        ConfigFile config(String(u"config.dat"), product, ConfigFile::kUserData, ConfigFile::kXml);
        EXPECT_TRUE(config.load());
        return readStoredGeometry(config, String(u"Main"));
    }

    // A first run that moves the window to the place and closes it; kept is
    // what it stored.
    void runMovedTo(const Point& place, StoredGeometry& kept)
    {
        RunWatch first;
        first.moveTo = place;
        ASSERT_EQ(run(first), 0);
        kept = stored();
        ASSERT_EQ(kept.left, place.x);
        ASSERT_EQ(kept.top, place.y);
    }

    void expectStoredAsBefore(const StoredGeometry& kept)
    {
        const StoredGeometry after = stored();
        EXPECT_EQ(after.left, kept.left);
        EXPECT_EQ(after.top, kept.top);
        EXPECT_EQ(after.width, kept.width);
        EXPECT_EQ(after.height, kept.height);
    }

    void store(const StoredGeometry& geometry)
    {
        ConfigFile config(String(u"config.dat"), product, ConfigFile::kUserData, ConfigFile::kXml);
        ASSERT_TRUE(config.load());
        writeWindowGeometry(config, String(u"Main"),
                            Rect(geometry.left, geometry.top, geometry.width, geometry.height), Rect(),
                            Rect(-100000, -100000, 200000, 200000), true, true);
        ASSERT_TRUE(config.save());
    }

    testsupport::TempDir program;
    String product;
    String dataFolder;
};

} // namespace

TEST_F(MainWindowLife, FirstStartIsCentredAndTheCloseButtonKeepsThePlace)
{
    RunWatch first;
    first.moveTo = Point(37, 45);
    first.shot = "main-window-first-start";
    ASSERT_EQ(run(first), 0);
    ASSERT_EQ(first.shows, 1);
    EXPECT_TRUE(centredIn(Screen::primaryRect(true), first.shownFrame))
        << first.shownFrame.x << "," << first.shownFrame.y << " " << first.shownFrame.width << "x"
        << first.shownFrame.height;
    EXPECT_GE(first.shownClient.width, MainWindow::kMinimumClientWidth);
    EXPECT_GE(first.shownClient.height, MainWindow::kMinimumClientHeight);
    StoredGeometry kept = stored();
    EXPECT_EQ(kept.left, 37);
    EXPECT_EQ(kept.top, 45);
    EXPECT_EQ(kept.width, first.shownFrame.width);
    EXPECT_EQ(kept.height, first.shownFrame.height);

    // "Exit" saves the settings but not the place: the next start opens
    // where the close button left it.
    RunWatch second;
    second.moveTo = Point(80, 90);
    second.ending = Ending::Exit;
    ASSERT_EQ(run(second), 0);
    ASSERT_EQ(second.shows, 1);
    EXPECT_EQ(second.shownFrame.x, 37);
    EXPECT_EQ(second.shownFrame.y, 45);
    EXPECT_EQ(stored().left, 37);
    EXPECT_EQ(stored().top, 45);
}

TEST_F(MainWindowLife, AStoredPlaceThatDoesNotFitReopensCentredWithinTheWorkArea)
{
    RunWatch first;
    ASSERT_EQ(run(first), 0);
    const Rect area = Screen::primaryRect(true);
    struct Case
    {
        const char* what;
        StoredGeometry geometry;
    };
    const Case cases[] = {
        {"partly past the right edge", {area.x + area.width - 100, area.y + 10, 640, 480}},
        {"larger than the work area", {area.x, area.y, area.width + 500, area.height + 400}},
    };
    for (const Case& c : cases) {
        store(c.geometry);
        RunWatch watch;
        ASSERT_EQ(run(watch), 0) << c.what;
        ASSERT_EQ(watch.shows, 1) << c.what;
        EXPECT_TRUE(centredIn(area, watch.shownFrame)) << c.what;
        EXPECT_LE(watch.shownFrame.width, area.width) << c.what;
        EXPECT_LE(watch.shownFrame.height, area.height) << c.what;
        EXPECT_GE(watch.shownFrame.y, area.y) << c.what << ": the title bar stays on screen";
    }
}

// A maximised window's frame is the work area's, not a place to come back
// to: closed maximised, the window keeps the place stored before.
TEST_F(MainWindowLife, ClosedMaximisedTheWindowKeepsItsEarlierPlace)
{
    StoredGeometry kept;
    ASSERT_NO_FATAL_FAILURE(runMovedTo(Point(37, 45), kept));

    RunWatch second;
    second.maximize = true;
    ASSERT_EQ(run(second), 0);
    ASSERT_TRUE(second.closedMaximized);
    expectStoredAsBefore(kept);
}

// A session that ends in the first moments, before the start-up has put the
// window at its stored place, leaves that place stored: the frame the
// window had until then is not the user's.
TEST_F(MainWindowLife, ASessionEndingBeforeTheStartUpKeepsTheStoredPlace)
{
    StoredGeometry kept;
    ASSERT_NO_FATAL_FAILURE(runMovedTo(Point(37, 45), kept));

    RunWatch second;
    second.endSessionAtOnce = true;
    second.ending = Ending::Exit;
    ASSERT_EQ(run(second), 0);
    EXPECT_EQ(second.sessionEnds, 1);
    EXPECT_TRUE(second.sessionEndedUnshown) << "the session ended before the start-up showed the window";
    EXPECT_EQ(second.shownFrame.x, 37);
    EXPECT_EQ(second.shownFrame.y, 45);
    expectStoredAsBefore(kept);
}
