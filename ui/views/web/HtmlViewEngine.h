#pragma once

#include "ui/views/html/HtmlDocument.h"
#include "ui/views/web/BrowserVersion.h"
#include "ui/views/web/WebViewEngine.h"

class WebViewEventSink;

// Our own HTML engine behind the web view: the page is laid out at once,
// painted through the view's painter, hit-tested for clicks, and its text
// marked by dragging the mouse. It never navigates, runs or fetches anything:
// "about:blank" is the one address it takes.
class HtmlViewEngine : public WebViewEngine
{
public:
    static constexpr int kHandCursor = 5;
    static constexpr int kArrowCursor = 1;
    static constexpr int kLeftButton = 1;

    HtmlViewEngine(WebViewEventSink* sink, bool imagesEnabled);

    bool setHtml(const String& html) override;
    bool navigate(const String& address) override;
    String url() const override;
    String html() const override { return m_document.html(); }
    String text() const override { return m_document.text(); }
    StringList links() const override { return m_document.links(); }
    String selectedText() const override { return m_document.selectedText(); }
    bool extendSelection(int direction) override;
    void reset() override;
    int readyState() const override { return 0; }
    void setZoom(int percent) override { m_document.setZoom(percent); }
    int zoom() const override { return m_document.zoom(); }
    void setCharset(const String& charset) override { m_document.setCharset(charset); }
    String charset() const override { return m_document.charset(); }
    String browserVersion() const override { return BrowserVersion::installed(); }
    Image snapshot(int minimumWidth) override { return m_document.snapshot(minimumWidth); }

    bool scrollToElement(const String& id) override { return m_document.scrollToElement(id); }
    void scrollTo(const Point& position) override { m_document.scrollTo(position); }
    Point scrollPosition() const override { return m_document.scrollPosition(); }
    Size contentSize() const override { return m_document.contentSize(); }
    int lineHeight() const override;

    WebViewElement elementAt(const Point& point) const override;
    std::vector<WebViewElement> elementsWithIds() const override;
    std::vector<WebViewElement> anchors() const override;

    void setViewport(const Rect& rect) override;
    void setVisible(bool) override {}
    void paint(Painter& painter) const override;
    void mousePress(const Point& point, int button) override;
    void mouseRelease(const Point& point, int button) override;
    void mouseMove(const Point& point) override;
    int cursorAt(const Point& point) const override;

    HtmlDocument& document() { return m_document; }

private:
    // Points in view coordinates into the page's viewport.
    HtmlHit hitAt(const Point& point) const;
    WebViewElement describe(const HtmlNode* node) const;
    void collectIds(const HtmlNode* node, std::vector<WebViewElement>& out) const;
    void collectAnchors(const HtmlNode* node, std::vector<WebViewElement>& out) const;
    // Reports the load's end, and the title first when it changed.
    void finishLoad();

    WebViewEventSink* m_sink;
    HtmlDocument m_document;
    Rect m_viewport;
    String m_title;
    String m_status;
    bool m_pressed = false;
    bool m_marking = false;
};
