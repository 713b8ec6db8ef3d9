// The text engine: line ends, commands, words, signals, edits, undo, formats
// and random edit scripts against a plain model, in any font.
#include <gtest/gtest.h>

#include "foundation/signals/SignalReceiver.h"
#include "tests/support/TestText.h"
#include "tests/ui/widgets/text/TextDocumentChecks.h"

#include <algorithm>
#include <random>
#include <string>
#include <tuple>
#include <vector>

using testsupport::utf8;
using textdoc::Doc;

namespace {

// Records signals in order.
class SignalLog : public SignalReceiver
{
public:
    explicit SignalLog(UITextDocument& d)
    {
        d.connect(this, &SignalLog::text);
        d.cursor()->cursorMoved.connectWithArg(this, &SignalLog::moved);
        d.cursor()->selectionChanged.connect(this, &SignalLog::selection);
    }
    void text() { log += "T"; }
    void moved(const UITextCursorMove* m)
    {
        log += "M" + std::to_string(m->from) + ">" + std::to_string(m->to);
    }
    void selection() { log += "S"; }
    std::string log;
};

} // namespace

TEST(UITextDocument, NewDocumentAndLineEnds)
{
    Doc doc(u"");
    EXPECT_EQ(doc.d.length(), 1);
    EXPECT_EQ(doc.d.lineCount(), 1);
    EXPECT_TRUE(doc.c().isAtEnd());
    doc.d.setMargins(3, 0, 4, 0);
    EXPECT_EQ(doc.d.widestLineWidth(), 107);
    EXPECT_EQ(doc.d.line(1), nullptr);
    EXPECT_EQ(doc.d.lineOf(1), -1);

    using Row = std::tuple<int, const char16_t*, const char*, const char*>;
    const Row rows[] = {
        {0, u"a\r\nb", "a\nb\n", "a\r\nb\r\n"}, {0, u"a\nb", "a\nb\n", "a\nb\n"},
        {1, u"a\r\nb\n", "a\nb\n", "a\nb\n"},   {2, u"a\nb", "a\nb\n", "a\r\nb\r\n"},
        {2, u"abc", "abc\n", "abc\r\n"},        {2, u"\r", "\n", "\r\n"},
    };
    for (const auto& [mode, in, stored, external] : rows) {
        Doc d(u"");
        d.d.setLineEndMode(mode);
        d.d.setText(String(in));
        EXPECT_EQ(utf8(d.d.text()), stored) << stored;
        EXPECT_EQ(utf8(d.d.toExternalText()), external) << stored;
    }
}

TEST(UITextDocument, CommandsAcrossLinesKeepTheColumn)
{
    Doc doc(u"abcdef\nab\nabcdef\nx\U0001F600y");
    using Row = std::tuple<int, bool, int>;
    // From 5: down to the short line's end, then down again at column 2.
    // Right at the end of the text is refused.
    const Row rows[] = {{8, true, 9},   {8, true, 12},   {7, true, 9},  {3, true, 7},  {4, true, 9},
                        {2, true, 21},  {10, false, 21}, {9, true, 20}, {9, true, 18}, {10, true, 20},
                        {8, false, 20}, {1, true, 0},    {7, false, 0}, {9, false, 0}, {99, false, 0}};
    doc.c().setPosition(5);
    for (const auto& [command, ok, position] : rows) {
        EXPECT_EQ(doc.c().moveCursor(command), ok) << command;
        EXPECT_EQ(doc.c().position(), position) << command;
    }
}

TEST(UITextDocument, WordClassesAndSelections)
{
    Doc doc(u"ab cd..ef");
    using Row = std::tuple<int, int, int>;
    const Row rows[] = {{4, 5, 3}, {3, 5, 3}, {3, 6, 5}, {6, 5, 5}, {6, 6, 7},
                        {2, 5, 2}, {2, 6, 3}, {8, 5, 7}, {8, 6, 9}};
    for (const auto& [from, command, position] : rows) {
        doc.c().setPosition(from);
        doc.c().moveCursor(command);
        EXPECT_EQ(doc.c().position(), position) << from << " " << command;
    }
    doc.c().setPosition(4);
    EXPECT_TRUE(doc.c().select(0));
    EXPECT_EQ(utf8(doc.c().selectedText()), "cd");
    EXPECT_TRUE(doc.c().select(1));
    EXPECT_EQ(utf8(doc.c().selectedText()), "ab cd..ef");
}

TEST(UITextDocument, SignalRulesAndOrder)
{
    Doc doc(u"abc\ndef");
    SignalLog signals(doc.d);
    doc.c().setPosition(1);
    doc.c().setPosition(3, true);
    doc.c().setPosition(3, true);
    doc.c().clearSelection();
    doc.c().setSelection(0, 2);
    EXPECT_TRUE(doc.c().insertText(String(u"X")));
    EXPECT_EQ(utf8(doc.d.text()), "Xc\ndef\n");
    EXPECT_TRUE(doc.c().deleteForward());
    doc.c().setPosition(3);
    EXPECT_TRUE(doc.c().deleteBackward());
    EXPECT_EQ(signals.log, "M0>1M1>3SSM3>0M0>2SM2>0STM0>1TTM1>3M3>2T");
    EXPECT_EQ(utf8(doc.d.text()), "X\nef\n");
    EXPECT_FALSE(doc.c().moveCursor(8));
}

TEST(UITextDocument, BackspaceAndDeleteMergeParagraphs)
{
    Doc doc(u"ab\ncd\nef");
    doc.c().setPosition(3);
    EXPECT_TRUE(doc.c().deleteBackward());
    EXPECT_EQ(doc.lines(), (std::vector<std::string>{"abcd\n", "ef\n"}));
    doc.c().setPosition(4);
    EXPECT_TRUE(doc.c().deleteForward());
    EXPECT_EQ(doc.lines(), (std::vector<std::string>{"abcdef\n"}));
    doc.c().moveCursor(2);
    EXPECT_FALSE(doc.c().deleteForward());
    doc.d.setText(String(u"a\U0001F600b"));
    doc.c().setPosition(3);
    EXPECT_TRUE(doc.c().deleteBackward());
    EXPECT_EQ(utf8(doc.d.text()), "ab\n");
    doc.d.setText(String(u"\U0001F600"));
    doc.c().setPosition(0);
    EXPECT_TRUE(doc.c().deleteForward());
    EXPECT_EQ(doc.d.length(), 1);
}

TEST(UITextDocument, UndoKeepsFiveSnapshots)
{
    Doc doc(u"");
    auto push = [&] { doc.d.undoStack().push({doc.c().anchor(), doc.c().position(), doc.d.text()}); };
    SignalLog signals(doc.d);
    push();
    for (char16_t c = u'a'; c <= u'f'; ++c) {
        doc.c().insertText(String(&c, 1));
        push();
    }
    EXPECT_EQ(doc.d.undoStack().count(), 5);
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(doc.d.undo());
        push();
    }
    EXPECT_EQ(utf8(doc.d.text()), "ab\n");
    // Six edits and four undos, each announced once.
    EXPECT_EQ(std::count(signals.log.begin(), signals.log.end(), 'T'), 10);
    EXPECT_FALSE(doc.d.undo());
    EXPECT_EQ(doc.d.undoStack().pushCount(), 7);
    EXPECT_TRUE(doc.d.redo());
    push();
    EXPECT_EQ(utf8(doc.d.text()), "abc\n");
    doc.c().insertText(String(u"X"));
    push();
    EXPECT_FALSE(doc.d.canRedo());
}

TEST(UITextDocument, FormatsFollowEditsAndHighlights)
{
    Doc doc(u"aaa xaa");
    EXPECT_EQ(doc.d.highlightAll(String(u"aa"), true, Pen(Color(255, 0, 0)), Brush(), 0), 2);
    EXPECT_EQ(doc.d.highlightAll(String(), true, Pen(), Brush(), 0), 0);
    Doc whole(u"aaa");
    EXPECT_EQ(whole.d.highlightAll(String(u"AA"), false, Pen(), Brush(), 0), 1);
    EXPECT_EQ(whole.d.highlightAll(String(u"aaa\n"), true, Pen(), Brush(), 0), 1);
    doc.c().setPosition(2);
    doc.c().insertText(String(u"QQ"));
    doc.c().setPosition(6);
    doc.c().deleteBackward();
    std::string formatted;
    for (int i = 0; i < doc.d.length(); ++i)
        formatted += doc.d.formats()->find(i) ? '*' : '.';
    // "aaQQa xaa": the inserted letters take the format before them.
    EXPECT_EQ(utf8(doc.d.text()), "aaQQaxaa\n");
    EXPECT_EQ(formatted, "****..**.");
    doc.d.clearFormats();
    EXPECT_FALSE(doc.d.hasFormats());

    // A larger font wraps the text again.
    Doc wrapped(u"abcdefghi", 130, true);
    EXPECT_EQ(wrapped.d.lineCount(), 1);
    wrapped.d.setFontSize(30.0f);
    EXPECT_EQ(wrapped.d.lineCount(), 2);
}

TEST(UITextDocument, SetTextClampsTheCursor)
{
    Doc doc(u"abcdef");
    doc.c().setSelection(2, 4);
    doc.d.setText(String(u"x\U0001F600"));
    EXPECT_EQ(doc.c().position(), 3);
    EXPECT_EQ(doc.c().anchor(), 1);
    EXPECT_TRUE(doc.c().insertText(String(u"yz\nw")));
    EXPECT_EQ(utf8(doc.d.text()), "xyz\nw\n");
    EXPECT_EQ(doc.c().position(), 5);
}

// Random edit scripts against a plain std::u16string model, with wrapping and
// width changes, checking the invariants after every step.
TEST(UITextDocument, RandomEditsMatchAPlainModel)
{
    std::mt19937 random(30);
    const char16_t alphabet[] = u"ab  \n\U0001F600x.";
    for (int script = 0; script < 300; ++script) {
        Doc doc(u"", 130 + static_cast<int>(random() % 100), random() % 2 == 0);
        std::u16string model;
        for (int step = 0; step < 40; ++step) {
            UITextCursor& c = doc.c();
            const int action = static_cast<int>(random() % 12);
            if (action < 3) {
                std::u16string piece;
                for (int n = static_cast<int>(random() % 12); n >= 0; --n)
                    piece += alphabet[random() % (sizeof(alphabet) / 2 - 1)];
                editWithModel(doc.d, model, 0, piece);
            } else if (action < 8) {
                editWithModel(doc.d, model, action - 2, std::u16string());
            } else if (action == 8) {
                c.setPosition(static_cast<int>(random() % 60), random() % 2 == 0);
            } else if (action == 9) {
                c.moveCursor(1 + static_cast<int>(random() % 10), random() % 2 == 0);
            } else {
                doc.d.setViewRect(Rect(0, 0, 20 + static_cast<int>(random() % 200), 100));
                doc.d.setWordWrap(random() % 3 != 0);
            }
            doc.d.undoStack().push({c.anchor(), c.position(), doc.d.text()});
            ASSERT_EQ(checkTextDocument(doc.d, model), "") << "script " << script << " step " << step;
        }
    }
}
