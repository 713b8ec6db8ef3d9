#pragma once

// For the Windows build only.
#include "ui/views/web/browser/ComRef.h"
#include "ui/views/web/browser/WebBrowserClickCatcher.h"
#include "ui/views/web/browser/WebBrowserControl.h"
#include "ui/views/web/browser/WebBrowserHostWindow.h"

#include <exdisp.h>
#include <mshtml.h>
#include <oleidl.h>

#include <memory>

class WebBrowserSite;
class WebBrowserSubclass;
class WebViewEventSink;

// The system's browser control embedded in place in a host window of its
// own, with its clicks caught and the wheel hook registered. A control that
// cannot be made leaves every call with its empty answer.
class SystemWebBrowserControl : public WebBrowserControl
{
public:
    // made: a control made elsewhere to embed instead of the system's,
    // which the object then holds a reference to.
    using TextGetter = HRESULT (STDMETHODCALLTYPE IHTMLElement::*)(BSTR*);

    SystemWebBrowserControl(void* parentWindow, WebViewEventSink* sink, IUnknown* made = nullptr);
    ~SystemWebBrowserControl() override;

    WebBrowserHostWindow& hostWindow() { return m_hostWindow; }
    bool isCreated() const { return bool(m_browser); }

    void connect(WebBrowserEvents* events) override;
    bool navigate(const String& address) override;
    bool readyState(int& state) override;
    String locationUrl() override;
    void run(Command command) override;
    void setZoom(int percent) override;
    bool zoom(int& percent) override;
    bool property(Property which) override;
    void setProperty(Property which, bool on) override;
    void show(bool visible) override;
    void place(const Rect& rect) override;
    bool userAgentChanged() override;
    bool hasDocument() override;
    bool openDocument() override;
    bool writeDocument(const String& html) override;
    bool closeDocument() override;
    void cacheBackgroundImages() override;
    void setCharset(const String& charset) override;
    String charset() override;
    String documentHtml() override;
    String documentText() override;
    String selectedText() override;
    StringList links() override;
    WebViewElement elementAt(const Point& point, String* href) override;
    std::vector<WebViewElement> elementsWithIds() override;
    std::vector<WebViewElement> anchors() override;
    bool scrollToElement(const String& id) override;
    void scrollTo(const Point& point) override;
    Point scrollPosition() override;
    int frameCount() override;
    Image snapshot(int minimumWidth) override;

    // The document of the frame at that index; false without one.
    bool frameDocument(int index, ComRef<IHTMLDocument2>& document);

private:
    void createBrowser(IUnknown* made);
    void releaseControl();
    void resized(int width, int height);
    Image drawWholePage(int minimumWidth);
    String rootText(TextGetter getter);
    bool document2(ComRef<IHTMLDocument2>& document);
    bool document3(ComRef<IHTMLDocument3>& document);

    WebBrowserHostWindow m_hostWindow;
    WebBrowserClickCatcher m_catcher;
    WebBrowserSite* m_site = nullptr;
    ComRef<IWebBrowser2> m_browser;
    ComRef<IConnectionPoint> m_connection;
    DWORD m_cookie = 0;
    ComRef<IOleObject> m_oleObject;
    ComRef<IOleInPlaceObject> m_inPlaceObject;
    ComRef<IViewObject> m_viewObject;
    std::unique_ptr<WebBrowserSubclass> m_subclass;
    // Where the view last put the window; a snapshot puts it back there.
    Rect m_place;
};
