#include "foundation/system/UIEvent.h"
#include "ui/core/events/UIEventType.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/core/widget/UIWidgetGuard.h"
#include "ui/core/widget/UIWidgetPrivate.h"

#include <deque>

void UIWidget::update()
{
    UIWidget* target = window();
    // Updates off on the window hold back its children too: a form is built
    // with them off and painted once when they come back on.
    bool paintable = testFlag(kCreated) && testFlag(kUpdatesEnabled) && isVisible() && target &&
                     target->testFlag(kUpdatesEnabled);
    if (!paintable || target->d->painting) {
        // Painted later, whole: when the window is shown again, updates come
        // back on, or its current paint ends. A paint handler that asks for
        // more paint therefore never recurses.
        (target ? target : this)->m_flags |= kRepaintPending;
        return;
    }
    UIWidgetGuard windowGuard(target);
    paintNow(target);
    if (!windowGuard.isAlive() || !target->testFlag(kRepaintPending))
        return;
    // Asked for while the window painted: done once now, whatever that
    // paint asks for in turn stays pending.
    target->paintNow(target);
}

void UIWidget::paintNow(UIWidget* window)
{
    window->d->painting = true;
    if (this == window)
        m_flags &= ~kRepaintPending;
    UIWidgetGuard windowGuard(window);
    paintTree();
    if (windowGuard.isAlive())
        window->d->painting = false;
}

void UIWidget::paintTree()
{
    UIWidgetGuard guard(this);
    sendNow(UIEvent(kPaintEvent));
    if (!guard.isAlive())
        return;
    // A paint handler may delete a sibling: each child is watched.
    std::deque<UIWidgetGuard> children = watchedChildren();
    for (const UIWidgetGuard& child : children) {
        if (child.isAlive() && child.widget()->testFlag(kVisible) && !child.widget()->isWindow())
            child.widget()->paintTree();
        if (!guard.isAlive())
            return;
    }
}

std::deque<UIWidgetGuard> UIWidget::watchedChildren() const
{
    std::deque<UIWidgetGuard> children;
    for (UIWidget* child : m_children)
        children.emplace_back(child);
    return children;
}

void UIWidget::addEffect(UIStyleEffect* effect)
{
    if (effect)
        d->effects.emplace_back(effect);
}

void UIWidget::setEffectEnabled(int id, bool on)
{
    for (const std::unique_ptr<UIStyleEffect>& effect : d->effects) {
        if (effect->id() != id)
            continue;
        if (effect->isEnabled() != on) {
            effect->setEnabled(on);
            update();
        }
        return;
    }
}

bool UIWidget::hasEffect(int id) const
{
    for (const std::unique_ptr<UIStyleEffect>& effect : d->effects) {
        if (effect->id() == id)
            return true;
    }
    return false;
}

void UIWidget::clearEffects()
{
    d->effects.clear();
}
