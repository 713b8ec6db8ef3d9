#include "ui/core/automation/UIAutomationTree.h"

#include "ui/core/automation/UIAutomationDescriber.h"
#include "ui/core/automation/UIAutomationText.h"
#include "ui/core/widget/UIWidget.h"

UIAutomationTree::UIAutomationTree(std::vector<int> rows, bool includeHidden)
    : m_rows(std::move(rows)), m_includeHidden(includeHidden)
{
}

JsonValue UIAutomationTree::rectOf(int x, int y, int width, int height)
{
    JsonValue rect = JsonValue::array();
    rect.append(x);
    rect.append(y);
    rect.append(width);
    rect.append(height);
    return rect;
}

JsonValue UIAutomationTree::sizeOf(const Size& size)
{
    JsonValue pair = JsonValue::array();
    pair.append(size.width);
    pair.append(size.height);
    return pair;
}

JsonValue UIAutomationTree::widget(const UIWidget* widget) const
{
    JsonValue node = JsonValue::object();
    node.set("class", utf8Of(widget->styleName()));
    if (!widget->objectId().isEmpty())
        node.set("id", utf8Of(widget->objectId()));
    const UIAutomationDescriber* describer = UIAutomationDescriber::forWidget(widget);
    if (describer) {
        String text = describer->text(widget);
        if (!text.isEmpty())
            node.set("text", utf8Of(text));
    }
    if (widget->isWindow())
        node.set("title", utf8Of(widget->windowTitle()));
    if (!widget->toolTipText().isEmpty())
        node.set("toolTip", utf8Of(widget->toolTipText()));
    Point origin = widget->mapToGlobal(Point(0, 0));
    node.set("rect", rectOf(origin.x, origin.y, widget->width(), widget->height()));
    node.set("visible", widget->isVisible());
    node.set("enabled", widget->isEnabled());
    node.set("focused", widget->hasFocus());
    if (describer) {
        describer->describe(widget, node);
        addItems(widget, node);
    }
    JsonValue children = JsonValue::array();
    for (const UIWidget* child : widget->children()) {
        if (m_includeHidden || child->isVisible())
            children.append(this->widget(child));
    }
    if (children.size() > 0)
        node.set("children", std::move(children));
    return node;
}

void UIAutomationTree::addItems(const UIWidget* widget, JsonValue& node) const
{
    const UIAutomationDescriber* describer = UIAutomationDescriber::forWidget(widget);
    int count = describer->itemCount(widget);
    if (describer->hasRows()) {
        node.set("rowCount", count);
        JsonValue rows = JsonValue::object();
        for (int row : m_rows) {
            if (row < 0 || row >= count)
                continue;
            JsonValue cells = JsonValue::array();
            for (const String& cell : describer->rowCells(widget, row))
                cells.append(utf8Of(cell));
            rows.set(std::to_string(row), std::move(cells));
        }
        if (rows.size() > 0)
            node.set("rows", std::move(rows));
        return;
    }
    if (count <= 0)
        return;
    Point origin = widget->mapToGlobal(Point(0, 0));
    JsonValue items = JsonValue::array();
    for (int i = 0; i < count; ++i) {
        UIAutomationItem item = describer->item(widget, i);
        JsonValue entry = JsonValue::object();
        entry.set("text", utf8Of(item.text));
        entry.set("rect",
                  rectOf(origin.x + item.rect.x, origin.y + item.rect.y, item.rect.width, item.rect.height));
        entry.set("enabled", item.enabled);
        if (item.checked)
            entry.set("checked", true);
        if (item.current)
            entry.set("current", true);
        if (item.inert)
            entry.set("inert", true);
        if (item.icon.width > 0)
            entry.set("icon", sizeOf(item.icon));
        if (item.picture.width > 0)
            entry.set("picture", sizeOf(item.picture));
        items.append(std::move(entry));
    }
    node.set("items", std::move(items));
}

JsonValue UIAutomationTree::windows(const List<UIWidget*>& roots) const
{
    JsonValue list = JsonValue::array();
    for (const UIWidget* root : roots) {
        if (m_includeHidden || root->isVisible()) {
            list.append(widget(root));
            continue;
        }
        // The windows a hidden one owns, shown before it.
        for (const UIWidget* child : root->children()) {
            if (child->isWindow() && child->isVisible())
                list.append(widget(child));
        }
    }
    return list;
}

JsonValue UIAutomationTree::windowList(const List<UIWidget*>& windows)
{
    JsonValue list = JsonValue::array();
    for (const UIWidget* window : windows) {
        JsonValue entry = JsonValue::object();
        entry.set("class", utf8Of(window->styleName()));
        if (!window->objectId().isEmpty())
            entry.set("id", utf8Of(window->objectId()));
        entry.set("title", utf8Of(window->windowTitle()));
        Point origin = window->mapToGlobal(Point(0, 0));
        entry.set("rect", rectOf(origin.x, origin.y, window->width(), window->height()));
        entry.set("visible", window->isVisible());
        entry.set("modal", window->isModalRunning());
        list.append(std::move(entry));
    }
    return list;
}
