#pragma once

// For the Windows build only.
#include "foundation/text/String.h"

#include <docobj.h>
#include <exdisp.h>
#include <mshtmhst.h>
#include <ocidl.h>
#include <ole2.h>
#include <windows.h>

class WebBrowserEvents;

// The container the system browser control talks to: fixed answers to the
// embedding interfaces, the host window and its rectangle, the ambient
// properties, the browser's events turned into the host's, and document-host
// answers that keep the browser's own menus and message boxes away. One
// reference-counted object whose interfaces are small parts passing every
// IUnknown call to it.
class WebBrowserSite : public IUnknown
{
public:
    static constexpr LONG kBackColour = LONG(0xFFFF0000);

    explicit WebBrowserSite(HWND hostWindow);
    WebBrowserSite(const WebBrowserSite&) = delete;
    WebBrowserSite& operator=(const WebBrowserSite&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // The host's events and options, reached through its event handler;
    // none before the host connects and after it goes.
    void connect(WebBrowserEvents* events) { m_events = events; }
    WebBrowserEvents* events() const { return m_events; }
    HWND hostWindow() const { return m_hostWindow; }
    // The top-level browser, to tell its DocumentComplete from a frame's.
    void setBrowser(IWebBrowser2* browser) { m_browser = browser; }
    IWebBrowser2* browser() const { return m_browser; }

    IOleClientSite* clientSite();
    IDispatch* eventDispatch();

    bool inPlaceActive() const { return m_inPlaceActive; }
    bool uiActive() const { return m_uiActive; }
    bool inPlaceLocked() const { return m_inPlaceLocked; }
    bool windowlessAllowed() const { return m_windowlessAllowed; }
    void setInPlaceActive(bool on) { m_inPlaceActive = on; }
    void setUiActive(bool on) { m_uiActive = on; }
    void setInPlaceLocked(bool on) { m_inPlaceLocked = on; }

    // Ambient property get: the answer into result.
    HRESULT ambient(DISPID id, VARIANT* result) const;
    // A DWebBrowserEvents2 event.
    void browserEvent(DISPID id, DISPPARAMS* parameters);
    // The document host's flags for this host's options.
    DWORD hostFlags() const;
    bool suppressesContextMenu() const;

private:
    virtual ~WebBrowserSite();

    struct Parts;

    LONG m_references = 1;
    HWND m_hostWindow;
    WebBrowserEvents* m_events = nullptr;
    IWebBrowser2* m_browser = nullptr;
    Parts* m_parts;
    bool m_windowlessAllowed = true;
    bool m_inPlaceLocked = false;
    bool m_inPlaceActive = false;
    bool m_uiActive = false;
    LONG m_foreColour;
    bool m_showHatching = false;
    bool m_showGrabHandles = false;
    bool m_userMode = true;
    bool m_appearance = true;
};
