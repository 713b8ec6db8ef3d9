// The scroll bar's thumb, value mapping, arrow repeat and track clicks: a
// vertical bar 10 wide and 200 long, arrows 10 long, thumbs at least 20.
#include "tests/support/WidgetFakes.h"
#include "ui/widgets/range/UIScrollBar.h"

namespace {

class UIScrollBarTest : public WidgetTest
{
protected:
    UIScrollBar* bar(int length, int document, int maximum)
    {
        auto* b = new UIScrollBar(top);
        b->setStyleProperty(String(u"thickness"), String(u"10"));
        b->setStyleProperty(String(u"thumbMinimumLength"), String(u"20"));
        b->setOrientation(1);
        b->setGeometry(0, 0, 10, length);
        b->setDocumentLength(document);
        b->setRange(0, maximum);
        b->show();
        return b;
    }
};

} // namespace

TEST_F(UIScrollBarTest, ThumbLengthAndPlace)
{
    struct Row
    {
        const char* what;
        int length, document, maximum, value;
        Rect thumb;
    };
    const Row rows[] = {
        {"half the document visible", 200, 400, 200, 0, Rect(0, 10, 10, 90)},
        {"at the end the thumb meets the lower arrow", 200, 400, 200, 200, Rect(0, 100, 10, 90)},
        {"in the middle", 200, 400, 200, 100, Rect(0, 55, 10, 90)},
        {"a short document fills the track", 200, 100, 1, 0, Rect(0, 10, 10, 180)},
        {"a long document stops at the minimum length", 200, 100000, 1000, 1000, Rect(0, 170, 10, 20)},
    };
    for (const Row& row : rows) {
        UIScrollBar* b = bar(row.length, row.document, row.maximum);
        b->setValue(row.value);
        EXPECT_EQ(row.thumb, b->thumbRectForValue()) << row.what;
        delete b;
    }
    UIScrollBar* b = bar(200, 400, 200);
    b->setDocumentLength(0);
    EXPECT_EQ(400, b->documentLength()) << "lengths below 1 are refused";
    b->setArrowsVisible(false);
    EXPECT_EQ(100, b->thumbLength()) << "no arrows: the whole bar is track";
    EXPECT_EQ(Size(10, 20), b->sizeHint());
}

TEST_F(UIScrollBarTest, ValueAtAndABarWithoutRoom)
{
    UIScrollBar* b = bar(200, 400, 200);
    const int points[][2] = {{100, 100}, {55, 0}, {0, 0}, {145, 200}, {190, 200}, {77, 49}};
    for (const auto& p : points)
        EXPECT_EQ(p[1], b->valueAt(Point(5, p[0]))) << p[0];
    b->setDocumentLength(1);
    EXPECT_EQ(0, b->valueAt(Point(5, 150))) << "no track left";
}

TEST_F(UIScrollBarTest, HeldArrowStepsAndAcceleratesWithDistance)
{
    UIScrollBar* b = bar(200, 400, 200);
    mouse(b, kMousePressEvent, 5, 195);
    ASSERT_TRUE(b->isAutoRepeating());
    EXPECT_EQ(0, b->value()) << "the first step comes with the first tick";
    struct Row
    {
        int pointer, step;
    };
    const Row rows[] = {
        {195, 3}, {190 + 10 + 100, 15 + 3}, {190 + 10 + 2, 1 + 3}, {190 - 100, -15 - 3}, {190 - 1, -1 - 3}};
    for (const Row& row : rows)
        EXPECT_EQ(row.step, b->repeatStep(b->mapToGlobal(Point(5, row.pointer)))) << row.pointer;
    cursor.where = b->mapToGlobal(Point(5, 195));
    b->timerFired(UIScrollBar::kRepeatTimerId);
    b->timerFired(UIScrollBar::kRepeatTimerId);
    EXPECT_EQ(6, b->value());
    cursor.where = b->mapToGlobal(Point(5, 300));
    b->timerFired(UIScrollBar::kRepeatTimerId);
    EXPECT_EQ(24, b->value());
    mouse(b, kMouseReleaseEvent, 5, 195);
    EXPECT_FALSE(b->isTimerActive(UIScrollBar::kRepeatTimerId));
    EXPECT_FALSE(b->isAutoRepeating());
}
