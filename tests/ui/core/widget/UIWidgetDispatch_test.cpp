#include "tests/support/WidgetFakes.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UIHotKeyEvent.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/events/UIValueEvent.h"
#include "ui/core/events/UIWheelEvent.h"

#include <algorithm>
#include <functional>

using Log = std::vector<std::string>;

TEST_F(WidgetTest, MouseButtonsGiveClicksOnlyForPressAndReleaseInside)
{
    struct Case
    {
        const char* name;
        bool press;
        Point release;
        Log expected;
        int cursorAfter;
    };
    const Case cases[] = {
        {"inside", true, Point(5, 5), {"w:106", "w:107", "w:108"}, 7},
        {"outside", true, Point(50, 5), {"w:106", "w:107"}, 1},
        {"no press", false, Point(5, 5), {"w:107"}, 7},
    };
    for (const Case& c : cases) {
        RecordingWidget* w = child("w", 0, 0, 20, 20);
        cursor.current = 7;
        if (c.press)
            mouse(w, kMousePressEvent, 5, 5);
        mouse(w, kMouseReleaseEvent, c.release.x, c.release.y);
        EXPECT_EQ(log.size(), c.press ? 2u : 1u) << c.name << ": the click waits in the queue";
        drain();
        EXPECT_EQ(log, c.expected) << c.name;
        EXPECT_EQ(cursor.current, c.cursorAfter) << c.name;
        EXPECT_FALSE(w->isMouseDown()) << c.name;
        EXPECT_EQ(UIWidget::grabWidget(), nullptr) << c.name;
        delete w;
    }
}

TEST_F(WidgetTest, HoverGivesOneEnterAndTheHoverTimerOneLeave)
{
    RecordingWidget* w = child("w", 10, 10, 20, 20);
    mouse(w, kMouseMoveEvent, 2, 2);
    mouse(w, kMouseMoveEvent, 3, 3);
    drain();
    EXPECT_EQ(log, (Log{"w:110", "w:110", "w:112"}));
    ASSERT_TRUE(w->startTimer(UIWidget::kHoverTimerId, 20));
    log.clear();
    const uintptr_t hoverTimer = timers.lastId;
    cursor.where = w->mapToGlobal(Point(4, 4));
    UITimer::fire(hoverTimer);
    drain();
    EXPECT_TRUE(log.empty()) << "the pointer is still inside";
    cursor.where = w->mapToGlobal(Point(40, 4));
    UITimer::fire(hoverTimer);
    UITimer::fire(hoverTimer);
    drain();
    EXPECT_EQ(log, (Log{"w:111"}));
    EXPECT_FALSE(w->isTimerActive(UIWidget::kHoverTimerId));
    EXPECT_FALSE(w->isHovered());
}

TEST_F(WidgetTest, KeysTabsAndKeyPreview)
{
    RecordingWidget* a = child("a", 0, 0, 10, 10);
    RecordingWidget* b = child("b", 0, 20, 10, 10);
    for (RecordingWidget* w : {a, b}) {
        w->setFocusPolicy(UIWidget::kTabFocus);
        w->setFocusOrder(1);
    }
    a->setFocus();
    log.clear();
    send(a, UIKeyEvent(kKeyPressEvent, 9, 0, String()));
    EXPECT_TRUE(b->hasFocus());
    send(b, UIKeyEvent(kKeyPressEvent, 9, UIKeyEvent::kShiftModifier, String()));
    EXPECT_TRUE(a->hasFocus());
    EXPECT_EQ(log, (Log{"a:116", "b:115", "b:116", "a:115"})) << "Tab never reaches the key handler";

    auto* previewing = new RecordingWidget(nullptr, &log, "win");
    previewing->setFlag(UIWidget::kWindow, true);
    previewing->setStyleName(String(u"UIWindow"));
    previewing->nativeWindow()->setWindowFlags(UINativeWindow::kKeyPreview);
    auto* inner = new RecordingWidget(previewing, &log, "inner");
    for (bool accept : {false, true}) {
        previewing->acceptKeys = accept;
        log.clear();
        send(inner, UIKeyEvent(kKeyPressEvent, 65, 0, String(u"a")));
        send(inner, UIKeyEvent(kKeyReleaseEvent, 65, 0, String(u"a")));
        Log expected =
            accept ? Log{"win:122", "win:123"} : Log{"win:122", "inner:122", "win:123", "inner:123"};
        EXPECT_EQ(log, expected) << "window accepts: " << accept;
    }
    delete previewing;
}

TEST_F(WidgetTest, CloseResizeAndDisabledInput)
{
    RecordingWidget* w = child("w", 0, 0, 20, 20);
    w->refuseClose = true;
    w->close();
    drain();
    ASSERT_TRUE(UIApplication::instance()->contains(w));
    EXPECT_TRUE(w->testFlag(UIWidget::kCreated)) << "a refused close keeps the widget";
    w->refuseClose = false;
    w->close();
    drain();
    EXPECT_FALSE(w->testFlag(UIWidget::kCreated));
    for (UIWidget* listed : top->children())
        EXPECT_NE(listed, w) << "a closed widget leaves its parent";
    delete w;

    RecordingWidget* r = child("r", 0, 0, 100, 400);
    r->setMinimumSize(300, 200);
    EXPECT_EQ(r->size(), Size(300, 400));
    r->setMaximumWidth(320);
    log.clear();
    r->resize(50, 10);
    EXPECT_EQ(r->size(), Size(300, 200)) << "clamped to the minimum";
    EXPECT_EQ(log, (Log{"r:102"}));
    log.clear();
    send(r, UIResizeEvent(Size(300, 200), Size(300, 200)));
    EXPECT_TRUE(log.empty()) << "the same size calls no handler";
    r->resize(900, 900);
    EXPECT_EQ(r->size(), Size(320, 900));

    RecordingWidget* d = child("d", 0, 0, 20, 20);
    d->setFocusPolicy(UIWidget::kClickFocus | UIWidget::kWheelFocus);
    d->disable();
    log.clear();
    mouse(d, kMousePressEvent, 1, 1);
    mouse(d, kMouseReleaseEvent, 1, 1);
    mouse(d, kClickEvent, 1, 1);
    send(d, UIKeyEvent(kKeyPressEvent, 65, 0, String()));
    send(d, UIWheelEvent(Point(1, 1), 120, 0, 4));
    send(d, UIHotKeyEvent(3));
    EXPECT_TRUE(log.empty()) << "a disabled widget gets no input";
    mouse(d, kMouseMoveEvent, 1, 1);
    send(d, UICustomEvent(5));
    drain();
    EXPECT_EQ(log, (Log{"d:110", "d:100", "d:112"}));
}

namespace {

// Deletes its widget from a slot.
class Deleter : public SignalReceiver
{
public:
    void deleteIt(UIEvent*) { delete widget; }
    UIWidget* widget = nullptr;
};

} // namespace

TEST_F(WidgetTest, ASlotMayDeleteItsWidgetAtEveryStep)
{
    struct Case
    {
        const char* name;
        Signal UIWidget::*signal;
        std::function<void(UIWidget*)> dispatch;
    };
    auto mouseAt = [](int type) { return [type](UIWidget* w) { mouse(w, type, 1, 1); }; };
    const Case cases[] = {
        {"press", &UIWidget::mousePressed, mouseAt(kMousePressEvent)},
        {"release", &UIWidget::mouseReleased,
         [](UIWidget* w) {
             mouse(w, kMousePressEvent, 1, 1);
             mouse(w, kMouseReleaseEvent, 1, 1);
         }},
        {"move", &UIWidget::mouseMoved, mouseAt(kMouseMoveEvent)},
        {"click", &UIWidget::mouseClicked, mouseAt(kClickEvent)},
        {"leave", &UIWidget::mouseLeft, mouseAt(kMouseLeaveEvent)},
        {"close", &UIWidget::closeRequested,
         [](UIWidget* w) {
             UIValueEvent close(kCloseEvent);
             close.accept();
             MessageLoop::instance()->sendEvent(&close, w);
         }},
        {"resize", &UIWidget::resized, [](UIWidget* w) { w->resize(70, 70); }},
        {"key", &UIWidget::keyPressed,
         [](UIWidget* w) { send(w, UIKeyEvent(kKeyPressEvent, 65, 0, String())); }},
        {"timer", &UIWidget::customReceived, [](UIWidget* w) { w->timerFired(3); }},
        {"wheel", &UIWidget::wheelTurned, [](UIWidget* w) { send(w, UIWheelEvent(Point(1, 1), 120, 0, 4)); }},
        {"hide", &UIWidget::hidden, [](UIWidget* w) { w->hide(); }},
        {"disable", &UIWidget::stateChanged, [](UIWidget* w) { w->disable(); }},
    };
    for (const Case& c : cases) {
        RecordingWidget* parent = child("p", 0, 0, 100, 100);
        RecordingWidget* w = child("w", 0, 0, 20, 20, parent);
        new RecordingWidget(w, &log, "grandchild");
        Deleter deleter;
        deleter.widget = w;
        (w->*c.signal).connectWithArg(&deleter, &Deleter::deleteIt);
        c.dispatch(w);
        drain();
        EXPECT_EQ(parent->children().count(), 0) << c.name;
        EXPECT_EQ(std::count(log.begin(), log.end(), "grandchild:deleted"), 1) << c.name;
        delete parent;
    }
}

namespace {

// Records where each wheel reached it, and keeps the wheel when told to.
class WheelTaker : public UIWidget
{
public:
    WheelTaker(UIWidget* parent, std::vector<std::string>* log, const char* name, const Rect& geometry)
        : UIWidget(parent), m_log(log), m_name(name)
    {
        setStyleName(String(u"UITest"));
        setLayoutEnabled(false);
        setGeometry(geometry.x, geometry.y, geometry.width, geometry.height);
        show();
    }
    bool keeps = false;

protected:
    void wheelEvent(UIEvent* e) override
    {
        auto* wheel = static_cast<UIWheelEvent*>(e);
        m_log->push_back(m_name + "@" + std::to_string(wheel->x()) + "," + std::to_string(wheel->y()));
        if (keeps)
            e->accept();
    }

private:
    std::vector<std::string>* m_log;
    std::string m_name;
};

} // namespace

// A wheel that the widget under the pointer does not keep goes up through its
// parents, at the point mapped into each (scroll offset included), until one
// keeps it; a disabled parent or a window ends the way.
TEST_F(WidgetTest, AWheelNotKeptGoesUpToTheParents)
{
    struct Case
    {
        const char* name;
        bool innerKeeps, formKeeps, formEnabled;
        Log expected;
        bool accepted;
    };
    const Case cases[] = {
        {"the field keeps it", true, true, true, {"inner@3,4"}, true},
        {"the form keeps it", false, true, true, {"inner@3,4", "form@23,-6"}, true},
        {"nobody keeps it", false, false, true, {"inner@3,4", "form@23,-6", "area@33,14"}, false},
        {"a disabled form", false, true, false, {"inner@3,4"}, false},
    };
    for (const Case& c : cases) {
        Log wheels;
        auto* area = new WheelTaker(top, &wheels, "area", Rect(10, 10, 200, 100));
        auto* form = new WheelTaker(area, &wheels, "form", Rect(10, 20, 150, 300));
        auto* inner = new WheelTaker(form, &wheels, "inner", Rect(20, 40, 50, 20));
        form->setScrollOffset(0, -50);
        inner->keeps = c.innerKeeps;
        form->keeps = c.formKeeps;
        form->setEnabled(c.formEnabled);
        inner->setEnabled(true);
        UIWheelEvent wheel(Point(3, 4), -120, 0, 3);
        EXPECT_EQ(c.accepted, MessageLoop::instance()->sendEvent(&wheel, inner)) << c.name;
        EXPECT_EQ(wheels, c.expected) << c.name;
        delete area;
    }

    Log wheels;
    auto* below = new WheelTaker(top, &wheels, "below", Rect(0, 0, 100, 100));
    auto* owned = new WheelTaker(below, &wheels, "owned", Rect(0, 0, 50, 50));
    owned->setFlag(UIWidget::kWindow, true);
    auto* field = new WheelTaker(owned, &wheels, "field", Rect(5, 5, 20, 20));
    send(field, UIWheelEvent(Point(1, 1), 120, 0, 4));
    EXPECT_EQ(wheels, (Log{"field@1,1", "owned@6,6"})) << "nothing passes a window";
    delete below;
}
