#include "ui/core/widget/UIWidget.h"

#include "foundation/system/MessageLoop.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UICustomEvent.h"
#include "ui/core/events/UIValueEvent.h"
#include "ui/core/input/UICursorHost.h"
#include "ui/core/theme/UIStyleModel.h"
#include "ui/core/theme/UITheme.h"
#include "ui/core/widget/UIToolTipHost.h"
#include "ui/core/widget/UIWidgetGuard.h"
#include "ui/core/widget/UIWidgetPrivate.h"

namespace {

uint32_t g_lastWidgetId = 0;

// Hands a style model's properties to the widget's virtual setter.
class StyleSink : public UIStylePropertySink
{
public:
    explicit StyleSink(UIWidget* widget) : m_widget(widget) {}
    void setStyleProperty(const String& name, const String& value) override
    {
        m_widget->setStyleProperty(name, value);
    }

private:
    UIWidget* m_widget;
};

} // namespace

UIWidget::UIWidget(UIWidget* parent, uint32_t windowFlags) : d(std::make_unique<UIWidgetPrivate>())
{
    d->id = ++g_lastWidgetId;
    ensureSurface(1, 1);
    if (windowFlags != 0) {
        ensureNativeWindow();
        if (d->native)
            d->native->setWindowFlags(windowFlags);
    }
    d->parent = parent;
    UIApplication::instance()->registerWidget(this);
    if (parent)
        parent->m_children.append(this);
}

UIWidget::~UIWidget()
{
    // While the native window still exists, so the combinations are free for
    // other windows at once.
    unregisterAllShortcuts();
    destroy();
    releaseGrab();
    clearFocus();
    clearEffects();
    // A widget never created skipped the destroy sequence, but it must still
    // leave its parent and take its children with it.
    leaveParentAndDeleteChildren();
    UIApplication::instance()->unregisterWidget(this);
    for (UIWidgetGuard* guard = d->guards; guard; guard = guard->m_next)
        guard->m_widget = nullptr;
    if (resizingWidget() == this)
        resizingWidget() = nullptr;
}

void UIWidget::sendNow(UIEvent&& event)
{
    if (MessageLoop* loop = MessageLoop::instance())
        loop->sendEvent(&event, this);
}

uint32_t UIWidget::id() const
{
    return d->id;
}

void UIWidget::destroy()
{
    if (!testFlag(kCreated))
        return;
    setDisabled(true);
    m_flags |= kDestroying;
    killTimer(kHoverTimerId);
    releaseGrab();
    clearFocus();
    // The others are usable again before this one's hide event.
    if (isModalRunning())
        endModal();
    m_flags &= ~kCreated;
    // The hide event is the one the widget still hears.
    setDisabled(false);
    m_flags &= ~kDestroying;
    UIWidgetGuard guard(this);
    setFlag(kVisible, false);
    if (!guard.isAlive())
        return;
    m_flags |= kDestroying;
    setDisabled(true);
    leaveParentAndDeleteChildren();
}

void UIWidget::leaveParentAndDeleteChildren()
{
    if (d->parent)
        d->parent->m_children.removeOne(this);
    // A context menu is usually also a child: it goes first, leaving the
    // children, so that it is deleted once.
    d->contextMenu.reset();
    List<UIWidget*> children = m_children;
    m_children.clear();
    for (UIWidget* child : children) {
        child->d->parent = nullptr;
        // A window in its modal run belongs to the caller of the run, which
        // still uses it (often on its stack) once the run returns: it is
        // closed here, and that caller deletes it.
        if (child->isInModalRun()) {
            child->destroy();
            continue;
        }
        delete child;
    }
}

void UIWidget::ensureNativeWindow()
{
    if (!d->native)
        d->native.reset(UINativeWindow::createFor(this));
}

void UIWidget::setFlag(uint32_t bits, bool on)
{
    // A word of several flags changes each of them that differs: a
    // constructor names its flags in one call whatever the defaults already
    // hold (a tool button's hover tracking beside its default transparency).
    const uint32_t changing = on ? bits & ~m_flags : bits & m_flags;
    if (changing == 0)
        return;
    if (bits == kEnabled)
        return setEnabledFlag(on);
    if (bits == kVisible)
        return setVisibleFlag(on);
    if (bits == kWindow && on) {
        ensureNativeWindow();
        if (d->native && testFlag(kCreated))
            d->native->create();
    }
    if (on)
        m_flags |= bits;
    else
        m_flags &= ~bits;
    if ((changing & kTransparent) && on)
        update();
}

void UIWidget::setEnabledFlag(bool on)
{
    if (on)
        m_flags |= kEnabled;
    else
        m_flags &= ~kEnabled;
    for (UIWidget* child : List<UIWidget*>(m_children)) {
        if (!child->isWindow())
            child->setEnabled(on);
    }
    if (isWindow() && d->native)
        d->native->setEnabled(on);
    if (!on) {
        clearFocus();
        releaseGrab();
    }
    UIToolTipHost::hideFor(this);
    if (!isWindow())
        update();
    sendNow(UIValueEvent(kEnabledChangeEvent));
}

void UIWidget::setVisibleFlag(bool on)
{
    if (on) {
        m_flags |= kVisible;
        if (isWindow() && d->native) {
            d->native->setVisible(true, d->showMaximized, d->showMinimized);
            d->showMaximized = false;
            d->showMinimized = false;
        }
        UIWidgetGuard guard(this);
        relayout();
        if (guard.isAlive())
            update();
        if (!guard.isAlive())
            return;
        if (isWindow() && d->native && d->native->auxFlag()) {
            execModal();
            return;
        }
        sendNow(UIValueEvent(kShowEvent));
        return;
    }
    m_flags &= ~(kVisible | kHovered);
    if (isWindow() && d->native)
        d->native->setVisible(false, false, false);
    releaseGrab();
    clearFocus();
    if (focusWidget() && focusWidget()->isDescendantOf(this))
        focusWidget()->clearFocus();
    if (grabWidget() && grabWidget()->isDescendantOf(this))
        grabWidget()->releaseGrab();
    if (testFlag(kCreated) && !isWindow() && d->parent) {
        UIWidgetGuard guard(this);
        relayoutAfterHide();
        if (!guard.isAlive())
            return;
    }
    sendNow(UIValueEvent(kHideEvent));
}

bool UIWidget::isVisible() const
{
    const UIWidget* widget = this;
    while (widget) {
        if (widget->isWindow()) {
            // The user may have hidden or shown the native window himself.
            if (widget->d->native) {
                auto* self = const_cast<UIWidget*>(widget);
                bool native = widget->d->native->isVisible();
                self->m_flags = native ? (self->m_flags | kVisible) : (self->m_flags & ~kVisible);
            }
            return widget->testFlag(kVisible);
        }
        if (!widget->testFlag(kVisible))
            return false;
        widget = widget->d->parent;
    }
    // No window above: nothing of it can be on the screen.
    return false;
}

void UIWidget::setEnabled(bool enabled)
{
    if (enabled == isEnabled())
        return;
    setFlag(kEnabled, enabled);
}

void UIWidget::setVisible(bool visible)
{
    if (testFlag(kCreated) && visible != testFlag(kVisible))
        setFlag(kVisible, visible);
}

void UIWidget::enable()
{
    setEnabled(true);
}

void UIWidget::disable()
{
    setEnabled(false);
}

void UIWidget::setCursor(const UICursor& cursor)
{
    if (cursor == d->cursor)
        return;
    d->cursor = cursor;
    if (!isVisible())
        return;
    int shape = UIApplication::instance()->overrideCursor();
    UICursorHost::instance()->setShape(shape != 0 ? shape : cursorAt(Point(0, 0)).shape());
}

const UICursor& UIWidget::cursor() const
{
    return d->cursor;
}

void UIWidget::setObjectId(const String& objectId)
{
    d->objectId = objectId;
}

const String& UIWidget::objectId() const
{
    return d->objectId;
}

const String& UIWidget::styleName() const
{
    return d->styleName;
}

uint64_t UIWidget::styleHash() const
{
    return d->styleHash;
}

void UIWidget::setStyleName(const String& name)
{
    d->styleName = name;
    d->styleHash = name.hash64();
    if (isWindow()) {
        ensureNativeWindow();
        if (d->native)
            d->native->create();
    }
    m_flags |= kCreated;
    setVisible(false);
    setCursor(UICursor(kArrowCursor));
    applyTheme();
}

void UIWidget::applyTheme()
{
    const UITheme* theme = UIApplication::instance()->theme();
    if (!theme)
        return;
    StyleSink sink(this);
    applyStyleModel(theme->modelsElement(), d->styleName, sink);
    String prefix = d->styleName;
    prefix.appendChar(u'_');
    for (const UITheme::SkinEntry& entry : theme->skins()) {
        if (entry.name.startsWith(prefix, String::kCaseSensitive))
            setSkinImage(entry.skin, entry.name);
    }
}

void UIWidget::setContextMenu(UIContextMenu* menu)
{
    d->contextMenu.reset(menu);
}

UIContextMenu* UIWidget::contextMenu() const
{
    return d->contextMenu.get();
}

void UIWidget::setToolTip(const String& text)
{
    d->toolTipText = text;
}

const String& UIWidget::toolTipText() const
{
    return d->toolTipText;
}

void UIWidget::setToolTipMaxLength(int length)
{
    d->toolTipMaxLength = length;
}

void UIWidget::setToolTipDelay(int ms)
{
    d->toolTipDelay = ms;
}

void UIWidget::setToolTipDuration(int ms)
{
    d->toolTipDuration = ms;
}

void UIWidget::setToolTipGroup(int group)
{
    d->toolTipGroup = group;
}

void UIWidget::setAutoToolTip(bool on)
{
    d->autoToolTip = on;
    if (!on)
        d->toolTipText = String();
}

bool UIWidget::autoToolTip() const
{
    return d->autoToolTip;
}

void UIWidget::showToolTipAt(const Point& point)
{
    UIToolTipHost* host = UIToolTipHost::instance();
    if (!host || !isInsideRect(point))
        return;
    String text = toolTip(point);
    // The tool tip cuts the text to the maximum length itself.
    if (host->isShowing() && host->owner() == this && host->text() == text)
        return;
    host->hide();
    if (text.isEmpty())
        return;
    UIToolTipHost::Request request;
    request.owner = this;
    request.text = text;
    request.globalPos = mapToGlobal(point);
    request.globalRect = globalRect();
    request.delay = d->toolTipDelay;
    request.duration = d->toolTipDuration;
    request.group = d->toolTipGroup;
    request.maxLength = d->toolTipMaxLength;
    host->showText(request);
}

void UIWidget::setScrollOffset(int horizontal, int vertical)
{
    if (horizontal == m_scrollX && vertical == m_scrollY)
        return;
    UIToolTipHost::hideFor(this);
    m_scrollX = horizontal;
    m_scrollY = vertical;
    update();
}

void UIWidget::setDragDropFlags(uint32_t flags)
{
    d->dragDropFlags = flags;
}

uint32_t UIWidget::dragDropFlags() const
{
    return d->dragDropFlags;
}

void UIWidget::timerFired(int id)
{
    sendNow(UICustomEvent(id));
}

void UIWidget::close()
{
    if (MessageLoop* loop = MessageLoop::instance()) {
        auto* event = new UIValueEvent(kCloseEvent);
        event->accept();
        loop->postEvent(event, this);
    }
}
