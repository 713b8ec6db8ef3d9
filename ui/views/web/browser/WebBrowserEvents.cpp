#include "ui/views/web/browser/WebBrowserEvents.h"

#include "ui/views/web/WebViewEventSink.h"
#include "ui/views/web/browser/WebBrowserHost.h"
#include "ui/views/web/browser/WebBrowserRules.h"

void WebBrowserEvents::statusTextChange(const String& text)
{
    if (text == m_lastStatus)
        return;
    m_lastStatus = text;
    if (m_host->sink())
        m_host->sink()->statusTextChanged(text);
}

void WebBrowserEvents::titleChange(const String& title)
{
    if (title == m_lastTitle)
        return;
    m_lastTitle = title;
    if (m_host->sink())
        m_host->sink()->titleChanged(title);
}

void WebBrowserEvents::commandStateChange(int command, bool enabled)
{
    if (command == kNavigateBack)
        m_host->setCanGoBack(enabled);
    else if (command == kNavigateForward)
        m_host->setCanGoForward(enabled);
}

bool WebBrowserEvents::beforeNavigate(const String* address)
{
    return WebBrowserRules::cancelsNavigation(m_host->options(), address);
}

// A new window would take the page out of the view, so the address filter
// holds for it too.
bool WebBrowserEvents::newWindow2()
{
    return WebBrowserRules::cancelsNavigation(m_host->options(), nullptr);
}

bool WebBrowserEvents::newWindow3(const String* address)
{
    return WebBrowserRules::cancelsNavigation(m_host->options(), address);
}

void WebBrowserEvents::documentComplete(bool topFrame)
{
    if (topFrame && m_host->readyState() == 0 && m_host->sink())
        m_host->sink()->documentComplete();
}
