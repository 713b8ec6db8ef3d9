#include "ui/views/web/WebViewEventSink.h"

#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/widget/UIWidgetGuard.h"
#include "ui/views/web/UIWebView.h"

bool WebViewEventSink::documentComplete()
{
    return m_view->pageLoaded();
}

bool WebViewEventSink::titleChanged(const String& title)
{
    UIWidgetGuard guard(m_view);
    m_view->titleChanged.emitString(title);
    return guard.isAlive();
}

bool WebViewEventSink::statusTextChanged(const String& text)
{
    UIWidgetGuard guard(m_view);
    m_view->statusTextChanged.emitString(text);
    return guard.isAlive();
}

bool WebViewEventSink::elementClicked(const String& tag, const String& id)
{
    UIWidgetGuard guard(m_view);
    m_view->elementClicked.emitTwoStrings(tag, id);
    return guard.isAlive();
}

bool WebViewEventSink::linkClicked(const String& href, const String& id)
{
    UIWidgetGuard guard(m_view);
    m_view->linkClicked.emitTwoStrings(href, id);
    return guard.isAlive();
}

bool WebViewEventSink::mouseRelease(const Point& point, uint32_t button, uint32_t buttons, uint32_t modifiers)
{
    UIWidgetGuard guard(m_view);
    UIMouseEvent event(kMouseReleaseEvent, buttons, button, point, modifiers);
    m_view->mouseReleased.emitValue(&event);
    return guard.isAlive();
}
