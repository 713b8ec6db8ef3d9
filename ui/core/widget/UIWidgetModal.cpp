#include "ui/core/widget/UIWidget.h"

#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UIValueEvent.h"
#include "ui/core/platform/UITrayIcon.h"
#include "ui/core/widget/UIWidgetGuard.h"
#include "ui/core/widget/UIWidgetPrivate.h"

bool isTrayMenu(const UIWidget* window)
{
    return window->styleName() == String(u"UIMenu") && UITrayIcon::isTrayMenuWindow(window->existingNativeHandle());
}

bool UIWidget::execModal()
{
    if (isGrabWidget())
        releaseGrab();
    for (UIWidget* other : UIApplication::instance()->widgetList()) {
        if (!other->isWindow() || other == this || !other->d->native)
            continue;
        if (isTrayMenu(other) || other->isDescendantOf(this))
            continue;
        other->d->native->setBlocked(true);
        d->blockedWindows.push_back({other, other->id()});
    }
    UIWidgetGuard guard(this);
    sendNow(UIValueEvent(kShowEvent));
    // Closed by its own show event: the run has ended before it began, and a
    // loop started now would never be told to stop.
    if (!guard.isAlive())
        return true;
    if (!testFlag(kCreated)) {
        endModal();
        return true;
    }
    // A slot may delete the widget while its run goes on; the run keeps the
    // loop it is in.
    std::shared_ptr<EventLoop> loop = d->modalLoop;
    ++d->modalRunsOnStack;
    loop->exec();
    if (guard.isAlive())
        --d->modalRunsOnStack;
    return true;
}

void UIWidget::endModal()
{
    d->modalLoop->exit(0);
    UIApplication* application = UIApplication::instance();
    for (const UIWidgetPrivate::BlockedWindow& blocked : d->blockedWindows) {
        if (application->contains(blocked.widget) && blocked.widget->id() == blocked.id &&
            blocked.widget->d->native)
            blocked.widget->d->native->setBlocked(false);
    }
    d->blockedWindows.clear();
    if (isGrabWidget())
        releaseGrab();
}

bool UIWidget::isModalRunning() const
{
    return d->modalLoop->isRunning();
}

bool UIWidget::isInModalRun() const
{
    return d->modalRunsOnStack > 0;
}
