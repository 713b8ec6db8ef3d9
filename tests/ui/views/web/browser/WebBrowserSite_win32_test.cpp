// The browser's site object called directly, as the system browser would:
// which part answers each interface, the fixed answers, the ambient
// properties and the events decoded from their dispatch arguments.
#include "tests/support/TestText.h"
#include "tests/support/UIHarness.h"
#include "tests/ui/views/web/WebViewTestSupport.h"
#include "tests/ui/views/web/browser/BrowserWindowTest.h"
#include "tests/ui/views/web/browser/FakeWebBrowserControl.h"
#include "ui/views/web/UIWebView.h"
#include "ui/views/web/WebViewEventSink.h"
#include "ui/views/web/WebViewOption.h"
#include "ui/views/web/browser/WebBrowserHost.h"
#include "ui/views/web/browser/WebBrowserSite.h"

#include <exdispid.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using testsupport::UIHarness;
using testsupport::utf8;

namespace {

using webviewtest::Log;

class WebBrowserSiteTest : public BrowserWindowTest
{
protected:
    void SetUp() override
    {
        BrowserWindowTest::SetUp();
        hostWindow = CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD, 0, 0, 120, 80,
                                     static_cast<HWND>(window->windowHandle()), nullptr, nullptr, nullptr);
        site = new WebBrowserSite(hostWindow);
    }
    void TearDown() override
    {
        if (site) {
            site->connect(nullptr);
            EXPECT_EQ(0u, site->Release());
        }
        host.reset();
        DestroyWindow(hostWindow);
        BrowserWindowTest::TearDown();
    }
    void connectHost(uint32_t options)
    {
        auto made = std::make_unique<FakeWebBrowserControl>();
        control = made.get();
        host = std::make_unique<WebBrowserHost>(std::move(made), std::make_shared<FakeWebBrowserPump>(),
                                                sink.get(), options);
        site->connect(&host->events());
        log.clear();
    }
    template <class Interface> Interface* part(REFIID iid)
    {
        void* out = nullptr;
        EXPECT_EQ(S_OK, site->QueryInterface(iid, &out));
        // The test holds the site's own reference; the part's goes again.
        site->Release();
        return static_cast<Interface*>(out);
    }
    HRESULT event(DISPID id, std::vector<VARIANT> arguments)
    {
        DISPPARAMS parameters = {arguments.data(), nullptr, UINT(arguments.size()), 0};
        return part<IDispatch>(IID_IDispatch)
            ->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &parameters, nullptr, nullptr, nullptr);
    }

    std::unique_ptr<WebBrowserHost> host;
    FakeWebBrowserControl* control = nullptr;
    HWND hostWindow = nullptr;
    WebBrowserSite* site = nullptr;
};

VARIANT bstrArgument(BSTR text)
{
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BSTR;
    value.bstrVal = text;
    return value;
}

VARIANT cancelArgument(VARIANT_BOOL* cancel)
{
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BOOL | VT_BYREF;
    value.pboolVal = cancel;
    return value;
}

} // namespace

TEST_F(WebBrowserSiteTest, EachInterfaceIsAnsweredByItsPartAndCountsOnTheSite)
{
    const struct
    {
        const IID* iid;
        int group;
    } rows[] = {
        {&IID_IUnknown, 0},
        {&IID_IOleWindow, 1},
        {&IID_IOleInPlaceUIWindow, 1},
        {&IID_IOleInPlaceFrame, 1},
        {&IID_IOleInPlaceSite, 2},
        {&IID_IOleInPlaceSiteEx, 2},
        {&IID_IOleInPlaceSiteWindowless, 2},
        {&IID_IOleClientSite, 3},
        {&IID_IOleControlSite, 4},
        {&IID_IOleCommandTarget, 5},
        {&IID_IOleItemContainer, 6},
        {&IID_IOleContainer, 6},
        {&IID_IDispatch, 7},
        {&DIID_DWebBrowserEvents2, 7},
        {&IID_IAdviseSink, 8},
        {&IID_IAdviseSink2, 8},
        {&IID_IAdviseSinkEx, 8},
        {&__uuidof(IDocHostShowUI), 9},
        {&IID_IDocHostUIHandler, 10},
    };
    void* groups[11] = {};
    for (const auto& row : rows) {
        void* out = nullptr;
        ASSERT_EQ(S_OK, site->QueryInterface(*row.iid, &out)) << row.group;
        ASSERT_NE(nullptr, out);
        if (!groups[row.group])
            groups[row.group] = out;
        EXPECT_EQ(groups[row.group], out) << "one part per group: " << row.group;
        // Every part's counting is the site's: two references held now.
        EXPECT_EQ(3u, static_cast<IUnknown*>(out)->AddRef()) << row.group;
        EXPECT_EQ(2u, static_cast<IUnknown*>(out)->Release()) << row.group;
        // A part asked for IUnknown gives the site itself.
        void* unknown = nullptr;
        ASSERT_EQ(S_OK, static_cast<IUnknown*>(out)->QueryInterface(IID_IUnknown, &unknown));
        EXPECT_EQ(static_cast<IUnknown*>(site), unknown) << row.group;
        site->Release();
        site->Release();
    }
    for (int a = 0; a < 11; ++a)
        for (int b = a + 1; b < 11; ++b)
            EXPECT_NE(groups[a], groups[b]) << a << " " << b;
    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(E_NOINTERFACE, site->QueryInterface(IID_IStream, &out));
    EXPECT_EQ(nullptr, out);
    EXPECT_EQ(E_INVALIDARG, site->QueryInterface(IID_IUnknown, nullptr));
}

TEST_F(WebBrowserSiteTest, EmbeddingAnswersAreFixedAndNullPointersRefused)
{
    auto* frame = part<IOleInPlaceFrame>(IID_IOleInPlaceFrame);
    auto* inPlace = part<IOleInPlaceSiteWindowless>(IID_IOleInPlaceSiteWindowless);
    auto* client = part<IOleClientSite>(IID_IOleClientSite);
    auto* controlSite = part<IOleControlSite>(IID_IOleControlSite);
    auto* command = part<IOleCommandTarget>(IID_IOleCommandTarget);
    auto* container = part<IOleItemContainer>(IID_IOleItemContainer);
    auto* showUi = part<IDocHostShowUI>(__uuidof(IDocHostShowUI));

    HWND given = nullptr;
    EXPECT_EQ(S_OK, frame->GetWindow(&given));
    EXPECT_EQ(hostWindow, given);
    EXPECT_EQ(E_INVALIDARG, inPlace->GetWindow(nullptr));
    RECT border = {};
    BORDERWIDTHS widths = {};
    OLECMD commands[1] = {};
    HDC dc = nullptr;
    void* object = reinterpret_cast<void*>(1);
    wchar_t item[] = L"item";
    POINTL himetric = {};
    POINTF converted = {};
    LRESULT answer = 0;
    const struct
    {
        const char* call;
        HRESULT result;
        HRESULT expected;
    } rows[] = {
        {"GetBorder", frame->GetBorder(&border), INPLACE_E_NOTOOLSPACE},
        {"GetBorder null", frame->GetBorder(nullptr), E_INVALIDARG},
        {"RequestBorderSpace", frame->RequestBorderSpace(&widths), INPLACE_E_NOTOOLSPACE},
        {"SetBorderSpace", frame->SetBorderSpace(nullptr), S_OK},
        {"frame TranslateAccelerator", frame->TranslateAccelerator(nullptr, 0), E_NOTIMPL},
        {"RequestUIActivate", inPlace->RequestUIActivate(), S_FALSE},
        {"CanWindowlessActivate", inPlace->CanWindowlessActivate(), S_OK},
        {"GetCapture", inPlace->GetCapture(), S_FALSE},
        {"GetDC", inPlace->GetDC(nullptr, 0, &dc), E_NOTIMPL},
        {"GetDC null", inPlace->GetDC(nullptr, 0, nullptr), E_INVALIDARG},
        {"InvalidateRect", inPlace->InvalidateRect(nullptr, TRUE), S_OK},
        {"GetMoniker", client->GetMoniker(0, 0, nullptr), E_NOTIMPL},
        {"GetContainer null", client->GetContainer(nullptr), E_INVALIDARG},
        {"TransformCoords", controlSite->TransformCoords(&himetric, &converted, 0), S_OK},
        {"TransformCoords null", controlSite->TransformCoords(&himetric, nullptr, 0), E_INVALIDARG},
        {"GetExtendedControl", controlSite->GetExtendedControl(nullptr), E_NOTIMPL},
        {"QueryStatus", command->QueryStatus(nullptr, 1, commands, nullptr), OLECMDERR_E_UNKNOWNGROUP},
        {"QueryStatus null", command->QueryStatus(nullptr, 1, nullptr, nullptr), E_INVALIDARG},
        {"Exec", command->Exec(nullptr, 1, 0, nullptr, nullptr), OLECMDERR_E_NOTSUPPORTED},
        {"EnumObjects", container->EnumObjects(0, nullptr), E_NOTIMPL},
        {"LockContainer", container->LockContainer(TRUE), S_OK},
        {"GetObject", container->GetObject(item, 0, nullptr, IID_IUnknown, &object), MK_E_NOOBJECT},
        {"GetObject null", container->GetObject(nullptr, 0, nullptr, IID_IUnknown, &object), E_INVALIDARG},
        {"IsRunning null", container->IsRunning(nullptr), E_INVALIDARG},
        {"ShowMessage", showUi->ShowMessage(nullptr, nullptr, nullptr, 0, nullptr, 0, &answer), S_OK},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.expected, row.result) << row.call;
    EXPECT_EQ(nullptr, object);
    EXPECT_EQ(IDCANCEL, answer);

    IOleContainer* given2 = nullptr;
    ASSERT_EQ(S_OK, client->GetContainer(&given2));
    EXPECT_EQ(static_cast<void*>(container), static_cast<void*>(given2));
    given2->Release();

    // The state flags follow the control's calls.
    inPlace->OnInPlaceActivate();
    inPlace->OnUIActivate();
    controlSite->LockInPlaceActive(TRUE);
    EXPECT_TRUE(site->inPlaceActive() && site->uiActive() && site->inPlaceLocked());
    inPlace->OnUIDeactivate(FALSE);
    inPlace->OnInPlaceDeactivate();
    controlSite->LockInPlaceActive(2);
    EXPECT_FALSE(site->inPlaceActive() || site->uiActive() || site->inPlaceLocked());
}

TEST_F(WebBrowserSiteTest, TheWindowContextIsTheHostWindowsOrNothing)
{
    auto* inPlace = part<IOleInPlaceSite>(IID_IOleInPlaceSite);
    IOleInPlaceFrame* frame = reinterpret_cast<IOleInPlaceFrame*>(1);
    IOleInPlaceUIWindow* document = reinterpret_cast<IOleInPlaceUIWindow*>(1);
    RECT position = {}, clip = {};
    OLEINPLACEFRAMEINFO info = {};
    EXPECT_EQ(E_INVALIDARG, inPlace->GetWindowContext(&frame, &document, &position, nullptr, &info));
    EXPECT_EQ(nullptr, frame);
    EXPECT_EQ(nullptr, document);
    ASSERT_EQ(S_OK, inPlace->GetWindowContext(&frame, &document, &position, &clip, &info));
    EXPECT_EQ(static_cast<void*>(part<IOleInPlaceFrame>(IID_IOleInPlaceFrame)), static_cast<void*>(frame));
    EXPECT_EQ(static_cast<void*>(frame), static_cast<void*>(document));
    EXPECT_EQ(120, position.right);
    EXPECT_EQ(80, clip.bottom);
    EXPECT_EQ(20u, info.cb);
    EXPECT_EQ(hostWindow, info.hwndFrame);
    frame->Release();
    document->Release();
}

TEST_F(WebBrowserSiteTest, HostInfoAndContextMenuFollowTheOptions)
{
    const struct
    {
        uint32_t options;
        DWORD flags;
        HRESULT menu;
    } rows[] = {
        {0, 0x1A40084, E_NOTIMPL},
        {WebViewOption::NoContextMenu, 0x1A40084, S_OK},
        {WebViewOption::NoScrollBars | WebViewOption::DialogFrame, 0x1A4008D, E_NOTIMPL},
    };
    auto* handler = part<IDocHostUIHandler>(IID_IDocHostUIHandler);
    EXPECT_EQ(E_POINTER, handler->GetHostInfo(nullptr));
    for (const auto& row : rows) {
        connectHost(row.options);
        DOCHOSTUIINFO info = {};
        ASSERT_EQ(S_OK, handler->GetHostInfo(&info));
        EXPECT_EQ(20u, info.cbSize);
        EXPECT_EQ(row.flags, info.dwFlags) << row.options;
        EXPECT_EQ(DWORD(DOCHOSTUIDBLCLK_DEFAULT), info.dwDoubleClick);
        EXPECT_EQ(row.menu, handler->ShowContextMenu(0, nullptr, nullptr, nullptr)) << row.options;
    }
    IDispatch* external = reinterpret_cast<IDispatch*>(1);
    EXPECT_EQ(E_NOTIMPL, handler->GetExternal(&external));
    EXPECT_EQ(nullptr, external);
}

TEST_F(WebBrowserSiteTest, AmbientPropertiesAnswerFromTheHost)
{
    connectHost(0x18D);
    auto* dispatch = part<IDispatch>(IID_IDispatch);
    auto get = [&](DISPID id, VARIANT& result) {
        VariantInit(&result);
        DISPPARAMS none = {};
        return dispatch->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr);
    };
    const struct
    {
        DISPID id;
        HRESULT result;
        VARTYPE type;
        LONG value;
    } rows[] = {
        {-5512, S_OK, VT_I4, 0x47F0},
        {-716, S_OK, VT_BOOL, VARIANT_TRUE},
        {-712, S_OK, VT_BOOL, VARIANT_FALSE},
        {-711, S_OK, VT_BOOL, VARIANT_FALSE},
        {-709, S_OK, VT_BOOL, VARIANT_TRUE},
        {-701, S_OK, VT_I4, LONG(0xFFFF0000)},
        {-704, S_OK, VT_I4, LONG(GetSysColor(COLOR_WINDOWTEXT))},
        // No agent set: the variant stays as it was.
        {-5513, S_OK, VT_EMPTY, 0},
        {-5000, DISP_E_MEMBERNOTFOUND, VT_EMPTY, 0},
    };
    for (const auto& row : rows) {
        VARIANT result;
        EXPECT_EQ(row.result, get(row.id, result)) << row.id;
        EXPECT_EQ(row.type, result.vt) << row.id;
        if (row.type == VT_I4) {
            EXPECT_EQ(row.value, result.lVal) << row.id;
        }
        if (row.type == VT_BOOL) {
            EXPECT_EQ(VARIANT_BOOL(row.value), result.boolVal) << row.id;
        }
    }
    host->setUserAgent(String(u"Reel/1"));
    VARIANT agent;
    ASSERT_EQ(S_OK, get(-5513, agent));
    ASSERT_EQ(VT_BSTR, agent.vt);
    EXPECT_STREQ(L"Reel/1", agent.bstrVal);
    VariantClear(&agent);
    DISPPARAMS none = {};
    EXPECT_EQ(E_INVALIDARG,
              dispatch->Invoke(-5512, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, nullptr, nullptr, nullptr));
}

TEST_F(WebBrowserSiteTest, EventsAreDecodedFromTheirArguments)
{
    connectHost(WebViewOption::BlankOnly);
    BSTR loading = SysAllocString(L"Loading");
    BSTR title = SysAllocString(L"Card");
    EXPECT_EQ(S_OK, event(DISPID_STATUSTEXTCHANGE, {bstrArgument(loading)}));
    // Given by reference this time: the same text, no second report.
    VARIANT byReference;
    VariantInit(&byReference);
    byReference.vt = VT_BSTR | VT_BYREF;
    byReference.pbstrVal = &loading;
    EXPECT_EQ(S_OK, event(DISPID_STATUSTEXTCHANGE, {byReference}));
    EXPECT_EQ(S_OK, event(DISPID_TITLECHANGE, {bstrArgument(title)}));
    // Outside the table: ignored, still S_OK.
    EXPECT_EQ(S_OK, event(300, {}));
    EXPECT_EQ(S_OK, event(DISPID_STATUSTEXTCHANGE, {}));
    EXPECT_EQ(Log({"status:Loading", "title:Card", "status:"}), log);

    // BeforeNavigate2's arguments, last first: cancel, headers, post data,
    // frame, flags, the address by reference in a variant, the window.
    const struct
    {
        const wchar_t* address;
        VARIANT_BOOL cancelled;
    } navigations[] = {
        {L"about:blank", VARIANT_FALSE}, {L"ABOUT:BLANK", VARIANT_TRUE}, {nullptr, VARIANT_TRUE}};
    for (const auto& row : navigations) {
        BSTR address = row.address ? SysAllocString(row.address) : nullptr;
        VARIANT url = bstrArgument(address);
        VARIANT urlReference;
        VariantInit(&urlReference);
        urlReference.vt = VT_VARIANT | VT_BYREF;
        urlReference.pvarVal = &url;
        VARIANT_BOOL cancel = 7;
        VARIANT empty;
        VariantInit(&empty);
        event(DISPID_BEFORENAVIGATE2,
              {cancelArgument(&cancel), empty, empty, empty, empty, urlReference, empty});
        EXPECT_EQ(row.cancelled, cancel)
            << (row.address ? utf8(String(reinterpret_cast<const char16_t*>(row.address))) : "null");
        SysFreeString(address);
    }
    VARIANT_BOOL cancel = VARIANT_FALSE;
    VARIANT empty;
    VariantInit(&empty);
    event(DISPID_NEWWINDOW2, {cancelArgument(&cancel), empty});
    EXPECT_EQ(VARIANT_TRUE, cancel);
    BSTR page = SysAllocString(L"http://example.com/");
    cancel = VARIANT_FALSE;
    event(DISPID_NEWWINDOW3, {bstrArgument(page), empty, empty, cancelArgument(&cancel), empty});
    EXPECT_EQ(VARIANT_TRUE, cancel);

    SysFreeString(loading);
    SysFreeString(title);
    SysFreeString(page);
}
