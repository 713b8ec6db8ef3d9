// The line edit's pixel arithmetic, measured with the native build's
// fixed-width font stand-in: scrolling and where a drop lands.
#include "tests/support/TestText.h"
#include "tests/ui/widgets/edit/LineEditTest.h"
#include "ui/core/input/UIDragState.h"
#include "ui/core/input/UIMimeData.h"
#include "ui/widgets/text/UITextDocument.h"

using testsupport::utf8;

TEST_F(UILineEditTest, ScrollsInFiftyPixelStepsWithinItsBounds)
{
    // Room for the text: 100 - 4 - 2 = 94 pixels; the stand-in font gives
    // every character one width.
    edit->setText(String(u"abcdefghijklmnopqrstuvwxyz0123"));
    EXPECT_EQ(edit->scrollX(), 0);
    const int w = edit->document()->charWidth(0);
    ASSERT_GT(w, 0);
    const int end = 94 - 30 * w;
    // The first position right of the edge, and the offset that leaves 50
    // pixels of room beyond it.
    const int first = 94 / w + 1;
    const int stepped = -(first * w - 94 + UILineEdit::kScrollRoom);
    using Row = std::pair<int, int>;
    const Row steps[] = {
        {36, 0},           {35, end}, // End: the text's end meets the right edge
        {36, 0},                      // Home: back to the start
        {-first, stepped}, {35, end}, // End: never past the text's end
        {-3, end},                    // three left stay in view
    };
    for (const auto& [key, offset] : steps) {
        if (key > 0)
            press(key);
        for (int i = 0; i < -key; ++i)
            press(key == -3 ? 37 : 39);
        EXPECT_EQ(edit->scrollX(), offset) << key;
    }
    // Removing text pulls the end back to the edge, never past the start.
    edit->selectAll();
    type(u"ab");
    EXPECT_EQ(edit->scrollX(), 0);
    EXPECT_TRUE(edit->textFits());
}

TEST_F(UILineEditTest, DroppedTextIsInsertedWhereTheDragPointed)
{
    edit->setText(String(u"ac"));
    UIMimeData data;
    data.setText(String(u"b"));
    UIDragState* drag = UIDragState::instance();
    drag->enterWindow(data);
    EXPECT_EQ(drag->moveOver(top, Point(15, 15), 1, 0, UIDragState::kCopyAction), UIDragState::kCopyAction);
    EXPECT_EQ(edit->cursorPosition(), 1);
    timers.failing = true;
    drag->reset();
    drag->enterWindow(data);
    drag->moveOver(top, Point(15, 15), 1, 0, UIDragState::kCopyAction);
    // Without a timer the drop goes at once.
    drag->dropOn(top, Point(15, 15), 1, 0);
    timers.failing = false;
    EXPECT_EQ(utf8(edit->text()), "abc");
    drag->reset();
}
