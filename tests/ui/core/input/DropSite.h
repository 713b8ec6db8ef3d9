#pragma once

#include "tests/support/TestText.h"
#include "tests/support/WidgetFakes.h"
#include "ui/core/events/UIDragMoveEvent.h"
#include "ui/core/events/UIDropEvent.h"
#include "ui/core/input/UIDragState.h"

using Log = std::vector<std::string>;

// Takes drops and logs every drag event, a drop with what the drag state said.
class DropSite : public UIWidget
{
public:
    DropSite(UIWidget* parent, Log* log, const char* name) : UIWidget(parent), m_log(log), m_name(name)
    {
        setStyleName(String(u"UIDropSite"));
        setAcceptDrops(true);
        setFocusPolicy(kClickFocus);
    }

    bool acceptEvents = true;
    uint32_t askAction = 0;

protected:
    void dragEnterEvent(UIEvent* e) override { answer(e); }
    void dragMoveEvent(UIEvent* e) override { answer(e); }
    void dragLeaveEvent(UIEvent*) override { note("120"); }
    void dropEvent(UIEvent*) override
    {
        Point at = UIDropEvent::position();
        note("121 " + testsupport::utf8(UIDropEvent::mimeData().text()) + " at " + std::to_string(at.x) +
             "," + std::to_string(at.y) + " action " + std::to_string(UIDropEvent::dropAction()) + " keys " +
             std::to_string(UIDropEvent::buttons()) + "/" + std::to_string(UIDropEvent::modifiers()) +
             (UIDropEvent::source() ? " from source" : "") + (hasFocus() ? " focused" : ""));
    }

private:
    void note(const std::string& what) { m_log->push_back(m_name + ":" + what); }
    void answer(UIEvent* e)
    {
        note(std::to_string(e->type()));
        if (askAction)
            static_cast<UIDragMoveEvent*>(e)->setDropAction(askAction);
        e->setAccepted(acceptEvents);
    }

    Log* m_log;
    std::string m_name;
};

// Five sites 100 wide side by side in a shown window: a, b, one that leaves
// the drag events unaccepted, one that takes no drops and a disabled one.
class DropSiteTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        const char* names[] = {"a", "b", "refusing", "closed", "disabled"};
        for (int i = 0; i < 5; ++i) {
            sites[i] = new DropSite(top, &log, names[i]);
            sites[i]->setGeometry(100 * i, 0, 100, 100);
            sites[i]->show();
        }
        a = sites[0];
        b = sites[1];
        sites[2]->acceptEvents = false;
        sites[3]->setAcceptDrops(false);
        sites[4]->setEnabled(false);
    }
    void TearDown() override
    {
        state->reset();
        WidgetTest::TearDown();
    }

    UIDragState* state = UIDragState::instance();
    DropSite* sites[5] = {};
    DropSite* a = nullptr;
    DropSite* b = nullptr;
};
