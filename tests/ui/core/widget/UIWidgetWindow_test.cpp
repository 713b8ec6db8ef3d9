#include "foundation/core/AppCore.h"
#include "tests/support/WidgetFakes.h"
#include "ui/core/widget/UIWidget.h"

#include <functional>

namespace {

// A window whose shown slot runs a probe: a modal run's show event comes
// while the other windows are blocked.
class ProbeWindow : public RecordingWidget
{
public:
    ProbeWindow(UIWidget* parent, std::vector<std::string>* log, const char* name)
        : RecordingWidget(parent, log, name)
    {
        setFlag(kWindow, true);
        setStyleName(String(u"UIDialog"));
        setLayoutEnabled(false);
        shown.connect(this, &ProbeWindow::onShown);
        hidden.connect(this, &ProbeWindow::onHidden);
    }
    std::function<void()> whenShown;
    std::function<void()> whenHidden;

private:
    void onShown()
    {
        if (whenShown)
            whenShown();
    }
    void onHidden()
    {
        if (whenHidden)
            whenHidden();
    }
};

FakeNativeWindow* nativeOf(UIWidget* widget)
{
    return static_cast<FakeNativeWindow*>(widget->nativeWindow());
}

} // namespace

using UIWidgetWindow = WidgetTest;

TEST_F(UIWidgetWindow, TitlesJoinTheSeparatorAndProductName)
{
    AppCore core(String(u"Reelstack"), String(u"1.0"));
    const String dash(u" \u2013 ");
    struct Case
    {
        const char16_t* text;
        bool append;
        String title;
    };
    const Case cases[] = {
        {u"", true, String(u"Reelstack")},
        {u"Movies", true, String(u"Movies") + dash + String(u"Reelstack")},
        {u"Movies", false, String(u"Movies")},
    };
    for (const Case& c : cases) {
        top->setWindowTitle(String(c.text), c.append);
        EXPECT_EQ(top->windowTitle(), c.title);
    }
    StringList parts;
    parts.append(String(u"Edit"));
    parts.append(String(u"Alien"));
    top->setWindowTitleParts(parts, false);
    EXPECT_EQ(top->windowTitle(), String(u"Edit") + dash + String(u"Alien"));
    top->setTitleSuffix(String(u" *"));
    EXPECT_EQ(top->windowTitle(), String(u"Edit") + dash + String(u"Alien *")) << "the suffix shows at once";
}

TEST_F(UIWidgetWindow, StatesAreCleanedBeforeTheNativeWindowSeesThem)
{
    struct Case
    {
        uint32_t asked;
        uint32_t handed;
    };
    const Case cases[] = {{1 | 2, 1}, {1 | 4 | 8, 1 | 8}, {2 | 4, 2}, {4 | 8, 4 | 8}, {0, 0}};
    for (const Case& c : cases) {
        native()->state = 0x80;
        native()->stateAsked.clear();
        top->setWindowState(c.asked);
        ASSERT_EQ(native()->stateAsked.size(), 1u) << c.asked;
        EXPECT_EQ(native()->stateAsked[0], c.handed);
    }
    native()->state = 2;
    native()->stateAsked.clear();
    top->setWindowState(2);
    EXPECT_TRUE(native()->stateAsked.empty()) << "the state it has already";
    EXPECT_TRUE(top->isMaximized());
    EXPECT_FALSE(top->isNormalState());
}

TEST_F(UIWidgetWindow, FlashOnlyForAWindowWithoutParent)
{
    ProbeWindow owned(top, nullptr, "owned");
    top->flash(2);
    owned.flash(3);
    top->flash(0);
    EXPECT_EQ(native()->flashes, 2);
    EXPECT_EQ(nativeOf(&owned)->flashes, 0);
}

TEST_F(UIWidgetWindow, ModalRunBlocksAllButItsDescendantsUntilClosed)
{
    auto* other = new ProbeWindow(nullptr, &log, "other");
    auto* dialog = new ProbeWindow(top, &log, "dialog");
    auto* sub = new ProbeWindow(dialog, &log, "sub");
    RecordingWidget* grabber = child("grabber", 0, 0, 10, 10);
    grabber->setGrabWidget();
    std::vector<int> blockedDuring;
    dialog->whenShown = [&] {
        blockedDuring = {native()->blockCount, nativeOf(other)->blockCount, nativeOf(sub)->blockCount};
    };
    std::vector<int> blockedAtHide;
    dialog->whenHidden = [&] { blockedAtHide = {native()->blockCount, nativeOf(other)->blockCount}; };
    dialog->setModal(true);
    EXPECT_TRUE(dialog->isModal());
    // The run ends when the dialog is closed: the close waits in the queue.
    dialog->close();
    dialog->show();
    EXPECT_EQ(blockedDuring, (std::vector<int>{1, 1, 0}));
    EXPECT_EQ(blockedAtHide, (std::vector<int>{0, 0})) << "the others are usable before the hide event";
    EXPECT_FALSE(dialog->isModalRunning());
    EXPECT_EQ(UIWidget::grabWidget(), grabber) << "another widget's grab stays";
    EXPECT_EQ(native()->blockCount, 0);
    // A closed window has left its parent; its owner deletes it.
    delete dialog;
    delete other;
}

TEST_F(UIWidgetWindow, NestedRunsCountTheirBlocksAndSkipWindowsGoneMeanwhile)
{
    auto* doomed = new ProbeWindow(nullptr, &log, "doomed");
    auto* outer = new ProbeWindow(top, &log, "outer");
    auto* inner = new ProbeWindow(top, &log, "inner");
    int topBlocksInside = 0;
    int outerBlocksInside = 0;
    int topBlocksBetween = 0;
    inner->whenShown = [&] {
        topBlocksInside = native()->blockCount;
        outerBlocksInside = nativeOf(outer)->blockCount;
    };
    outer->whenShown = [&] {
        // Closing a blocked window during the run: the end of the run must
        // not touch it.
        delete doomed;
        inner->setModal(true);
        inner->close();
        inner->show();
        topBlocksBetween = native()->blockCount;
        outer->close();
    };
    outer->setModal(true);
    outer->show();
    EXPECT_EQ(topBlocksInside, 2) << "blocked by both runs";
    EXPECT_EQ(outerBlocksInside, 1);
    EXPECT_EQ(topBlocksBetween, 1) << "the outer run still blocks it";
    EXPECT_EQ(native()->blockCount, 0);
    delete inner;
    delete outer;
}

TEST_F(UIWidgetWindow, ADialogClosedByItsOwnShowEventRunsNoLoop)
{
    auto* dialog = new ProbeWindow(top, &log, "dialog");
    dialog->whenShown = [&] { dialog->destroy(); };
    dialog->setModal(true);
    dialog->show();
    EXPECT_FALSE(dialog->isModalRunning());
    EXPECT_EQ(native()->blockCount, 0);
    delete dialog;
}
