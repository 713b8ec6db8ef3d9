#pragma once

#include "tests/support/TestText.h"
#include "tests/support/WidgetFakes.h"
#include "ui/core/events/UIDragMoveEvent.h"
#include "ui/core/events/UIDropEvent.h"
#include "ui/core/input/UIDragState.h"
#include "ui/core/input/UIMimeData.h"

#include <string>
#include <vector>

using Log = std::vector<std::string>;

// Takes drops and logs every drag event with what the drag state said then.
class DropSite : public UIWidget
{
public:
    DropSite(UIWidget* parent, Log* log, const char* name) : UIWidget(parent), m_log(log), m_name(name)
    {
        setStyleName(String(u"UIDropSite"));
        setLayoutEnabled(false);
        setAcceptDrops(true);
        setFocusPolicy(kClickFocus);
    }

    bool acceptEvents = true;
    uint32_t askAction = 0;

protected:
    void dragEnterEvent(UIEvent* e) override { answer(e); }
    void dragMoveEvent(UIEvent* e) override { answer(e); }
    void dragLeaveEvent(UIEvent* e) override { m_log->push_back(m_name + ":" + std::to_string(e->type())); }
    void dropEvent(UIEvent*) override
    {
        Point at = UIDropEvent::position();
        UIWidget* source = UIDropEvent::source();
        m_log->push_back(m_name + ":121 " + testsupport::utf8(UIDropEvent::mimeData().text()) + " at " +
                         std::to_string(at.x) + "," + std::to_string(at.y) + " action " +
                         std::to_string(UIDropEvent::dropAction()) + " keys " +
                         std::to_string(UIDropEvent::buttons()) + "/" +
                         std::to_string(UIDropEvent::modifiers()) + (source ? " from source" : "") +
                         (hasFocus() ? " focused" : ""));
    }

private:
    void answer(UIEvent* e)
    {
        m_log->push_back(m_name + ":" + std::to_string(e->type()));
        if (askAction)
            static_cast<UIDragMoveEvent*>(e)->setDropAction(askAction);
        if (acceptEvents)
            e->accept();
    }

    Log* m_log;
    std::string m_name;
};

// Five widgets side by side in a window 500 wide: a, b, one that leaves the
// drag events unaccepted, one that takes no drops and a disabled one.
class DropSiteTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        state = UIDragState::instance();
        a = site("a", 0, 0);
        b = site("b", 100, 0);
        refusing = site("refusing", 200, 0);
        refusing->acceptEvents = false;
        closed = site("closed", 300, 0);
        closed->setAcceptDrops(false);
        disabled = site("disabled", 400, 0);
        disabled->setEnabled(false);
    }
    void TearDown() override
    {
        state->leaveWindow();
        state->reset();
        WidgetTest::TearDown();
    }
    DropSite* site(const char* name, int x, int y)
    {
        auto* widget = new DropSite(top, &log, name);
        widget->setGeometry(x, y, 100, 100);
        widget->show();
        return widget;
    }
    void enterWith(const char16_t* text)
    {
        UIMimeData mime;
        if (text)
            mime.setText(text);
        state->enterWindow(mime);
    }
    // The drop timer is the last timer started.
    void fireDropTimer() { UITimer::fire(timers.lastId); }

    UIDragState* state = nullptr;
    DropSite* a = nullptr;
    DropSite* b = nullptr;
    DropSite* refusing = nullptr;
    DropSite* closed = nullptr;
    DropSite* disabled = nullptr;
};
