#pragma once

#include "tests/support/WidgetFakes.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/widgets/edit/UILineEdit.h"

// A line edit 100 x 30 in the fakes' window, keys sent to it, and the error
// sounds counted.
class UILineEditTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        UIApplication::instance()->soundRequested.connect(&sounds, &SignalCounter::count);
        edit = new UILineEdit(top);
        edit->setGeometry(0, 0, 100, 30);
        edit->show();
    }
    void TearDown() override
    {
        delete edit;
        WidgetTest::TearDown();
    }
    void type(const char16_t* text)
    {
        for (const char16_t* c = text; *c; ++c)
            send(edit, UIKeyEvent(kKeyPressEvent, 0, 0, String(c, 1)));
    }
    void press(int key, uint32_t modifiers = 0)
    {
        send(edit, UIKeyEvent(kKeyPressEvent, key, modifiers, String()));
    }

    SignalCounter sounds;
    UILineEdit* edit = nullptr;
};
