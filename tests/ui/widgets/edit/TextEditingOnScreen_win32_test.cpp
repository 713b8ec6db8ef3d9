// The line edit, text edit and spin box in real windows under Wine with
// test.style: frames read back from the screen, the caret, typing through the
// system's input queue, the real clipboard and the wheel.
#include "foundation/signals/SignalReceiver.h"
#include "foundation/system/MessageLoop.h"
#include "tests/support/TestText.h"
#include "tests/support/UIHarness.h"
#include "tools/skingen/TestSkinColors.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UICustomEvent.h"
#include "ui/core/theme/UITheme.h"
#include "ui/widgets/edit/UIEditCaret.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/items/UIListView.h"
#include "ui/widgets/spinbox/UISpinBox.h"
#include "ui/widgets/text/UITextDocument.h"
#include "ui/widgets/text/UITextEdit.h"
#include "ui/widgets/text/UITextEditView.h"

#include <gtest/gtest.h>
#include <windows.h>

using testsupport::UIHarness;
using testsupport::utf8;

namespace {

struct SoundCount : SignalReceiver
{
    void count() { ++calls; }
    int calls = 0;
};

class TextEditingOnScreen : public ::testing::Test
{
protected:
    static void TearDownTestSuite() { UIApplication::instance()->setTheme(new UITheme()); }

    void SetUp() override
    {
        ASSERT_TRUE(UIHarness::start());
        UIApplication::instance()->soundRequested.connect(&sounds, &SoundCount::count);
        window = UIHarness::openWindow(nullptr, 40, 40, 600, 400);
        UIHarness::pump();
    }
    void TearDown() override
    {
        UIHarness::closeWindow(window);
        UIHarness::pumpFor(10);
    }
    template <class W> W* place(W* widget, const Rect& at)
    {
        widget->setGeometry(at.x, at.y, at.width, at.height);
        widget->show();
        UIHarness::pump();
        return widget;
    }
    // A view lays its editor out once it is shown.
    UITextEditView* placeView(const Rect& at)
    {
        auto* view = place(new UITextEditView(window), at);
        view->relayout();
        UIHarness::pump();
        return view;
    }
    void expectFrame(const UIWidget* widget, const char16_t* skin, int frame, const char* what)
    {
        const uint32_t wanted = testSkinFrameColor(String(skin), frame).value() & 0xFFFFFFu;
        EXPECT_EQ(wanted, UIHarness::screenPixel(widget, Point(1, 1))) << what << " frame " << frame;
    }
    // Characters as the system types them: one KEYEVENTF_UNICODE press each.
    static void typeUnits(const std::u16string& units)
    {
        for (char16_t unit : units) {
            INPUT input[2] = {};
            for (int i = 0; i < 2; ++i) {
                input[i].type = INPUT_KEYBOARD;
                input[i].ki.wScan = unit;
                input[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
            }
            SendInput(2, input, sizeof(INPUT));
        }
        UIHarness::pumpFor(30);
    }
    static void ctrl(int key)
    {
        UIHarness::keyDown(VK_CONTROL);
        UIHarness::typeKeys({key});
        UIHarness::keyUp(VK_CONTROL);
        UIHarness::pumpFor(20);
    }
    HWND handle() const { return static_cast<HWND>(window->windowHandle()); }

    SoundCount sounds;
    UIWidget* window = nullptr;
};

} // namespace

TEST_F(TextEditingOnScreen, FramesByState)
{
    auto* edit = place(new UILineEdit(window), Rect(10, 10, 200, 26));
    auto* view = placeView(Rect(10, 60, 200, 100));
    UIHarness::moveMouse(window, Point(400, 300));
    UIHarness::pump();
    expectFrame(edit, u"UILineEdit_Background", 0, "at rest");
    UIHarness::moveMouse(edit, Point(20, 10));
    expectFrame(edit, u"UILineEdit_Background", 2, "hovered");
    UIHarness::moveMouse(window, Point(400, 300));
    edit->setFocus();
    expectFrame(edit, u"UILineEdit_Background", 2, "focused");
    edit->setReadOnly(true);
    edit->update();
    expectFrame(edit, u"UILineEdit_Background", 0, "read-only");
    edit->setEnabled(false);
    expectFrame(edit, u"UILineEdit_Background", 3, "disabled");
    expectFrame(view->textEdit(), u"UITextEdit_Background", 0, "text edit at rest");
    view->textEdit()->setEnabled(false);
    expectFrame(view->textEdit(), u"UITextEdit_Background", 3, "text edit disabled");
}

TEST_F(TextEditingOnScreen, CaretBlinksByInvertingAndRestoring)
{
    auto* edit = place(new UILineEdit(window), Rect(10, 10, 200, 26));
    UIHarness::typeAt(edit, {'A'});
    UIHarness::pump();
    ASSERT_EQ(utf8(edit->text()), "a");
    const Rect caret = UIEditCaret::visibleRect(*edit, *edit->document());
    ASSERT_FALSE(caret.isEmpty());
    const Point at(caret.x, caret.y + caret.height / 2);
    const uint32_t first = UIHarness::screenPixel(edit, at);
    const bool shown = edit->isCaretShown();
    UICustomEvent blink(UIEditCaret::kTimerId);
    MessageLoop::instance()->sendEvent(&blink, edit);
    const uint32_t second = UIHarness::screenPixel(edit, at);
    EXPECT_EQ(second, (~first) & 0xFFFFFFu);
    EXPECT_NE(edit->isCaretShown(), shown);
    MessageLoop::instance()->sendEvent(&blink, edit);
    EXPECT_EQ(UIHarness::screenPixel(edit, at), first);
}

TEST_F(TextEditingOnScreen, TypingPairsImeCharactersClipboardAndSound)
{
    auto* edit = place(new UILineEdit(window), Rect(10, 10, 300, 26));
    UIHarness::typeAt(edit, {'H', 'I'});
    typeUnits(u"\U0001F600");
    PostMessageW(handle(), WM_IME_CHAR, 0x00E9, 1);
    UIHarness::pumpFor(30);
    EXPECT_EQ(utf8(edit->text()), "hi\xF0\x9F\x98\x80\xC3\xA9");

    // Ctrl+A, Ctrl+C into the real clipboard, and back with Ctrl+V under a
    // maximum length: what does not fit is refused with the error sound.
    ctrl('A');
    ctrl('C');
    EXPECT_EQ(utf8(UIApplication::instance()->clipboard()->text()), "hi\xF0\x9F\x98\x80\xC3\xA9");
    edit->setText(String(u"ab"));
    edit->setMaxLength(4);
    sounds.calls = 0;
    ctrl('V');
    EXPECT_EQ(utf8(edit->text()), "abhi");
    EXPECT_EQ(sounds.calls, 1);

    // Multi-line copies carry CRLF.
    auto* view = placeView(Rect(10, 60, 300, 120));
    view->textEdit()->setText(String(u"one\ntwo"));
    UIHarness::click(view->textEdit(), Point(20, 10));
    UIHarness::pump();
    ctrl('A');
    ctrl('C');
    EXPECT_EQ(utf8(UIApplication::instance()->clipboard()->text()), "one\r\ntwo");
}

TEST_F(TextEditingOnScreen, SpinBoxArrowsTypingAndNormalising)
{
    auto* box = new UISpinBox(window);
    box->setRange(10, 99);
    box->setValue(20);
    place(box, Rect(10, 10, 120, 30));
    const Rect up = box->upButton();
    UIHarness::click(box, up.center());
    UIHarness::pump();
    EXPECT_EQ(box->value(), 21);
    UIHarness::wheel(box, box->downButton().center(), false, -120);
    UIHarness::pump();
    EXPECT_EQ(box->value(), 20);

    sounds.calls = 0;
    UIHarness::typeAt(box->lineEdit(), {});
    ctrl('A');
    UIHarness::typeKeys({'5'});
    UIHarness::pumpFor(20);
    EXPECT_EQ(utf8(box->text()), "5");
    EXPECT_EQ(box->value(), 20);
    EXPECT_EQ(sounds.calls, 0);
    UIHarness::typeKeys({'5', '0'});
    UIHarness::pumpFor(20);
    EXPECT_EQ(utf8(box->text()), "55");
    EXPECT_EQ(box->value(), 55);
    EXPECT_EQ(sounds.calls, 1);
    ctrl('A');
    UIHarness::typeKeys({'7', VK_RETURN});
    UIHarness::pumpFor(20);
    EXPECT_EQ(utf8(box->text()), "55");
}

TEST_F(TextEditingOnScreen, CompletionPopupAndCtrlWheelZoom)
{
    auto* edit = place(new UILineEdit(window), Rect(10, 10, 200, 26));
    edit->completer().setWords(StringList::split(String(u"alpha,alps,beta"), String(u","), 0));
    UIHarness::typeAt(edit, {'A', 'L'});
    UIHarness::pump();
    ASSERT_TRUE(edit->isCompletionVisible());
    UIHarness::typeKeys({VK_DOWN, VK_DOWN, VK_UP, VK_RETURN});
    UIHarness::pumpFor(20);
    EXPECT_EQ(utf8(edit->text()), "alpha");
    EXPECT_FALSE(edit->isCompletionVisible());

    auto* view = placeView(Rect(10, 60, 300, 120));
    UITextEdit* text = view->textEdit();
    const float before = text->document()->fontSize();
    const Point at = text->mapToGlobal(Point(20, 20));
    SetCursorPos(at.x, at.y);
    PostMessageW(handle(), WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA), MAKELPARAM(at.x, at.y));
    UIHarness::pumpFor(20);
    const float smaller = text->document()->fontSize();
    EXPECT_LT(smaller, before);
    PostMessageW(handle(), WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, -WHEEL_DELTA), MAKELPARAM(at.x, at.y));
    UIHarness::pumpFor(20);
    EXPECT_GT(text->document()->fontSize(), smaller);
}

TEST_F(TextEditingOnScreen, AFormFilledInByKeyboardAndMouse)
{
    auto* title = place(new UILineEdit(window), Rect(10, 10, 200, 26));
    title->completer().setWords(StringList::split(String(u"Casablanca,Cabaret"), String(u","), 0));
    title->completer().setCaseSensitive(false);
    auto* password = place(new UILineEdit(window), Rect(10, 40, 200, 26));
    password->setPasswordMode(true);
    auto* rating = new UISpinBox(window);
    rating->setRange(0, 10);
    place(rating, Rect(220, 10, 100, 30));
    UITextEditView* plot = placeView(Rect(10, 80, 300, 120));
    UITextEdit* text = plot->textEdit();

    UIHarness::typeAt(title, {'C', 'A', 'S', VK_DOWN, VK_RETURN});
    UIHarness::pumpFor(20);
    EXPECT_EQ(utf8(title->text()), "Casablanca");
    UIHarness::typeAt(password, {'P', 'W'});
    UIHarness::pumpFor(20);
    EXPECT_EQ(utf8(password->text()), "pw");
    EXPECT_EQ(utf8(password->displayText()), "\xE2\x97\x8F\xE2\x97\x8F");
    UIHarness::click(rating, rating->upButton().center());
    UIHarness::click(rating, rating->upButton().center());
    UIHarness::pumpFor(20);
    EXPECT_EQ(rating->value(), 2);

    // The title goes to the plot through the clipboard; undo takes back the
    // last change; Ctrl and the wheel zoom the plot.
    UIHarness::typeAt(title, {});
    ctrl('A');
    ctrl('C');
    UIHarness::typeAt(text, {'X', VK_RETURN});
    ctrl('V');
    EXPECT_EQ(utf8(text->text()), "x\nCasablanca\n");
    ctrl('Z');
    EXPECT_EQ(utf8(text->text()), "x\n\n");
    const float size = text->document()->fontSize();
    UIHarness::keyDown(VK_CONTROL);
    UIHarness::typeKeys({VK_ADD});
    UIHarness::keyUp(VK_CONTROL);
    UIHarness::pumpFor(20);
    EXPECT_GT(text->document()->fontSize(), size);

    // Wrapped text follows the width of the view.
    text->setWordWrap(true);
    text->setText(String(u"a plot long enough to be wrapped again once the view grows narrower"));
    const int lines = text->document()->lineCount();
    plot->setGeometry(10, 80, 150, 120);
    plot->relayout();
    UIHarness::pump();
    EXPECT_GT(text->document()->lineCount(), lines);
}

TEST_F(TextEditingOnScreen, SelectionColoursDoubleClicksAndHeldArrow)
{
    auto* edit = place(new UILineEdit(window), Rect(10, 10, 200, 26));
    auto* other = place(new UILineEdit(window), Rect(10, 40, 200, 26));
    edit->setText(String(u"WWW WWW"));
    UIHarness::activate(window);
    edit->setFocus();
    edit->selectAll();
    const int lineBottom = 4 + edit->document()->fontMetrics().height() - 1;
    const Point inSelection(5, lineBottom);
    const auto colour = [](const char16_t* property) {
        return testStyleColor(String(u"UILineEdit"), String(property)).value() & 0xFFFFFFu;
    };
    EXPECT_EQ(UIHarness::screenPixel(edit, inSelection), colour(u"selectedBackground"));
    other->setFocus();
    edit->update();
    EXPECT_EQ(UIHarness::screenPixel(edit, inSelection), colour(u"unfocusedSelectedBackground"));

    // One double click selects the word, a second one at once everything.
    const Point onSecondWord(edit->document()->charWidth(0) * 5 + 4, 13);
    for (int click = 0; click < 2; ++click) {
        UIHarness::click(edit, onSecondWord);
        UIHarness::pump();
    }
    EXPECT_EQ(utf8(edit->selectedText()), "WWW");
    for (int click = 0; click < 2; ++click) {
        UIHarness::click(edit, onSecondWord);
        UIHarness::pump();
    }
    EXPECT_EQ(utf8(edit->selectedText()), "WWW WWW");

    // Held, the up arrow steps at once and then again after its delays.
    auto* box = new UISpinBox(window);
    box->setRange(0, 100);
    place(box, Rect(250, 10, 100, 30));
    const Point up = box->upButton().center();
    UIHarness::moveMouse(box, up);
    UIHarness::postMouse(box, WM_LBUTTONDOWN, up, MK_LBUTTON);
    UIHarness::pump();
    EXPECT_EQ(box->value(), 1);
    UIHarness::pumpUntil([&] { return box->value() >= 3; }, 3000);
    UIHarness::postMouse(box, WM_LBUTTONUP, up, 0);
    UIHarness::pump();
    EXPECT_GE(box->value(), 3);
    EXPECT_FALSE(box->isTimerActive(UISpinBox::kRepeatTimerId));
}
