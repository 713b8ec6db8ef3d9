#pragma once

#include "foundation/containers/StringList.h"
#include "foundation/signals/Signal.h"
#include "graphics/image/Image.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/views/web/WebViewElement.h"
#include "ui/views/web/WebViewHistory.h"

#include <cstdint>
#include <memory>
#include <vector>

class UIFrameOverlay;
class UIScrollBar;
class WebViewEngine;
class WebViewEventSink;

// Shows an HTML page, the movie card, and reports clicks on it. The page is
// shown by an engine; ours draws through the view like any widget, with a
// vertical scroll bar when the page is taller than the view. A left release
// after a press over the page reports elementClicked (tag, id) and, inside a
// link, linkClicked (href, id); the page itself never navigates. Dragging
// the left button or Shift with the arrow keys marks text, which Ctrl+C
// copies. The pages given are kept as a history to go back and forth in.
class UIWebView : public UIWidget
{
public:
    static constexpr int kWheelLines = 3;

    // How a view gets the system's browser as its engine, given the native
    // window to put it in: the system's own, unless a test puts a stand-in
    // in; null where there is none.
    using SystemEngineMaker = std::unique_ptr<WebViewEngine> (*)(void* parentWindow, WebViewEventSink* sink,
                                                                 uint32_t options);
    static void setSystemEngineMaker(SystemEngineMaker maker);

    // Options are WebViewOption bits.
    UIWebView(UIWidget* parent, uint32_t options);
    ~UIWebView() override;

    uint32_t options() const { return m_options; }

    bool setHtml(const String& html);
    // Only "about:blank" is taken: it empties the page.
    bool navigate(const String& address);
    String url() const;
    String html() const;
    String text() const;
    StringList links() const;
    // The marked text; empty when nothing is marked.
    String selectedText() const;
    void reset();
    // Our engine fetches nothing, so there the agent text and the two
    // switches are only kept for the caller; the system's browser heeds them.
    void setUserAgent(const String& text);
    const String& userAgent() const { return m_userAgent; }
    void setOffline(bool offline);
    bool isOffline() const { return m_offline; }
    void setSilent(bool silent);
    bool isSilent() const { return m_silent; }
    // Shows the current page afresh, or the page before or after it in the
    // history; each reports loadFinished like a new page.
    void refresh();
    void back();
    void forward();
    // Our engine loads a page whole before setHtml returns: there is never
    // a load under way to stop.
    void stop() {}
    bool canGoBack() const { return m_history.canGoBack(); }
    bool canGoForward() const { return m_history.canGoForward(); }
    // The system's print dialog, then the whole page on as many sheets as it
    // needs; false without a printer, when the user cancels, or when
    // printing fails.
    bool print();
    int readyState() const;
    void setZoom(int percent);
    int zoom() const;
    void setCharset(const String& charset);
    String charset() const;
    String internetExplorerVersion() const;
    Image snapshot(int minimumWidth);

    bool scrollToElement(const String& id);
    void scrollTo(const Point& position);
    Point scrollPosition() const;

    String elementIdAt(int x, int y) const;
    String elementTagAt(int x, int y) const;
    String elementTextAt(int x, int y) const;
    Rect elementRectAt(int x, int y) const;
    // For automation: every element with an id, rectangles in view
    // coordinates.
    std::vector<WebViewElement> elementsWithIds() const;
    // Every anchor with a target, rectangles in view coordinates.
    std::vector<WebViewElement> anchors() const;

    UIScrollBar* verticalScrollBar() const { return m_bar; }

    Size sizeHint() const override { return Size(100, 100); }
    // "borderColor": a frame round the page and its bar.
    void setStyleProperty(const String& name, const String& value) override;
    void setSkinImage(const UISkinImage&, const String&) override {}
    UICursor cursorAt(const Point& point) const override;
    void setVisible(bool visible) override;

    Signal loadFinished, titleChanged, statusTextChanged, linkClicked, elementClicked;

protected:
    void paint(UIEvent* event) override;
    void resizeEvent(UIEvent* event) override;
    void moveEvent(UIEvent* event) override;
    void keyPressEvent(UIEvent* event) override;
    void mousePressEvent(UIEvent* event) override;
    void mouseReleaseEvent(UIEvent* event) override;
    void mouseMoveEvent(UIEvent* event) override;
    void mouseLeaveEvent(UIEvent* event) override;
    void wheelEvent(UIEvent* event) override;

private:
    friend class WebViewEventSink;

    // Owned by the widget's effects.
    UIFrameOverlay* m_frame = nullptr;

    // A new page: bar, repaint, then loadFinished; false when a slot
    // deleted the view.
    bool pageLoaded();
    // Lays the page out for the view's size: with the bar when the page is
    // taller and bars are allowed, without it otherwise.
    void placePage();
    // Puts an engine with a window of its own over the view.
    void placeEngine();
    void layOutPage();
    // Runs the change with updates held, then repaints once.
    void repaintAfter(void (UIWebView::*change)());
    void syncBar();
    void onBarValue(int value);
    // Scrolls, keeps the bar in step and repaints.
    void scrollPageTo(const Point& position);
    bool scrollByKey(int key, uint32_t modifiers);
    bool markByKey(int key);
    void copySelection();
    // Shows a page of the history without adding it.
    void showPage(const String& page);

    uint32_t m_options;
    std::unique_ptr<WebViewEventSink> m_sink;
    std::unique_ptr<WebViewEngine> m_engine;
    UIScrollBar* m_bar = nullptr;
    WebViewHistory m_history;
    // The page being loaded, added to the history as its load ends; null
    // while a page of the history itself is shown again.
    std::unique_ptr<String> m_loading;
    String m_userAgent;
    bool m_offline = false;
    bool m_silent = false;
};
