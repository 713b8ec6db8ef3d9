#include "ui/core/widget/UIWidget.h"

#include "foundation/system/MessageLoop.h"
#include "ui/core/events/UICustomEvent.h"
#include "ui/core/events/UIContextMenuEvent.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/events/UIMoveEvent.h"
#include "ui/core/events/UIResizeEvent.h"
#include "ui/core/events/UIWheelEvent.h"
#include "ui/core/input/UICursorHost.h"
#include "ui/core/platform/UIInputMethod.h"
#include "ui/core/widget/UIToolTipHost.h"
#include "ui/core/widget/UIWidgetGuard.h"
#include "ui/core/widget/UIWidgetPrivate.h"

namespace {

constexpr int kTabKey = 9;

} // namespace

UIWidget*& UIWidget::resizingWidget()
{
    static UIWidget* widget = nullptr;
    return widget;
}

bool UIWidget::dispatchEvent(UIEvent* event)
{
    if (!event)
        return false;
    if (!isEnabled() && event->isInputEvent())
        return false;
    if (testFlag(kDestroying))
        return false;
    dispatchByType(event);
    // The event belongs to its sender, so it can be read whatever became of
    // the widget.
    return event->isAccepted();
}

bool UIWidget::deliver(Handler handler, Signal& signal, UIEvent* event)
{
    UIWidgetGuard guard(this);
    (this->*handler)(event);
    if (!guard.isAlive())
        return false;
    signal.emitValue(event);
    return guard.isAlive();
}

void UIWidget::contextMenuEvent(UIEvent* event)
{
    if (d->contextMenu)
        d->contextMenu->popup(static_cast<UIContextMenuEvent*>(event)->globalPos());
}

void UIWidget::copyWindowToScreen()
{
    // A focus change may redraw the window's frame through its handlers
    // without asking for a repaint: the screen is brought in line at once.
    if (UIWidget* top = window())
        copyToScreenNow(top->rect());
}

void UIWidget::dispatchByType(UIEvent* event)
{
    switch (event->type()) {
    case kCustomEvent:
        if (static_cast<UICustomEvent*>(event)->code() == kHoverTimerId)
            return dispatchHoverTimer(event);
        deliver(&UIWidget::timerEvent, customReceived, event);
        return;
    case kPaintEvent:
        if (deliver(&UIWidget::paint, painted, event))
            event->accept();
        return;
    case kResizeEvent:
        return dispatchResize(static_cast<UIResizeEvent*>(event));
    case kShowEvent:
        deliver(&UIWidget::showEvent, shown, event);
        return;
    case kHideEvent:
        deliver(&UIWidget::hideEvent, hidden, event);
        return;
    case kMoveEvent: {
        const Point& pos = static_cast<UIMoveEvent*>(event)->pos();
        m_x = pos.x;
        m_y = pos.y;
        deliver(&UIWidget::moveEvent, moved, event);
        return;
    }
    case kMousePressEvent:
        return dispatchPress(static_cast<UIMouseEvent*>(event));
    case kMouseReleaseEvent:
        return dispatchRelease(static_cast<UIMouseEvent*>(event));
    case kClickEvent:
        deliver(&UIWidget::clickEvent, mouseClicked, event);
        return;
    case kDoubleClickEvent:
        deliver(&UIWidget::doubleClickEvent, mouseDoubleClicked, event);
        return;
    case kMouseMoveEvent:
        return dispatchMove(static_cast<UIMouseEvent*>(event));
    case kMouseLeaveEvent:
        m_flags &= ~kHovered;
        deliver(&UIWidget::mouseLeaveEvent, mouseLeft, event);
        return;
    case kMouseEnterEvent:
        deliver(&UIWidget::mouseEnterEvent, mouseEntered, event);
        return;
    case kCloseEvent:
        return dispatchClose(event);
    case kContextMenuEvent:
        contextMenuEvent(event);
        return;
    case kFocusInEvent:
        UIInputMethod::instance()->focusChanged(this, true);
        if (deliver(&UIWidget::focusInEvent, focusedIn, event))
            copyWindowToScreen();
        return;
    case kFocusOutEvent:
        m_flags &= ~kKeyDown;
        UIInputMethod::instance()->focusChanged(this, false);
        if (deliver(&UIWidget::focusOutEvent, focusedOut, event))
            copyWindowToScreen();
        return;
    case kHotKeyEvent:
        hotKeyPressed.emitValue(event);
        return;
    case kDragEnterEvent:
        deliver(&UIWidget::dragEnterEvent, dragEntered, event);
        return;
    case kDragMoveEvent:
        deliver(&UIWidget::dragMoveEvent, dragMoved, event);
        return;
    case kDragLeaveEvent:
        deliver(&UIWidget::dragLeaveEvent, dragLeft, event);
        return;
    case kDropEvent:
        deliver(&UIWidget::dropEvent, dropped, event);
        return;
    case kKeyPressEvent:
        return dispatchKeyPress(static_cast<UIKeyEvent*>(event));
    case kKeyReleaseEvent:
        return dispatchKeyRelease(static_cast<UIKeyEvent*>(event));
    case kWheelEvent:
        return dispatchWheel(static_cast<UIWheelEvent*>(event));
    case kEnabledChangeEvent:
    case kWindowStateEvent:
        deliver(&UIWidget::stateChangeEvent, stateChanged, event);
        return;
    case kExternalEvent:
        deliver(&UIWidget::externalMessageEvent, externalMessage, event);
        return;
    default:
        return;
    }
}

void UIWidget::dispatchHoverTimer(UIEvent* event)
{
    event->accept();
    Point position = mapFromGlobal(UICursorHost::instance()->position());
    if (isInsideRect(position))
        return;
    killTimer(kHoverTimerId);
    if (MessageLoop* loop = MessageLoop::instance())
        loop->postEvent(new UIMouseEvent(kMouseLeaveEvent, 0, 0, position, 0), this);
}

void UIWidget::dispatchPress(UIMouseEvent* event)
{
    m_flags |= kMouseDown | kHovered;
    if (!isWindow() && (d->focusPolicy & kClickFocus)) {
        UIWidgetGuard guard(this);
        setFocus();
        if (!guard.isAlive())
            return;
    }
    setGrabWidget();
    deliver(&UIWidget::mousePressEvent, mousePressed, event);
}

void UIWidget::dispatchRelease(UIMouseEvent* event)
{
    releaseGrab();
    bool hadPress = testFlag(kMouseDown);
    m_flags &= ~kMouseDown;
    if (!deliver(&UIWidget::mouseReleaseEvent, mouseReleased, event) || !hadPress)
        return;
    if (isInsideRect(event->position()))
        postMouseEvent(kClickEvent, *event);
    else
        UICursorHost::instance()->setShape(kArrowCursor);
}

void UIWidget::dispatchMove(UIMouseEvent* event)
{
    if (!isInsideRect(event->position())) {
        if (isHovered()) {
            m_flags &= ~kHovered;
            if (testFlag(kHoverTracking))
                postMouseEvent(kMouseLeaveEvent, *event);
        }
    } else {
        if (!isHovered()) {
            m_flags |= kHovered;
            if (testFlag(kHoverTracking))
                postMouseEvent(kMouseEnterEvent, *event);
        }
        UIWidgetGuard guard(this);
        showToolTipAt(event->position());
        if (!guard.isAlive())
            return;
    }
    deliver(&UIWidget::mouseMoveEvent, mouseMoved, event);
}

void UIWidget::postMouseEvent(int type, const UIMouseEvent& from)
{
    if (MessageLoop* loop = MessageLoop::instance())
        loop->postEvent(new UIMouseEvent(type, from.buttons(), from.button(), from.position(), from.modifiers()),
                        this);
}

void UIWidget::dispatchWheel(UIWheelEvent* event)
{
    if ((d->focusPolicy & kWheelFocus) && !hasFocus()) {
        UIWidgetGuard guard(this);
        setFocus();
        if (!guard.isAlive())
            return;
    }
    if (!deliver(&UIWidget::wheelEvent, wheelTurned, event) || event->isAccepted())
        return;
    // A wheel that nothing here used goes to what holds the widget, up to its
    // window: a form in a scroll area scrolls under its labels, its gaps and
    // its fields that have nothing to scroll.
    UIWidget* parent = d->parent;
    MessageLoop* loop = MessageLoop::instance();
    if (isWindow() || !parent || !loop)
        return;
    UIWheelEvent passed(mapToParent(event->position()), event->delta(), event->modifiers(),
                        event->direction());
    passed.setSpontaneous(event->isSpontaneous());
    if (loop->sendEvent(&passed, parent))
        event->accept();
}

void UIWidget::dispatchClose(UIEvent* event)
{
    if (!deliver(&UIWidget::closeEvent, closeRequested, event))
        return;
    if (event->isAccepted())
        destroy();
}

void UIWidget::dispatchResize(UIResizeEvent* event)
{
    const Size& size = event->size();
    if (size.width < 0 || size.height < 0)
        return;
    UIWidget*& resizing = resizingWidget();
    if (!resizing)
        resizing = this;
    UIWidgetGuard guard(this);
    bool recorded = resizing == this;
    // A resize that moves nothing else still shows the widget at its new size.
    if (applyResize(event) && recorded && guard.isAlive() && !relayout() && guard.isAlive())
        update();
    if (guard.isAlive() && resizing == this)
        resizing = nullptr;
}

bool UIWidget::applyResize(UIResizeEvent* event)
{
    int width = event->size().width;
    int height = event->size().height;
    if (m_minWidth > 0 || m_minHeight > 0) {
        Rect margins = frameMargins();
        int minWidth = m_minWidth - (isWindow() ? margins.x + margins.width : 0);
        int minHeight = m_minHeight - (isWindow() ? margins.y + margins.height : 0);
        if (minWidth > 0 && minWidth > width)
            width = minWidth;
        if (minHeight > 0 && minHeight > height)
            height = minHeight;
    }
    if (m_maxWidth > 0 && m_maxWidth < width)
        width = m_maxWidth;
    if (m_maxHeight > 0 && m_maxHeight < height)
        height = m_maxHeight;
    m_width = width;
    m_height = height;
    if (Size(width, height) == event->oldSize())
        return false;
    fitSurfaces();
    // A layered window shows its last image at the new size.
    if (isWindow() && d->native && !d->native->layeredImage().isNull())
        d->native->updateLayered(d->native->layeredImage());
    return deliver(&UIWidget::resizeEvent, resized, event);
}

void UIWidget::dispatchKeyPress(UIKeyEvent* event)
{
    UIToolTipHost::hideFor(this);
    if (event->key() == kTabKey) {
        if (event->modifiers() & UIKeyEvent::kShiftModifier)
            focusPrevious();
        else
            focusNext();
        event->accept();
        return;
    }
    UIWidget* previewer = window();
    UIWidgetGuard guard(this);
    if (previewer && previewer != this && previewer->nativeWindow() &&
        (previewer->nativeWindow()->windowFlags() & UINativeWindow::kKeyPreview)) {
        if (!previewer->deliver(&UIWidget::keyPressEvent, previewer->keyPressed, event) || !guard.isAlive())
            return;
    }
    d->keyPreviewAccepted = event->isAccepted();
    if (!d->keyPreviewAccepted)
        deliver(&UIWidget::keyPressEvent, keyPressed, event);
}

void UIWidget::dispatchKeyRelease(UIKeyEvent* event)
{
    UIWidget* previewer = window();
    UIWidgetGuard guard(this);
    if (previewer && previewer != this && previewer->nativeWindow() &&
        (previewer->nativeWindow()->windowFlags() & UINativeWindow::kKeyPreview)) {
        if (!previewer->deliver(&UIWidget::keyReleaseEvent, previewer->keyReleased, event) || !guard.isAlive())
            return;
    }
    if (!d->keyPreviewAccepted)
        deliver(&UIWidget::keyReleaseEvent, keyReleased, event);
}

bool UIWidget::isInsideRect(const Point& point) const
{
    return point.x >= 0 && point.y >= 0 && point.x < m_width && point.y < m_height;
}
