#include "foundation/core/AppCore.h"
#include "tests/ui/core/theme/GeneratedSkins.h"
#include "tests/support/WidgetFakes.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/theme/UITheme.h"

#include <windows.h>

#include <filesystem>

namespace {

class CountingWidget : public UIWidget
{
public:
    CountingWidget() : UIWidget(nullptr) { setStyleName(String(u"UICounting")); }
    int fired = 0;

protected:
    void timerEvent(UIEvent*) override
    {
        if (++fired == 3)
            killTimer(1);
    }
};

} // namespace

TEST(UIApplicationWine, RealTimersFireThroughTheLoopUntilKilled)
{
    MessageLoop::create();
    {
        CountingWidget widget;
        ASSERT_TRUE(widget.startTimer(1, 10));
        for (int round = 0; round < 200 && widget.isTimerActive(1); ++round) {
            Sleep(5);
            MessageLoop::instance()->mainLoop().processPendingEvents();
        }
        EXPECT_EQ(widget.fired, 3);
        Sleep(40);
        MessageLoop::instance()->mainLoop().processPendingEvents();
        EXPECT_EQ(widget.fired, 3) << "a killed timer fires no more";
    }
    MessageLoop::destroy();
}

TEST(UIApplicationWine, ThemesAreFoundBesideTheProgramThenInStyles)
{
    testsupport::TempDir program;
    testsupport::TempDir elsewhere;
    AppCore core(String(u"ReelstackThemeTest"), String(u"1.0"));
    core.setAppDirectory(themePath(program.path()));
    UIApplication* app = UIApplication::instance();
    const std::string testStyle = generatedskins::skinFile("test.style");
    EXPECT_FALSE(app->loadTheme(String(u"white")));

    std::filesystem::create_directory(program.file("styles"));
    std::filesystem::copy_file(testStyle, program.file("styles\\white.style"));
    ASSERT_TRUE(app->loadTheme(String(u"white")));
    EXPECT_EQ(app->theme()->path(), themePath(program.file("styles\\white.style")));

    std::filesystem::copy_file(testStyle, program.file("white.style"));
    ASSERT_TRUE(app->loadTheme(String(u"white")));
    EXPECT_EQ(app->theme()->path(), themePath(program.file("white.style"))) << "the program folder wins";

    std::filesystem::copy_file(testStyle, elsewhere.file("white.style"));
    const String named = themePath(elsewhere.file("white.style"));
    ASSERT_TRUE(app->loadTheme(named));
    EXPECT_EQ(app->theme()->path(), named);
    EXPECT_FALSE(app->loadTheme(themePath(elsewhere.file("black.style")))) << "a path is never looked up";
    EXPECT_EQ(app->theme()->path(), named);
}
