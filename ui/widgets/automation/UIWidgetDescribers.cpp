#include "ui/widgets/automation/UIWidgetDescribers.h"

#include "foundation/data/JsonValue.h"
#include "ui/core/automation/UIAutomationDescriber.h"
#include "ui/core/automation/UIAutomationTree.h"
#include "ui/widgets/balloon/UIBalloonTip.h"
#include "ui/widgets/buttons/UIAbstractButton.h"
#include "ui/widgets/calendar/UICalendar.h"
#include "ui/widgets/combo/UIComboBox.h"
#include "ui/widgets/combo/UIComboBoxItem.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/group/UIGroup.h"
#include "ui/widgets/items/UIHeader.h"
#include "ui/widgets/items/UIHeaderSection.h"
#include "ui/widgets/items/UIList.h"
#include "ui/widgets/items/UIListItem.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/items/UITableCell.h"
#include "ui/widgets/items/UITableRow.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/labels/UILink.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/menus/UIMenuBar.h"
#include "ui/widgets/menus/UIMenuBarItem.h"
#include "ui/widgets/menus/UIMenuItem.h"
#include "ui/widgets/range/UIAbstractSlider.h"
#include "ui/widgets/tabs/UITabBar.h"
#include "ui/widgets/tabs/UITabBarItem.h"
#include "ui/widgets/text/UITextEdit.h"
#include "ui/widgets/toolbar/UIToolButton.h"

#include <memory>
#include <string>

namespace {

// The classes that derive from the button base share one describer.
class ButtonDescriber : public UIAutomationDescriber
{
public:
    String text(const UIWidget* widget) const override
    {
        return static_cast<const UIAbstractButton*>(widget)->text();
    }
    void describe(const UIWidget* widget, JsonValue& node) const override
    {
        node.set("checked", static_cast<const UIAbstractButton*>(widget)->isChecked());
    }
};

// A tool button shows its icon alone: the flows check that it loaded.
class ToolButtonDescriber : public ButtonDescriber
{
public:
    void describe(const UIWidget* widget, JsonValue& node) const override
    {
        ButtonDescriber::describe(widget, node);
        Size icon = static_cast<const UIToolButton*>(widget)->icon().maxSize();
        if (icon.width > 0)
            node.set("icon", UIAutomationTree::sizeOf(icon));
    }
};

class LabelDescriber : public UIAutomationDescriber
{
public:
    String text(const UIWidget* widget) const override { return static_cast<const UILabel*>(widget)->text(); }
};

class LinkDescriber : public UIAutomationDescriber
{
public:
    String text(const UIWidget* widget) const override { return static_cast<const UILink*>(widget)->text(); }
};

// A balloon says what it says, and points at the screen point it was
// shown for: where a flow checks that it points at the right control.
class BalloonDescriber : public UIAutomationDescriber
{
public:
    String text(const UIWidget* widget) const override
    {
        return static_cast<const UIBalloonTip*>(widget)->text();
    }
    void describe(const UIWidget* widget, JsonValue& node) const override
    {
        const Point& anchor = static_cast<const UIBalloonTip*>(widget)->anchor();
        node.set("anchor", UIAutomationTree::rectOf(anchor.x, anchor.y, 1, 1));
    }
};

class GroupDescriber : public UIAutomationDescriber
{
public:
    String text(const UIWidget* widget) const override
    {
        return static_cast<const UIGroup*>(widget)->title();
    }
    void describe(const UIWidget* widget, JsonValue& node) const override
    {
        node.set("checked", static_cast<const UIGroup*>(widget)->isChecked());
    }
};

// A password field gives what it shows, never what was typed.
class LineEditDescriber : public UIAutomationDescriber
{
public:
    String text(const UIWidget* widget) const override
    {
        const auto* edit = static_cast<const UILineEdit*>(widget);
        return edit->passwordMode() ? edit->displayText() : edit->text();
    }
    void describe(const UIWidget* widget, JsonValue& node) const override
    {
        if (static_cast<const UILineEdit*>(widget)->passwordMode())
            node.set("password", true);
    }
};

class TextEditDescriber : public UIAutomationDescriber
{
public:
    String text(const UIWidget* widget) const override
    {
        return static_cast<const UITextEdit*>(widget)->text();
    }
};

class MenuDescriber : public UIAutomationDescriber
{
public:
    int itemCount(const UIWidget* widget) const override
    {
        return static_cast<const UIMenu*>(widget)->count();
    }
    UIAutomationItem item(const UIWidget* widget, int index) const override
    {
        UIAutomationItem entry;
        const UIMenuItem* item = static_cast<const UIMenu*>(widget)->item(index);
        if (!item)
            return entry;
        entry.text = item->text();
        entry.rect = item->rect();
        entry.enabled = item->isEnabled();
        entry.checked = item->isChecked();
        entry.inert = item->isSeparator() || !item->isVisible();
        entry.icon = item->icon().maxSize();
        entry.picture = item->image().maxSize();
        return entry;
    }
};

class MenuBarDescriber : public UIAutomationDescriber
{
public:
    int itemCount(const UIWidget* widget) const override
    {
        return static_cast<const UIMenuBar*>(widget)->count();
    }
    UIAutomationItem item(const UIWidget* widget, int index) const override
    {
        UIAutomationItem entry;
        const UIMenuBarItem* item = static_cast<const UIMenuBar*>(widget)->item(index);
        if (!item)
            return entry;
        entry.text = item->text();
        entry.rect = item->rect();
        entry.enabled = item->isEnabled();
        entry.inert = !item->isVisible();
        return entry;
    }
};

class TabBarDescriber : public UIAutomationDescriber
{
public:
    int itemCount(const UIWidget* widget) const override
    {
        return static_cast<const UITabBar*>(widget)->count();
    }
    UIAutomationItem item(const UIWidget* widget, int index) const override
    {
        UIAutomationItem entry;
        const auto* bar = static_cast<const UITabBar*>(widget);
        const UITabBarItem* tab = bar->tab(index);
        if (!tab)
            return entry;
        // An icon-only tab goes by the name its tool tip gives it.
        entry.text = tab->text().isEmpty() ? tab->toolTip() : tab->text();
        entry.rect = bar->tabRect(index);
        entry.enabled = tab->isEnabled();
        entry.current = bar->currentIndex() == index;
        entry.inert = !tab->isVisible();
        entry.icon = tab->icon().maxSize();
        return entry;
    }
};

class ComboBoxDescriber : public UIAutomationDescriber
{
public:
    String text(const UIWidget* widget) const override
    {
        return static_cast<const UIComboBox*>(widget)->currentText();
    }
    int itemCount(const UIWidget* widget) const override
    {
        return static_cast<const UIComboBox*>(widget)->count();
    }
    // The entries are listed; they are clicked in the popup's list.
    UIAutomationItem item(const UIWidget* widget, int index) const override
    {
        UIAutomationItem entry;
        const auto* combo = static_cast<const UIComboBox*>(widget);
        const UIComboBoxItem* item = combo->item(index);
        if (!item)
            return entry;
        entry.text = item->text();
        entry.current = combo->currentIndex() == index;
        entry.inert = true;
        return entry;
    }
    void describe(const UIWidget* widget, JsonValue& node) const override
    {
        node.set("current", static_cast<const UIComboBox*>(widget)->currentIndex());
    }
};

class ListDescriber : public UIAutomationDescriber
{
public:
    int itemCount(const UIWidget* widget) const override
    {
        return static_cast<const UIList*>(widget)->count();
    }
    UIAutomationItem item(const UIWidget* widget, int index) const override
    {
        UIAutomationItem entry;
        const auto* list = static_cast<const UIList*>(widget);
        const UIListItem* item = list->item(index);
        if (!item)
            return entry;
        entry.text = item->text();
        entry.rect = list->itemRect(index);
        entry.enabled = item->isEnabled();
        entry.current = list->currentIndex() == index;
        entry.inert = !item->isVisible();
        return entry;
    }
    bool hasRows() const override { return true; }
    StringList rowCells(const UIWidget* widget, int row) const override
    {
        StringList cells;
        if (const UIListItem* item = static_cast<const UIList*>(widget)->item(row))
            cells.append(item->text());
        return cells;
    }
    void describe(const UIWidget* widget, JsonValue& node) const override
    {
        node.set("current", static_cast<const UIList*>(widget)->currentIndex());
    }
    void reveal(UIWidget* widget, int index) const override
    {
        static_cast<UIList*>(widget)->ensureVisible(index);
    }
};

// A table's entries are its rows, named by their first cell with text.
// Column headings are entries, so that a heading can be clicked at its
// centre as a user sorts a table.
class HeaderDescriber : public UIAutomationDescriber
{
public:
    int itemCount(const UIWidget* widget) const override
    {
        return static_cast<const UIHeader*>(widget)->count();
    }
    UIAutomationItem item(const UIWidget* widget, int index) const override
    {
        UIAutomationItem entry;
        const auto* header = static_cast<const UIHeader*>(widget);
        const UIHeaderSection* section = header->section(index);
        if (!section)
            return entry;
        header->layoutSections();
        entry.text = section->text();
        entry.rect = section->rect();
        entry.checked = section->sortOrder() != 0;
        entry.inert = !section->isVisible();
        return entry;
    }
};

class TableDescriber : public UIAutomationDescriber
{
    // A row whose first cell is only a picture (a check box) goes by the
    // first cell that has text.
    static String nameOf(const UITable* table, const UITableRow* row)
    {
        for (int column = 0; column < table->columnCount(); ++column) {
            const UITableCell* cell = row->cell(column);
            if (cell && !cell->text().isEmpty())
                return cell->text();
        }
        return String();
    }

public:
    int itemCount(const UIWidget* widget) const override
    {
        return static_cast<const UITable*>(widget)->rowCount();
    }
    UIAutomationItem item(const UIWidget* widget, int index) const override
    {
        UIAutomationItem entry;
        const auto* table = static_cast<const UITable*>(widget);
        const UITableRow* row = table->row(index);
        if (!row)
            return entry;
        entry.text = nameOf(table, row);
        entry.rect = table->rowRect(index);
        entry.current = table->currentRow() == index;
        entry.inert = !row->isVisible();
        return entry;
    }
    bool hasRows() const override { return true; }
    StringList rowCells(const UIWidget* widget, int index) const override
    {
        StringList cells;
        const auto* table = static_cast<const UITable*>(widget);
        const UITableRow* row = table->row(index);
        for (int column = 0; row && column < table->columnCount(); ++column) {
            const UITableCell* cell = row->cell(column);
            cells.append(cell ? cell->text() : String());
        }
        return cells;
    }
    void describe(const UIWidget* widget, JsonValue& node) const override
    {
        node.set("current", static_cast<const UITable*>(widget)->currentRow());
    }
    Rect itemColumn(const UIWidget* widget, int index, int column) const override
    {
        const auto* table = static_cast<const UITable*>(widget);
        return table->cellRect(table->row(index), column);
    }
    void reveal(UIWidget* widget, int index) const override
    {
        auto* table = static_cast<UITable*>(widget);
        if (table->currentRow() != index)
            table->setCurrentRow(index, true);
    }
};

// A slider's position and range, so a flow can tell how far an input moved
// it.
class SliderDescriber : public UIAutomationDescriber
{
public:
    void describe(const UIWidget* widget, JsonValue& node) const override
    {
        const auto* slider = static_cast<const UIAbstractSlider*>(widget);
        node.set("value", slider->value());
        node.set("minimum", slider->minimum());
        node.set("maximum", slider->maximum());
    }
};

// The month's arrows are entries "<" and ">", its days entries "1" to the
// last, at the places the last paint gave them: a driven user pages to a
// month and clicks a day as a person would.
class CalendarDescriber : public UIAutomationDescriber
{
public:
    static const int kArrows = 2;

    void describe(const UIWidget* widget, JsonValue& node) const override
    {
        const Date& date = static_cast<const UICalendar*>(widget)->date();
        node.set("date",
                 std::to_string(date.year()) + "-" + twoDigits(date.month()) + "-" + twoDigits(date.day()));
    }
    int itemCount(const UIWidget* widget) const override
    {
        return kArrows + int(static_cast<const UICalendar*>(widget)->dayCells().size());
    }
    UIAutomationItem item(const UIWidget* widget, int index) const override
    {
        UIAutomationItem entry;
        const auto* calendar = static_cast<const UICalendar*>(widget);
        if (index == 0 || index == 1) {
            entry.text = String(index == 0 ? u"<" : u">");
            entry.rect = index == 0 ? calendar->leftArrowRect() : calendar->rightArrowRect();
            return entry;
        }
        const int day = index - kArrows + 1;
        if (day < 1 || day > int(calendar->dayCells().size()))
            return entry;
        entry.text = String::fromInt(day);
        entry.rect = calendar->dayCells()[size_t(day - 1)];
        entry.current = calendar->date().day() == day;
        return entry;
    }

private:
    static std::string twoDigits(int number) { return (number < 10 ? "0" : "") + std::to_string(number); }
};

template <typename Describer> void add(const char16_t* styleName)
{
    UIAutomationDescriber::registerFor(String(styleName), std::make_unique<Describer>());
}

} // namespace

void installWidgetDescribers()
{
    for (const char16_t* button : {u"UIButton", u"UICheck", u"UIRadio"})
        add<ButtonDescriber>(button);
    add<ToolButtonDescriber>(u"UIToolButton");
    add<LabelDescriber>(u"UILabel");
    add<LinkDescriber>(u"UILink");
    add<BalloonDescriber>(u"UIBalloonTip");
    add<GroupDescriber>(u"UIGroup");
    add<LineEditDescriber>(u"UILineEdit");
    add<TextEditDescriber>(u"UITextEdit");
    add<MenuDescriber>(u"UIMenu");
    add<MenuBarDescriber>(u"UIMenuBar");
    add<TabBarDescriber>(u"UITabBar");
    add<ComboBoxDescriber>(u"UIComboBox");
    add<ListDescriber>(u"UIList");
    add<TableDescriber>(u"UITable");
    add<HeaderDescriber>(u"UIHeader");
    add<SliderDescriber>(u"UISlider");
    add<CalendarDescriber>(u"UICalendar");
}
