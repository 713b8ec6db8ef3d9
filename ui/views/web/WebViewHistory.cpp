#include "ui/views/web/WebViewHistory.h"

void WebViewHistory::add(const String& page)
{
    m_pages.resize(static_cast<size_t>(m_current + 1));
    m_pages.push_back(page);
    if (static_cast<int>(m_pages.size()) > kMaxPages)
        m_pages.erase(m_pages.begin());
    m_current = static_cast<int>(m_pages.size()) - 1;
}

bool WebViewHistory::goBack(String& page)
{
    if (!canGoBack())
        return false;
    page = m_pages[static_cast<size_t>(--m_current)];
    return true;
}

bool WebViewHistory::goForward(String& page)
{
    if (!canGoForward())
        return false;
    page = m_pages[static_cast<size_t>(++m_current)];
    return true;
}

bool WebViewHistory::current(String& page) const
{
    if (m_current < 0)
        return false;
    page = m_pages[static_cast<size_t>(m_current)];
    return true;
}
