#pragma once

#include <functional>

// The native child window the system browser lives in, of the program's own
// class, laid over the web view; hidden at first. Its size goes to the
// browser. For the Windows build only.
class WebBrowserHostWindow
{
public:
    static const wchar_t* const kClassName;

    explicit WebBrowserHostWindow(void* parentWindow);
    ~WebBrowserHostWindow();
    WebBrowserHostWindow(const WebBrowserHostWindow&) = delete;
    WebBrowserHostWindow& operator=(const WebBrowserHostWindow&) = delete;

    void* handle() const { return m_handle; }
    // Runs with the new client size on every WM_SIZE.
    void setSizeHandler(std::function<void(int, int)> handler) { m_sizeHandler = std::move(handler); }
    // The browser's innermost window, three children down; null while any
    // level is missing.
    void* innerWindow();
    void focusInner();

    // From the window's procedure.
    void resized(int width, int height);

private:
    void* m_handle = nullptr;
    void* m_inner = nullptr;
    std::function<void(int, int)> m_sizeHandler;
};
