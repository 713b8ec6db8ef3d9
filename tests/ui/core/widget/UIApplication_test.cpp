#include "foundation/core/AppCore.h"
#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "foundation/io/Path.h"
#include "tests/support/IoTestSupport.h"
#include "tests/support/WidgetFakes.h"
#include "tests/ui/core/theme/GeneratedSkins.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/theme/UITheme.h"

TEST_F(WidgetTest, NestedCursorOverridesRestoreInTurn)
{
    UIApplication* app = UIApplication::instance();
    cursor.current = 4;
    app->restoreOverrideCursor();
    EXPECT_EQ(cursor.current, 4) << "a restore without a set does nothing";
    app->setOverrideCursor(11);
    app->setOverrideCursor(12);
    EXPECT_EQ(app->overrideCursor(), 12);
    app->restoreOverrideCursor();
    EXPECT_EQ(cursor.current, 11);
    EXPECT_EQ(app->overrideCursor(), 11) << "the outer override still holds";
    app->restoreOverrideCursor();
    EXPECT_EQ(cursor.current, 4) << "the widget's own shape, never a hidden pointer";
    EXPECT_EQ(app->overrideCursor(), 0);
}

TEST_F(WidgetTest, WindowCountFiltersAndTheMainWindowGoesWithItsWidget)
{
    UIApplication* app = UIApplication::instance();
    const int before = app->windowCount(0);
    struct Made
    {
        const char16_t* style;
        bool shown;
    };
    const Made made[] = {{u"UIMenu", true}, {u"UIToolTip", true}, {u"UIBalloonTip", true},
                         {u"UIDialog", true}, {u"UIDialog", false}};
    std::vector<UIWidget*> windows;
    for (const Made& m : made) {
        auto* w = new UIWidget(nullptr);
        w->setFlag(UIWidget::kWindow, true);
        w->setStyleName(String(m.style));
        w->setVisible(m.shown);
        windows.push_back(w);
    }
    new UIWidget(windows.back());
    EXPECT_EQ(app->windowCount(0), before + 5);
    EXPECT_EQ(app->windowCount(1 | 2 | 4 | 8), 2) << "the test window and one dialog";
    app->enterModal();
    EXPECT_EQ(app->windowCount(1 | 2 | 4 | 8 | 16), 3);
    app->leaveModal();
    app->setMainWindow(windows[3]);
    delete windows[3];
    EXPECT_EQ(app->mainWindow(), nullptr);
    for (UIWidget* w : windows)
        if (w != windows[3])
            delete w;
}

TEST_F(WidgetTest, ThemesLoadFromPathsAndAFailureKeepsTheCurrentOne)
{
    UIApplication* app = UIApplication::instance();
    ThemeArchive archive;
    archive.add("xml", "skins.xml", "<?xml version=\"1.0\"?><skins><skin name=\"UIOne_Frame\" width=\"4\" height=\"4\"/></skins>");
    archive.add("xml", "models.xml", "<?xml version=\"1.0\"?><models/>");
    archive.add("xml", "metrics.xml", "<?xml version=\"1.0\"?><metrics><metric name=\"LargeIconSize\" value=\"32\"/></metrics>");
    ASSERT_TRUE(app->loadTheme(archive.save()));
    UITheme* current = app->theme();
    EXPECT_FALSE(app->loadTheme(archive.save("other.style") + u".missing"));
    EXPECT_FALSE(app->loadTheme(themePath(testsupport::TempDir().file("x.style"))));
    EXPECT_FALSE(app->setTheme(nullptr));
    top->setFlag(UIWidget::kRepaintPending, false);
    EXPECT_TRUE(app->setTheme(current));
    EXPECT_FALSE(top->testFlag(UIWidget::kRepaintPending)) << "the current theme repaints nothing";
    EXPECT_EQ(app->theme(), current);
}

// A theme name (from the configuration) is looked up inside the program's
// folders only: "../name" does not reach a theme beside them, nor "CON" a
// device ("CON.style" is still the console), while look-alikes load.
TEST_F(WidgetTest, ThemeNamesStayInsideTheProgramsFolders)
{
    UIApplication* app = UIApplication::instance();
    ThemeArchive archive;
    archive.add(
        "xml", "skins.xml",
        "<?xml version=\"1.0\"?><skins><skin name=\"UIOne_Frame\" width=\"4\" height=\"4\"/></skins>");
    archive.add("xml", "models.xml", "<?xml version=\"1.0\"?><models/>");
    archive.add("xml", "metrics.xml",
                "<?xml version=\"1.0\"?><metrics><metric name=\"LargeIconSize\" value=\"32\"/></metrics>");
    const String saved = archive.save("beside.style");
    const String program = pathDirectory(saved) + u"\\program";
    ASSERT_TRUE(Directory::create(program));
    AppCore core(String(u"ReelstackThemeNames"), String(u"1.0"));
    core.setAppDirectory(program);
    EXPECT_FALSE(app->loadTheme(String(u"../beside")));
    for (const char16_t* device : {u"CON", u"com1", u"LPT1.dark", u"NUL.txt", u"CONIN$"}) {
        ASSERT_TRUE(iotest::copyToDeviceName(saved, program + u"\\" + device + u".style"));
        EXPECT_FALSE(app->loadTheme(String(device))) << iotest::show(String(device));
    }
    for (const char16_t* lookAlike : {u"CONSOLE", u"COM10", u"COM0"}) {
        ASSERT_TRUE(File::copy(saved, program + u"\\" + lookAlike + u".style"));
        EXPECT_TRUE(app->loadTheme(String(lookAlike))) << iotest::show(String(lookAlike));
    }
    EXPECT_TRUE(app->loadTheme(saved)) << "a whole path is taken as it is";
}

TEST_F(WidgetTest, AClearTypeChangeRepaintsTheVisibleWindowsOnce)
{
    UIApplication* app = UIApplication::instance();
    const bool before = app->clearTypeEnabled();
    auto* hidden = new UIWidget(nullptr);
    hidden->setFlag(UIWidget::kWindow, true);
    hidden->setStyleName(String(u"UIWindow"));
    SignalCounter shownPaints;
    SignalCounter hiddenPaints;
    top->painted.connect(&shownPaints, &SignalCounter::count);
    hidden->painted.connect(&hiddenPaints, &SignalCounter::count);
    app->setClearTypeEnabled(!before);
    app->setClearTypeEnabled(!before);
    EXPECT_EQ(app->clearTypeEnabled(), !before);
    EXPECT_EQ(shownPaints.calls, 1) << "the same value again repaints nothing";
    app->setClearTypeEnabled(before);
    EXPECT_EQ(shownPaints.calls, 2);
    EXPECT_EQ(hiddenPaints.calls, 0);
    delete hidden;
}
