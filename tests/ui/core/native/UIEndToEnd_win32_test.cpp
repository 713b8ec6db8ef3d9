#include "tests/support/UIEventRecorder.h"
#include "tests/support/UIHarness.h"
#include "ui/core/events/UIEventType.h"
#include "ui/core/platform/UIInputMethod.h"
#include "ui/core/platform/UITrayIcon.h"
#include "ui/core/widget/UIContextMenu.h"
#include "ui/core/widget/UIWidget.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <imm.h>

#include <functional>

using testsupport::UIEventRecorder;
using testsupport::UIHarness;

namespace {

// A widget that takes the focus on a click.
class Probe : public UIWidget
{
public:
    explicit Probe(UIWidget* parent, uint32_t flags = 0) : UIWidget(parent)
    {
        setFlag(flags, flags != 0);
        setFocusPolicy(kClickFocus | kTabFocus);
        setStyleName(String(u"UITest"));
    }
};

class EndToEnd : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(UIHarness::start());
        window = UIHarness::openWindow(nullptr, 40, 40, 320, 200);
        probe = new Probe(window);
        probe->setGeometry(20, 30, 120, 60);
        probe->show();
        UIHarness::pump();
    }
    void TearDown() override
    {
        // A closed window is only destroyed: it is still deleted here.
        UIHarness::closeWindow(window);
        // No key may stay down for the next test.
        for (int key : {VK_SHIFT, VK_CONTROL, VK_MENU})
            UIHarness::keyUp(key);
        UIHarness::pumpFor(10);
    }
    bool waitFor(const UIEventRecorder& events, int type, int count = 1)
    {
        return UIHarness::pumpUntil([&] { return events.count(type) >= count; });
    }

    UIWidget* window = nullptr;
    Probe* probe = nullptr;
};

} // namespace

TEST_F(EndToEnd, AClickPressesReleasesThenClicks)
{
    UIEventRecorder events(probe);
    UIHarness::click(probe, Point(10, 10));
    ASSERT_TRUE(waitFor(events, kClickEvent));
    EXPECT_EQ(events.types(),
              (std::vector<int>{kFocusInEvent, kMousePressEvent, kMouseReleaseEvent, kClickEvent}));
    EXPECT_EQ(events.last(kMousePressEvent).position, Point(10, 10));
    EXPECT_EQ(events.last(kMousePressEvent).button, 1u);
}

TEST_F(EndToEnd, ASecondClickIsADoubleClickOnlyForWidgetsThatWantIt)
{
    auto* doubler = new Probe(window, UIWidget::kWantsDoubleClicks);
    doubler->setGeometry(160, 30, 100, 60);
    doubler->show();
    UIEventRecorder plain(probe);
    UIEventRecorder wanting(doubler);
    for (int i = 0; i < 2; ++i) {
        UIHarness::click(probe, Point(5, 5));
        UIHarness::click(doubler, Point(5, 5));
    }
    ASSERT_TRUE(waitFor(wanting, kMouseReleaseEvent, 2));
    ASSERT_TRUE(waitFor(plain, kMouseReleaseEvent, 2));
    EXPECT_EQ(plain.count(kMousePressEvent), 2);
    EXPECT_EQ(plain.count(kDoubleClickEvent), 0);
    EXPECT_EQ(wanting.count(kMousePressEvent), 1);
    EXPECT_EQ(wanting.count(kDoubleClickEvent), 1);
}

TEST_F(EndToEnd, WheelDirections)
{
    UIEventRecorder events(probe);
    struct Case
    {
        bool horizontal;
        int delta;
        int direction;
    };
    const Case cases[] = {{true, -120, 1}, {true, 120, 2}, {false, -120, 3}, {false, 120, 4}};
    for (const Case& c : cases) {
        int before = events.count(kWheelEvent);
        UIHarness::wheel(probe, Point(7, 8), c.horizontal, c.delta);
        ASSERT_TRUE(waitFor(events, kWheelEvent, before + 1)) << c.direction;
        const UIEventRecorder::Record wheel = events.last(kWheelEvent);
        EXPECT_EQ(wheel.direction, c.direction);
        EXPECT_EQ(wheel.delta, c.delta);
        EXPECT_EQ(wheel.position, Point(7, 8));
    }
}

TEST_F(EndToEnd, ATypedLetterCarriesItsTextToPressAndRelease)
{
    UIEventRecorder events(probe);
    UIHarness::typeAt(probe, {'A'});
    ASSERT_TRUE(waitFor(events, kKeyReleaseEvent));
    ASSERT_TRUE(probe->hasFocus());
    const UIEventRecorder::Record press = events.last(kKeyPressEvent);
    const UIEventRecorder::Record release = events.last(kKeyReleaseEvent);
    EXPECT_EQ(press.key, 'A');
    EXPECT_EQ(press.text, String(u"a"));
    EXPECT_FALSE(press.autoRepeat);
    EXPECT_EQ(release.key, 'A');
    EXPECT_EQ(release.text, String(u"a"));
    std::vector<int> keys;
    for (int type : events.types()) {
        if (type == kKeyPressEvent || type == kKeyReleaseEvent)
            keys.push_back(type);
    }
    EXPECT_EQ(keys, (std::vector<int>{kKeyPressEvent, kKeyReleaseEvent}));
}

TEST_F(EndToEnd, ShiftAloneAndCtrlA)
{
    UIEventRecorder events(probe);
    UIHarness::typeAt(probe, {VK_SHIFT});
    ASSERT_TRUE(waitFor(events, kKeyReleaseEvent));
    EXPECT_EQ(events.last(kKeyPressEvent).key, VK_SHIFT);
    EXPECT_TRUE(events.last(kKeyPressEvent).text.isEmpty());
    EXPECT_EQ(events.last(kKeyPressEvent).modifiers, 1u) << "Shift is down while its press is handled";
    EXPECT_EQ(events.last(kKeyReleaseEvent).key, VK_SHIFT) << "released although it has no text";

    events.clear();
    UIHarness::keyDown(VK_CONTROL);
    UIHarness::typeKeys({'A'});
    UIHarness::keyUp(VK_CONTROL);
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return events.count(kKeyReleaseEvent) >= 2; }));
    bool sawA = false;
    for (const UIEventRecorder::Record& record : events.records()) {
        if (record.type != kKeyPressEvent || record.key != 'A')
            continue;
        sawA = true;
        EXPECT_TRUE(record.text.isEmpty()) << "the control character is dropped";
        EXPECT_EQ(record.modifiers, 2u);
    }
    EXPECT_TRUE(sawA);
}

TEST_F(EndToEnd, TheInputContextFollowsClicksBetweenTextAndPlainWidgets)
{
    auto* text = new Probe(window, UIInputMethod::kTakesTextFlag);
    text->setGeometry(160, 30, 100, 60);
    text->show();
    HWND handle = static_cast<HWND>(window->nativeHandle());
    auto context = [handle] {
        HIMC held = ImmGetContext(handle);
        if (held)
            ImmReleaseContext(handle, held);
        return held;
    };
    ASSERT_TRUE(UIHarness::activate(window));
    HIMC original = context();
    ASSERT_NE(original, nullptr);
    for (Probe* next : {probe, text, probe, text}) {
        UIHarness::click(next, Point(5, 5));
        ASSERT_TRUE(UIHarness::pumpUntil([&] { return next->hasFocus(); }));
        EXPECT_EQ(context(), next == text ? original : nullptr) << (next == text ? "text" : "plain");
    }
}

// The composition opens on the focused text widget when the system starts
// one, and ends when the mouse moves on to another widget.
TEST_F(EndToEnd, ACompositionStartsOnTheFocusAndEndsWhenTheMouseMovesOn)
{
    auto* text = new Probe(window, UIInputMethod::kTakesTextFlag);
    text->setGeometry(160, 30, 100, 60);
    text->show();
    ASSERT_TRUE(UIHarness::activate(window));
    UIHarness::click(text, Point(5, 5));
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return text->hasFocus(); }));
    UIInputMethod* im = UIInputMethod::instance();
    SendMessageW(static_cast<HWND>(window->nativeHandle()), WM_IME_STARTCOMPOSITION, 0, 0);
    EXPECT_EQ(im->widget(), text);
    EXPECT_TRUE(text->testFlag(UIInputMethod::kComposingFlag));
    UIHarness::moveMouse(text, Point(9, 9));
    UIHarness::pump();
    EXPECT_TRUE(im->isActive()) << "moving within the widget keeps it open";
    UIHarness::moveMouse(probe, Point(5, 5));
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return !im->isActive(); }));
    EXPECT_FALSE(text->testFlag(UIInputMethod::kComposingFlag));
}

TEST_F(EndToEnd, AltF4ClosesThroughTheCloseEvent)
{
    UIEventRecorder windowEvents(window);
    UIEventRecorder probeEvents(probe);
    UIHarness::typeAt(probe, {});
    UIHarness::keyDown(VK_MENU);
    UIHarness::typeKeys({VK_F4});
    UIHarness::keyUp(VK_MENU);
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return windowEvents.has(kCloseEvent); }));
    EXPECT_EQ(probeEvents.last(kKeyPressEvent).key, VK_MENU);
    for (const UIEventRecorder::Record& record : probeEvents.records())
        EXPECT_NE(record.key, VK_F4) << "F4 goes to the system";
}

namespace {

// Opens a modal dialog over its window when its timer fires, as a program's
// own timers do; the test looks at the windows from inside the run.
class DialogOpener : public UIWidget
{
public:
    explicit DialogOpener(UIWidget* parent) : UIWidget(parent) { setStyleName(String(u"UITest")); }
    std::function<void(UIWidget* dialog, UIWidget* sub)> inside;
    UIWidget* dialog = nullptr;

protected:
    void timerEvent(UIEvent*) override
    {
        killTimer(1);
        dialog = new UIWidget(window());
        dialog->setFlag(kWindow, true);
        dialog->setWindowFlags(512);
        dialog->setStyleName(String(u"UIDialog"));
        dialog->setGeometry(80, 80, 100, 80);
        auto* sub = new UIWidget(dialog);
        sub->setFlag(kWindow, true);
        sub->setWindowFlags(512);
        sub->setStyleName(String(u"UIWindow"));
        dialog->setModal(true);
        dialog->shown.connect(this, &DialogOpener::onShown);
        m_sub = sub;
        dialog->show();
    }

private:
    void onShown()
    {
        if (inside)
            inside(dialog, m_sub);
    }
    UIWidget* m_sub = nullptr;
};

} // namespace

TEST_F(EndToEnd, AModalDialogFromATimerBlocksItsParentUntilClosed)
{
    auto* opener = new DialogOpener(window);
    UIWidget* other = UIHarness::openWindow(nullptr, 400, 40, 100, 100);
    bool parentEnabled = true;
    bool otherEnabled = true;
    bool subEnabled = false;
    bool parentEnabledAfterInner = true;
    opener->inside = [&](UIWidget* dialog, UIWidget* sub) {
        parentEnabled = IsWindowEnabled(static_cast<HWND>(window->nativeHandle()));
        otherEnabled = IsWindowEnabled(static_cast<HWND>(other->nativeHandle()));
        subEnabled = IsWindowEnabled(static_cast<HWND>(sub->nativeHandle()));
        // A second run nests inside the first.
        auto* second = new UIWidget(dialog);
        second->setFlag(UIWidget::kWindow, true);
        second->setWindowFlags(512);
        second->setStyleName(String(u"UIDialog"));
        second->setModal(true);
        second->close();
        second->show();
        parentEnabledAfterInner = IsWindowEnabled(static_cast<HWND>(window->nativeHandle()));
        delete second;
        // The user closes the dialog.
        PostMessageW(static_cast<HWND>(dialog->nativeHandle()), WM_CLOSE, 0, 0);
    };
    ASSERT_TRUE(opener->startTimer(1, 10));
    ASSERT_TRUE(UIHarness::pumpUntil(
        [&] { return opener->dialog && !opener->dialog->isModalRunning() && !opener->dialog->isVisible(); }));
    EXPECT_FALSE(parentEnabled);
    EXPECT_FALSE(otherEnabled);
    EXPECT_TRUE(subEnabled) << "the dialog's own windows stay usable";
    EXPECT_FALSE(parentEnabledAfterInner) << "still blocked by the outer run";
    EXPECT_TRUE(IsWindowEnabled(static_cast<HWND>(window->nativeHandle())));
    EXPECT_TRUE(IsWindowEnabled(static_cast<HWND>(other->nativeHandle())));
    delete opener->dialog;
    UIHarness::closeWindow(other);
}

namespace {

// A menu with a window of the toolkit's own, as the menu widget has.
class WindowMenu : public UIContextMenu
{
public:
    WindowMenu() : m_window(nullptr)
    {
        m_window.setFlag(UIWidget::kWindow, true);
        m_window.setWindowFlags(512);
        m_window.setStyleName(String(u"UIMenu"));
    }
    void popup(const Point&) override {}
    void* windowHandle() const override { return m_window.nativeHandle(); }

private:
    UIWidget m_window;
};

} // namespace

TEST_F(EndToEnd, AModalRunLeavesATrayIconsMenuUsable)
{
    UITrayIcon icon;
    auto* trayMenu = new WindowMenu;
    icon.setContextMenu(trayMenu);
    WindowMenu otherMenu;
    auto* opener = new DialogOpener(window);
    bool trayMenuEnabled = false;
    bool otherMenuEnabled = true;
    opener->inside = [&](UIWidget* dialog, UIWidget*) {
        trayMenuEnabled = IsWindowEnabled(static_cast<HWND>(trayMenu->windowHandle()));
        otherMenuEnabled = IsWindowEnabled(static_cast<HWND>(otherMenu.windowHandle()));
        PostMessageW(static_cast<HWND>(dialog->nativeHandle()), WM_CLOSE, 0, 0);
    };
    ASSERT_TRUE(opener->startTimer(1, 10));
    ASSERT_TRUE(UIHarness::pumpUntil(
        [&] { return opener->dialog && !opener->dialog->isModalRunning() && !opener->dialog->isVisible(); }));
    EXPECT_TRUE(trayMenuEnabled);
    EXPECT_FALSE(otherMenuEnabled) << "a menu of no tray icon is blocked like any window";
    delete opener->dialog;
}
