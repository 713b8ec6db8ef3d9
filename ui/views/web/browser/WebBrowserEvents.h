#pragma once

#include "foundation/text/String.h"

#include <cstdint>

class WebBrowserHost;

// The system browser's events as the host hears them: status and title
// reported once per change, the back and forward states kept, navigations
// filtered by the options, and a finished load reported for the top frame
// only. Each answer that can cancel gives true to cancel.
class WebBrowserEvents
{
public:
    static constexpr int kNavigateForward = 1;
    static constexpr int kNavigateBack = 2;

    explicit WebBrowserEvents(WebBrowserHost* host) : m_host(host) {}

    WebBrowserHost* host() const { return m_host; }

    void statusTextChange(const String& text);
    void titleChange(const String& title);
    void commandStateChange(int command, bool enabled);
    bool beforeNavigate(const String* address);
    bool newWindow2();
    bool newWindow3(const String* address);
    // topFrame: the event names the host's own browser, not a frame of it.
    void documentComplete(bool topFrame);

private:
    WebBrowserHost* m_host;
    String m_lastStatus;
    String m_lastTitle;
};
