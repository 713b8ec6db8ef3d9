// The main window's restart for a new language on the widget fakes, natively
// where no program can start: it shuts the program down only once Helper.exe
// was started with the program's path, and keeps it running when the helper
// is missing or does not start.
#include "app/main/MainWindow.h"
#include "app/view/View.h"
#include "foundation/core/AppCore.h"
#include "foundation/platform/ShellCallRecorder.h"
#include "tests/app/TwelveMovies.h"
#include "tests/support/IoTestSupport.h"
#include "tests/support/WidgetFakes.h"

#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

class HelperRestartTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        ASSERT_TRUE(twelve.opened);
        core = std::make_unique<AppCore>(String(u"Reelstack restart"), String(u"1.0"));
        core->setAppDirectory(iotest::toPath(folder.path()));
        view = std::make_unique<View>(twelve.model);
        view->createMainWindow();
    }
    void TearDown() override
    {
        ShellCallRecorder::remove();
        view.reset();
        core.reset();
        WidgetTest::TearDown();
    }
    void placeHelper() { std::ofstream(folder.file("Helper.exe")) << "MZ"; }

    twelvemovies::Collection twelve;
    testsupport::TempDir folder;
    std::unique_ptr<AppCore> core;
    std::unique_ptr<View> view;
};

} // namespace

TEST_F(HelperRestartTest, StartsTheHelperWithTheProgramsPathThenShutsDown)
{
    placeHelper();
    // Shutting down saves an open collection, which needs the program
    // around the window; closed, only the window's own part remains.
    ASSERT_TRUE(twelve.model.closeCollection());
    std::vector<std::string> calls;
    ShellCallRecorder::install([&](const String& call, const String& target) {
        calls.push_back(iotest::show(call) + " " + iotest::show(target));
    });
    EXPECT_TRUE(view->mainWindow()->restartThroughHelper());
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0], "execute " + iotest::show(iotest::toPath(folder.path())) + "\\Helper.exe -path \"" +
                            iotest::show(core->programPath()) + "\" -try \"1000\"");
    EXPECT_TRUE(view->mainWindow()->hasShutDown());
}

TEST_F(HelperRestartTest, AMissingOrFailingHelperKeepsTheProgramRunning)
{
    EXPECT_FALSE(view->mainWindow()->restartThroughHelper()) << "no Helper.exe";
    EXPECT_FALSE(view->mainWindow()->hasShutDown());
    // Natively no program starts: the helper is there but does not run.
    placeHelper();
    EXPECT_FALSE(view->mainWindow()->restartThroughHelper());
    EXPECT_FALSE(view->mainWindow()->hasShutDown());
}
