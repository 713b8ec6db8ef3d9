#include "ui/views/web/browser/WebBrowserSite.h"

#include "ui/views/web/WebViewOption.h"
#include "ui/views/web/browser/ComText.h"
#include "ui/views/web/browser/WebBrowserEvents.h"
#include "ui/views/web/browser/WebBrowserHost.h"
#include "ui/views/web/browser/WebBrowserRules.h"

#include <exdispid.h>

namespace {

constexpr DISPID kAmbientUserAgent = -5513;
constexpr DISPID kAmbientDownloadControl = -5512;
constexpr DISPID kAmbientAppearance = -716;
constexpr DISPID kAmbientShowHatching = -712;
constexpr DISPID kAmbientShowGrabHandles = -711;
constexpr DISPID kAmbientUserMode = -709;
constexpr DISPID kAmbientForeColour = -704;
constexpr DISPID kAmbientBackColour = -701;
constexpr DWORD kFrameInfoSize = 20;
constexpr ULONG kHostInfoSize = 20;

// Every IUnknown call of a part goes to the site.
template <class Interface> class SitePart : public Interface
{
public:
    explicit SitePart(WebBrowserSite* site) : m_site(site) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        return m_site->QueryInterface(iid, out);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return m_site->AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return m_site->Release(); }

protected:
    WebBrowserSite* m_site;
};

HRESULT giveWindow(WebBrowserSite* site, HWND* window)
{
    if (!window)
        return E_INVALIDARG;
    *window = site->hostWindow();
    return S_OK;
}

class FramePart : public SitePart<IOleInPlaceFrame>
{
public:
    using SitePart::SitePart;
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override { return giveWindow(m_site, window); }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(WINBOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetBorder(LPRECT border) override
    {
        return border ? INPLACE_E_NOTOOLSPACE : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS widths) override
    {
        return widths ? INPLACE_E_NOTOOLSPACE : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(WINBOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override { return E_NOTIMPL; }
};

class InPlaceSitePart : public SitePart<IOleInPlaceSiteWindowless>
{
public:
    InPlaceSitePart(WebBrowserSite* site, FramePart* frame) : SitePart(site), m_frame(frame) {}
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override { return giveWindow(m_site, window); }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(WINBOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override
    {
        m_site->setInPlaceActive(true);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnUIActivate() override
    {
        m_site->setUiActive(true);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                               LPRECT position, LPRECT clip,
                                               LPOLEINPLACEFRAMEINFO info) override
    {
        if (!frame || !document || !position || !clip || !info) {
            if (frame)
                *frame = nullptr;
            if (document)
                *document = nullptr;
            return E_INVALIDARG;
        }
        m_frame->AddRef();
        *frame = m_frame;
        m_frame->AddRef();
        *document = m_frame;
        GetClientRect(m_site->hostWindow(), position);
        *clip = *position;
        info->cb = kFrameInfoSize;
        info->fMDIApp = FALSE;
        info->hwndFrame = m_site->hostWindow();
        info->haccel = nullptr;
        info->cAccelEntries = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(WINBOOL) override
    {
        m_site->setUiActive(false);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override
    {
        m_site->setInPlaceActive(false);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceActivateEx(WINBOOL* noRedraw, DWORD) override
    {
        if (noRedraw)
            *noRedraw = FALSE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivateEx(WINBOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestUIActivate() override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE CanWindowlessActivate() override
    {
        return m_site->windowlessAllowed() ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE GetCapture() override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE SetCapture(WINBOOL) override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE GetFocus() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetFocus(WINBOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetDC(LPCRECT, DWORD, HDC* dc) override
    {
        return dc ? E_NOTIMPL : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE ReleaseDC(HDC) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE InvalidateRect(LPCRECT, WINBOOL erase) override
    {
        ::InvalidateRect(m_site->hostWindow(), nullptr, erase);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE InvalidateRgn(HRGN, WINBOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ScrollRect(INT, INT, LPCRECT, LPCRECT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE AdjustRect(LPRECT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnDefWindowMessage(UINT, WPARAM, LPARAM, LRESULT*) override
    {
        return E_NOTIMPL;
    }

private:
    FramePart* m_frame;
};

class ClientSitePart : public SitePart<IOleClientSite>
{
public:
    using SitePart::SitePart;
    HRESULT STDMETHODCALLTYPE SaveObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override
    {
        if (!container)
            return E_INVALIDARG;
        return m_site->QueryInterface(IID_IOleContainer, reinterpret_cast<void**>(container));
    }
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(WINBOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }
};

class ControlSitePart : public SitePart<IOleControlSite>
{
public:
    using SitePart::SitePart;
    HRESULT STDMETHODCALLTYPE OnControlInfoChanged() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE LockInPlaceActive(WINBOOL lock) override
    {
        m_site->setInPlaceLocked(lock == TRUE);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetExtendedControl(IDispatch**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE TransformCoords(POINTL* himetric, POINTF* container, DWORD) override
    {
        return himetric && container ? S_OK : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnFocus(WINBOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ShowPropertyFrame() override { return E_NOTIMPL; }
};

class CommandTargetPart : public SitePart<IOleCommandTarget>
{
public:
    using SitePart::SitePart;
    HRESULT STDMETHODCALLTYPE QueryStatus(const GUID*, ULONG, OLECMD commands[], OLECMDTEXT*) override
    {
        return commands ? OLECMDERR_E_UNKNOWNGROUP : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE Exec(const GUID*, DWORD, DWORD, VARIANT*, VARIANT*) override
    {
        return OLECMDERR_E_NOTSUPPORTED;
    }
};

class ItemContainerPart : public SitePart<IOleItemContainer>
{
public:
    using SitePart::SitePart;
    HRESULT STDMETHODCALLTYPE ParseDisplayName(IBindCtx*, LPOLESTR, ULONG*, IMoniker**) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE EnumObjects(DWORD, IEnumUnknown**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE LockContainer(WINBOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetObject(LPOLESTR item, DWORD, IBindCtx*, REFIID, void** out) override
    {
        return noObject(item, out);
    }
    HRESULT STDMETHODCALLTYPE GetObjectStorage(LPOLESTR item, IBindCtx*, REFIID, void** out) override
    {
        return noObject(item, out);
    }
    HRESULT STDMETHODCALLTYPE IsRunning(LPOLESTR item) override
    {
        return item ? MK_E_NOOBJECT : E_INVALIDARG;
    }

private:
    static HRESULT noObject(LPOLESTR item, void** out)
    {
        if (!item || !out)
            return E_INVALIDARG;
        *out = nullptr;
        return MK_E_NOOBJECT;
    }
};

class EventsPart : public SitePart<DWebBrowserEvents2>
{
public:
    using SitePart::SitePart;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO*, UINT*) override
    {
        if (flags & DISPATCH_PROPERTYGET)
            return m_site->ambient(id, result);
        m_site->browserEvent(id, parameters);
        return S_OK;
    }
};

class AdviseSinkPart : public SitePart<IAdviseSinkEx>
{
public:
    using SitePart::SitePart;
    void STDMETHODCALLTYPE OnDataChange(FORMATETC*, STGMEDIUM*) override {}
    void STDMETHODCALLTYPE OnViewChange(DWORD, LONG) override
    {
        ::InvalidateRect(m_site->hostWindow(), nullptr, FALSE);
    }
    void STDMETHODCALLTYPE OnRename(IMoniker*) override {}
    void STDMETHODCALLTYPE OnSave() override {}
    void STDMETHODCALLTYPE OnClose() override {}
    void STDMETHODCALLTYPE OnViewStatusChange(DWORD) override {}
};

class ShowUiPart : public SitePart<IDocHostShowUI>
{
public:
    using SitePart::SitePart;
    HRESULT STDMETHODCALLTYPE ShowMessage(HWND, LPOLESTR, LPOLESTR, DWORD, LPOLESTR, DWORD,
                                          LRESULT* result) override
    {
        if (result)
            *result = IDCANCEL;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ShowHelp(HWND, LPOLESTR, UINT, DWORD, POINT, IDispatch*) override
    {
        return S_OK;
    }
};

HRESULT noPointer(void** out)
{
    if (out)
        *out = nullptr;
    return E_NOTIMPL;
}

class UiHandlerPart : public SitePart<IDocHostUIHandler>
{
public:
    using SitePart::SitePart;
    HRESULT STDMETHODCALLTYPE ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) override
    {
        return m_site->suppressesContextMenu() ? S_OK : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetHostInfo(DOCHOSTUIINFO* info) override
    {
        if (!info)
            return E_POINTER;
        info->cbSize = kHostInfoSize;
        info->dwFlags = m_site->hostFlags();
        info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
        info->pchHostCss = nullptr;
        info->pchHostNS = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
                                     IOleInPlaceUIWindow*) override
    {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE HideUI() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE UpdateUI() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(WINBOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnDocWindowActivate(WINBOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(WINBOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, WINBOOL) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, const GUID*, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetOptionKeyPath(LPOLESTR* key, DWORD) override
    {
        return noPointer(reinterpret_cast<void**>(key));
    }
    HRESULT STDMETHODCALLTYPE GetDropTarget(IDropTarget*, IDropTarget** target) override
    {
        return noPointer(reinterpret_cast<void**>(target));
    }
    HRESULT STDMETHODCALLTYPE GetExternal(IDispatch** external) override
    {
        return noPointer(reinterpret_cast<void**>(external));
    }
    HRESULT STDMETHODCALLTYPE TranslateUrl(DWORD, LPWSTR, LPWSTR* out) override
    {
        return noPointer(reinterpret_cast<void**>(out));
    }
    HRESULT STDMETHODCALLTYPE FilterDataObject(IDataObject*, IDataObject** out) override
    {
        return noPointer(reinterpret_cast<void**>(out));
    }
};

// An event's argument by its place in the event's own order; null past the
// end.
VARIANT* argument(DISPPARAMS* parameters, UINT index)
{
    if (!parameters || !parameters->rgvarg || index >= parameters->cArgs)
        return nullptr;
    return &parameters->rgvarg[parameters->cArgs - 1 - index];
}

// A text argument, by value or by reference, also inside a variant given by
// reference; false when there is none.
bool textOf(const VARIANT* value, String& text)
{
    if (!value)
        return false;
    BSTR string = nullptr;
    if (value->vt == VT_BSTR)
        string = value->bstrVal;
    else if (value->vt == (VT_BSTR | VT_BYREF) && value->pbstrVal)
        string = *value->pbstrVal;
    else if (value->vt == (VT_VARIANT | VT_BYREF))
        return textOf(value->pvarVal, text);
    else
        return false;
    if (!string)
        return false;
    text = String(reinterpret_cast<const char16_t*>(string), int(SysStringLen(string)));
    return true;
}

void setCancel(VARIANT* cancel, bool on)
{
    if (cancel && cancel->vt == (VT_BOOL | VT_BYREF) && cancel->pboolVal)
        *cancel->pboolVal = on ? VARIANT_TRUE : VARIANT_FALSE;
}

void putBool(VARIANT* result, bool value)
{
    result->vt = VT_BOOL;
    result->boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

void putInt(VARIANT* result, LONG value)
{
    result->vt = VT_I4;
    result->lVal = value;
}

} // namespace

struct WebBrowserSite::Parts
{
    explicit Parts(WebBrowserSite* site)
        : frame(site), inPlace(site, &frame), client(site), control(site), command(site), container(site),
          events(site), advise(site), showUi(site), uiHandler(site)
    {
    }
    FramePart frame;
    InPlaceSitePart inPlace;
    ClientSitePart client;
    ControlSitePart control;
    CommandTargetPart command;
    ItemContainerPart container;
    EventsPart events;
    AdviseSinkPart advise;
    ShowUiPart showUi;
    UiHandlerPart uiHandler;
};

WebBrowserSite::WebBrowserSite(HWND hostWindow)
    : m_hostWindow(hostWindow), m_parts(new Parts(this)), m_foreColour(LONG(GetSysColor(COLOR_WINDOWTEXT)))
{
}

WebBrowserSite::~WebBrowserSite()
{
    delete m_parts;
}

HRESULT WebBrowserSite::QueryInterface(REFIID iid, void** out)
{
    if (!out)
        return E_INVALIDARG;
    struct Answer
    {
        const IID* iid;
        IUnknown* part;
    };
    Parts& p = *m_parts;
    const Answer answers[] = {
        {&IID_IUnknown, this},
        {&IID_IOleWindow, &p.frame},
        {&IID_IOleInPlaceUIWindow, &p.frame},
        {&IID_IOleInPlaceFrame, &p.frame},
        {&IID_IOleInPlaceSite, &p.inPlace},
        {&IID_IOleInPlaceSiteEx, &p.inPlace},
        {&IID_IOleInPlaceSiteWindowless, &p.inPlace},
        {&IID_IOleClientSite, &p.client},
        {&IID_IOleControlSite, &p.control},
        {&IID_IOleCommandTarget, &p.command},
        {&IID_IOleItemContainer, &p.container},
        {&IID_IOleContainer, &p.container},
        {&IID_IDispatch, &p.events},
        {&DIID_DWebBrowserEvents2, &p.events},
        {&IID_IAdviseSink, &p.advise},
        {&IID_IAdviseSink2, &p.advise},
        {&IID_IAdviseSinkEx, &p.advise},
        {&__uuidof(IDocHostShowUI), &p.showUi},
        {&IID_IDocHostUIHandler, &p.uiHandler},
    };
    for (const Answer& answer : answers) {
        if (IsEqualIID(iid, *answer.iid)) {
            *out = answer.part;
            AddRef();
            return S_OK;
        }
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG WebBrowserSite::AddRef()
{
    return ULONG(InterlockedIncrement(&m_references));
}

ULONG WebBrowserSite::Release()
{
    const LONG left = InterlockedDecrement(&m_references);
    if (left == 0)
        delete this;
    return ULONG(left);
}

IOleClientSite* WebBrowserSite::clientSite()
{
    return &m_parts->client;
}

IDispatch* WebBrowserSite::eventDispatch()
{
    return &m_parts->events;
}

bool WebBrowserSite::suppressesContextMenu() const
{
    return m_events && (m_events->host()->options() & WebViewOption::NoContextMenu);
}

DWORD WebBrowserSite::hostFlags() const
{
    return WebBrowserRules::hostFlags(m_events ? m_events->host()->options() : 0);
}

HRESULT WebBrowserSite::ambient(DISPID id, VARIANT* result) const
{
    if (!result)
        return E_INVALIDARG;
    WebBrowserHost* host = m_events ? m_events->host() : nullptr;
    switch (id) {
    case kAmbientUserAgent:
        if (host && !host->userAgent().isEmpty()) {
            const String& agent = host->userAgent();
            result->vt = VT_BSTR;
            result->bstrVal = ComText::toBstr(agent);
        }
        return S_OK;
    case kAmbientDownloadControl:
        putInt(result, LONG(host ? WebBrowserRules::downloadControl(host->options(), host->isSilent())
                                 : WebBrowserRules::downloadControl(0, false)));
        return S_OK;
    case kAmbientAppearance:
        putBool(result, m_appearance);
        return S_OK;
    case kAmbientShowHatching:
        putBool(result, m_showHatching);
        return S_OK;
    case kAmbientShowGrabHandles:
        putBool(result, m_showGrabHandles);
        return S_OK;
    case kAmbientUserMode:
        putBool(result, m_userMode);
        return S_OK;
    case kAmbientForeColour:
        putInt(result, m_foreColour);
        return S_OK;
    case kAmbientBackColour:
        putInt(result, kBackColour);
        return S_OK;
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}

void WebBrowserSite::browserEvent(DISPID id, DISPPARAMS* parameters)
{
    if (!m_events)
        return;
    String text;
    switch (id) {
    case DISPID_STATUSTEXTCHANGE:
        textOf(argument(parameters, 0), text);
        m_events->statusTextChange(text);
        break;
    case DISPID_TITLECHANGE:
        textOf(argument(parameters, 0), text);
        m_events->titleChange(text);
        break;
    case DISPID_COMMANDSTATECHANGE: {
        const VARIANT* command = argument(parameters, 0);
        const VARIANT* enable = argument(parameters, 1);
        if (command && enable && command->vt == VT_I4 && enable->vt == VT_BOOL)
            m_events->commandStateChange(int(command->lVal), enable->boolVal == VARIANT_TRUE);
        break;
    }
    case DISPID_BEFORENAVIGATE2: {
        const bool known = textOf(argument(parameters, 1), text);
        setCancel(argument(parameters, 6), m_events->beforeNavigate(known ? &text : nullptr));
        break;
    }
    case DISPID_NEWWINDOW2:
        setCancel(argument(parameters, 1), m_events->newWindow2());
        break;
    case DISPID_NEWWINDOW3: {
        const bool known = textOf(argument(parameters, 4), text);
        setCancel(argument(parameters, 1), m_events->newWindow3(known ? &text : nullptr));
        break;
    }
    case DISPID_DOCUMENTCOMPLETE: {
        const VARIANT* window = argument(parameters, 0);
        const bool top = window && window->vt == VT_DISPATCH && m_browser &&
                         window->pdispVal == static_cast<IDispatch*>(m_browser);
        m_events->documentComplete(top);
        break;
    }
    default:
        break;
    }
}
