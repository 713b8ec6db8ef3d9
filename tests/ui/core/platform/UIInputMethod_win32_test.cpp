#include "tests/support/PlainNativeWindow.h"
#include "ui/core/platform/UIInputMethod.h"

#include <imm.h>

#include <gtest/gtest.h>

namespace {

class TextWidget : public UIWidget
{
public:
    explicit TextWidget(UIWidget* parent) : UIWidget(parent)
    {
        setFlag(UIInputMethod::kTakesTextFlag, true);
        setFocusPolicy(kClickFocus);
        setStyleName(String(u"UITextTest"));
        setLayoutEnabled(false);
        setGeometry(30, 40, 50, 20);
        show();
    }
    Rect inputCursorRect() const override { return Rect(7, 3, 1, 12); }
    FontDesc font() const override { return FontDesc(String(u"tahoma"), 10, FontDesc::kBold); }
};

HIMC contextOf(HWND window)
{
    HIMC context = ImmGetContext(window);
    if (context)
        ImmReleaseContext(window, context);
    return context;
}

} // namespace

TEST(UIInputMethodWine, ContextFollowsTheFocusAndTheCompositionWindowTheCaret)
{
    MessageLoop::create();
    UINativeWindow::setFactory(
        [](UIWidget* owner) -> UINativeWindow* { return new testsupport::PlainNativeWindow(owner); });
    auto* top = new UIWidget(nullptr);
    top->setFlag(UIWidget::kWindow, true);
    top->setStyleName(String(u"UIWindow"));
    top->setLayoutEnabled(false);
    top->show();
    auto* edit = new TextWidget(top);
    auto* disabledEdit = new TextWidget(top);
    auto* button = new UIWidget(top);
    button->setFocusPolicy(UIWidget::kClickFocus);
    button->setStyleName(String(u"UIButtonTest"));
    button->show();
    HWND window = static_cast<HWND>(top->nativeHandle());
    HIMC original = contextOf(window);
    ASSERT_NE(original, nullptr) << "the window starts with the thread's context";

    // Off for a plain widget, back with the same context for a text widget.
    UIWidget* order[] = {button, edit, button, edit};
    for (UIWidget* next : order) {
        next->setFocus();
        ASSERT_TRUE(next->hasFocus());
        EXPECT_EQ(contextOf(window), next == edit ? original : nullptr);
    }
    disabledEdit->setEnabled(false);
    UIInputMethod::instance()->focusChanged(disabledEdit, true);
    EXPECT_EQ(contextOf(window), nullptr) << "a disabled edit gets no input method";
    edit->clearFocus();
    edit->setFocus();
    UIInputMethod::instance()->focusChanged(button, false);
    EXPECT_EQ(contextOf(window), original) << "a plain widget losing the focus changes nothing";

    UIInputMethod* im = UIInputMethod::instance();
    EXPECT_FALSE(im->begin(button, window)) << "a widget that takes no text";
    EXPECT_FALSE(im->begin(edit, nullptr));
    EXPECT_FALSE(im->isActive());
    ASSERT_TRUE(im->begin(edit, window));
    EXPECT_TRUE(edit->testFlag(UIInputMethod::kComposingFlag));
    im->updateCompositionWindow();
    COMPOSITIONFORM form = {};
    LOGFONTW font = {};
    HIMC context = ImmGetContext(window);
    EXPECT_TRUE(ImmGetCompositionWindow(context, &form));
    EXPECT_TRUE(ImmGetCompositionFontW(context, &font));
    ImmReleaseContext(window, context);
    // The caret's corner (7, 3) of a widget at (30, 40).
    EXPECT_EQ(form.ptCurrentPos.x, 37);
    EXPECT_EQ(form.ptCurrentPos.y, 43);
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    im->end(false);
    EXPECT_FALSE(im->isActive());
    EXPECT_FALSE(edit->testFlag(UIInputMethod::kComposingFlag));

    ASSERT_TRUE(im->begin(edit, window));
    delete edit;
    EXPECT_FALSE(im->isActive()) << "a deleted widget's composition is forgotten";
    im->end(true);
    delete top;
    UINativeWindow::setFactory(nullptr);
    MessageLoop::destroy();
}
