#include "ui/core/widget/UIWidget.h"

#include "ui/core/events/UIMoveEvent.h"
#include "ui/core/events/UIResizeEvent.h"
#include "ui/core/widget/UIWidgetPrivate.h"

#include <algorithm>

Rect UIWidget::frameMargins() const
{
    if (!isWindow() || !d->native)
        return Rect(0, 0, 0, 0);
    return d->native->frameMargins();
}

Rect UIWidget::geometry() const
{
    Rect margins = frameMargins();
    return Rect(m_x + margins.x, m_y + margins.y, m_width, m_height);
}

Rect UIWidget::frameGeometry() const
{
    Rect margins = frameMargins();
    return Rect(m_x, m_y, m_width + margins.x + margins.width, m_height + margins.y + margins.height);
}

Size UIWidget::frameSize() const
{
    return frameGeometry().size();
}

Size UIWidget::frameSizeHint()
{
    // The hint of the last layout pass while it is known, else asked anew.
    Size hint = d->effectiveHint;
    if (hint.width < 1 || hint.height < 1)
        hint = layoutSizeHint();
    Rect margins = frameMargins();
    return Size(hint.width + margins.x + margins.width, hint.height + margins.y + margins.height);
}

Rect UIWidget::globalRect() const
{
    Point origin = mapToGlobal(Point(0, 0));
    return Rect(origin.x, origin.y, m_width, m_height);
}

void UIWidget::move(int x, int y)
{
    if (x == m_x && y == m_y)
        return;
    if (isWindow()) {
        if (d->native)
            d->native->move(x, y);
        return;
    }
    sendNow(UIMoveEvent(Point(x, y), pos()));
}

void UIWidget::resize(int width, int height)
{
    if ((width == m_width && height == m_height) || !testFlag(kCreated))
        return;
    if (isWindow()) {
        if (d->native)
            d->native->resize(width, height);
        return;
    }
    sendNow(UIResizeEvent(Size(width, height), size()));
}

void UIWidget::setGeometry(int x, int y, int width, int height)
{
    if (isWindow()) {
        Rect margins = frameMargins();
        move(x - margins.x, y - margins.y);
    } else {
        move(x, y);
    }
    resize(width, height);
}

void UIWidget::setMinimumSize(int width, int height)
{
    m_minWidth = width;
    m_minHeight = height;
    resize(std::max(width, m_width), std::max(height, m_height));
}

void UIWidget::setMinimumWidth(int width)
{
    m_minWidth = width;
    resize(std::max(width, m_width), std::max(m_minHeight, m_height));
}

void UIWidget::setMinimumHeight(int height)
{
    m_minHeight = height;
    resize(std::max(m_minWidth, m_width), std::max(height, m_height));
}

void UIWidget::resizeWithinLimits(int width, int height)
{
    if (m_maxWidth > 0)
        width = std::min(width, m_maxWidth);
    if (m_maxHeight > 0)
        height = std::min(height, m_maxHeight);
    resize(width, height);
}

void UIWidget::setMaximumSize(int width, int height)
{
    m_maxWidth = width;
    m_maxHeight = height;
    resizeWithinLimits(m_width, m_height);
}

void UIWidget::setMaximumWidth(int width)
{
    m_maxWidth = width;
    resizeWithinLimits(m_width, m_height);
}

void UIWidget::setMaximumHeight(int height)
{
    m_maxHeight = height;
    resizeWithinLimits(m_width, m_height);
}

Point UIWidget::scrolledPos() const
{
    const UIWidget* parent = d->parent;
    if (!parent || isWindow() || !d->scrollsWithParent)
        return pos();
    return Point(m_x + parent->m_scrollX, m_y + parent->m_scrollY);
}

void UIWidget::setScrollsWithParent(bool on)
{
    d->scrollsWithParent = on;
}

bool UIWidget::scrollsWithParent() const
{
    return d->scrollsWithParent;
}

Point UIWidget::mapToParent(const Point& point) const
{
    if (isWindow())
        return mapToGlobal(point);
    const Point at = scrolledPos();
    return Point(point.x + at.x, point.y + at.y);
}

Point UIWidget::mapFromParent(const Point& point) const
{
    const Point at = scrolledPos();
    return Point(point.x - at.x, point.y - at.y);
}

Point UIWidget::mapToWindow(const Point& point) const
{
    Point result = point;
    for (const UIWidget* widget = this; widget && !widget->isWindow(); widget = widget->d->parent) {
        const Point at = widget->scrolledPos();
        result.x += at.x;
        result.y += at.y;
    }
    return result;
}

Point UIWidget::mapFromWindow(const Point& point) const
{
    Point offset = mapToWindow(Point(0, 0));
    return Point(point.x - offset.x, point.y - offset.y);
}

Point UIWidget::mapToGlobal(const Point& point) const
{
    Point result = mapToWindow(point);
    if (UIWidget* top = window()) {
        Rect margins = top->frameMargins();
        result.x += top->m_x + margins.x;
        result.y += top->m_y + margins.y;
    }
    return result;
}

Point UIWidget::mapFromGlobal(const Point& point) const
{
    Point origin = mapToGlobal(Point(0, 0));
    return Point(point.x - origin.x, point.y - origin.y);
}

Point UIWidget::mapTo(const UIWidget* other, const Point& point) const
{
    Point global = mapToGlobal(point);
    return other ? other->mapFromGlobal(global) : global;
}

Point UIWidget::mapFrom(const UIWidget* other, const Point& point) const
{
    Point global = other ? other->mapToGlobal(point) : point;
    return mapFromGlobal(global);
}

UIWidget* UIWidget::window() const
{
    if (d->window)
        return d->window;
    for (const UIWidget* widget = this; widget; widget = widget->d->parent) {
        if (widget->isWindow()) {
            d->window = const_cast<UIWidget*>(widget);
            return d->window;
        }
    }
    return nullptr;
}

UIWidget* UIWidget::parentWindow() const
{
    return d->parent ? d->parent->window() : nullptr;
}

UINativeWindow* UIWidget::nativeWindow() const
{
    return d->native.get();
}

void* UIWidget::nativeHandle() const
{
    return d->native ? d->native->handle() : nullptr;
}

void* UIWidget::existingNativeHandle() const
{
    return d->native ? d->native->existingHandle() : nullptr;
}

void* UIWidget::windowHandle() const
{
    if (isWindow())
        return nativeHandle();
    UIWidget* top = parentWindow();
    return top ? top->nativeHandle() : nullptr;
}
