#include "tests/support/TestText.h"
#include "tests/ui/core/theme/GeneratedSkins.h"
#include "tests/support/WidgetFakes.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/theme/UITheme.h"
#include "ui/core/widget/UIItem.h"

#include <algorithm>

using Log = std::vector<std::string>;

TEST_F(WidgetTest, ANewWidgetIsHiddenUntilCreatedAndShowsOnce)
{
    UIWidget raw(top);
    EXPECT_EQ(raw.rect(), Rect(0, 0, 1, 1));
    EXPECT_EQ(raw.pos(), Point(0, 0));
    EXPECT_TRUE(raw.isEnabled());
    EXPECT_TRUE(raw.testFlag(UIWidget::kTransparent | UIWidget::kUpdatesEnabled));
    raw.show();
    raw.resize(30, 30);
    EXPECT_FALSE(raw.isVisible()) << "not created: show does nothing";
    EXPECT_EQ(raw.size(), Size(1, 1)) << "not created: resize does nothing";
    raw.setStyleName(String(u"UIPlain"));
    raw.show();
    EXPECT_TRUE(raw.isVisible());

    auto* w = new RecordingWidget(top, &log, "w");
    w->show();
    w->setFlag(UIWidget::kVisible, true);
    EXPECT_EQ(log, (Log{"w:103"})) << "a visible widget is not shown twice";
    UIWidget orphan(nullptr);
    orphan.setStyleName(String(u"UIPlain"));
    orphan.show();
    EXPECT_FALSE(orphan.isVisible()) << "no window above";
    EXPECT_EQ(orphan.window(), nullptr);
}

TEST_F(WidgetTest, DisablingAndHidingReachDescendantsAndDropFocusAndGrab)
{
    RecordingWidget* parent = child("p", 0, 0, 100, 100);
    RecordingWidget* inner = child("i", 0, 0, 50, 50, parent);
    RecordingWidget* leaf = child("l", 0, 0, 10, 10, inner);
    auto* ownWindow = new UIWidget(parent);
    ownWindow->setFlag(UIWidget::kWindow, true);
    leaf->setFocusPolicy(UIWidget::kTabFocus);
    for (bool disable : {true, false}) {
        leaf->setFocus();
        leaf->setGrabWidget();
        ASSERT_TRUE(leaf->hasFocus());
        if (disable)
            parent->disable();
        else
            parent->hide();
        EXPECT_EQ(UIWidget::focusWidget(), nullptr) << "disable: " << disable;
        EXPECT_EQ(UIWidget::grabWidget(), nullptr) << "disable: " << disable;
        if (disable) {
            EXPECT_FALSE(inner->isEnabled());
            EXPECT_FALSE(leaf->isEnabled());
            EXPECT_TRUE(ownWindow->isEnabled()) << "a child window keeps its state";
            parent->enable();
            EXPECT_TRUE(leaf->isEnabled());
        }
    }
}

TEST_F(WidgetTest, DestroyRunsOnceAndDeletesChildrenEvenBeforeCreation)
{
    RecordingWidget* w = child("w", 0, 0, 10, 10);
    new RecordingWidget(w, &log, "c1");
    new RecordingWidget(w, &log, "c2");
    w->destroy();
    w->destroy();
    EXPECT_EQ(log, (Log{"w:104", "c1:deleted", "c2:deleted"})) << "the hide event still reaches the widget";
    EXPECT_FALSE(w->hasChildren());
    delete w;

    auto* uncreated = new UIWidget(top);
    auto* below = new RecordingWidget(uncreated, &log, "below");
    (void)below;
    log.clear();
    int before = top->children().count();
    delete uncreated;
    EXPECT_EQ(top->children().count(), before - 1) << "an uncreated widget still leaves its parent";
    EXPECT_EQ(log, (Log{"below:deleted"}));
}

namespace {

class SkinTaker : public UIWidget
{
public:
    explicit SkinTaker(UIWidget* parent) : UIWidget(parent) { setStyleName(String(u"UIButton")); }
    void setSkinImage(const UISkinImage&, const String& name) override { names.push_back(testsupport::utf8(name)); }
    std::vector<std::string> names;
};

} // namespace

TEST_F(WidgetTest, SkinImagesGoByCaseSensitivePrefixWithUnderscore)
{
    ThemeArchive archive;
    archive.add("xml", "skins.xml",
                "<?xml version=\"1.0\"?><skins><skin name=\"UIButton_Background\" width=\"4\" height=\"4\"/>"
                "<skin name=\"uibutton_Lower\" width=\"4\" height=\"4\"/>"
                "<skin name=\"UIButtonBare\" width=\"4\" height=\"4\"/>"
                "<skin name=\"UIButton_Focus\" width=\"4\" height=\"4\"/></skins>");
    archive.add("xml", "models.xml", "<?xml version=\"1.0\"?><models/>");
    archive.add("xml", "metrics.xml", "<?xml version=\"1.0\"?><metrics><metric name=\"LargeIconSize\" value=\"32\"/></metrics>");
    ASSERT_TRUE(UIApplication::instance()->loadTheme(archive.save()));
    SkinTaker taker(top);
    EXPECT_EQ(taker.names, (std::vector<std::string>{"UIButton_Background", "UIButton_Focus"}));
}

TEST_F(WidgetTest, ChildAtSkipsWindowsAndMouseTransparentAndPrefersTheFirst)
{
    auto* window = new UIWidget(top);
    window->setFlag(UIWidget::kWindow, true);
    window->setStyleName(String(u"UIWindow"));
    RecordingWidget* glass = child("glass", 0, 0, 50, 50);
    glass->setFlag(UIWidget::kMouseTransparent, true);
    RecordingWidget* first = child("first", 10, 10, 40, 40);
    RecordingWidget* second = child("second", 10, 10, 40, 40);
    RecordingWidget* deep = child("deep", 5, 5, 10, 10, first);
    struct Case
    {
        Point point;
        UIWidget* expected;
    };
    const Case cases[] = {{Point(5, 5), nullptr}, {Point(12, 12), first}, {Point(16, 16), deep},
                          {Point(60, 60), nullptr}, {Point(49, 49), first}};
    for (const Case& c : cases)
        EXPECT_EQ(top->childAt(c.point), c.expected) << c.point.x << "," << c.point.y;
    (void)second;
    EXPECT_EQ(top->widgetsAt(Point(16, 16)).count(), 3) << "deep, first, the window";
}

TEST_F(WidgetTest, SetParentLinksRefusesLoopsAndFindsTheNewWindow)
{
    RecordingWidget* a = child("a", 0, 0, 10, 10);
    RecordingWidget* b = child("b", 0, 0, 10, 10, a);
    EXPECT_FALSE(a->setParent(a));
    EXPECT_FALSE(a->setParent(b));
    EXPECT_EQ(a->parentWidget(), top);
    EXPECT_EQ(b->window(), top);
    auto* other = new UIWidget(nullptr);
    other->setFlag(UIWidget::kWindow, true);
    other->setStyleName(String(u"UIWindow"));
    ASSERT_TRUE(a->setParent(other));
    EXPECT_EQ(other->children().count(), 1);
    EXPECT_EQ(b->window(), other) << "the cached window follows the move";
    EXPECT_EQ(b->depth(), 1);
    delete other;
}

TEST_F(WidgetTest, MappingGoesThroughTheFrameMargins)
{
    native()->margins = Rect(8, 30, 8, 8);
    top->setGeometry(100, 100, 500, 400);
    EXPECT_EQ(native()->moves.back(), Point(92, 70));
    EXPECT_EQ(top->geometry(), Rect(100, 100, 500, 400));
    EXPECT_EQ(top->frameGeometry(), Rect(92, 70, 516, 438));
    RecordingWidget* a = child("a", 10, 20, 100, 100);
    RecordingWidget* b = child("b", 3, 4, 10, 10, a);
    EXPECT_EQ(b->mapToWindow(Point(1, 1)), Point(14, 25));
    EXPECT_EQ(b->mapToGlobal(Point(1, 1)), Point(114, 125));
    EXPECT_EQ(b->mapFromGlobal(Point(114, 125)), Point(1, 1));
    EXPECT_EQ(b->mapTo(a, Point(1, 1)), Point(4, 5));
    EXPECT_EQ(a->mapFrom(b, Point(1, 1)), Point(4, 5));
}

TEST(UIItem, KeepsAllSixtyFourBits)
{
    UIItem item;
    EXPECT_EQ(item.userData(), 0u);
    EXPECT_TRUE(item.text().isEmpty());
    item.setUserData(0x89ABCDEFu, 0x01234567u);
    EXPECT_EQ(item.userData(), 0x0123456789ABCDEFull);
}
