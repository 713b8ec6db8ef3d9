#pragma once

#include "ui/views/web/WebViewEngine.h"
#include "ui/views/web/browser/WebBrowserEvents.h"

#include <cstdint>
#include <memory>

class WebBrowserControl;
class WebBrowserPump;
class WebViewEventSink;

// The system browser as a web view's engine: writes pages into its document
// and waits, with the thread's messages delivered, until the document is
// complete; reads the document back; and hears the browser's events. The
// browser draws in a window of its own, which the host only places and
// shows. Without a control every operation gives its empty answer.
class WebBrowserHost : public WebViewEngine
{
public:
    // Waits are capped: a page that never completes must not hold the
    // program for long. Waits nest inside handlers run by a wait's pump, and
    // no deeper than this.
    static constexpr int kMaxWaitSeconds = 10;
    static constexpr int kMaxWaitDepth = 8;
    static constexpr int kPollMs = 100;
    static constexpr int kZoomCommand = 63;

    // Shows an empty page before it returns.
    WebBrowserHost(std::unique_ptr<WebBrowserControl> control, std::shared_ptr<WebBrowserPump> pump,
                   WebViewEventSink* sink, uint32_t options);
    ~WebBrowserHost() override;

    uint32_t options() const { return m_options; }
    WebViewEventSink* sink() const { return m_sink; }
    WebBrowserEvents& events() { return m_events; }
    WebBrowserControl* control() const { return m_control.get(); }

    // seconds: 0 returns once the control took the address, a negative wait
    // is the longest.
    bool navigate(const String& address, int seconds);
    bool writeHtml(const String& html, int seconds);
    bool resetDocument();
    // True once the document is complete, false when the wait ran out, the
    // control failed, the program is quitting or the host was deleted.
    bool waitUntilComplete(int seconds);

    void setUserAgent(const String& text) override;
    const String& userAgent() const { return m_userAgent; }
    bool canGoBack() const { return m_canGoBack; }
    bool canGoForward() const { return m_canGoForward; }
    void setCanGoBack(bool can) { m_canGoBack = can; }
    void setCanGoForward(bool can) { m_canGoForward = can; }
    void goBack();
    void goForward();
    void refresh();
    void stop();
    void print();
    void find();
    void selectAll();
    void copy();
    bool isOffline();
    void setOffline(bool offline) override;
    bool isSilent();
    void setSilent(bool silent) override;
    int frameCount();

    // The engine's part.
    bool setHtml(const String& html) override { return writeHtml(html, -1); }
    bool navigate(const String& address) override { return navigate(address, 0); }
    String url() const override;
    String html() const override;
    String text() const override;
    StringList links() const override;
    String selectedText() const override;
    bool extendSelection(int) override { return false; }
    void reset() override { resetDocument(); }
    int readyState() const override;
    void setZoom(int percent) override;
    int zoom() const override;
    void setCharset(const String& charset) override;
    String charset() const override;
    String browserVersion() const override;
    Image snapshot(int minimumWidth) override;
    bool scrollToElement(const String& id) override;
    void scrollTo(const Point& position) override;
    Point scrollPosition() const override;
    // The browser scrolls in its own window: the view adds no bar.
    Size contentSize() const override { return Size(0, 0); }
    int lineHeight() const override { return 1; }
    WebViewElement elementAt(const Point& point) const override;
    std::vector<WebViewElement> elementsWithIds() const override;
    std::vector<WebViewElement> anchors() const override;
    void setViewport(const Rect&) override {}
    void setPlace(const Rect& inWindow) override;
    void setVisible(bool visible) override;
    // The browser draws and takes the mouse in its own window.
    void paint(Painter&) const override {}
    void mousePress(const Point&, int) override {}
    void mouseRelease(const Point&, int) override {}
    void mouseMove(const Point&) override {}
    int cursorAt(const Point&) const override { return 0; }

private:
    bool waitFor(int64_t limitMs);
    // A WebBrowserControl::Command.
    void runCommand(int command);

    std::unique_ptr<WebBrowserControl> m_control;
    // Shared with a running wait: a handler may delete the host meanwhile.
    std::shared_ptr<WebBrowserPump> m_pump;
    WebViewEventSink* m_sink;
    uint32_t m_options;
    WebBrowserEvents m_events;
    String m_userAgent;
    bool m_canGoBack = false;
    bool m_canGoForward = false;
    int m_waitDepth = 0;
    // Cleared by the destructor: a wait whose pump ran a handler that
    // deleted the host learns it here and touches nothing more.
    std::shared_ptr<bool> m_alive;
};
