// The spin box's number check, typing through its line edit, stepping,
// repeating and scrubbing, on the widget fakes with the native locale tables.
#include "foundation/platform/LocaleData.h"
#include "tests/foundation/time/LocaleScope.h"
#include "tests/support/TestText.h"
#include "tests/support/WidgetFakes.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/events/UIWheelEvent.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/edit/UIValidator.h"
#include "ui/widgets/spinbox/UISpinBox.h"

using testsupport::utf8;

namespace {

class UISpinBoxTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        UIApplication::instance()->soundRequested.connect(&sounds, &SignalCounter::count);
        box = new UISpinBox(top);
        box->setStyleProperty(String(u"buttonWidth"), String(u"20"));
        box->setGeometry(0, 0, 120, 30);
        box->show();
    }
    void TearDown() override
    {
        delete box;
        WidgetTest::TearDown();
    }
    void type(const char16_t* text)
    {
        for (const char16_t* c = text; *c; ++c)
            send(box->lineEdit(), UIKeyEvent(kKeyPressEvent, 0, 0, String(c, 1)));
    }
    void press(int key, uint32_t modifiers = 0)
    {
        send(box->lineEdit(), UIKeyEvent(kKeyPressEvent, key, modifiers, String()));
    }
    void replaceBy(const char16_t* text)
    {
        box->lineEdit()->selectAll();
        type(text);
    }
    void timer(int id) { send(box, UICustomEvent(id)); }

    SignalCounter sounds;
    UISpinBox* box = nullptr;
};

struct CheckRow
{
    double minimum;
    double maximum;
    int decimals;
    const char16_t* prefix;
    const char16_t* suffix;
    const char16_t* text;
    int state;
    const char* rewritten;
};

} // namespace

TEST_F(UISpinBoxTest, NumberCheckInEnglishAndGerman)
{
    const int kInvalid = UIValidator::kInvalid;
    const int kIncomplete = UIValidator::kIncomplete;
    const int kAcceptable = UIValidator::kAcceptable;
    const CheckRow english[] = {
        {10, 99, 0, u"", u"", u"5", kIncomplete, "5"},
        {10, 99, 0, u"", u"", u"150", kInvalid, "150"},
        {10, 99, 0, u"", u"", u"42", kAcceptable, "42"},
        {-50, -10, 0, u"", u"", u"-5", kIncomplete, "-5"},
        {-50, -10, 0, u"", u"", u"-60", kInvalid, "-60"},
        {-50, -10, 0, u"", u"", u"-", kIncomplete, "-"},
        {-50, -10, 0, u"", u"", u"+", kInvalid, "+"},
        {0, 10, 2, u"", u"", u"1.234", kInvalid, "1.234"},
        {0, 10, 2, u"", u"", u"1.23", kAcceptable, "1.23"},
        {0, 10, 2, u"", u"", u".", kIncomplete, "."},
        {-10, 10, 2, u"", u"", u"-.", kIncomplete, "-."},
        {0, 10, 2, u"", u"", u"1..", kAcceptable, "1."},
        {0, 10, 2, u"", u"", u"1. 5", kInvalid, "1. 5"},
        {0, 99999, 0, u"", u"", u"12,345", kAcceptable, "12,345"},
        {0, 99999, 0, u"", u"", u"12,,3", kInvalid, "12,,3"},
        {0, 999, 0, u"", u"", u"1,2", kInvalid, "1,2"},
        {0, 100, 0, u"$", u" kg", u"$ 42 kg", kAcceptable, "$42 kg"},
        {0, 100, 0, u"$", u"", u"$", kIncomplete, "$"},
        {5, 5, 0, u"", u"", u"", kInvalid, ""},
        {5, 5, 0, u"", u"", u"6", kInvalid, "6"},
        {0, 10, 0, u"", u"", u"abc", kInvalid, "abc"},
    };
    LocaleScope scope(LocaleData::kEnglishUnitedStates);
    for (const CheckRow& row : english) {
        box->setRange(row.minimum, row.maximum);
        box->setDecimals(row.decimals);
        box->setPrefix(String(row.prefix));
        box->setSuffix(String(row.suffix));
        String text(row.text);
        int position = text.length();
        EXPECT_EQ(box->validate(text, position), row.state) << utf8(String(row.text));
        EXPECT_EQ(utf8(text), row.rewritten) << utf8(String(row.text));
    }

    LocaleScope german(LocaleData::kGermanGermany);
    box->setPrefix(String());
    box->setSuffix(String());
    box->setRange(0, 10);
    box->setDecimals(2);
    const std::pair<const char16_t*, int> germanRows[] = {
        {u"1,5", kAcceptable}, {u"1,567", kInvalid}, {u",", kIncomplete}, {u"11", kInvalid}};
    for (const auto& [input, state] : germanRows) {
        String text(input);
        int position = text.length();
        EXPECT_EQ(box->validate(text, position), state) << utf8(String(input));
    }
    double value = 0;
    String text(u"2,25");
    int position = 0;
    box->validate(text, position, &value);
    EXPECT_DOUBLE_EQ(value, 2.25);
}

TEST_F(UISpinBoxTest, TypingNeverLoopsAndRefusesOnlyInvalidText)
{
    LocaleScope scope(LocaleData::kEnglishUnitedStates);
    box->setRange(10, 99);
    box->setValue(20);
    sounds.calls = 0;

    replaceBy(u"5");
    EXPECT_EQ(utf8(box->text()), "5");
    EXPECT_EQ(box->value(), 20);
    EXPECT_EQ(sounds.calls, 0);

    type(u"0");
    EXPECT_EQ(box->value(), 50);
    type(u"0");
    EXPECT_EQ(utf8(box->text()), "50");
    EXPECT_EQ(box->lineEdit()->cursorPosition(), 2);
    EXPECT_EQ(box->value(), 50);
    EXPECT_EQ(sounds.calls, 1);
    // The refused keystroke kept the history: undo goes back to "5".
    EXPECT_TRUE(box->lineEdit()->undo());
    EXPECT_EQ(utf8(box->text()), "5");

    // Finishing the edit shows the value in its own form again.
    press(13);
    EXPECT_EQ(utf8(box->text()), "50");
    replaceBy(u"7");
    press(13);
    EXPECT_EQ(utf8(box->text()), "50");
}

TEST_F(UISpinBoxTest, SpecialTextPrefixSuffixAndDecimals)
{
    LocaleScope scope(LocaleData::kEnglishUnitedStates);
    box->setRange(0, 10);
    box->setSpecialValueText(String(u"none"));
    EXPECT_EQ(utf8(box->text()), "none");
    EXPECT_TRUE(box->isSpecialValueShown());
    box->setValue(3);
    box->setPrefix(String(u"# "));
    box->setDecimals(12);
    EXPECT_EQ(box->decimals(), 9);
    box->setDecimals(1);
    EXPECT_EQ(utf8(box->text()), "# 3.0");
    EXPECT_EQ(utf8(box->cleanText()), "3.0");
    replaceBy(u"4.5");
    EXPECT_EQ(utf8(box->text()), "# 4.5");
    EXPECT_DOUBLE_EQ(box->value(), 4.5);
    box->lineEdit()->setText(String(u"none"));
    EXPECT_DOUBLE_EQ(box->value(), 0);
}

TEST_F(UISpinBoxTest, SteppingWrappingResetAndWheel)
{
    box->setRange(0, 10);
    EXPECT_EQ(box->value(), 0);
    EXPECT_EQ(box->step(), 1);
    box->setWrapping(true);
    box->stepDown();
    EXPECT_EQ(box->value(), 10);
    box->stepUp();
    EXPECT_EQ(box->value(), 0);
    box->setWrapping(false);
    box->stepDown();
    EXPECT_EQ(box->value(), 0);

    // The reset value is clamped into every new range: a right click on the
    // buttons then gives the minimum.
    box->setRange(4, 8);
    EXPECT_EQ(box->value(), 4);
    box->setValue(6);
    send(box, UIMouseEvent(kMousePressEvent, 2, 2, Point(110, 5), 0));
    EXPECT_EQ(box->value(), 4);
    send(box, UIMouseEvent(kMousePressEvent, 2, 2, Point(110, 5), 2));
    EXPECT_EQ(box->value(), 8);

    send(box, UIWheelEvent(Point(110, 20), -120, 0, 3));
    EXPECT_EQ(box->value(), 7);
    send(box, UIWheelEvent(Point(10, 20), -120, 0, 3));
    EXPECT_EQ(box->value(), 7);
    box->setReadOnly(true);
    send(box, UIWheelEvent(Point(110, 20), -120, 0, 3));
    EXPECT_EQ(box->value(), 7);
}

TEST_F(UISpinBoxTest, HeldButtonRepeatsFasterDownToTheMinimumInterval)
{
    box->setRange(0, 100);
    cursor.where = box->mapToGlobal(Point(110, 5));
    send(box, UIMouseEvent(kMousePressEvent, 1, 1, Point(110, 5), 0));
    EXPECT_EQ(box->value(), 1);
    std::vector<int> intervals{box->repeatInterval()};
    for (int i = 0; i < 6; ++i) {
        timer(UISpinBox::kRepeatTimerId);
        intervals.push_back(box->repeatInterval());
    }
    EXPECT_EQ(intervals, (std::vector<int>{500, 400, 300, 200, 100, 10, 10}));
    EXPECT_EQ(box->value(), 7);
    cursor.where = box->mapToGlobal(Point(110, 25));
    timer(UISpinBox::kRepeatTimerId);
    EXPECT_EQ(box->value(), 6);
    send(box, UIMouseEvent(kMouseReleaseEvent, 0, 1, Point(110, 25), 0));
    EXPECT_FALSE(box->isTimerActive(UISpinBox::kRepeatTimerId));
}

TEST_F(UISpinBoxTest, ScrubFractionAndAnEmptyRange)
{
    using Row = std::tuple<int, int, int, double>;
    const Row rows[] = {{50, 100, 200, 1.0},  {100, 100, 200, 1.0}, {200, 100, 200, 0.5},
                        {300, 100, 200, 0.0}, {400, 100, 200, 0.0}, {150, 100, 200, 0.75}};
    for (const auto& [y, base, range, fraction] : rows)
        EXPECT_DOUBLE_EQ(UISpinBox::scrubFraction(y, base, range), fraction) << y;

    box->setRange(0, 100);
    box->setValue(40);
    const int middle = box->globalRect().y + box->height() / 2;
    EXPECT_EQ(box->scrubValue(middle - box->scrubRange()), 100);
    EXPECT_EQ(box->scrubValue(middle + box->scrubRange()), 0);
    // Minimum equal to maximum: nothing to divide by, the value stays.
    box->setRange(5, 5);
    EXPECT_EQ(box->scrubValue(middle - 1000), 5);
    cursor.where = Point(0, middle + 500);
    timer(UISpinBox::kScrubTimerId);
    EXPECT_EQ(box->value(), 5);
}
