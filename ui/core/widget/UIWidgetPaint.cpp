#include "graphics/paint/BitmapSurface.h"
#include "ui/core/paint/UIBlitter.h"
#include "ui/core/paint/UIComposer.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/core/widget/UIWidgetGuard.h"
#include "ui/core/widget/UIWidgetPrivate.h"

#include <deque>

void UIWidget::update()
{
    UIWidget* target = window();
    // Updates off on the widget or an ancestor hold it back: a form or a
    // list is filled with them off and painted once when they come back on.
    if (UIWidget* holder = updatesHolder()) {
        holder->m_flags |= kRepaintPending;
        return;
    }
    bool paintable = testFlag(kCreated) && isVisible() && target;
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

UIWidget* UIWidget::updatesHolder() const
{
    UIWidget* holder = nullptr;
    for (const UIWidget* widget = this; widget; widget = widget->d->parent) {
        if (!widget->testFlag(kUpdatesEnabled))
            holder = const_cast<UIWidget*>(widget);
        if (widget->isWindow())
            break;
    }
    return holder;
}

void UIWidget::paintNow(UIWidget* window)
{
    window->d->painting = true;
    if (this == window)
        m_flags &= ~kRepaintPending;
    UIWidgetGuard windowGuard(window);
    UIComposer::repaint(this);
    if (windowGuard.isAlive())
        window->d->painting = false;
}

std::deque<UIWidgetGuard> UIWidget::watchedChildren() const
{
    std::deque<UIWidgetGuard> children;
    for (UIWidget* child : m_children)
        children.emplace_back(child);
    return children;
}

namespace {

constexpr int kGrowth = 100;

void ensureSize(std::unique_ptr<BitmapSurface>& surface, int width, int height)
{
    if (!surface) {
        surface = std::make_unique<BitmapSurface>(width, height);
        surface->setFillColor(Color(0x00FFFFFFu));
        return;
    }
    if (surface->width() < width || surface->height() < height)
        surface->resize(width, height);
}

bool fits(const std::unique_ptr<BitmapSurface>& surface, int width, int height)
{
    return surface && surface->width() >= width && surface->height() >= height;
}

} // namespace

void UIWidget::ensureFrame(int width, int height)
{
    ensureSize(d->frame, width, height);
}

void UIWidget::ensureSurface(int width, int height)
{
    ensureSize(d->surface, width, height);
}

void UIWidget::fitSurfaces()
{
    if (!fits(d->surface, m_width, m_height))
        ensureSurface(m_width + kGrowth, m_height + kGrowth);
    if (isWindow() && !fits(d->frame, m_width, m_height))
        ensureFrame(m_width + kGrowth, m_height + kGrowth);
}

PaintTarget* UIWidget::paintTarget() const
{
    return d->surface.get();
}

PaintTarget* UIWidget::frameTarget() const
{
    const UIWidget* target = window();
    return target ? target->d->frame.get() : nullptr;
}

bool UIWidget::canCopyToScreen(const Rect& rect, UIWidget* markedWhenOff)
{
    if (rect.isEmpty() || !testFlag(kCreated) || !isVisible())
        return false;
    UIWidget* target = window();
    if (!target || !target->d->native)
        return false;
    if (UIWidget* holder = updatesHolder()) {
        (holder == this || holder == target ? markedWhenOff : holder)->m_flags |= kRepaintPending;
        return false;
    }
    return !UIBlitter::isInputDesktopUnavailable();
}

void UIWidget::copyToScreenNow(const Rect& rect)
{
    if (!canCopyToScreen(rect, window()))
        return;
    UIWidget* target = window();
    const BitmapSurface* frame = target->d->frame.get();
    Point source = rect.topLeft();
    Rect area = rect;
    if (frame && UIBlitter::clipCopy(frame->rect(), &source, target->rect(), &area))
        UIBlitter::toScreen(target->d->native->handle(), *frame, source, area);
}

void UIWidget::paintRectNow(const Rect& rect, bool invert)
{
    if (!invert) {
        copyToScreenNow(rect);
        return;
    }
    if (!canCopyToScreen(rect, window()))
        return;
    const Point origin = mapToWindow(Point(0, 0));
    UIBlitter::invertOnScreen(window()->d->native->handle(), rect,
                              Rect(origin.x, origin.y, m_width, m_height), UIComposer::childAreas(this));
}

void UIWidget::blitToScreen(PaintTarget* surface, const Rect& rect, const Point& source)
{
    if (!surface || !canCopyToScreen(rect, this))
        return;
    Point from = source;
    Rect area = rect;
    if (UIBlitter::clipCopy(surface->rect(), &from, window()->rect(), &area))
        UIBlitter::toScreen(window()->d->native->handle(), *surface, from, area);
}

void UIWidget::addEffect(UIPaintEffect* effect)
{
    if (effect)
        d->effects.emplace_back(effect);
}

void UIWidget::setEffectEnabled(int id, bool on)
{
    for (const std::unique_ptr<UIPaintEffect>& effect : d->effects) {
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
    for (const std::unique_ptr<UIPaintEffect>& effect : d->effects) {
        if (effect->id() == id)
            return true;
    }
    return false;
}

void UIWidget::clearEffects()
{
    d->effects.clear();
}
