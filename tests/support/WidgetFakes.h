#pragma once

#include "foundation/signals/SignalReceiver.h"
#include "foundation/system/MessageLoop.h"
#include "foundation/system/UIEvent.h"
#include "ui/core/events/UICustomEvent.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/events/UIMoveEvent.h"
#include "ui/core/events/UIResizeEvent.h"
#include "ui/core/events/UITimer.h"
#include "ui/core/events/UITimerBackend.h"
#include "ui/core/input/UICursorHost.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/core/widget/UIToolTipHost.h"
#include "ui/core/widget/UIWidget.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

// A native window that remembers what it was told and answers moves and
// resizes with their events, as the real host does.
class FakeNativeWindow : public UINativeWindow
{
public:
    explicit FakeNativeWindow(UIWidget* owner) : m_owner(owner) {}
    void create() override {}
    void* handle() const override { return const_cast<FakeNativeWindow*>(this); }
    Rect frameMargins() const override { return margins; }
    Rect frameGeometry() const override
    {
        return Rect(m_owner->x(), m_owner->y(), m_owner->width(), m_owner->height());
    }
    bool isVisible() const override { return visible; }
    void setVisible(bool on, bool, bool) override { visible = on; }
    void setEnabled(bool on) override { enabled = on; }
    bool isEnabled() const override { return enabled; }
    void move(int x, int y) override
    {
        moves.push_back(Point(x, y));
        UIMoveEvent event(Point(x, y), m_owner->pos());
        MessageLoop::instance()->sendEvent(&event, m_owner);
    }
    void resize(int width, int height) override
    {
        UIResizeEvent event(Size(width, height), m_owner->size());
        MessageLoop::instance()->sendEvent(&event, m_owner);
    }
    void setFocus(bool) override {}
    bool hasFocus() const override { return false; }
    void setWindowState(uint32_t states) override { stateAsked.push_back(states); }
    uint32_t windowState() const override { return state; }
    void setWindowFlag(uint32_t flag, bool on) override
    {
        flagWord = on ? flagWord | flag : flagWord & ~flag;
    }
    void setWindowFlags(uint32_t flags) override { flagWord = flags; }
    uint32_t windowFlags() const override { return flagWord; }
    void setAuxFlag(bool on) override { aux = on; }
    bool auxFlag() const override { return aux; }
    // Counted like the real host's, without its disabled-flag rule.
    void setBlocked(bool block) override
    {
        blockCount = block ? blockCount + 1 : std::max(0, blockCount - 1);
        enabled = blockCount == 0;
    }
    void setOpacity(float value) override { m_opacity = value; }
    float opacity() const override { return m_opacity; }
    void flash(int count) override { flashes += count; }
    void setTitle(const String& text) override { m_title = text + m_suffix; }
    String title() const override { return m_title; }
    void setTitleSuffix(const String& suffix) override { m_suffix = suffix; }
    String titleSuffix() const override { return m_suffix; }
    void invalidate() override {}
    void updateLayered(const Image&) override {}
    Image layeredImage() const override { return Image(); }

    Rect margins = Rect(0, 0, 0, 0);
    bool visible = false;
    bool enabled = true;
    bool aux = false;
    int blockCount = 0;
    int flashes = 0;
    uint32_t state = kActiveState;
    uint32_t flagWord = 0;
    std::vector<Point> moves;
    std::vector<uint32_t> stateAsked;

private:
    UIWidget* m_owner;
    float m_opacity = 1.0f;
    String m_title;
    String m_suffix;
};

// Timers that fire only when the test says so.
class FakeTimerBackend : public UITimerBackend
{
public:
    uintptr_t start(uint32_t) override { return failing ? 0 : ++lastId; }
    void stop(uintptr_t id) override { stopped.push_back(id); }

    bool failing = false;
    uintptr_t lastId = 0;
    std::vector<uintptr_t> stopped;
};

class FakeCursorHost : public UICursorHost
{
public:
    Point position() const override { return where; }
    int shape() const override { return current; }
    void setShape(int shape) override { current = shape; }

    Point where;
    int current = 1;
};

// The shared tool tip, showing for whichever widget asked last.
class FakeToolTipHost : public UIToolTipHost
{
public:
    FakeToolTipHost() { install(this); }
    ~FakeToolTipHost() override { install(nullptr); }
    bool isShowing() const override { return m_owner != nullptr; }
    UIWidget* owner() const override { return m_owner; }
    String text() const override { return m_text; }
    void showText(const Request& request) override
    {
        m_owner = request.owner;
        m_text = request.text;
    }
    void hide() override { m_owner = nullptr; }

private:
    UIWidget* m_owner = nullptr;
    String m_text;
};

// Every handler call as "<name>:<type>" into a shared log.
class RecordingWidget : public UIWidget
{
public:
    RecordingWidget(UIWidget* parent, std::vector<std::string>* log, const char* name)
        : UIWidget(parent), m_log(log), m_name(name)
    {
        setFlag(kHoverTracking, true);
        setStyleName(String(u"UITest"));
    }
    ~RecordingWidget() override { record("deleted"); }

    bool acceptKeys = false;
    bool refuseClose = false;

protected:
    void resizeEvent(UIEvent* e) override { record(e); }
    void keyPressEvent(UIEvent* e) override
    {
        record(e);
        if (acceptKeys)
            e->accept();
    }
    void keyReleaseEvent(UIEvent* e) override { record(e); }
    void mousePressEvent(UIEvent* e) override { record(e); }
    void mouseReleaseEvent(UIEvent* e) override { record(e); }
    void clickEvent(UIEvent* e) override { record(e); }
    void wheelEvent(UIEvent* e) override { record(e); }
    void mouseEnterEvent(UIEvent* e) override { record(e); }
    void mouseLeaveEvent(UIEvent* e) override { record(e); }
    void mouseMoveEvent(UIEvent* e) override { record(e); }
    void timerEvent(UIEvent* e) override { record(e); }
    void focusInEvent(UIEvent* e) override { record(e); }
    void focusOutEvent(UIEvent* e) override { record(e); }
    void showEvent(UIEvent* e) override { record(e); }
    void hideEvent(UIEvent* e) override { record(e); }
    void stateChangeEvent(UIEvent* e) override { record(e); }
    void closeEvent(UIEvent* e) override
    {
        record(e);
        if (refuseClose)
            e->ignore();
    }

private:
    void record(UIEvent* e) { record(std::to_string(e->type())); }
    void record(const std::string& what)
    {
        if (m_log)
            m_log->push_back(m_name + ":" + what);
    }

    std::vector<std::string>* m_log;
    std::string m_name;
};

// Counts the emissions of the signals connected to count.
struct SignalCounter : SignalReceiver
{
    void count() { ++calls; }
    int calls = 0;
};

// A message loop, fake timers and cursor, and a shown window to put widgets
// in.
class WidgetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MessageLoop::create();
        UITimerBackend::install(&timers);
        UICursorHost::install(&cursor);
        UINativeWindow::setFactory(
            [](UIWidget* owner) -> UINativeWindow* { return new FakeNativeWindow(owner); });
        top = new RecordingWidget(nullptr, nullptr, "top");
        top->setFlag(UIWidget::kWindow, true);
        top->setStyleName(String(u"UIWindow"));
        // These tests place widgets by hand; the grid stays out of the way.
        top->setLayoutEnabled(false);
        top->resize(500, 400);
        top->show();
    }
    void TearDown() override
    {
        delete top;
        UINativeWindow::setFactory(nullptr);
        UICursorHost::install(nullptr);
        UITimerBackend::install(nullptr);
        MessageLoop::destroy();
    }

    FakeNativeWindow* native() const { return static_cast<FakeNativeWindow*>(top->nativeWindow()); }
    RecordingWidget* child(const char* name, int x, int y, int w, int h, UIWidget* parent = nullptr)
    {
        auto* widget = new RecordingWidget(parent ? parent : top, &log, name);
        widget->setLayoutEnabled(false);
        widget->setGeometry(x, y, w, h);
        widget->show();
        log.clear();
        return widget;
    }
    static void send(UIWidget* widget, UIEvent&& event)
    {
        MessageLoop::instance()->sendEvent(&event, widget);
    }
    static void mouse(UIWidget* widget, int type, int x, int y)
    {
        send(widget, UIMouseEvent(type, type == kMouseMoveEvent ? 0 : 1, type == kMouseMoveEvent ? 0 : 1,
                                  Point(x, y), 0));
    }
    static void drain() { MessageLoop::instance()->mainLoop().processPendingEvents(); }

    FakeTimerBackend timers;
    FakeCursorHost cursor;
    RecordingWidget* top = nullptr;
    std::vector<std::string> log;
};
