#include "ui/core/widget/UIWidget.h"

#include "ui/core/widget/UIWidgetPrivate.h"

UIWidget* UIWidget::parentWidget() const
{
    return d->parent;
}

UIWidget* UIWidget::childAtIndex(int index) const
{
    List<UIWidget*>::Node* node = m_children.nodeAt(index);
    return node ? node->value : nullptr;
}

int UIWidget::depth() const
{
    if (isWindow())
        return -1;
    int count = -1;
    for (const UIWidget* widget = d->parent; widget; widget = widget->d->parent) {
        ++count;
        if (widget->isWindow())
            return count;
    }
    return -1;
}

bool UIWidget::isDescendantOf(const UIWidget* widget) const
{
    if (!widget)
        return false;
    for (const UIWidget* ancestor = d->parent; ancestor; ancestor = ancestor->d->parent) {
        if (ancestor == widget)
            return true;
    }
    return false;
}

bool UIWidget::isAncestorOf(const UIWidget* widget) const
{
    return widget && widget->isDescendantOf(this);
}

UIWidget* UIWidget::childAt(const Point& point) const
{
    if (!isVisible())
        return nullptr;
    UIWidget* hit = nullptr;
    const UIWidget* level = this;
    Point local = point;
    for (;;) {
        UIWidget* found = nullptr;
        for (UIWidget* child : level->m_children) {
            if (child->isWindow() || child->testFlag(kMouseTransparent) || !child->testFlag(kVisible))
                continue;
            Point inChild = child->mapFromParent(local);
            if (child->isInsideRect(inChild)) {
                found = child;
                local = inChild;
                break;
            }
        }
        if (!found)
            return hit;
        hit = found;
        level = found;
    }
}

List<UIWidget*> UIWidget::widgetsAt(const Point& point) const
{
    List<UIWidget*> result;
    UIWidget* hit = childAt(point);
    if (!hit)
        return result;
    result.append(hit);
    if (hit->isWindow())
        return result;
    for (UIWidget* ancestor : hit->ancestors(true))
        result.append(ancestor);
    return result;
}

List<UIWidget*> UIWidget::ancestors(bool stopAtWindow) const
{
    List<UIWidget*> result;
    for (UIWidget* ancestor = d->parent; ancestor; ancestor = ancestor->d->parent) {
        result.append(ancestor);
        if (stopAtWindow && ancestor->isWindow())
            break;
    }
    return result;
}

List<UIWidget*> UIWidget::descendants() const
{
    List<UIWidget*> result;
    for (UIWidget* child : m_children) {
        result.append(child);
        for (UIWidget* descendant : child->descendants())
            result.append(descendant);
    }
    return result;
}

bool UIWidget::setParent(UIWidget* parent)
{
    if (parent == d->parent)
        return true;
    if (parent == this || (parent && parent->isDescendantOf(this)))
        return false;
    if (d->parent) {
        d->parent->m_children.removeOne(this);
        d->parent->relayout();
    }
    d->parent = parent;
    if (parent) {
        parent->m_children.append(this);
        parent->relayout();
    }
    // The subtree may now belong to another window.
    d->window = nullptr;
    for (UIWidget* descendant : descendants())
        descendant->d->window = nullptr;
    return true;
}
