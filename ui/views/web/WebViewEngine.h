#pragma once

#include "foundation/containers/StringList.h"
#include "foundation/geometry/Point.h"
#include "foundation/geometry/Rect.h"
#include "foundation/geometry/Size.h"
#include "foundation/text/String.h"
#include "graphics/image/Image.h"
#include "ui/views/web/WebViewElement.h"

#include <vector>

class Painter;

// What a web view asks of the engine that shows its page. The engine
// reports loads, titles, status texts and clicks through the view's event
// sink. An engine that draws through the view (ours) paints and takes the
// view's mouse; one that has a window of its own is only placed.
class WebViewEngine
{
public:
    virtual ~WebViewEngine() = default;

    // Replaces the page; false for an empty text or a failure, which keep
    // the page shown.
    virtual bool setHtml(const String& html) = 0;
    virtual bool navigate(const String& address) = 0;
    virtual String url() const = 0;
    virtual String html() const = 0;
    virtual String text() const = 0;
    virtual StringList links() const = 0;
    // The text the user marked; empty when nothing is.
    virtual String selectedText() const = 0;
    // Moves the marking's end one character (direction 0 left, 1 right) or
    // one line (2 up, 3 down); false when nothing moved.
    virtual bool extendSelection(int direction) = 0;
    // Empties the page.
    virtual void reset() = 0;
    // 0 complete, 1 loading, 2 unknown.
    virtual int readyState() const = 0;
    virtual void setZoom(int percent) = 0;
    virtual int zoom() const = 0;
    virtual void setCharset(const String& charset) = 0;
    virtual String charset() const = 0;
    virtual String browserVersion() const = 0;
    // What an engine that fetches pages is told; ours fetches nothing.
    virtual void setUserAgent(const String&) {}
    virtual void setOffline(bool) {}
    virtual void setSilent(bool) {}
    virtual Image snapshot(int minimumWidth) = 0;

    virtual bool scrollToElement(const String& id) = 0;
    virtual void scrollTo(const Point& position) = 0;
    virtual Point scrollPosition() const = 0;
    // What the page covers, and how far one line of its text reaches.
    virtual Size contentSize() const = 0;
    virtual int lineHeight() const = 0;

    // Points are in view coordinates.
    virtual WebViewElement elementAt(const Point& point) const = 0;
    virtual std::vector<WebViewElement> elementsWithIds() const = 0;
    // Every anchor with a target, in page order, href filled in.
    virtual std::vector<WebViewElement> anchors() const = 0;

    // The part of the view the page shows in, in view coordinates.
    virtual void setViewport(const Rect& rect) = 0;
    // Where the view lies in its window, for an engine with a window of its
    // own to lie over it.
    virtual void setPlace(const Rect&) {}
    virtual void setVisible(bool visible) = 0;
    virtual void paint(Painter& painter) const = 0;
    virtual void mousePress(const Point& point, int button) = 0;
    virtual void mouseRelease(const Point& point, int button) = 0;
    // With the left button held, a move drags the marking of text.
    virtual void mouseMove(const Point& point) = 0;
    virtual int cursorAt(const Point& point) const = 0;
};
