#include "foundation/time/Time.h"
#include "tests/support/TestText.h"
#include "tests/support/WidgetFakes.h"
#include "ui/core/events/UICustomEvent.h"
#include "ui/widgets/tooltip/UIToolTip.h"

using testsupport::text;
using testsupport::utf8;

namespace {

class ToolTipTest : public WidgetTest
{
protected:
    void TearDown() override
    {
        UIToolTip::hideShared();
        WidgetTest::TearDown();
    }
};

} // namespace

TEST_F(ToolTipTest, TextKeepsOneBreakPerLineCutsAtTheMaximumAndNeverSplitsAPair)
{
    const std::u16string pair = u"ab\U0001F600";
    struct Case
    {
        const char* name;
        std::u16string given;
        int maxLength;
        std::u16string expected;
    };
    const Case cases[] = {
        {"CR LF becomes one line feed", u"a\r\nb", -1, u"a\nb"},
        {"a break at the start gives one line feed", u"\r\n\r\nx", -1, u"\nx"},
        {"controls become spaces", u"a\tb\x01", -1, u"a b "},
        {"cut with the ellipsis", u"abcdef", 3, u"abc ... "},
        {"no cut when it fits", u"abc", 3, u"abc"},
        {"a maximum below 1 keeps all", u"abcdef", 0, u"abcdef"},
        {"the cut never splits a surrogate pair", pair, 3, u"ab ... "},
        {"a whole pair within the maximum stays", pair + u"z", 4, pair + u" ... "},
    };
    for (const Case& c : cases) {
        UIToolTip tip(top);
        tip.setMaxLength(c.maxLength);
        tip.setText(String(c.given.c_str(), int(c.given.size())));
        EXPECT_EQ(utf8(String(c.expected.c_str(), int(c.expected.size()))), utf8(tip.text())) << c.name;
    }
}

TEST_F(ToolTipTest, AQuickReshowNeedsTheSameWidgetOrTheSameNonZeroGroup)
{
    RecordingWidget* first = child("first", 0, 0, 50, 20);
    RecordingWidget* second = child("second", 60, 0, 50, 20);
    struct Case
    {
        const char* name;
        UIWidget* shownBefore;
        int groupBefore;
        UIWidget* widget;
        int group, given;
        int64_t sinceHiding;
        int expected;
    };
    const Case cases[] = {
        {"same widget, group 0", first, 0, first, 0, 0, 500, 100},
        {"other widget, group 0", first, 0, second, 0, 0, 500, 800},
        {"other widget, same group", first, 4, second, 4, 0, 500, 100},
        {"other widget, other group", first, 4, second, 5, 0, 500, 800},
        {"same group, too late", first, 4, second, 4, 0, 1001, 800},
        {"a given delay wins", first, 0, first, 0, 300, 500, 300},
        {"nothing hidden yet", nullptr, 0, first, 0, 0, 0, 800},
    };
    for (const Case& c : cases) {
        UIToolTip::resetHistory();
        int64_t hidden = 0;
        if (c.shownBefore) {
            UIToolTip::showText(c.shownBefore, text("tip"), Point(5, 5), Rect(0, 0, 500, 400), 0, 0,
                                c.groupBefore, -1);
            ASSERT_TRUE(UIToolTip::isShowing()) << c.name;
            UIToolTip::hideShared();
            hidden = Time::tickCountMs();
        }
        EXPECT_EQ(c.expected, UIToolTip::showDelayFor(c.widget, c.group, c.given, hidden + c.sinceHiding))
            << c.name;
    }
}

// Flags set on a tip that is already up count at once, as they do on one
// that still waits for its delay: without the display-time flag it stays.
TEST_F(ToolTipTest, FlagsSetOnAShownTipDecideItsDisplayTime)
{
    RecordingWidget* owner = child("owner", 0, 0, 200, 100);
    struct Case
    {
        const char* name;
        int flags;
        bool timed;
    };
    const Case cases[] = {
        {"without the flag the display time stops", UIToolTip::kHideOutsideArea, false},
        {"with it the display time runs", UIToolTip::kHideAfterDisplayTime, true},
    };
    for (const Case& c : cases) {
        cursor.where = Point(20, 20);
        UIToolTip::showText(owner, text("tip"), Point(20, 20), Rect(0, 0, 200, 100), 50, 300, 0, -1);
        UIToolTip* tip = nullptr;
        for (UIWidget* made : owner->children())
            if (UIToolTip::isInstance(made))
                tip = static_cast<UIToolTip*>(made);
        ASSERT_NE(tip, nullptr) << c.name;
        send(tip, UICustomEvent(UIToolTip::kShowTimerId));
        ASSERT_TRUE(tip->isVisible()) << c.name;
        tip->setFlags(c.flags);
        EXPECT_EQ(c.timed, tip->isTimerActive(UIToolTip::kDisplayTimerId)) << c.name;
        send(tip, UICustomEvent(UIToolTip::kFollowTimerId));
        EXPECT_TRUE(UIToolTip::isShowing()) << c.name;
        UIToolTip::hideShared();
    }
}
