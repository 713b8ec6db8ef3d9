// The balloon tip on the widget fakes with the fixed-width font stand-in:
// its size, the four layouts, the side it takes near the work area's edges,
// the text rule, and the one-at-a-time instance with its close conditions.
#include "graphics/paint/FontMetrics.h"
#include "tests/support/TestText.h"
#include "tests/support/WidgetFakes.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/widget/UIWidgetGuard.h"
#include "ui/widgets/UIWorkArea.h"
#include "ui/widgets/balloon/UIBalloonTip.h"

#include <string>

using testsupport::text;
using testsupport::utf8;

namespace {

class UIBalloonTipTest : public WidgetTest
{
protected:
    void TearDown() override
    {
        UIBalloonTip::hideBalloon();
        UIWorkArea::setOverride(Rect());
        WidgetTest::TearDown();
    }
    static void style(UIBalloonTip* balloon)
    {
        const char16_t* const properties[][2] = {
            {u"horizontalSpacing", u"8"}, {u"verticalSpacing", u"6"}, {u"padding", u"10,8,10,10"},
            {u"arrowLength", u"8"},       {u"arrowThickness", u"16"}, {u"arrowBorderSpacing", u"12"},
        };
        for (const auto& property : properties)
            balloon->setStyleProperty(String(property[0]), String(property[1]));
        UISkinImage close(Image(14 * 2, 14, true), false);
        close.setGrid(14, 14, 2);
        balloon->setSkinImage(close, String(u"UIBalloonTip_CloseButton"));
    }
    UIBalloonTip* balloon(const char* title, const char* body, int side)
    {
        auto* made = new UIBalloonTip(top);
        style(made);
        made->setTitle(text(title));
        made->setText(text(body));
        made->setArrowSide(side);
        return made;
    }
    int unit() const { return FontMetrics(FontDesc(), nullptr).charWidth(u'x'); }
    int line() const { return FontMetrics(FontDesc(), nullptr).height(); }
};

} // namespace

TEST_F(UIBalloonTipTest, SizeAndTheFourLayouts)
{
    UIBalloonTip* b = balloon("Title", "ab\ncdef", UIBalloonTip::kAboveAnchor);
    const int w = 5 * unit() + 8 + 14 + 20;
    const int h = 3 * line() + 6 + 18;
    EXPECT_EQ(Size(w, h + 8), b->sizeHint());
    b->setIcon(Image(32, 40, true));
    EXPECT_EQ(Size(w + 32 + 8, std::max(h - 18, 40) + 18 + 8), b->sizeHint()) << "an icon at the left";
    b->setIconPosition(1);
    EXPECT_EQ(Size(w, h + 40 + 6 + 8), b->sizeHint()) << "an icon above";
    b->setIcon(Image());
    b->setIconKind(13);
    EXPECT_EQ(Size(w, h + 8), b->sizeHint()) << "kinds past the theme's images show no icon";

    struct Case
    {
        int side;
        Size size;
        Rect body, arrow;
    };
    const Case cases[] = {
        {1, Size(w + 8, h), Rect(0, 0, w, h), Rect(w, h / 2 - 8, 8, 16)},
        {2, Size(w + 8, h), Rect(8, 0, w, h), Rect(0, h / 2 - 8, 8, 16)},
        {3, Size(w, h + 8), Rect(0, 0, w, h), Rect(w / 2 - 8, h, 16, 8)},
        {4, Size(w, h + 8), Rect(0, 8, w, h), Rect(w / 2 - 8, 0, 16, 8)},
    };
    for (const Case& c : cases) {
        b->setArrowSide(c.side);
        EXPECT_EQ(c.size, b->sizeHint()) << c.side;
        b->layout();
        EXPECT_EQ(c.body, b->bodyRect()) << c.side;
        EXPECT_EQ(c.arrow, b->arrowRect()) << c.side;
    }
}

TEST_F(UIBalloonTipTest, SidesSwitchNearTheEdgesAndTheTipStaysOnTheAnchor)
{
    const Rect area(0, 0, 800, 600);
    struct Case
    {
        const char* name;
        int side;
        Point anchor;
        int chosen;
    };
    const Case cases[] = {
        {"room everywhere", 3, Point(400, 300), 3},
        {"near the top, above turns below", 3, Point(400, 5), 4},
        {"near the bottom, below turns above", 4, Point(400, 595), 3},
        {"near the left, left of the anchor turns right", 1, Point(5, 300), 2},
        {"near the right, right of the anchor turns left", 2, Point(795, 300), 1},
        {"too near a side edge for a vertical arrow points sideways", 3, Point(10, 300), 2},
        {"too near the top for a sideways arrow points down", 1, Point(400, 10), 4},
    };
    for (const Case& c : cases) {
        UIBalloonTip* b = balloon("Title", "some text", c.side);
        b->setIcon(Image(32, 32, true));
        UIWorkArea::setOverride(area);
        b->showAt(c.anchor);
        EXPECT_EQ(c.chosen, b->arrowSide()) << c.name;
        Point tip[3];
        b->arrowTriangle(tip);
        const Point& pos = b->windowPosition();
        EXPECT_EQ(c.anchor, Point(pos.x + tip[1].x, pos.y + tip[1].y)) << c.name;
        EXPECT_EQ(pos, b->pos()) << c.name;
        delete b;
    }

    // Near the right edge the body slides left and the arrow right, within
    // the body's corners.
    UIBalloonTip* b = balloon("Title", "a rather longer text", 3);
    UIWorkArea::setOverride(area);
    b->showAt(Point(775, 300));
    Point tip[3];
    b->arrowTriangle(tip);
    EXPECT_EQ(775, b->windowPosition().x + tip[1].x);
    EXPECT_GT(b->windowPosition().x + b->bodyRect().width, 775);
    const Rect arrow = b->arrowRect();
    EXPECT_LE(arrow.x + arrow.width, b->bodyRect().x + b->bodyRect().width - 12);
    EXPECT_LE(b->windowPosition().x + b->bodyRect().width, 800 + arrow.width)
        << "pulled in as far as it could";
}

TEST_F(UIBalloonTipTest, TextKeepsOneBreakPerRunAndSpacesForControls)
{
    struct Case
    {
        const char* given;
        const char* kept;
    };
    const Case cases[] = {
        {"a\r\n\r\nb", "a\nb"}, {"a\rb", "a\nb"}, {"\r\nx", "\nx"}, {"a\tb\x01", "a b "}, {"plain", "plain"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.kept, utf8(UIBalloonTip::normalizedText(text(c.given)))) << c.given;
}

TEST_F(UIBalloonTipTest, OneBalloonAtATimeAndItsCloseConditions)
{
    RecordingWidget* owner = child("owner", 10, 10, 100, 30);
    UIBalloonTip::showBalloon(owner, Point(50, 50), text("First"), text("one"), 0, Image(), 3, 0, 0, 0, 0);
    UIWidgetGuard first(UIBalloonTip::instance());
    ASSERT_TRUE(first.isAlive());
    EXPECT_TRUE(UIBalloonTip::isShowing()) << "pending counts as showing";
    EXPECT_FALSE(UIBalloonTip::instance()->isVisible());
    UIBalloonTip::showBalloon(owner, Point(50, 50), text("Second"), text("two\r\nlines"), 0, Image(), 3, 300,
                              0, 0, 0);
    EXPECT_FALSE(first.isAlive()) << "the second replaces the first at once";
    UIBalloonTip* b = UIBalloonTip::instance();
    EXPECT_EQ(300, b->showDelay());
    EXPECT_EQ(text("two\nlines"), UIBalloonTip::currentText());
    EXPECT_EQ(owner, UIBalloonTip::owner());

    b->timerFired(UIBalloonTip::kShowTimerId);
    EXPECT_TRUE(b->isVisible());
    EXPECT_FALSE(b->isTimerActive(UIBalloonTip::kDisplayTimerId)) << "no display time, no hiding by time";
    EXPECT_TRUE(b->isTimerActive(UIBalloonTip::kCloseCheckTimerId));

    send(b, UIKeyEvent(kKeyPressEvent, UIBalloonTip::kCopyKey, 2, String()));
    EXPECT_EQ(text("Second\r\ntwo\nlines"), UIApplication::instance()->clipboard()->text());
    send(b, UIKeyEvent(kKeyPressEvent, UIBalloonTip::kEscapeKey, 0, String()));
    EXPECT_FALSE(UIBalloonTip::isShowing());

    UIBalloonTip::showBalloon(owner, Point(50, 50), text("Third"), text("x"), 0, Image(), 3, 0, 500, 0, 0);
    b = UIBalloonTip::instance();
    b->timerFired(UIBalloonTip::kShowTimerId);
    EXPECT_TRUE(b->isTimerActive(UIBalloonTip::kDisplayTimerId));
    owner->hide();
    b->timerFired(UIBalloonTip::kCloseCheckTimerId);
    EXPECT_FALSE(b->isVisible()) << "its owner hidden, it hides";
    EXPECT_FALSE(b->isTimerActive(UIBalloonTip::kDisplayTimerId));

    UIBalloonTip::hideFor(top);
    EXPECT_NE(nullptr, UIBalloonTip::instance()) << "another widget's hiding leaves it";
    owner->show();
    UIBalloonTip::showBalloon(owner, Point(50, 50), text("Fourth"), text("x"), 0, Image(), 3, 0, 0, 0, 0);
    UIBalloonTip::hideFor(owner);
    EXPECT_EQ(nullptr, UIBalloonTip::instance());
}
