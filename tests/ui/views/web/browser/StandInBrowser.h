#pragma once

// A COM object standing in for the system's browser control where none can
// run: it answers the interfaces the browser host uses, records each call
// that matters, activates in place by asking its client site for the
// window context as the real control does, makes three nested plain windows
// inside the host window for its pages, and fires the events the test asks
// for at the dispatch the host advised. It shows the page the test gives
// it, if any. Windows only.
#include <exdisp.h>
#include <ocidl.h>
#include <oleidl.h>
#include <windows.h>

#include <string>
#include <vector>

class StandInBrowser : public IWebBrowser2,
                       public IOleObject,
                       public IOleInPlaceObject,
                       public IViewObject,
                       public IConnectionPointContainer,
                       public IOleControl
{
public:
    std::vector<std::string> calls;
    DWORD miscStatus = 0;
    READYSTATE readyState = READYSTATE_COMPLETE;
    int zoomPercent = 125;
    bool offersOleControl = true;
    HWND frameWindow = nullptr;
    HWND innermost = nullptr;
    IOleClientSite* clientSite = nullptr;
    IDispatch* events = nullptr;
    // The page the control shows, if the test gives it one.
    IDispatch* page = nullptr;

    StandInBrowser() : m_point(this) {}
    LONG references() const { return m_references; }

    // An event at the advised dispatch; arguments last first, as dispatch
    // passes them.
    void fire(DISPID id, std::vector<VARIANT> arguments)
    {
        if (!events)
            return;
        DISPPARAMS parameters = {arguments.data(), nullptr, UINT(arguments.size()), 0};
        events->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &parameters, nullptr, nullptr, nullptr);
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
            IsEqualIID(iid, IID_IWebBrowser) || IsEqualIID(iid, IID_IWebBrowserApp) ||
            IsEqualIID(iid, IID_IWebBrowser2))
            *out = static_cast<IWebBrowser2*>(this);
        else if (IsEqualIID(iid, IID_IOleObject))
            *out = static_cast<IOleObject*>(this);
        else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceObject))
            *out = static_cast<IOleInPlaceObject*>(this);
        else if (IsEqualIID(iid, IID_IViewObject))
            *out = static_cast<IViewObject*>(this);
        else if (IsEqualIID(iid, IID_IConnectionPointContainer))
            *out = static_cast<IConnectionPointContainer*>(this);
        else if (IsEqualIID(iid, IID_IOleControl) && offersOleControl)
            *out = static_cast<IOleControl*>(this);
        if (!*out)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(++m_references); }
    // The test owns the last reference and never lets it go: the object
    // lives on the test's stack.
    ULONG STDMETHODCALLTYPE Release() override { return ULONG(--m_references); }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override
    {
        return E_NOTIMPL;
    }

    // IWebBrowser
    HRESULT STDMETHODCALLTYPE GoBack() override { return record("GoBack"); }
    HRESULT STDMETHODCALLTYPE GoForward() override { return record("GoForward"); }
    HRESULT STDMETHODCALLTYPE GoHome() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GoSearch() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Navigate(BSTR, VARIANT*, VARIANT*, VARIANT*, VARIANT*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Refresh() override { return record("Refresh"); }
    HRESULT STDMETHODCALLTYPE Refresh2(VARIANT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Stop() override { return record("Stop"); }
    HRESULT STDMETHODCALLTYPE get_Application(IDispatch**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Parent(IDispatch**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Container(IDispatch**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Document(IDispatch** shown) override
    {
        *shown = page;
        if (!page)
            return S_FALSE;
        page->AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_TopLevelContainer(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Type(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Left(LONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Left(LONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Top(LONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Top(LONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Width(LONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Width(LONG width) override
    {
        return record("put_Width " + std::to_string(width));
    }
    HRESULT STDMETHODCALLTYPE get_Height(LONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Height(LONG height) override
    {
        return record("put_Height " + std::to_string(height));
    }
    HRESULT STDMETHODCALLTYPE get_LocationName(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_LocationURL(BSTR* address) override
    {
        *address = SysAllocString(L"about:blank");
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Busy(VARIANT_BOOL*) override { return E_NOTIMPL; }

    // IWebBrowserApp
    HRESULT STDMETHODCALLTYPE Quit() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ClientToWindow(int*, int*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE PutProperty(BSTR, VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetProperty(BSTR, VARIANT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Name(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_HWND(SHANDLE_PTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_FullName(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Path(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Visible(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Visible(VARIANT_BOOL value) override
    {
        return recordFlag("put_Visible", value);
    }
    HRESULT STDMETHODCALLTYPE get_StatusBar(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_StatusBar(VARIANT_BOOL value) override
    {
        return recordFlag("put_StatusBar", value);
    }
    HRESULT STDMETHODCALLTYPE get_StatusText(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_StatusText(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ToolBar(int*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_ToolBar(int value) override { return recordFlag("put_ToolBar", value); }
    HRESULT STDMETHODCALLTYPE get_MenuBar(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_MenuBar(VARIANT_BOOL value) override
    {
        return recordFlag("put_MenuBar", value);
    }
    HRESULT STDMETHODCALLTYPE get_FullScreen(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_FullScreen(VARIANT_BOOL) override { return E_NOTIMPL; }

    // IWebBrowser2
    HRESULT STDMETHODCALLTYPE Navigate2(VARIANT* address, VARIANT*, VARIANT*, VARIANT*, VARIANT*) override
    {
        std::string text;
        if (address && address->vt == VT_BSTR)
            for (const wchar_t* c = address->bstrVal; c && *c; ++c)
                text += char(*c);
        return record("Navigate2 " + text);
    }
    HRESULT STDMETHODCALLTYPE QueryStatusWB(OLECMDID, OLECMDF*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ExecWB(OLECMDID command, OLECMDEXECOPT option, VARIANT* in,
                                     VARIANT* out) override
    {
        std::string call = "ExecWB " + std::to_string(int(command)) + " " + std::to_string(int(option));
        if (in && in->vt == VT_I4)
            call += " in " + std::to_string(in->lVal);
        calls.push_back(call);
        if (out) {
            out->vt = VT_I4;
            out->lVal = zoomPercent;
        }
        return zoomPercent > 0 ? S_OK : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE ShowBrowserBar(VARIANT*, VARIANT*, VARIANT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ReadyState(READYSTATE* state) override
    {
        *state = readyState;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Offline(VARIANT_BOOL* value) override { return give(value, m_offline); }
    HRESULT STDMETHODCALLTYPE put_Offline(VARIANT_BOOL value) override { return keep(m_offline, value); }
    HRESULT STDMETHODCALLTYPE get_Silent(VARIANT_BOOL* value) override { return give(value, m_silent); }
    HRESULT STDMETHODCALLTYPE put_Silent(VARIANT_BOOL value) override { return keep(m_silent, value); }
    HRESULT STDMETHODCALLTYPE get_RegisterAsBrowser(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_RegisterAsBrowser(VARIANT_BOOL value) override
    {
        return recordFlag("put_RegisterAsBrowser", value);
    }
    HRESULT STDMETHODCALLTYPE get_RegisterAsDropTarget(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_RegisterAsDropTarget(VARIANT_BOOL value) override
    {
        return recordFlag("put_RegisterAsDropTarget", value);
    }
    HRESULT STDMETHODCALLTYPE get_TheaterMode(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_TheaterMode(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_AddressBar(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_AddressBar(VARIANT_BOOL value) override
    {
        return recordFlag("put_AddressBar", value);
    }
    HRESULT STDMETHODCALLTYPE get_Resizable(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Resizable(VARIANT_BOOL) override { return E_NOTIMPL; }

    // IOleObject
    HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* site) override
    {
        if (clientSite)
            clientSite->Release();
        clientSite = site;
        if (site)
            site->AddRef();
        return record(site ? "SetClientSite" : "SetClientSite null");
    }
    HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR, LPCOLESTR) override { return record("SetHostNames"); }
    HRESULT STDMETHODCALLTYPE Close(DWORD option) override
    {
        return record("Close " + std::to_string(option));
    }
    HRESULT STDMETHODCALLTYPE SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE InitFromData(IDataObject*, WINBOOL, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND parent,
                                     LPCRECT) override
    {
        calls.push_back("DoVerb " + std::to_string(verb));
        activateIn(site, parent);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Update() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE IsUpToDate() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetUserType(DWORD, LPOLESTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Advise(IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD, DWORD* status) override
    {
        *status = miscStatus;
        return record("GetMiscStatus");
    }
    HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

    // IOleInPlaceObject
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override
    {
        *window = nullptr;
        return E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(WINBOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE InPlaceDeactivate() override { return record("InPlaceDeactivate"); }
    HRESULT STDMETHODCALLTYPE UIDeactivate() override { return record("UIDeactivate"); }
    HRESULT STDMETHODCALLTYPE SetObjectRects(LPCRECT position, LPCRECT) override
    {
        return record("SetObjectRects " + std::to_string(position->right) + " " +
                      std::to_string(position->bottom));
    }
    HRESULT STDMETHODCALLTYPE ReactivateAndUndo() override { return E_NOTIMPL; }

    // IViewObject
    HRESULT STDMETHODCALLTYPE Draw(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, HDC, LPCRECTL, LPCRECTL,
                                   WINBOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE**) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Freeze(DWORD, LONG, void*, DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unfreeze(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetAdvise(DWORD, DWORD, IAdviseSink*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetAdvise(DWORD*, DWORD*, IAdviseSink**) override { return E_NOTIMPL; }

    // IConnectionPointContainer
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) override
    {
        *point = nullptr;
        if (!IsEqualIID(iid, DIID_DWebBrowserEvents2))
            return E_FAIL;
        AddRef();
        *point = &m_point;
        return S_OK;
    }

    // IOleControl
    HRESULT STDMETHODCALLTYPE GetControlInfo(CONTROLINFO*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnMnemonic(MSG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnAmbientPropertyChange(DISPID id) override
    {
        return record("OnAmbientPropertyChange " + std::to_string(id));
    }
    HRESULT STDMETHODCALLTYPE FreezeEvents(WINBOOL) override { return E_NOTIMPL; }

private:
    // The events' connection point; its counting is the browser's.
    class Point : public IConnectionPoint
    {
    public:
        explicit Point(StandInBrowser* owner) : m_owner(owner) {}
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
        {
            return m_owner->QueryInterface(iid, out);
        }
        ULONG STDMETHODCALLTYPE AddRef() override { return m_owner->AddRef(); }
        ULONG STDMETHODCALLTYPE Release() override { return m_owner->Release(); }
        HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID*) override { return E_NOTIMPL; }
        HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer**) override
        {
            return E_NOTIMPL;
        }
        HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override
        {
            if (!sink ||
                FAILED(sink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&m_owner->events))))
                return E_POINTER;
            *cookie = 7;
            return m_owner->record("Advise");
        }
        HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override
        {
            if (cookie != 7 || !m_owner->events)
                return E_FAIL;
            m_owner->events->Release();
            m_owner->events = nullptr;
            return m_owner->record("Unadvise");
        }
        HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections**) override { return E_NOTIMPL; }

    private:
        StandInBrowser* m_owner;
    };

    HRESULT record(const std::string& call)
    {
        calls.push_back(call);
        return S_OK;
    }
    HRESULT recordFlag(const std::string& call, int value)
    {
        return record(call + " " + std::to_string(value));
    }
    static HRESULT give(VARIANT_BOOL* value, VARIANT_BOOL kept)
    {
        *value = kept;
        return S_OK;
    }
    static HRESULT keep(VARIANT_BOOL& kept, VARIANT_BOOL value)
    {
        kept = value;
        return S_OK;
    }
    // What the real control does on in-place activation: asks the site, then
    // makes its windows inside the one it was given.
    void activateIn(IOleClientSite* site, HWND parent)
    {
        IOleInPlaceSite* inPlace = nullptr;
        if (!site || FAILED(site->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&inPlace))))
            return;
        if (inPlace->CanInPlaceActivate() == S_OK) {
            inPlace->OnInPlaceActivate();
            IOleInPlaceFrame* frame = nullptr;
            IOleInPlaceUIWindow* document = nullptr;
            RECT position = {}, clip = {};
            OLEINPLACEFRAMEINFO info = {};
            info.cb = sizeof(info);
            if (SUCCEEDED(inPlace->GetWindowContext(&frame, &document, &position, &clip, &info))) {
                frameWindow = info.hwndFrame;
                frame->Release();
                document->Release();
            }
            HWND level = parent;
            for (int depth = 0; depth < 3 && level; ++depth)
                level = CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 100, 50, level,
                                        nullptr, nullptr, nullptr);
            innermost = level;
        }
        inPlace->Release();
    }

    LONG m_references = 1;
    Point m_point;
    VARIANT_BOOL m_offline = VARIANT_FALSE;
    VARIANT_BOOL m_silent = VARIANT_FALSE;
};
