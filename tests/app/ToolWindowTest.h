#pragma once

// The base of the tests of the tools and help windows on the test display:
// a program core with the data archive (for the logo and the identity), the
// harness, and a hand that answers the message box a window runs.
#include "tests/app/ProgramCore.h"
#include "tests/support/IoTestSupport.h"
#include "tests/support/LaterStep.h"
#include "tests/support/UIHarness.h"
#include "ui/core/application/UIApplication.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/messagebox/UIMessageBox.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

// What a message box showed before the hand pressed one of its buttons.
struct SeenBox
{
    bool seen = false;
    int kind = -1;
    std::string text;
    std::string informativeText;
};

class ToolWindowTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { s_core = makeProgramCore(); }
    static void TearDownTestSuite()
    {
        delete s_core;
        s_core = nullptr;
    }
    void SetUp() override
    {
        ASSERT_TRUE(testsupport::UIHarness::start("test.style"));
        UIApplication::instance()->setSoundsEnabled(false);
    }

    static UIMessageBox* runningBox()
    {
        for (UIWidget* widget : UIApplication::instance()->widgetList()) {
            auto* box = dynamic_cast<UIMessageBox*>(widget);
            if (box && box->isModalRunning() && box->isVisible())
                return box;
        }
        return nullptr;
    }

    // Waits up to about ten seconds for a box, records it and presses the
    // button of that flag.
    static std::unique_ptr<testsupport::LaterStep> answerBox(SeenBox& seen, int button)
    {
        return std::make_unique<testsupport::LaterStep>(
            50,
            [&seen, button] {
                UIMessageBox* box = runningBox();
                if (!box)
                    return false;
                seen.seen = true;
                seen.kind = box->kind();
                seen.text = iotest::show(box->text());
                seen.informativeText = iotest::show(box->informativeText());
                UIButton* pressed = box->button(button);
                if (pressed)
                    testsupport::UIHarness::click(pressed, pressed->rect().center());
                return true;
            },
            200);
    }

    static inline AppCore* s_core = nullptr;
};
