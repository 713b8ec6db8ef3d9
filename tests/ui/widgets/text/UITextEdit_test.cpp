// The text editor and its view on the widget fakes: zoom limits, keeping the
// cursor visible, keys, clipboard line ends and the context menu.
#include "tests/support/TestText.h"
#include "tests/support/WidgetFakes.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UIContextMenuEvent.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/events/UIWheelEvent.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/range/UIScrollBar.h"
#include "ui/widgets/text/UITextDocument.h"
#include "ui/widgets/text/UITextEdit.h"
#include "ui/widgets/text/UITextEditView.h"

using testsupport::utf8;

namespace {

class UITextEditTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        UIApplication::instance()->soundRequested.connect(&sounds, &SignalCounter::count);
        view = new UITextEditView(top);
        view->setGeometry(0, 0, 200, 100);
        view->show();
        view->relayout();
        edit = view->textEdit();
        edit->zoomChanged.connect(&zooms, &SignalCounter::count);
    }
    void TearDown() override
    {
        delete view;
        WidgetTest::TearDown();
    }
    void press(int key, uint32_t modifiers = 0)
    {
        send(edit, UIKeyEvent(kKeyPressEvent, key, modifiers, String()));
    }
    void type(const char16_t* text)
    {
        for (const char16_t* c = text; *c; ++c)
            send(edit, UIKeyEvent(kKeyPressEvent, 0, 0, String(c, 1)));
    }
    float size() const { return edit->document()->fontSize(); }

    SignalCounter sounds;
    SignalCounter zooms;
    UITextEditView* view = nullptr;
    UITextEdit* edit = nullptr;
};

} // namespace

TEST_F(UITextEditTest, TheTextWrapsToTheWidthItWasLaidOutToEvenWhileHidden)
{
    const struct
    {
        bool shownFirst;
        int width;
    } cases[] = {{true, 300}, {false, 300}, {false, 160}};
    for (const auto& c : cases) {
        auto* holder = new UIWidget(top);
        holder->setLayoutEnabled(false);
        holder->setGeometry(0, 0, 400, 200);
        if (c.shownFirst)
            holder->show();
        auto* hidden = new UITextEditView(holder);
        hidden->setGeometry(0, 0, c.width, 100);
        hidden->show();
        hidden->relayout();
        hidden->textEdit()->setText(String(u"Alpha;1990\nBeta Blues;2004"));
        holder->show();
        const UITextEdit* shown = hidden->textEdit();
        EXPECT_GT(shown->width(), c.width / 2) << c.shownFirst << " " << c.width;
        EXPECT_EQ(shown->document()->viewRect().width, shown->width()) << c.shownFirst << " " << c.width;
        delete holder;
    }
}

TEST_F(UITextEditTest, ZoomStaysWithinItsLimits)
{
    // Without skin values the limits are 6 and 72 points.
    EXPECT_EQ(edit->style().zoomMinimum, 6.0f);
    EXPECT_EQ(edit->style().zoomMaximum, 72.0f);
    edit->setStyleProperty(String(u"zoomMinimum"), String(u"8"));
    edit->setStyleProperty(String(u"zoomMaximum"), String(u"20"));
    edit->document()->setFontSize(12);
    std::vector<float> sizes;
    for (int i = 0; i < 12 && size() < 20; ++i) {
        const float before = size();
        press(187, 2);
        EXPECT_GT(size(), before);
        sizes.push_back(size());
    }
    EXPECT_EQ(size(), 20.0f);
    EXPECT_FALSE(edit->menuItems()[UITextEdit::kIncreaseItem].enabled);
    const int grown = zooms.calls;
    press(107, 2);
    EXPECT_EQ(size(), 20.0f);
    EXPECT_EQ(zooms.calls, grown);
    // The wheel zooms only with Ctrl: away from the user out, towards in.
    send(edit, UIWheelEvent(Point(5, 5), 120, 2, 4));
    EXPECT_LT(size(), 20.0f);
    const float wheeled = size();
    send(edit, UIWheelEvent(Point(5, 5), 120, 0, 4));
    EXPECT_EQ(size(), wheeled);
    for (int i = 0; i < 20; ++i)
        press(189, 2);
    EXPECT_EQ(size(), 8.0f);
    EXPECT_FALSE(edit->menuItems()[UITextEdit::kDecreaseItem].enabled);
    // Ctrl+0 goes back to the style's size, once.
    edit->setStyleProperty(String(u"font"), String(u"default,10,"));
    zooms.calls = 0;
    press(48, 2);
    EXPECT_EQ(size(), 10.0f);
    press(96, 2);
    EXPECT_EQ(zooms.calls, 1);
}

TEST_F(UITextEditTest, KeepsTheCursorLineAndColumnInView)
{
    String text;
    for (int i = 0; i < 40; ++i)
        text.append(String::fromInt(i) + u" line of the plot\n");
    edit->setText(text);
    const int lineHeight = edit->document()->fontMetrics().height();
    const Rect margins = edit->document()->margins();
    UIScrollBar* bar = view->verticalScrollBar();
    // At the end the last line sits at the bottom edge.
    const int last = edit->document()->cursor()->lineIndex();
    EXPECT_EQ(bar->value(), lineHeight * last + margins.y - (edit->height() - margins.y - lineHeight));
    // Page Up is the very start of the text.
    press(33);
    EXPECT_EQ(edit->document()->cursor()->position(), 0);
    EXPECT_EQ(bar->value(), 0);
    for (int i = 0; i < 10; ++i)
        press(40);
    const int line = edit->document()->cursor()->lineIndex();
    const int y = lineHeight * line - bar->value() + margins.y;
    EXPECT_GE(y, margins.y);
    EXPECT_LE(y + lineHeight, edit->height() - margins.height);
    // Typing past the right edge scrolls sideways.
    press(35);
    for (int i = 0; i < 30; ++i)
        type(u"x");
    EXPECT_LT(edit->scrollX(), 0);
    press(36);
    EXPECT_EQ(edit->scrollX(), 0);
    // The wheel scrolls by the system's number of lines.
    EXPECT_EQ(view->verticalStep(), view->wheelStep());
}

TEST_F(UITextEditTest, KeysClipboardAndRefusals)
{
    edit->setText(String(u"one\ntwo"));
    // Ctrl and the keypad's plus zoom; the '+' the system also made of it is
    // not typed.
    const float before = size();
    send(edit, UIKeyEvent(kKeyPressEvent, 107, 2, String(u"+")));
    EXPECT_GT(size(), before);
    EXPECT_EQ(utf8(edit->text()), "one\ntwo\n");
    press(33);
    press(9);
    EXPECT_EQ(utf8(edit->text()), "one\ntwo\n");
    type(u" ");
    // Copies carry Windows line ends in output mode 2.
    edit->selectAll();
    press(67, 2);
    EXPECT_EQ(utf8(UIApplication::instance()->clipboard()->text()), " one\r\ntwo");
    SignalCounter finished;
    edit->editingFinished.connect(&finished, &SignalCounter::count);
    edit->setReadOnly(true);
    sounds.calls = 0;
    press(13);
    type(u"z");
    press(86, 2);
    EXPECT_EQ(finished.calls, 1);
    EXPECT_EQ(sounds.calls, 2);
    EXPECT_EQ(utf8(edit->text()), " one\ntwo\n");
    edit->setReadOnly(false);
    edit->setMaxLength(5);
    edit->setText(String(u"abcdefg"));
    EXPECT_EQ(utf8(edit->text()), "abcde\n");
    EXPECT_EQ(sounds.calls, 3);
}

TEST_F(UITextEditTest, ContextMenuAndItsTextSizeSubmenu)
{
    // Made with its submenu when first asked for, not with the editor.
    EXPECT_EQ(edit->contextMenu(), nullptr);
    send(edit, UIContextMenuEvent(0, Point(5, 5), Point(20, 20)));
    UIMenu* menu = edit->menu();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(edit->contextMenu(), static_cast<UIContextMenu*>(menu));
    ASSERT_NE(menu->item(UITextEdit::kTextSizeItem)->subMenu(), nullptr);
    const int sizeItems = UITextEdit::kMenuItemCount - UITextEdit::kIncreaseItem;
    EXPECT_EQ(menu->item(UITextEdit::kTextSizeItem)->subMenu()->count(), sizeItems);
    menu->hide();

    UIApplication::instance()->clipboard()->setText(String(u"x"));
    auto shown = [&] {
        std::string s;
        for (const UIEditMenuItem& item : edit->menuItems())
            s += item.shown ? (item.enabled ? 'E' : 'd') : '-';
        return s;
    };
    edit->setText(String(u"abc"));
    EXPECT_EQ(shown(), "ddEddEdEEEEEEEE");
    edit->selectAll();
    edit->setReadOnly(true);
    EXPECT_EQ(shown(), "ddEdEddEEEEEEEE");
    edit->setEnabled(false);
    EXPECT_EQ(shown(), "ddEddddEdEEddEE");
}
