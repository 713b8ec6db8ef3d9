// The combo box's items, look-ups, order, current index, type-ahead, input
// and popup placement on the widget fakes with the fixed-width font
// stand-in.
#include "graphics/paint/FontMetrics.h"
#include "tests/support/TestText.h"
#include "tests/support/WidgetFakes.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UIFocusEvent.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/events/UIWheelEvent.h"
#include "ui/widgets/combo/UIComboBox.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/items/UIList.h"
#include "ui/widgets/window/UIWindow.h"

#include <string>

using testsupport::text;
using testsupport::utf8;

namespace {

class IndexLog : public SignalReceiver
{
public:
    explicit IndexLog(UIComboBox* box) { box->currentIndexChanged.connectWithArg(this, &IndexLog::changed); }
    void changed(int index) { log += std::to_string(index) + " "; }
    std::string log;
};

class UIComboBoxTest : public WidgetTest
{
protected:
    UIComboBox* combo(std::initializer_list<const char*> texts)
    {
        auto* box = new UIComboBox(top);
        box->setStyleProperty(String(u"padding"), String(u"8,2,8,2"));
        box->setStyleProperty(String(u"spacing"), String(u"6"));
        box->setStyleProperty(String(u"minimumHeight"), String(u"24"));
        box->popupList()->setStyleProperty(String(u"listModeItemHeight"), String(u"20"));
        for (const char* t : texts)
            box->addItem(text(t));
        box->setGeometry(10, 10, 120, 24);
        box->show();
        return box;
    }
    static std::string texts(const UIComboBox* box)
    {
        std::string out;
        for (int i = 0; i < box->count(); ++i)
            out += (i ? " " : "") + utf8(box->itemText(i));
        return out;
    }
    static void key(UIWidget* widget, int code, const char16_t* typed = u"")
    {
        send(widget, UIKeyEvent(kKeyPressEvent, code, 0, String(typed)));
    }
};

} // namespace

TEST_F(UIComboBoxTest, FirstRealItemBecomesCurrentAndOutOfRangeIndexesAreIgnored)
{
    UIComboBox* box = combo({});
    IndexLog log(box);
    box->addSeparator();
    EXPECT_EQ(box->currentIndex(), -1);
    box->addItem(text("One"));
    EXPECT_EQ(box->currentIndex(), 1) << "the item added, not the separator before it";
    box->addItem(text("Two"));
    for (int index : {2, -2, 3, 2})
        box->setCurrentIndex(index);
    box->setCurrentIndex(-1);
    EXPECT_EQ(log.log, "1 2 -1 ");
    EXPECT_EQ(box->currentItem(), nullptr);
    EXPECT_EQ(utf8(box->currentText()), "");
    EXPECT_EQ(box->item(3), nullptr);
    box->setItemText(7, text("ignored"));
    box->setItemIcon(-1, ImageSet());
    EXPECT_EQ(utf8(box->itemText(9)), "");
}

TEST_F(UIComboBoxTest, LookUpsByTextPrefixTagUserDataAndItemText)
{
    UIComboBox* box = combo({"Drama", "drama", "Documentary", "Comedy"});
    EXPECT_EQ(box->findText(text("drama"), String::kCaseSensitive), 1);
    EXPECT_EQ(box->findText(text("DRAMA"), String::kIgnoreCase), 0);
    EXPECT_EQ(box->findText(text("DRAMA"), String::kCaseSensitive), -1);
    EXPECT_EQ(box->findText(String(), String::kIgnoreCase), -1);
    EXPECT_EQ(box->findTextPrefix(text("Do"), String::kCaseSensitive), 2);
    EXPECT_EQ(box->findTextPrefix(text("d"), String::kCaseSensitive), 1);
    EXPECT_EQ(box->findTextPrefix(text("d"), String::kIgnoreCase), 0);
    EXPECT_EQ(box->findTextPrefix(text("x"), String::kIgnoreCase), -1);
    EXPECT_FALSE(box->setCurrentText(text("Western"), String::kIgnoreCase));
    EXPECT_TRUE(box->setCurrentText(text("comedy"), String::kIgnoreCase));
    EXPECT_EQ(box->currentIndex(), 3);

    box->item(1)->setTag(42);
    box->item(2)->setUserData(uint64_t(1) << 40);
    box->item(0)->UIItem::setText(text("code-0"));
    box->setCurrentTag(42);
    EXPECT_EQ(box->currentIndex(), 1);
    box->setCurrentUserData(uint64_t(1) << 40);
    EXPECT_EQ(box->currentIndex(), 2);
    box->setCurrentItemText(text("code-0"));
    EXPECT_EQ(box->currentIndex(), 0);
    box->setCurrentTag(7);
    box->setCurrentUserData(5);
    box->setCurrentItemText(text("Drama") /* the display text, not the item text */);
    EXPECT_EQ(box->currentIndex(), 0);

    UIComboBox* empty = combo({});
    EXPECT_EQ(empty->findText(text("a"), String::kIgnoreCase), -1);
}

TEST_F(UIComboBoxTest, SortedOrderIsByCodeUnitAndKeepsTheCurrentItem)
{
    UIComboBox* box = combo({"b", "a", "C"});
    IndexLog log(box);
    box->setSorted(true);
    EXPECT_EQ(texts(box), "C a b");
    EXPECT_EQ(utf8(box->currentText()), "b");
    EXPECT_EQ(box->currentIndex(), 2);
    // Appended items go after the last one not greater: equal texts keep
    // the order they came in.
    box->item(0)->setTag(1);
    for (const char* t : {"a", "", "B", "C", "bb"})
        box->addItem(text(t))->setTag(2);
    EXPECT_EQ(texts(box), " B C C a a b bb");
    EXPECT_EQ(box->item(2)->tag(), 1);
    EXPECT_EQ(box->item(3)->tag(), 2);
    EXPECT_EQ(utf8(box->currentText()), "b");
    EXPECT_EQ(box->currentIndex(), 6);
    EXPECT_EQ(log.log, "") << "moving the current item is not a change";

    // A text changed out of order: the next append sorts the whole list.
    box->setItemText(0, text("z"));
    box->addItem(text("m"));
    EXPECT_EQ(texts(box), "B C C a a b bb m z");
    EXPECT_EQ(utf8(box->currentText()), "b");
}

TEST_F(UIComboBoxTest, RemovalsKeepTheCurrentItemOrLeaveNone)
{
    UIComboBox* box = combo({"a", "b", "c", "d"});
    IndexLog log(box);
    box->setCurrentIndex(2);
    box->removeItem(0);
    EXPECT_EQ(box->currentIndex(), 1);
    EXPECT_EQ(utf8(box->currentText()), "c");
    box->removeItem(2);
    box->removeItem(9);
    box->removeItem(-1);
    EXPECT_EQ(utf8(box->currentText()), "c");
    box->removeItem(1);
    EXPECT_EQ(box->currentIndex(), -1);
    EXPECT_EQ(texts(box), "b");
    EXPECT_EQ(log.log, "2 -1 ");
    box->setCurrentIndex(0);
    box->clear();
    EXPECT_TRUE(box->isEmpty());
    EXPECT_EQ(log.log, "2 -1 0 -1 ");
    box->clear();
    EXPECT_EQ(log.log, "2 -1 0 -1 ") << "nothing was current";
}

TEST_F(UIComboBoxTest, TypeAheadSearchesWithinItsPauseAndStartsAgainAfterIt)
{
    UIComboBox* box = combo({"Action", "Biography", "Brazil", "Broadway", "Romance"});
    int64_t now = 10000;
    box->setClock([&] { return now; });
    struct Step
    {
        int64_t after;
        const char16_t* typed;
        const char* current;
    };
    const Step steps[] = {
        {0, u"b", "Biography"},  {1500, u"R", "Brazil"}, {2000, u"o", "Broadway"},
        {2001, u"r", "Romance"}, {100, u"x", "Romance"}, {2500, u"a", "Action"},
    };
    for (const Step& step : steps) {
        now += step.after;
        key(box, 0x41, step.typed);
        EXPECT_EQ(utf8(box->currentText()), step.current) << utf8(String(step.typed));
    }
}

TEST_F(UIComboBoxTest, WheelStepsOnlyWhenNotEditableFocusedAndHovered)
{
    UIComboBox* box = combo({"a", "b", "c"});
    const auto wheel = [&](int direction) { send(box, UIWheelEvent(Point(5, 5), 120, 0, direction)); };
    wheel(3);
    EXPECT_EQ(box->currentIndex(), 0) << "neither focused nor hovered";
    box->setFocus();
    ASSERT_TRUE(box->hasFocus());
    wheel(3);
    EXPECT_EQ(box->currentIndex(), 0) << "not hovered";
    box->setFlag(UIWidget::kHovered, true);
    wheel(3);
    wheel(1);
    wheel(3);
    EXPECT_EQ(box->currentIndex(), 2);
    wheel(3);
    EXPECT_EQ(box->currentIndex(), 2);
    wheel(4);
    EXPECT_EQ(box->currentIndex(), 1);
    box->setWheelEnabled(false);
    wheel(4);
    EXPECT_EQ(box->currentIndex(), 1);
}

TEST_F(UIComboBoxTest, RightClickChoosesTheDefaultTextOrTheFirstItem)
{
    UIComboBox* box = combo({"a", "b", "c"});
    const auto rightClick = [&] { send(box, UIMouseEvent(kClickEvent, 2, 2, Point(5, 5), 0)); };
    box->setCurrentIndex(2);
    rightClick();
    EXPECT_EQ(box->currentIndex(), 0);
    box->setDefaultText(text("b"));
    rightClick();
    EXPECT_EQ(box->currentIndex(), 1);
    box->setDefaultText(text("B"));
    box->setCurrentIndex(2);
    rightClick();
    EXPECT_EQ(box->currentIndex(), 0) << "the default text is compared case-sensitively";
}

TEST_F(UIComboBoxTest, SizeHintCountsTextIconsArrowAndLimits)
{
    UIComboBox* box = combo({"abcd", "ab"});
    UISkinImage arrow(Image(40, 10, true), false);
    arrow.setGrid(10, 10, 4);
    box->setSkinImage(arrow, String(u"UIComboBox_Arrow"));
    const int widest = FontMetrics(FontDesc(), nullptr).textSize(text("abcd"), false).width;
    struct Row
    {
        int minimum, maximum;
        bool icon;
        int width;
    };
    const int plain = widest + 16 + 6 + 10;
    const Row rows[] = {
        {0, 0, false, plain},
        {0, 0, true, plain + 6 + 16},
        {plain + 5, 0, false, plain + 5},
        {0, plain - 3, false, plain - 3},
        {0, -1, false, plain},
        {500, 20, false, 20},
    };
    for (const Row& row : rows) {
        box->setStyleProperty(String(u"minimumWidth"), String::fromInt(row.minimum));
        box->setStyleProperty(String(u"maximumWidth"), String::fromInt(row.maximum));
        box->setItemIcon(1, row.icon ? ImageSet::ImageSetFromImage(Image(16, 12, true)) : ImageSet());
        EXPECT_EQ(box->sizeHint(), Size(row.width, 24))
            << row.minimum << " " << row.maximum << " " << row.icon;
    }
}

TEST_F(UIComboBoxTest, PopupOpensBelowAboveAtTheBottomAndShiftsLeftAtTheRightEdge)
{
    const Rect monitor(0, 0, 800, 600);
    struct Row
    {
        Rect field;
        Size popup;
        Point at;
    };
    const Row rows[] = {
        {Rect(100, 100, 120, 24), Size(120, 200), Point(100, 124)},
        {Rect(100, 500, 120, 24), Size(120, 200), Point(100, 300)},
        {Rect(100, 376, 120, 24), Size(120, 200), Point(100, 400)},
        {Rect(750, 100, 120, 24), Size(120, 200), Point(680, 124)},
        {Rect(-30, 100, 120, 24), Size(120, 200), Point(0, 124)},
    };
    for (const Row& row : rows)
        EXPECT_EQ(UIComboBox::popupPosition(row.field, row.popup, monitor), row.at)
            << row.field.x << "," << row.field.y;
    EXPECT_EQ(UIComboBox::popupPosition(Rect(750, 590, 120, 24), Size(120, 200), Rect()), Point(750, 614));
}

TEST_F(UIComboBoxTest, PopupShowsTenItemsBeforeItScrollsAndChoosingByKeysClosesIt)
{
    UIComboBox* box = combo({});
    for (int i = 0; i < 12; ++i)
        box->addItem(String::fromInt(i));
    box->addSeparator();
    box->setCurrentIndex(11);
    box->showPopup();
    ASSERT_TRUE(box->isPopupVisible());
    EXPECT_EQ(box->popup()->height(), 200);
    EXPECT_EQ(box->popupList()->count(), 13);
    EXPECT_EQ(utf8(box->popupList()->item(12)->text()), "");
    EXPECT_EQ(box->popupList()->currentIndex(), 11);
    EXPECT_FALSE(box->mayReopen());
    key(box->popupList(), 27);
    EXPECT_FALSE(box->isPopupVisible());
    EXPECT_EQ(box->currentIndex(), 11);
    EXPECT_TRUE(box->mayReopen());

    box->setMaxVisibleItems(0);
    EXPECT_EQ(box->maxVisibleItems(), 1);
    box->setMaxVisibleItems(20);
    key(box, 40);
    ASSERT_TRUE(box->isPopupVisible());
    EXPECT_EQ(box->popup()->height(), 13 * 20);
    box->popupList()->setCurrentIndex(3, false);
    key(box->popupList(), 13);
    EXPECT_FALSE(box->isPopupVisible());
    EXPECT_EQ(box->currentIndex(), 3);

    UIComboBox* empty = combo({});
    empty->showPopup();
    EXPECT_FALSE(empty->isPopupVisible());
}

TEST_F(UIComboBoxTest, EditableFieldShowsTheCurrentTextAndPutsItBackOnLeaving)
{
    UIComboBox* box = combo({"Alpha", "Beta"});
    EXPECT_FALSE(box->lineEdit()->isVisible());
    box->setEditable(true);
    EXPECT_TRUE(box->lineEdit()->isVisible());
    EXPECT_EQ(utf8(box->lineEdit()->text()), "Alpha");
    box->setCurrentIndex(1);
    EXPECT_EQ(utf8(box->lineEdit()->text()), "Beta");
    box->setLineEditText(text("typed"));
    send(box->lineEdit(), UIFocusEvent(kFocusOutEvent, 0));
    EXPECT_EQ(utf8(box->lineEdit()->text()), "Beta");

    // The field's own wheel is off while editable; the line edit's steps.
    box->setFocus();
    box->setFlag(UIWidget::kHovered, true);
    send(box, UIWheelEvent(Point(5, 5), 120, 0, 4));
    EXPECT_EQ(box->currentIndex(), 1);
    send(box->lineEdit(), UIWheelEvent(Point(5, 5), 120, 0, 4));
    EXPECT_EQ(box->currentIndex(), 0);

    box->clear();
    EXPECT_TRUE(box->lineEdit()->isEmpty());
    box->setEditable(false);
    EXPECT_FALSE(box->lineEdit()->isVisible());
}

// The popup is a system window of its own: a box makes it when first opened
// (or looked up), and only once.
TEST_F(UIComboBoxTest, ThePopupIsMadeWhenFirstOpenedAndOnce)
{
    const int before = UIApplication::instance()->windows().count();
    auto* box = new UIComboBox(top);
    for (const char* t : {"Alien", "Brazil", "Casablanca"})
        box->addItem(text(t));
    box->setGeometry(10, 10, 120, 24);
    box->show();
    box->setCurrentIndex(1);
    box->clear();
    box->addItem(text("Dune"));
    box->hidePopup();
    EXPECT_FALSE(box->isPopupVisible());
    EXPECT_EQ(UIApplication::instance()->windows().count(), before) << "nothing opened, no window";
    for (int open = 0; open < 2; ++open) {
        box->showPopup();
        EXPECT_TRUE(box->isPopupVisible()) << open;
        EXPECT_EQ(box->popupList()->count(), 1) << open;
        box->hidePopup();
        EXPECT_FALSE(box->isPopupVisible()) << open;
        EXPECT_EQ(UIApplication::instance()->windows().count(), before + 1) << open;
    }
    delete box;
}
