#pragma once

#include <cstdint>

class WebBrowserClickCatcher;
class WebBrowserHostWindow;

// Hooks into the browser's innermost window to hear its mouse messages,
// which go to the click catcher and then on unchanged. The browser makes
// that window late: until it is there, a thread timer tries again every
// 500 ms. For the Windows build only.
class WebBrowserSubclass
{
public:
    static constexpr unsigned kRetryMs = 500;
    static const wchar_t* const kSubclassProperty;
    static const wchar_t* const kProcedureProperty;

    WebBrowserSubclass(WebBrowserHostWindow* hostWindow, WebBrowserClickCatcher* catcher);
    ~WebBrowserSubclass();
    WebBrowserSubclass(const WebBrowserSubclass&) = delete;
    WebBrowserSubclass& operator=(const WebBrowserSubclass&) = delete;

    void attach();
    void detach();
    void* subclassedWindow() const { return m_window; }
    bool isRetrying() const { return m_retryTimer != 0; }

    // From the timer and the window procedure.
    static void retry(uintptr_t timer);
    // The message as the subclassed window received it; true to take the
    // focus into it.
    bool filter(unsigned message, uintptr_t wParam, intptr_t lParam);

private:
    void killRetry();

    WebBrowserHostWindow* m_hostWindow;
    WebBrowserClickCatcher* m_catcher;
    uintptr_t m_retryTimer = 0;
    void* m_window = nullptr;
    void* m_previous = nullptr;
};
