#include "ui/core/paint/UIComposer.h"

#include "foundation/system/UIEvent.h"
#include "graphics/paint/BitmapSurface.h"
#include "ui/core/events/UIPaintEvent.h"
#include "ui/core/paint/UIBlitter.h"
#include "ui/core/widget/UIPaintEffect.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/core/widget/UIWidgetGuard.h"
#include "ui/core/widget/UIWidgetPrivate.h"

#include <deque>

void UIComposer::repaint(UIWidget* widget)
{
    UIWidget* window = widget->window();
    if (!window)
        return;
    UIWidgetGuard windowGuard(window);
    UIWidgetGuard guard(widget);
    window->fitSurfaces();
    paintWidget(widget);
    if (!guard.isAlive() || !paintChildren(widget) || !windowGuard.isAlive())
        return;
    // The area is taken after painting: a handler may have moved things.
    const Rect area = visibleRect(widget);
    BitmapSurface* frame = window->d->frame.get();
    // Innermost first, so an outer overlay (the window's dimming) lies on top.
    for (const UIWidget* owner = widget; owner; owner = owner->isWindow() ? nullptr : owner->d->parent)
        paintOverlays(owner, frame, area);
    window->copyToScreenNow(area);
}

void UIComposer::paintWidget(UIWidget* widget)
{
    widget->fitSurfaces();
    BitmapSurface* surface = widget->d->surface.get();
    UIWidget* parent = widget->d->parent;
    const Rect own = widget->rect();
    if (!widget->isWindow() && parent && widget->testFlag(UIWidget::kTransparent))
        UIBlitter::copy(*parent->d->surface, widget->scrolledPos(), *surface, own);
    // Whatever it was marked for while held is painted now; a window's mark
    // is its repaint's to clear.
    if (!widget->isWindow())
        widget->m_flags &= ~UIWidget::kRepaintPending;
    UIWidgetGuard guard(widget);
    widget->sendNow(UIPaintEvent(own, Point(0, 0)));
    if (!guard.isAlive())
        return;
    UIWidget* window = widget->window();
    if (!window || !window->d->frame)
        return;
    if (widget->isWindow()) {
        UIBlitter::copy(*surface, Point(0, 0), *window->d->frame, own);
        return;
    }
    const Rect area = visibleRect(widget);
    const Point origin = widget->mapToWindow(Point(0, 0));
    UIBlitter::copy(*surface, Point(area.x - origin.x, area.y - origin.y), *window->d->frame, area);
}

bool UIComposer::paintChildren(UIWidget* widget)
{
    UIWidgetGuard guard(widget);
    // A paint handler may delete a sibling: each child is watched.
    std::deque<UIWidgetGuard> children = widget->watchedChildren();
    for (const UIWidgetGuard& watched : children) {
        UIWidget* child = watched.widget();
        if (!child || !child->testFlag(UIWidget::kVisible) || child->isWindow())
            continue;
        // Nothing of a child cut away by its ancestors can show, nor of its
        // children, which it cuts in turn.
        if (visibleRect(child).isEmpty())
            continue;
        paintWidget(child);
        if (watched.isAlive() && paintChildren(child)) {
            UIWidget* window = child->window();
            if (window && window->d->frame)
                paintOverlays(child, window->d->frame.get(), visibleRect(child));
        }
        if (!guard.isAlive())
            return false;
    }
    return true;
}

void UIComposer::paintOverlays(const UIWidget* widget, PaintTarget* target, const Rect& area)
{
    // A frame whose pixels could not be had, or had at a smaller size, is
    // drawn over only where it has pixels.
    const Rect inside = target && target->bits() ? area.intersected(target->rect()) : Rect();
    if (inside.isEmpty())
        return;
    for (const std::unique_ptr<UIPaintEffect>& effect : widget->d->effects) {
        if (effect->isEnabled())
            effect->apply(target, inside);
    }
}

Rect UIComposer::visibleRect(const UIWidget* widget)
{
    const Point origin = widget->mapToWindow(Point(0, 0));
    Rect area(origin.x, origin.y, widget->width(), widget->height());
    for (const UIWidget* ancestor = widget; !ancestor->isWindow();) {
        ancestor = ancestor->d->parent;
        if (!ancestor)
            break;
        const Point corner = ancestor->mapToWindow(Point(0, 0));
        area = area.intersected(Rect(corner.x, corner.y, ancestor->width(), ancestor->height()));
    }
    return area.isEmpty() ? Rect() : area;
}

std::vector<Rect> UIComposer::childAreas(const UIWidget* widget)
{
    std::vector<Rect> areas;
    for (const UIWidget* child : widget->children()) {
        if (child->isWindow() || !child->testFlag(UIWidget::kVisible))
            continue;
        const Point corner = child->mapToWindow(Point(0, 0));
        areas.emplace_back(corner.x, corner.y, child->width(), child->height());
    }
    return areas;
}
