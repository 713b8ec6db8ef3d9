#include "ui/core/widget/UIWidget.h"

#include "foundation/system/MessageLoop.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UIFocusEvent.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/input/UICursorHost.h"
#include "ui/core/widget/UIWidgetPrivate.h"

namespace {

UIWidget* g_focusWidget = nullptr;
UIWidget* g_grabWidget = nullptr;

} // namespace

UIWidget* UIWidget::focusWidget()
{
    return g_focusWidget;
}

UIWidget* UIWidget::grabWidget()
{
    return g_grabWidget;
}

void UIWidget::setGrabWidget()
{
    g_grabWidget = this;
}

void UIWidget::releaseGrab()
{
    if (g_grabWidget == this)
        g_grabWidget = nullptr;
}

void UIWidget::setFocusPolicy(uint32_t policy)
{
    d->focusPolicy = policy;
}

uint32_t UIWidget::focusPolicy() const
{
    return d->focusPolicy;
}

void UIWidget::setFocusOrder(int order)
{
    d->focusOrder = order;
}

int UIWidget::focusOrder() const
{
    return d->focusOrder;
}

bool UIWidget::isActiveWindow() const
{
    UIWidget* top = window();
    return top && top->d->native && (top->d->native->windowState() & UINativeWindow::kActiveState);
}

void UIWidget::activateWindow()
{
    UIWidget* top = window();
    if (!top)
        return;
    UIWidgetGuard guard(top);
    if (!top->isVisible())
        top->show();
    // A maximised window stays maximised; only a minimised one comes back.
    if (guard.isAlive())
        top->setWindowState((top->windowState() & ~UINativeWindow::kMinimizedState) |
                            UINativeWindow::kActiveState);
}

FontDesc UIWidget::defaultFont()
{
    return FontDesc();
}

Rect UIWidget::emptyRect()
{
    return Rect(0, 0, 0, 0);
}

void UIWidget::setFocus()
{
    if (hasFocus() || d->focusPolicy == 0 || !isVisible() || !isEnabled() || !isActiveWindow())
        return;
    if (g_focusWidget)
        g_focusWidget->clearFocus();
    if (isWindow() && d->native)
        d->native->setFocus(true);
    g_focusWidget = this;
    sendNow(UIFocusEvent(kFocusInEvent, 0));
}

void UIWidget::clearFocus()
{
    if (!hasFocus())
        return;
    if (isTimerActive(kHoverTimerId)) {
        killTimer(kHoverTimerId);
        Point position = mapFromGlobal(UICursorHost::instance()->position());
        sendNow(UIMouseEvent(kMouseLeaveEvent, 0, 0, position, 0));
    }
    m_flags &= ~kKeyDown;
    g_focusWidget = nullptr;
    if (testFlag(kCreated) && !testFlag(kDestroying))
        sendNow(UIFocusEvent(kFocusOutEvent, 0));
}

List<UIWidget*> UIWidget::focusChain() const
{
    List<UIWidget*> chain;
    UIWidget* top = window();
    for (UIWidget* widget : UIApplication::instance()->widgetList()) {
        if (widget->window() == top && (widget->d->focusPolicy & kTabFocus) && widget->d->focusOrder > 0 &&
            widget->isVisible() && widget->isEnabled())
            chain.append(widget);
    }
    return chain;
}

bool UIWidget::focusNext()
{
    if (!isActiveWindow())
        return false;
    List<UIWidget*> chain = focusChain();
    if (chain.isEmpty())
        return false;
    UIWidget* next = chain.first()->value;
    for (List<UIWidget*>::Node* node = chain.first(); node; node = node->next) {
        if (node->value == this && node->next) {
            next = node->next->value;
            break;
        }
    }
    next->setFocus();
    return true;
}

bool UIWidget::focusPrevious()
{
    if (!isActiveWindow())
        return false;
    List<UIWidget*> chain = focusChain();
    if (chain.isEmpty())
        return false;
    UIWidget* previous = chain.first()->value;
    for (List<UIWidget*>::Node* node = chain.first(); node; node = node->next) {
        if (node->value == this) {
            previous = node->prev ? node->prev->value : chain.last()->value;
            break;
        }
    }
    previous->setFocus();
    return true;
}
