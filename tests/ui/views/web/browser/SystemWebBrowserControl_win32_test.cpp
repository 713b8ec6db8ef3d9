// The browser host on the system side, with a COM stand-in for the browser
// control: the embedding order, the events coming back through the advised
// dispatch, placing, showing and commands, clicks caught in the control's
// innermost window, and everything given back at the end.
#include "tests/support/TestText.h"
#include "tests/support/UIHarness.h"
#include "tests/ui/views/web/WebViewTestSupport.h"
#include "tests/ui/views/web/browser/BrowserWindowTest.h"
#include "tests/ui/views/web/browser/StandInBrowser.h"
#include "tests/ui/views/web/browser/StandInDocument.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/views/web/UIWebView.h"
#include "ui/views/web/WebViewEngine.h"
#include "ui/views/web/WebViewEventSink.h"
#include "ui/views/web/WebViewOption.h"
#include "ui/views/web/browser/SystemWebBrowserControl.h"
#include "ui/views/web/browser/WebBrowserHost.h"
#include "ui/views/web/browser/WebBrowserHostWindow.h"
#include "ui/views/web/browser/WebBrowserPump.h"
#include "ui/views/web/browser/WebBrowserSubclass.h"

#include <exdispid.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using testsupport::UIHarness;
using testsupport::utf8;

namespace {

using webviewtest::Log;

const Log kBarsOff = {"put_MenuBar 0",   "put_AddressBar 0",        "put_ToolBar 0",
                      "put_StatusBar 0", "put_RegisterAsBrowser 0", "put_RegisterAsDropTarget 0"};

Log joined(std::initializer_list<Log> parts)
{
    Log all;
    for (const Log& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

VARIANT dispatchArgument(IDispatch* value)
{
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_DISPATCH;
    argument.pdispVal = value;
    return argument;
}

// The stand-in the views below are given instead of the system's browser.
StandInBrowser* standIn = nullptr;

std::unique_ptr<WebViewEngine> standInEngine(void* parentWindow, WebViewEventSink* sink, uint32_t options)
{
    auto control =
        std::make_unique<SystemWebBrowserControl>(parentWindow, sink, static_cast<IWebBrowser2*>(standIn));
    return std::make_unique<WebBrowserHost>(std::move(control), std::make_shared<WebBrowserPump>(), sink,
                                            options);
}

class SystemWebBrowserControlTest : public BrowserWindowTest
{
protected:
    void TearDown() override
    {
        host.reset();
        BrowserWindowTest::TearDown();
    }
    void makeHost(uint32_t options)
    {
        auto made = std::make_unique<SystemWebBrowserControl>(window->windowHandle(), sink.get(),
                                                              static_cast<IWebBrowser2*>(&browser));
        control = made.get();
        host = std::make_unique<WebBrowserHost>(std::move(made), std::make_shared<WebBrowserPump>(),
                                                sink.get(), options);
    }
    HWND hostWindow() const { return static_cast<HWND>(control->hostWindow().handle()); }

    StandInBrowser browser;
    std::unique_ptr<WebBrowserHost> host;
    SystemWebBrowserControl* control = nullptr;
};

} // namespace

TEST_F(SystemWebBrowserControlTest, TheControlIsEmbeddedInOrderAndGivenBackWhole)
{
    const struct
    {
        DWORD status;
        Log made;
    } rows[] = {
        {0, joined({{"GetMiscStatus", "SetObjectRects 0 0", "DoVerb -5", "SetClientSite", "SetHostNames",
                     "Advise"},
                    kBarsOff,
                    {"Navigate2 about:blank"}})},
        // A control that wants its site first gets it before activation.
        {0x20000, joined({{"GetMiscStatus", "SetClientSite", "SetHostNames", "SetObjectRects 0 0",
                           "DoVerb -5", "Advise"},
                          kBarsOff,
                          {"Navigate2 about:blank"}})},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.status);
        browser.calls.clear();
        browser.miscStatus = row.status;
        makeHost(0);
        ASSERT_TRUE(control->isCreated());
        EXPECT_EQ(row.made, browser.calls);
        EXPECT_EQ(hostWindow(), browser.frameWindow) << "the window context is the host window";
        ASSERT_NE(nullptr, browser.innermost);
        EXPECT_NE(nullptr, GetPropW(browser.innermost, WebBrowserSubclass::kSubclassProperty))
            << "the page's window is hooked as soon as it is there";

        browser.calls.clear();
        host.reset();
        EXPECT_EQ(
            (Log{"Unadvise", "Stop", "UIDeactivate", "InPlaceDeactivate", "Close 1", "SetClientSite null"}),
            browser.calls);
        EXPECT_EQ(1, browser.references()) << "every reference given back";
        EXPECT_EQ(nullptr, browser.clientSite);
        EXPECT_EQ(nullptr, browser.events);
    }
}

TEST_F(SystemWebBrowserControlTest, TheControlsEventsReachTheView)
{
    makeHost(WebViewOption::BlankOnly);
    log.clear();
    BSTR status = SysAllocString(L"Ready");
    VARIANT text;
    VariantInit(&text);
    text.vt = VT_BSTR;
    text.bstrVal = status;
    browser.fire(DISPID_STATUSTEXTCHANGE, {text});
    VARIANT empty;
    VariantInit(&empty);
    // A frame's window is another object than the control itself.
    browser.fire(DISPID_DOCUMENTCOMPLETE, {empty, dispatchArgument(browser.events)});
    browser.fire(DISPID_DOCUMENTCOMPLETE, {empty, dispatchArgument(static_cast<IWebBrowser2*>(&browser))});
    EXPECT_EQ((Log{"status:Ready", "load"}), log);

    SysFreeString(status);
}

TEST_F(SystemWebBrowserControlTest, PlacingShowingAndCommandsGoToTheControl)
{
    makeHost(0);
    browser.calls.clear();
    host->setPlace(Rect(10, 20, 140, 70));
    auto placed = [&] {
        RECT area = {};
        GetWindowRect(hostWindow(), &area);
        MapWindowPoints(nullptr, static_cast<HWND>(window->windowHandle()), reinterpret_cast<POINT*>(&area),
                        2);
        return Rect(area.left, area.top, area.right - area.left, area.bottom - area.top);
    };
    EXPECT_EQ(Rect(10, 20, 140, 70), placed());
    host->setVisible(true);
    EXPECT_TRUE(IsWindowVisible(hostWindow()));
    host->setZoom(150);
    EXPECT_EQ(125, host->zoom());
    EXPECT_TRUE(host->navigate(String(u"http://example.com/")));
    host->goBack();
    host->setUserAgent(String(u"Reel/1"));
    EXPECT_EQ((Log{"put_Width 140", "put_Height 70", "SetObjectRects 140 70", "put_Visible -1",
                   "ExecWB 63 2 in 150", "ExecWB 63 2", "Navigate2 http://example.com/", "GoBack",
                   "OnAmbientPropertyChange -5513"}),
              browser.calls);
    EXPECT_EQ("Reel/1", utf8(host->userAgent()));
    // A snapshot sizes the window to the page, then puts it back; without a
    // document there is no page to draw.
    EXPECT_TRUE(host->snapshot(300).isNull());
    EXPECT_EQ(Rect(10, 20, 140, 70), placed());

    const struct
    {
        READYSTATE state;
        int answer;
    } states[] = {{READYSTATE_COMPLETE, 0}, {READYSTATE_INTERACTIVE, 1}, {READYSTATE_UNINITIALIZED, 2}};
    for (const auto& row : states) {
        browser.readyState = row.state;
        EXPECT_EQ(row.answer, host->readyState()) << int(row.state);
    }
    browser.zoomPercent = 0;
    EXPECT_EQ(100, host->zoom()) << "a zoom the control cannot tell";
    browser.offersOleControl = false;
    host->setUserAgent(String(u"Reel/2"));
    EXPECT_TRUE(host->userAgent().isEmpty());

    // Silence reaches the download control the site answers.
    host->setSilent(true);
    EXPECT_TRUE(host->isSilent());
    IDispatch* ambient = nullptr;
    ASSERT_EQ(S_OK, browser.clientSite->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&ambient)));
    VARIANT control;
    VariantInit(&control);
    DISPPARAMS none = {};
    EXPECT_EQ(S_OK,
              ambient->Invoke(-5512, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &control, nullptr, nullptr));
    EXPECT_EQ(0x40000070, control.lVal);
    ambient->Release();
}

TEST_F(SystemWebBrowserControlTest, ReleasesInThePagesWindowReachTheView)
{
    makeHost(0);
    ASSERT_NE(nullptr, browser.innermost);
    log.clear();
    const LPARAM at = MAKELPARAM(5, 5);
    PostMessageW(browser.innermost, WM_RBUTTONDOWN, MK_RBUTTON, at);
    PostMessageW(browser.innermost, WM_RBUTTONUP, MK_LBUTTON, at);
    // Without a document a left click finds no element to report.
    PostMessageW(browser.innermost, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(browser.innermost, WM_LBUTTONUP, 0, at);
    UIHarness::pumpFor(50);
    EXPECT_EQ((Log{"release:2,1,0@5,5"}), log);
}

// A click on a link reports the target as the page wrote it, not the
// control's resolved href, which makes a "file:" address of a local path; a
// control that cannot read the attribute leaves the resolved one.
TEST_F(SystemWebBrowserControlTest, AClickedLinkReportsItsTargetAsThePageWroteIt)
{
    makeHost(0);
    ASSERT_NE(nullptr, browser.innermost);
    StandInDocument page;
    browser.page = static_cast<IHTMLDocument2*>(&page);
    const struct
    {
        const wchar_t* written;
        const wchar_t* resolved;
        bool readsAttributes;
        const char* reported;
    } rows[] = {
        {L"C:\\Movies\\Heat.avi", L"file:///C:/Movies/Heat.avi", true, "link:C:\\Movies\\Heat.avi,"},
        {L"C:\\Movies\\", L"file:///C:/Movies/", true, "link:C:\\Movies\\,"},
        {L"http://example.org/trailer", L"http://example.org/trailer", true,
         "link:http://example.org/trailer,"},
        {L"", L"", true, "link:,"},
        {L"C:\\My Movies\\Heat.avi", L"file:///C:/My%20Movies/Heat.avi", false,
         "link:file:///C:/My%20Movies/Heat.avi,"},
    };
    const LPARAM at = MAKELPARAM(5, 5);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.reported);
        page.anchor.written = row.written;
        page.anchor.resolved = row.resolved;
        page.anchor.readsAttributes = row.readsAttributes;
        page.anchor.attributeFlags = -1;
        log.clear();
        PostMessageW(browser.innermost, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(browser.innermost, WM_LBUTTONUP, 0, at);
        UIHarness::pumpFor(50);
        EXPECT_EQ((Log{"element:A,", row.reported}), log);
        EXPECT_EQ(2, page.anchor.attributeFlags) << "the attribute as written";
    }
    host.reset();
    browser.page = nullptr;
    EXPECT_EQ(1, page.references()) << "every reference given back";
    EXPECT_EQ(1, page.anchor.references());
}

// Wherever the view goes, by its own move, its container's or a resize, the
// browser's window lies over it; it hides and shows with the view.
TEST_F(SystemWebBrowserControlTest, TheBrowsersWindowFollowsTheViewsPlace)
{
    standIn = &browser;
    UIWebView::setSystemEngineMaker(&standInEngine);
    auto* box = new UIWidget(window);
    box->setLayoutEnabled(false);
    box->setGeometry(0, 0, 300, 200);
    box->show();
    auto* shown = new UIWebView(box, 0);
    UIWebView::setSystemEngineMaker(nullptr);
    HWND browserWindow = FindWindowExW(topHandle(), nullptr, WebBrowserHostWindow::kClassName, nullptr);
    ASSERT_NE(nullptr, browserWindow) << "the view took the stand-in";
    auto placed = [&] {
        RECT area = {};
        GetWindowRect(browserWindow, &area);
        MapWindowPoints(nullptr, topHandle(), reinterpret_cast<POINT*>(&area), 2);
        return Rect(area.left, area.top, area.right - area.left, area.bottom - area.top);
    };
    shown->show();
    EXPECT_TRUE(IsWindowVisible(browserWindow));
    const struct
    {
        const char* change;
        Rect view;
        Point box;
        Rect expected;
    } rows[] = {
        {"view placed", Rect(10, 10, 200, 100), Point(0, 0), Rect(10, 10, 200, 100)},
        {"view moved", Rect(20, 15, 200, 100), Point(0, 0), Rect(20, 15, 200, 100)},
        {"container moved", Rect(20, 15, 200, 100), Point(30, 20), Rect(50, 35, 200, 100)},
        {"view resized", Rect(20, 15, 120, 80), Point(30, 20), Rect(50, 35, 120, 80)},
    };
    for (const auto& row : rows) {
        shown->setGeometry(row.view.x, row.view.y, row.view.width, row.view.height);
        box->move(row.box.x, row.box.y);
        UIHarness::pump();
        EXPECT_EQ(row.expected, placed()) << row.change;
    }
    shown->hide();
    EXPECT_FALSE(IsWindowVisible(browserWindow));
    delete shown;
    EXPECT_FALSE(IsWindow(browserWindow));
    EXPECT_EQ(1, browser.references());
}
