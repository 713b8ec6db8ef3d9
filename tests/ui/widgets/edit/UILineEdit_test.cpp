// The line edit and its completer on the widget fakes: validation, lengths,
// password mode, keys, the menu and completion.
#include "tests/support/TestText.h"
#include "tests/ui/widgets/edit/LineEditTest.h"
#include "ui/core/events/UIContextMenuEvent.h"
#include "ui/core/platform/UIInputMethod.h"
#include "ui/widgets/edit/UICompleter.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/edit/UIValidator.h"
#include "ui/widgets/items/UIList.h"
#include "ui/widgets/items/UIListView.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/text/UITextDocument.h"

using testsupport::utf8;

namespace {

// Refuses digits; counts its calls.
class NoDigits : public UIValidator
{
public:
    NoDigits() : UIValidator(String(u"letters")) {}
    int validate(String& text, int&) const override
    {
        ++calls;
        for (int i = 0; i < text.length(); ++i) {
            if (text.at(i) >= u'0' && text.at(i) <= u'9')
                return kInvalid;
        }
        return kAcceptable;
    }
    mutable int calls = 0;
};

} // namespace

TEST(UICompleter, MatchesLongerWordsThatStartWithTheTextInListOrder)
{
    UICompleter completer;
    completer.setWords(StringList::split(String(u"Alien,alpha,Al,Alibi,Amadeus,ALF"), String(u","), 0));
    using Row = std::tuple<const char16_t*, bool, int, const char*>;
    const Row rows[] = {
        {u"Al", true, 7, "Alien Alibi "},
        {u"al", true, 7, "alpha "},
        {u"al", false, 7, "Alien alpha Alibi ALF "},
        {u"Al", false, 2, "Alien alpha "},
        {u"", true, 7, ""},
        {u"Alien", true, 7, ""},
    };
    for (const auto& [text, caseSensitive, maximum, expected] : rows) {
        completer.setCaseSensitive(caseSensitive);
        completer.setMaximumMatches(maximum);
        std::string got;
        for (const String& match : completer.match(String(text)))
            got += utf8(match) + " ";
        EXPECT_EQ(got, expected) << utf8(String(text)) << caseSensitive;
    }
    completer.setMaximumMatches(0);
    EXPECT_EQ(completer.maximumMatches(), 1);
    completer.setEnabled(false);
    EXPECT_TRUE(completer.match(String(u"A")).isEmpty());
}

TEST_F(UILineEditTest, ValidationNeverReentersAndRestoresARefusedKeystroke)
{
    auto* validator = new NoDigits;
    edit->setValidator(validator);
    SignalCounter changes;
    edit->textChanged.connect(&changes, &SignalCounter::count);
    type(u"ab");
    validator->calls = 0;
    changes.calls = 0;
    sounds.calls = 0;
    edit->setCursorPosition(1);
    type(u"7");
    EXPECT_EQ(utf8(edit->text()), "ab");
    EXPECT_EQ(edit->cursorPosition(), 1);
    EXPECT_EQ(validator->calls, 1);
    EXPECT_EQ(changes.calls, 0);
    EXPECT_EQ(sounds.calls, 1);
    // The history from before is intact.
    EXPECT_TRUE(edit->undo());
    EXPECT_EQ(utf8(edit->text()), "a");
    // Dropping text on a field with a validator is refused.
    EXPECT_EQ(edit->menuItems()[UILineEdit::kCutItem].shown, false);
}

TEST_F(UILineEditTest, MaximumLengthNeverSplitsASurrogatePair)
{
    edit->setMaxLength(3);
    edit->setText(String(u"ab\U0001F600"));
    EXPECT_EQ(utf8(edit->text()), "ab");
    EXPECT_EQ(sounds.calls, 1);
    edit->setText(String(u"a"));
    EXPECT_TRUE(edit->insert(String(u"\U0001F600\U0001F600")));
    EXPECT_EQ(utf8(edit->text()), "a\xF0\x9F\x98\x80");
    EXPECT_EQ(sounds.calls, 2);

    // Five allowed, three there: two of five come in; a full field refuses.
    edit->setMaxLength(5);
    edit->setText(String(u"abc"));
    UIApplication::instance()->clipboard()->setText(String(u"12\n345"));
    edit->paste();
    EXPECT_EQ(utf8(edit->text()), "abc12");
    EXPECT_EQ(sounds.calls, 3);
    edit->paste();
    EXPECT_EQ(utf8(edit->text()), "abc12");
    EXPECT_EQ(sounds.calls, 4);
    edit->setMaxLength(0);
    edit->setText(String());
    edit->paste();
    EXPECT_EQ(utf8(edit->text()), "12345");
}

TEST_F(UILineEditTest, PasswordModeHidesTheTextFromClipboardAndInputMethod)
{
    EXPECT_TRUE(edit->testFlag(UIInputMethod::kTakesTextFlag));
    edit->setPasswordMode(true);
    EXPECT_FALSE(edit->testFlag(UIInputMethod::kTakesTextFlag));
    type(u"s3cret");
    EXPECT_EQ(utf8(edit->displayText()),
              "\xE2\x97\x8F\xE2\x97\x8F\xE2\x97\x8F\xE2\x97\x8F\xE2\x97\x8F\xE2\x97\x8F");
    UIApplication::instance()->clipboard()->setText(String(u"before"));
    edit->selectAll();
    sounds.calls = 0;
    press(67, 2);
    press(88, 2);
    EXPECT_FALSE(edit->copy());
    EXPECT_EQ(sounds.calls, 3);
    EXPECT_EQ(utf8(UIApplication::instance()->clipboard()->text()), "before");
    EXPECT_EQ(utf8(edit->text()), "s3cret");
    // A double click in password mode selects everything.
    edit->setCursorPosition(2);
    send(edit, UIMouseEvent(kDoubleClickEvent, 1, 1, Point(20, 15), 0));
    EXPECT_EQ(utf8(edit->selectedText()), "s3cret");
    edit->setPasswordMode(false);
    EXPECT_TRUE(edit->testFlag(UIInputMethod::kTakesTextFlag));
    edit->setReadOnly(true);
    EXPECT_FALSE(edit->testFlag(UIInputMethod::kTakesTextFlag));
}

TEST_F(UILineEditTest, ContextMenuItemsForValidatorPasswordAndPlainFields)
{
    UIApplication::instance()->clipboard()->setText(String(u"x"));
    auto shown = [&] {
        std::string s;
        for (const UIEditMenuItem& item : edit->menuItems())
            s += item.shown ? (item.enabled ? 'E' : 'd') : '-';
        return s;
    };
    edit->setText(String(u"hello"));
    EXPECT_EQ(shown(), "ddEddEdEE");
    type(u"!");
    edit->setSelection(0, 2);
    EXPECT_EQ(shown(), "EdEEEEEEE");
    edit->setReadOnly(true);
    EXPECT_EQ(shown(), "ddEdEddEE");
    edit->setReadOnly(false);
    edit->setPasswordMode(true);
    EXPECT_EQ(shown(), "-----EE--");
    edit->setPasswordMode(false);
    edit->setValidator(new UIValidator(String(u"any")));
    EXPECT_EQ(shown(), "----EE--E");
    // The menu itself takes the states when it is about to show, and its
    // items run the commands.
    edit->updateMenu();
    UIMenu* menu = edit->menu();
    std::string inMenu;
    for (int i = 0; i < menu->count(); ++i)
        inMenu += menu->isItemVisible(i) ? (menu->isItemEnabled(i) ? 'E' : 'd') : '-';
    EXPECT_EQ(inMenu, shown());
    edit->deselect();
    menu->activateItem(menu->item(UILineEdit::kSelectAllItem));
    EXPECT_EQ(utf8(edit->selectedText()), "hello!");
    edit->setEnabled(false);
    EXPECT_EQ(shown(), "----dd--d");
}

TEST_F(UILineEditTest, KeysWordMovesCaseAndTheirRefusals)
{
    edit->setText(String(u"one two  three"));
    press(36);
    press(39, 2);
    EXPECT_EQ(edit->cursorPosition(), 4);
    press(39, 2 | 1);
    EXPECT_EQ(utf8(edit->selectedText()), "two  ");
    press(85, 2 | 1);
    EXPECT_EQ(utf8(edit->text()), "one TWO  three");
    EXPECT_EQ(utf8(edit->selectedText()), "TWO  ");
    press(37, 2);
    EXPECT_EQ(edit->cursorPosition(), 4);
    // Shift+End does not select.
    press(35, 1);
    EXPECT_FALSE(edit->hasSelection());
    edit->setReadOnly(true);
    sounds.calls = 0;
    type(u"x");
    press(8);
    press(86, 2);
    EXPECT_EQ(sounds.calls, 3);
    EXPECT_EQ(utf8(edit->text()), "one TWO  three");
}

TEST_F(UILineEditTest, CompletionPopupFollowsTypingAndArrows)
{
    edit->completer().setWords(
        StringList::split(String(u"Brazil,Bronson,Brave,Casablanca"), String(u","), 0));
    type(u"Br");
    ASSERT_TRUE(edit->isCompletionVisible());
    UIList* list = edit->completionView()->list();
    EXPECT_EQ(list->count(), 3);
    press(40);
    press(40);
    EXPECT_EQ(list->currentIndex(), 1);
    press(38);
    press(38);
    EXPECT_EQ(list->currentIndex(), 2);
    press(13);
    EXPECT_EQ(utf8(edit->text()), "Brave");
    EXPECT_FALSE(edit->isCompletionVisible());
    type(u"x");
    EXPECT_FALSE(edit->isCompletionVisible());
}

// Each menu is a system window of its own: a field makes its menu only when
// something first needs it, and once.
TEST_F(UILineEditTest, TheMenuIsMadeOnFirstNeedAndOnce)
{
    enum Need
    {
        kContextEvent,
        kMenuKey,
        kStateUpdate,
        kLookUp
    };
    struct Case
    {
        Need need;
        bool popsUp;
    };
    const Case cases[] = {{kContextEvent, true}, {kMenuKey, true}, {kStateUpdate, false}, {kLookUp, false}};
    for (const Case& c : cases) {
        const int before = UIApplication::instance()->windows().count();
        auto* field = new UILineEdit(top);
        field->setGeometry(0, 40, 100, 30);
        field->show();
        field->retranslate();
        EXPECT_EQ(UIApplication::instance()->windows().count(), before) << c.need << ": no window yet";
        EXPECT_EQ(field->contextMenu(), nullptr) << c.need;
        switch (c.need) {
        case kContextEvent:
            send(field, UIContextMenuEvent(0, Point(5, 5), Point(20, 60)));
            break;
        case kMenuKey:
            send(field, UIKeyEvent(kKeyPressEvent, 93, 0, String()));
            break;
        case kStateUpdate:
            field->updateMenu();
            break;
        case kLookUp:
            field->menu();
            break;
        }
        UIMenu* made = field->menu();
        ASSERT_NE(made, nullptr) << c.need;
        EXPECT_EQ(field->contextMenu(), static_cast<UIContextMenu*>(made)) << c.need;
        EXPECT_EQ(made->isVisible(), c.popsUp) << c.need;
        EXPECT_EQ(utf8(made->item(UILineEdit::kSelectAllItem)->text()), "Select All") << c.need;
        made->hide();
        send(field, UIContextMenuEvent(0, Point(5, 5), Point(20, 60)));
        EXPECT_EQ(field->menu(), made) << c.need << ": a second need makes no second menu";
        EXPECT_EQ(UIApplication::instance()->windows().count(), before + 1) << c.need;
        delete field;
    }
}
