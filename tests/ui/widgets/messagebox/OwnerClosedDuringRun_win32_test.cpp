// A message box or a dialog in its modal run while its owner window goes
// (closed by the system, closed by the program, or deleted): the run ends,
// the box's caller gets it back whole and deletes it once.
#include "tests/support/LaterStep.h"
#include "tests/support/TestText.h"
#include "tests/support/UIHarness.h"
#include "ui/core/widget/UIWidgetGuard.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/messagebox/UIMessageBox.h"
#include "ui/widgets/window/UIDialog.h"

#include <gtest/gtest.h>
#include <windows.h>

using testsupport::LaterStep;
using testsupport::text;
using testsupport::UIHarness;

namespace {

enum class OwnerEnd { SystemClose, ProgramClose, Deleted };

struct Case
{
    const char* name;
    OwnerEnd end;
};

const Case kCases[] = {
    {"WM_CLOSE", OwnerEnd::SystemClose},
    {"close()", OwnerEnd::ProgramClose},
    {"delete", OwnerEnd::Deleted},
};

void silence(int) {}

class OwnerClosedDuringRun : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(UIHarness::start());
        UIMessageBox::setSoundPlayer(&silence);
    }
    void TearDown() override
    {
        UIMessageBox::setSoundPlayer(nullptr);
        delete owner;
        UIHarness::pump();
    }

    // Ends the owner from a timer once the modal run has started; the
    // guard tells whether the owner object itself is gone.
    LaterStep endOwnerLater(OwnerEnd end, const UIWidget* running)
    {
        return LaterStep(
            20,
            [this, end, running] {
                if (!running->isModalRunning())
                    return false;
                if (end == OwnerEnd::SystemClose)
                    PostMessageW(static_cast<HWND>(owner->nativeHandle()), WM_CLOSE, 0, 0);
                else if (end == OwnerEnd::ProgramClose)
                    owner->close();
                else {
                    delete owner;
                    owner = nullptr;
                }
                return true;
            },
            100);
    }

    UIWidget* owner = nullptr;
};

} // namespace

TEST_F(OwnerClosedDuringRun, AMessageBoxOnTheStackEndsWithNothingChosen)
{
    for (const Case& each : kCases) {
        owner = UIHarness::openWindow(nullptr, 40, 40, 400, 300);
        int result = -1;
        {
            UIMessageBox box(UIMessageBox::kQuestion, text("Question"), text("Go on?"),
                             UIMessageBox::kYes | UIMessageBox::kNo, owner);
            box.setOptions(UIMessageBox::kDoNotShowAgainOption);
            LaterStep step = endOwnerLater(each.end, &box);
            result = box.exec();
            EXPECT_FALSE(box.isModalRunning()) << each.name;
            EXPECT_FALSE(box.isVisible()) << each.name;
            EXPECT_EQ(nullptr, box.parentWidget()) << each.name << ": the owner let it go";
        }
        EXPECT_EQ(0, result) << each.name;
        delete owner;
        owner = nullptr;
        UIHarness::pump();
    }
}

TEST_F(OwnerClosedDuringRun, AMessageBoxOnTheHeapIsLeftToItsCaller)
{
    for (const Case& each : kCases) {
        owner = UIHarness::openWindow(nullptr, 40, 40, 400, 300);
        auto* box = new UIMessageBox(UIMessageBox::kWarning, text("Warning"), text("Careful"),
                                     UIMessageBox::kOk | UIMessageBox::kCancel, owner);
        UIWidgetGuard guard(box);
        {
            LaterStep step = endOwnerLater(each.end, box);
            EXPECT_EQ(0, box->exec()) << each.name;
        }
        ASSERT_TRUE(guard.isAlive()) << each.name << ": not deleted under its caller";
        delete owner;
        owner = nullptr;
        UIHarness::pump();
        ASSERT_TRUE(guard.isAlive()) << each.name;

        // Run again: built anew without touching the rows its close took
        // away, and ended at once as its window is gone.
        EXPECT_EQ(0, box->exec()) << each.name;
        delete box;
        UIHarness::pump();
    }
}

TEST_F(OwnerClosedDuringRun, ADialogOnTheStackEndsAndKeepsItsChildrenUntilItGoes)
{
    for (const Case& each : kCases) {
        owner = UIHarness::openWindow(nullptr, 40, 40, 400, 300);
        {
            UIDialog dialog(owner, 0);
            dialog.resize(240, 160);
            auto* button = new UIButton(&dialog);
            button->setGeometry(30, 40, 90, 30);
            button->show();
            dialog.setResult(7);
            LaterStep step = endOwnerLater(each.end, &dialog);
            dialog.show();
            EXPECT_FALSE(dialog.isModalRunning()) << each.name;
            EXPECT_EQ(7, dialog.result()) << each.name << ": the last result stored stays";
        }
        delete owner;
        owner = nullptr;
        UIHarness::pump();
    }
}
