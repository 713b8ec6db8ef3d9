// The value-in-a-range base and the slider: ranges, signals, snapping,
// ticks, keys, wheel and the page repeat, on the widget fakes.
#include "foundation/signals/SignalReceiver.h"
#include "tests/support/WidgetFakes.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/events/UIWheelEvent.h"
#include "ui/widgets/range/UISlider.h"

#include <string>

namespace {

class SignalLog : public SignalReceiver
{
public:
    explicit SignalLog(UIAbstractSlider* slider)
    {
        slider->valueChanged.connectWithArg(this, &SignalLog::value);
        slider->rangeChanged.connect(this, &SignalLog::range);
    }
    void value(int v) { log += "v" + std::to_string(v) + " "; }
    void range() { log += "r "; }
    std::string log;
};

class UISliderTest : public WidgetTest
{
protected:
    // A handle 10 pixels wide (and high) and a track of width - 10.
    UISlider* slider(int width, int minimum, int maximum, int step, int orientation = 0)
    {
        auto* s = new UISlider(top);
        s->setStyleProperty(String(u"handleHorizontalSize"), String(u"10,20"));
        s->setStyleProperty(String(u"handleVerticalSize"), String(u"20,10"));
        s->setStyleProperty(String(u"thickLength"), String(u"4"));
        s->setOrientation(orientation);
        if (orientation)
            s->setGeometry(0, 0, 20, width);
        else
            s->setGeometry(0, 0, width, 20);
        s->setRange(minimum, maximum);
        s->setSingleStep(step);
        s->show();
        return s;
    }
    static void press(UIWidget* w, uint32_t button, const Point& at, uint32_t modifiers = 0)
    {
        send(w, UIMouseEvent(kMousePressEvent, button, button, at, modifiers));
    }
};

} // namespace

TEST_F(UISliderTest, RangeChangesClampTheValueAndSignalInOrder)
{
    UISlider* s = slider(110, 0, 0, 1);
    SignalLog log(s);
    s->setRange(10, 20);
    EXPECT_EQ("v10 r ", log.log) << "the value moves into the range before the range is announced";
    s->setRange(10, 20);
    EXPECT_EQ("v10 r ", log.log) << "the same range again does nothing";
    s->setRange(15, 5);
    EXPECT_EQ(5, s->minimum());
    EXPECT_EQ(15, s->maximum());
    EXPECT_EQ("v10 r r ", log.log) << "a value that stays emits no value change";
    s->setValue(99);
    EXPECT_EQ(15, s->value());
    s->setToMiddle();
    EXPECT_EQ(10, s->value());
    // The default value is brought into each new range, and stays there.
    s->setDefaultValue(12);
    const int ranges[][3] = {{14, 30, 14}, {0, 5, 5}, {-10, 40, 5}};
    for (const auto& range : ranges) {
        s->setRange(range[0], range[1]);
        EXPECT_EQ(s->defaultValue(), range[2]) << range[0] << ".." << range[1];
    }
}

TEST_F(UISliderTest, WheelDirectionsAndKeys)
{
    struct Row
    {
        int orientation, key, direction, change;
    };
    const Row rows[] = {
        {0, 0, 1, +1},   {0, 0, 2, -1},   {0, 0, 3, +1},   {0, 0, 4, -1},   {0, 37, 0, -1},  {0, 100, 0, -1},
        {0, 109, 0, -1}, {0, 189, 0, -1}, {0, 39, 0, +1},  {0, 102, 0, +1}, {0, 107, 0, +1}, {0, 187, 0, +1},
        {0, 38, 0, 0},   {1, 38, 0, +1},  {1, 104, 0, +1}, {1, 107, 0, +1}, {1, 187, 0, +1}, {1, 40, 0, -1},
        {1, 98, 0, -1},  {1, 109, 0, -1}, {1, 189, 0, -1}, {1, 37, 0, 0},
    };
    for (const Row& row : rows) {
        UISlider* s = slider(110, 0, 100, 5, row.orientation);
        s->setValue(50);
        if (row.direction)
            send(s, UIWheelEvent(Point(1, 1), 120, 0, row.direction));
        else
            send(s, UIKeyEvent(kKeyPressEvent, row.key, 0, String()));
        EXPECT_EQ(50 + 5 * row.change, s->value())
            << row.orientation << " key " << row.key << " wheel " << row.direction;
        delete s;
    }
}

TEST_F(UISliderTest, ValueAtSnapsToTheNearerStepTiesUp)
{
    struct Row
    {
        int minimum, maximum, step, orientation;
        Point at;
        int value;
    };
    // Width (or height) 210: a track of 200 pixels from 5 to 205.
    const Row rows[] = {
        {0, 100, 5, 0, Point(5 + 24, 5), 10},   {0, 100, 5, 0, Point(5 + 25, 5), 15},
        {0, 100, 5, 0, Point(5 + 26, 5), 15},   {0, 100, 5, 0, Point(0, 5), 0},
        {0, 100, 5, 0, Point(500, 5), 100},     {0, 100, 0, 0, Point(5 + 25, 5), 13},
        {-50, 50, 5, 0, Point(5 + 23, 5), -40}, {-50, 50, 5, 0, Point(5 + 27, 5), -35},
        {0, 3, 5, 0, Point(5 + 60, 5), 0},      {0, 3, 5, 0, Point(5 + 160, 5), 3},
        {0, 100, 5, 1, Point(5, 5), 100},       {0, 100, 5, 1, Point(5, 205), 0},
        {0, 100, 5, 1, Point(5, 5 + 175), 15},  {7, 7, 5, 0, Point(100, 5), 7},
    };
    for (const Row& row : rows) {
        UISlider* s = slider(210, row.minimum, row.maximum, row.step, row.orientation);
        EXPECT_EQ(row.value, s->valueAt(row.at)) << row.minimum << ".." << row.maximum << " step " << row.step
                                                 << " at " << row.at.x << "," << row.at.y;
        delete s;
    }
}

TEST_F(UISliderTest, HandleAndTickPlaces)
{
    UISlider* s = slider(110, 0, 100, 25);
    s->setTickMode(UISlider::kBelow);
    s->setValue(50);
    EXPECT_EQ(Rect(50, 0, 10, 20), s->handleRectForValue());
    std::vector<Point> below = s->tickPositions(true);
    const int expected[] = {4, 29, 54, 79, 104};
    ASSERT_EQ(5u, below.size());
    for (size_t i = 0; i < below.size(); ++i)
        EXPECT_EQ(Point(expected[i], 20 - 4 - 1), below[i]) << i;
    EXPECT_TRUE(s->tickPositions(false).empty()) << "mode 3 marks only below";
    s->setTickMode(UISlider::kBothSides);
    EXPECT_EQ(Point(4, 1), s->tickPositions(false).front());
    EXPECT_EQ(UISlider::kHandleTopAndBottom, s->handleSkin());

    s->setRange(0, 3);
    EXPECT_EQ(2u, s->tickPositions(true).size()) << "a range shorter than one step is one step";
    s->setSingleStep(0);
    EXPECT_EQ(4u, s->tickPositions(true).size()) << "a step below 1 counts as 1";
    s->setRange(3, 3);
    EXPECT_TRUE(s->tickPositions(true).empty()) << "an empty range has no ticks";
    EXPECT_EQ(0, s->handleRectForValue().x);

    UISlider* v = slider(110, 0, 100, 25, 1);
    v->setTickMode(UISlider::kAbove);
    v->setValue(100);
    EXPECT_EQ(Rect(0, 0, 20, 10), v->handleRectForValue()) << "the maximum at the top";
    EXPECT_EQ(Point(1, 4), v->tickPositions(false).front());
    EXPECT_EQ(UISlider::kHandleLeft, v->handleSkin());
}

TEST_F(UISliderTest, PressBesideTheHandleStepsAndRepeatsUntilItPassesThePointer)
{
    UISlider* s = slider(110, 0, 10, 1);
    s->setJumpToClick(false);
    mouse(s, kMousePressEvent, 80, 5);
    EXPECT_EQ(1, s->value()) << "one step at once";
    EXPECT_TRUE(s->isTimerActive(UISlider::kPageRepeatTimerId));
    cursor.where = s->mapToGlobal(Point(80, 5));
    for (int tick = 0; tick < 20; ++tick)
        s->timerFired(UISlider::kPageRepeatTimerId);
    EXPECT_EQ(8, s->value()) << "the handle (x 80) now covers the pointer";
    mouse(s, kMouseReleaseEvent, 80, 5);
    EXPECT_FALSE(s->isTimerActive(UISlider::kPageRepeatTimerId));

    press(s, 1, Point(5 + 30, 5), 1);
    EXPECT_EQ(3, s->value()) << "shift jumps";

    press(s, 2, Point(3, 3));
    EXPECT_EQ(0, s->value()) << "a right click without a default: the minimum";

    s->setRange(5, 5);
    mouse(s, kMousePressEvent, 100, 5);
    EXPECT_EQ(5, s->value()) << "an empty range moves nothing";
}
