#pragma once

#include "foundation/containers/StringList.h"
#include "foundation/geometry/Point.h"
#include "foundation/geometry/Rect.h"
#include "foundation/text/String.h"
#include "graphics/image/Image.h"
#include "ui/views/web/WebViewElement.h"

#include <vector>

class WebBrowserEvents;

// The calls the browser host makes on the system's browser control and its
// document, one each, so that the host's rules run apart from the control.
// Every call fails quietly without a control or a document: false, empty or
// nothing done.
class WebBrowserControl
{
public:
    enum Command
    {
        kGoBack,
        kGoForward,
        kRefresh,
        kStop,
        kPrint,
        kFind,
        kSelectAll,
        kCopy
    };
    enum Property
    {
        kOffline,
        kSilent
    };

    virtual ~WebBrowserControl() = default;

    // The control's events go there from now on.
    virtual void connect(WebBrowserEvents* events) = 0;

    virtual bool navigate(const String& address) = 0;
    virtual bool readyState(int& state) = 0;
    virtual String locationUrl() = 0;
    virtual void run(Command command) = 0;
    virtual void setZoom(int percent) = 0;
    virtual bool zoom(int& percent) = 0;
    virtual bool property(Property which) = 0;
    virtual void setProperty(Property which, bool on) = 0;
    virtual void show(bool visible) = 0;
    // The rectangle in the parent window's coordinates.
    virtual void place(const Rect& rect) = 0;
    // Tells the control its user agent changed; false when it cannot hear.
    virtual bool userAgentChanged() = 0;

    virtual bool hasDocument() = 0;
    // Opens the document for writing as a new page in place of the old.
    virtual bool openDocument() = 0;
    virtual bool writeDocument(const String& html) = 0;
    virtual bool closeDocument() = 0;
    virtual void cacheBackgroundImages() = 0;
    virtual void setCharset(const String& charset) = 0;
    virtual String charset() = 0;
    virtual String documentHtml() = 0;
    virtual String documentText() = 0;
    virtual String selectedText() = 0;
    virtual StringList links() = 0;
    // The innermost element at a point of the document; href, when given,
    // takes the target of the link it lies in.
    virtual WebViewElement elementAt(const Point& point, String* href) = 0;
    virtual std::vector<WebViewElement> elementsWithIds() = 0;
    virtual std::vector<WebViewElement> anchors() = 0;
    virtual bool scrollToElement(const String& id) = 0;
    virtual void scrollTo(const Point& point) = 0;
    virtual Point scrollPosition() = 0;
    virtual int frameCount() = 0;
    // The whole page at least that wide; the control's window stays at the
    // page's size until placed again.
    virtual Image snapshot(int minimumWidth) = 0;
};
