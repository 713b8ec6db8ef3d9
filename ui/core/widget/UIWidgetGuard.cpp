#include "ui/core/widget/UIWidgetGuard.h"

#include "ui/core/widget/UIWidget.h"
#include "ui/core/widget/UIWidgetPrivate.h"

UIWidgetGuard::UIWidgetGuard(UIWidget* widget) : m_widget(widget), m_next(nullptr)
{
    if (!widget)
        return;
    m_next = widget->d->guards;
    widget->d->guards = this;
}

UIWidgetGuard::~UIWidgetGuard()
{
    // Guards nest on the stack, so this one is the newest of its widget.
    if (m_widget)
        m_widget->d->guards = m_next;
}
