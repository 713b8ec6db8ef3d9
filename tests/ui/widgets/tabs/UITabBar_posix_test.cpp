// The tab bar's widths, slices, frames and current tab, on the widget fakes
// with the fixed-width font stand-in.
#include "foundation/signals/SignalReceiver.h"
#include "graphics/paint/FontMetrics.h"
#include "tests/support/TestText.h"
#include "tests/support/WidgetFakes.h"
#include "ui/widgets/tabs/UITabBar.h"

#include <string>

using testsupport::text;

namespace {

class TabLog : public SignalReceiver
{
public:
    explicit TabLog(UITabBar* bar)
    {
        bar->currentChanged.connectWithArg(this, &TabLog::current);
        bar->tabClicked.connectWithArg(this, &TabLog::clicked);
    }
    void current(int index) { log += "c" + std::to_string(index) + " "; }
    void clicked(int index) { log += "k" + std::to_string(index) + " "; }
    std::string log;
};

class UITabBarTest : public WidgetTest
{
protected:
    UITabBar* tabs(std::initializer_list<const char*> names)
    {
        auto* bar = new UITabBar(top);
        bar->setStyleProperty(String(u"itemPadding"), String(u"12,4,12,4"));
        bar->setStyleProperty(String(u"itemSpacing"), String(u"1"));
        bar->setStyleProperty(String(u"itemIconAndTextSpacing"), String(u"6"));
        bar->setStyleProperty(String(u"minimumHeight"), String(u"28"));
        for (const char* name : names)
            bar->addTextTab(text(name));
        bar->setGeometry(0, 0, 300, 40);
        bar->show();
        return bar;
    }
    void click(UITabBar* bar, int index)
    {
        bar->layoutTabs();
        send(bar, UIMouseEvent(kClickEvent, 0, 1, bar->tabRect(index).center(), 0));
    }
    // One character of the stand-in font.
    int unit() const { return FontMetrics(FontDesc(), nullptr).charWidth(u'x'); }
    static ImageSet icon(int side) { return ImageSet::ImageSetFromImage(Image(side, side, true)); }
};

} // namespace

TEST_F(UITabBarTest, TabWidthsByStyle)
{
    UITabBar* bar = tabs({"Four", ""});
    bar->setTabIcon(1, icon(16));
    struct Row
    {
        int style, index;
        bool withIcon;
        int width;
    };
    const int w = unit();
    const Row rows[] = {
        {0, 0, false, 24 + 4 * w}, {1, 0, false, 24},     {2, 0, false, 24 + 4 * w},
        {0, 1, true, 24},          {1, 1, true, 24 + 16}, {2, 1, true, 24 + 16 + 6},
    };
    for (const Row& row : rows) {
        bar->setTabStyle(row.style);
        EXPECT_EQ(row.width, bar->tabWidth(*bar->tab(row.index))) << row.style << " " << row.index;
    }
}

TEST_F(UITabBarTest, StripIsAsWideAsTheVisibleTabsAndCentred)
{
    UITabBar* bar = tabs({"aa", "bbbb", "cc"});
    const int w = unit();
    const int font = FontMetrics(FontDesc(), nullptr).height();
    const int width = (24 + 2 * w) + (24 + 4 * w) + (24 + 2 * w) + 2;
    EXPECT_EQ(Size(width, std::max(28, font + 8)), bar->sizeHint());
    bar->setTabVisible(1, false);
    const int narrow = 2 * (24 + 2 * w) + 1;
    EXPECT_EQ(narrow, bar->sizeHint().width) << "a hidden tab takes no room and no separator";
    bar->layoutTabs();
    const int left = (300 - narrow) / 2;
    EXPECT_EQ(Rect(left, 0, 24 + 2 * w, bar->sizeHint().height), bar->tabRect(0));
    EXPECT_TRUE(bar->tabRect(1).isEmpty());
    EXPECT_EQ(left + 24 + 2 * w + 1, bar->tabRect(2).x);
}

TEST_F(UITabBarTest, EachTabDrawsItsSliceOfTheSkin)
{
    struct Row
    {
        int tabs;
        int hidden;
        uint32_t masks[4];
    };
    const Row rows[] = {
        {1, -1, {511}},
        {2, -1, {0x1E3, 0x13E}},
        {4, -1, {0x1E3, 0x122, 0x122, 0x13E}},
        {3, 0, {0, 0x1E3, 0x13E}},
        {3, 2, {0x1E3, 0x13E}},
        {2, 1, {511}},
    };
    for (const Row& row : rows) {
        UITabBar* bar = tabs({});
        for (int i = 0; i < row.tabs; ++i)
            bar->addTextTab(text("t"));
        bar->setTabVisible(row.hidden, row.hidden >= 0 ? false : true);
        for (int i = 0; i < row.tabs; ++i) {
            if (i != row.hidden) {
                EXPECT_EQ(row.masks[i], bar->tabMask(i))
                    << row.tabs << " tabs, hidden " << row.hidden << ", tab " << i;
            }
        }
        delete bar;
    }
}

TEST_F(UITabBarTest, CurrentTabFollowsClicksAndRemovals)
{
    auto* bar = new UITabBar(top);
    TabLog log(bar);
    for (const char* name : {"a", "b", "c", "d"})
        bar->addTextTab(text(name));
    bar->setGeometry(0, 0, 300, 40);
    bar->show();
    EXPECT_EQ("c0 ", log.log) << "the first tab of an exclusive bar becomes current";
    bar->setTabEnabled(1, false);
    bar->setTabSelectable(2, false);
    click(bar, 1);
    click(bar, 2);
    click(bar, 3);
    click(bar, 3);
    EXPECT_EQ("c0 k2 c3 k3 k3 ", log.log)
        << "disabled: nothing; unselectable: clicked only; again: no change";
    bar->setCurrentIndex(7);
    EXPECT_EQ(3, bar->currentIndex()) << "past the end";
    EXPECT_EQ(nullptr, bar->tab(7));
    EXPECT_EQ(bar->tab(0), bar->tab(-2));

    mouse(bar, kMouseMoveEvent, bar->tabRect(2).center().x, 5);
    bar->removeTab(0);
    EXPECT_EQ(2, bar->currentIndex()) << "the current tab shifts down with its neighbours";
    EXPECT_EQ(-1, bar->hoveredIndex());
    EXPECT_EQ("d", testsupport::utf8(bar->tabText(bar->currentIndex())));
    bar->setTabEnabled(0, true);
    bar->removeTab(2);
    EXPECT_EQ(0, bar->currentIndex()) << "the current tab gone: the first";
    EXPECT_EQ("c0 k2 c3 k3 k3 c0 ", log.log);

    bar->setExclusive(false);
    click(bar, 0);
    EXPECT_EQ(-1, bar->currentIndex()) << "non-exclusive: a second click leaves none current";
    click(bar, 0);
    EXPECT_EQ(0, bar->currentIndex());
    bar->removeTab(0);
    EXPECT_EQ(-1, bar->currentIndex());
    EXPECT_EQ("c0 k2 c3 k3 k3 c0 c-1 k0 c0 k0 c-1 ", log.log);
}
