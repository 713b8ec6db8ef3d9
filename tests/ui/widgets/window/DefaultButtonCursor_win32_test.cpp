// The dialog moves the cursor onto its default button when the desktop asks
// for it. The setting is turned on for the test and put back on every path;
// the point looked for comes from the dialog's real client area, not from
// the toolkit's own mapping.
#include "tests/support/LaterStep.h"
#include "tests/support/UIHarness.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/window/UIDialog.h"

#include <gtest/gtest.h>
#include <windows.h>

using testsupport::LaterStep;
using testsupport::UIHarness;

namespace {

// Sets the snap setting for this run only (never written to the profile)
// and restores the old value when it goes.
class SnapToDefaultButton
{
public:
    explicit SnapToDefaultButton(bool on)
    {
        m_read = SystemParametersInfoW(SPI_GETSNAPTODEFBUTTON, 0, &m_old, 0) != 0;
        m_set = m_read && SystemParametersInfoW(SPI_SETSNAPTODEFBUTTON, on ? TRUE : FALSE, nullptr, 0) != 0;
    }
    ~SnapToDefaultButton()
    {
        if (m_set)
            SystemParametersInfoW(SPI_SETSNAPTODEFBUTTON, m_old, nullptr, 0);
    }
    bool isSet() const { return m_set; }

private:
    BOOL m_old = FALSE;
    bool m_read = false;
    bool m_set = false;
};

struct Outcome
{
    POINT cursor{-1, -1};
    POINT wanted{-2, -2};
    bool matched = false;
};

// Runs a dialog with a default button at (30, 40) of 90 x 30 modally and
// watches where the cursor goes until it reaches two thirds across and down
// the button or the tries run out. With its layout on, the dialog moves and
// sizes the button itself, so the point is worked out from where the button
// stands then.
Outcome runDialog(UIWidget* parent, bool snap, bool layout)
{
    Outcome outcome;
    SnapToDefaultButton setting(snap);
    EXPECT_TRUE(setting.isSet());
    UIDialog dialog(parent, 0);
    dialog.setLayoutEnabled(layout);
    dialog.resize(240, 160);
    auto* button = new UIButton(&dialog);
    button->setDefault(true);
    button->setGeometry(30, 40, 90, 30);
    button->show();
    SetCursorPos(5, 5);
    int tries = 0;
    LaterStep step(
        20,
        [&] {
            POINT origin{0, 0};
            ClientToScreen(static_cast<HWND>(dialog.windowHandle()), &origin);
            const Rect place = layout ? button->geometry() : Rect(30, 40, 90, 30);
            outcome.wanted = POINT{origin.x + place.x + place.width - place.width / 3,
                                   origin.y + place.y + place.height - place.height / 3};
            GetCursorPos(&outcome.cursor);
            outcome.matched = outcome.cursor.x == outcome.wanted.x && outcome.cursor.y == outcome.wanted.y;
            if (outcome.matched || ++tries >= 25) {
                dialog.accept();
                return true;
            }
            return false;
        },
        30);
    dialog.show();
    return outcome;
}

class DefaultButtonCursor : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(UIHarness::start());
        window = UIHarness::openWindow(nullptr, 60, 60, 320, 200);
    }
    void TearDown() override { UIHarness::closeWindow(window); }

    UIWidget* window = nullptr;
};

} // namespace

TEST_F(DefaultButtonCursor, GoesTwoThirdsIntoTheDefaultButtonWithTheSettingOn)
{
    BOOL before = FALSE;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETSNAPTODEFBUTTON, 0, &before, 0));
    for (bool layout : {false, true}) {
        const Outcome outcome = runDialog(window, true, layout);
        EXPECT_TRUE(outcome.matched) << (layout ? "laid out: " : "placed by hand: ") << "cursor at "
                                     << outcome.cursor.x << "," << outcome.cursor.y << ", wanted "
                                     << outcome.wanted.x << "," << outcome.wanted.y;
    }
    BOOL after = !before;
    SystemParametersInfoW(SPI_GETSNAPTODEFBUTTON, 0, &after, 0);
    EXPECT_EQ(before, after) << "the setting is put back";
}

TEST_F(DefaultButtonCursor, StaysWhereItWasWithTheSettingOff)
{
    const Outcome outcome = runDialog(window, false, true);
    EXPECT_FALSE(outcome.matched);
    EXPECT_EQ(5, outcome.cursor.x);
    EXPECT_EQ(5, outcome.cursor.y);
}
