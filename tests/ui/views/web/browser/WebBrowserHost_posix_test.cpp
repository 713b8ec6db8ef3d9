// The browser host's rules on a stand-in control: waits, the write path,
// the browser's events and the click catcher, reported through a real web
// view's signals.
#include "tests/support/TestText.h"
#include "tests/support/WidgetFakes.h"
#include "tests/ui/views/web/WebViewTestSupport.h"
#include "tests/ui/views/web/browser/FakeWebBrowserControl.h"
#include "ui/views/web/UIWebView.h"
#include "ui/views/web/WebViewEventSink.h"
#include "ui/views/web/WebViewOption.h"
#include "ui/views/web/browser/WebBrowserClickCatcher.h"
#include "ui/views/web/browser/WebBrowserHost.h"

#include <memory>
#include <string>
#include <vector>

using testsupport::utf8;

namespace {

using webviewtest::Log;

class WebBrowserHostTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        view = new UIWebView(top, 0);
        signals.listenTo(view);
        sink = std::make_unique<WebViewEventSink>(view);
    }
    void TearDown() override
    {
        host.reset();
        sink.reset();
        WidgetTest::TearDown();
    }
    // The control and pump stay reachable through the two pointers.
    void makeHost(uint32_t options, bool withDocument = true)
    {
        auto made = std::make_unique<FakeWebBrowserControl>();
        made->document = withDocument;
        control = made.get();
        pump = std::make_shared<FakeWebBrowserPump>();
        host = std::make_unique<WebBrowserHost>(std::move(made), pump, sink.get(), options);
        control->calls.clear();
        log.clear();
    }

    UIWebView* view = nullptr;
    std::unique_ptr<WebViewEventSink> sink;
    std::unique_ptr<WebBrowserHost> host;
    FakeWebBrowserControl* control = nullptr;
    std::shared_ptr<FakeWebBrowserPump> pump;
    webviewtest::SignalLog signals;
    Log& log = signals.entries;
};

} // namespace

TEST_F(WebBrowserHostTest, ANewHostWithoutDocumentNavigatesToBlankAndWaits)
{
    makeHost(0, false);
    // Made again to see the construction's own calls.
    auto made = std::make_unique<FakeWebBrowserControl>();
    made->document = false;
    FakeWebBrowserControl* fresh = made.get();
    WebBrowserHost second(std::move(made), pump, sink.get(), 0);
    EXPECT_EQ(Log({"navigate"}), fresh->calls);
    EXPECT_EQ(&second.events(), fresh->events);
}

TEST_F(WebBrowserHostTest, WaitsEndAtOnceCompleteCappedOrFailed)
{
    const struct
    {
        const char* name;
        int seconds;
        int state;
        bool readable;
        bool quit;
        bool result;
        int passes;
        int64_t clock;
    } rows[] = {
        // A wait of 0 never looks at the control.
        {"zero", 0, 1, true, false, true, 0, 0},
        {"complete", 5, 4, true, false, true, 1, 0},
        {"unreadable", 5, 1, false, false, false, 1, 0},
        // Time is read before each pass's sleep: a limit of 3 s runs 31
        // passes.
        {"three seconds", 3, 1, true, false, false, 31, 3100},
        // The longest wait is 10 s, not an hour.
        {"forever", -1, 3, true, false, false, 101, 10100},
        {"too long", 3600, 3, true, false, false, 101, 10100},
        {"quit", 5, 1, true, true, false, 1, 0},
    };
    for (const auto& row : rows) {
        makeHost(0);
        control->state = row.state;
        control->readable = row.readable;
        pump->quit = row.quit;
        EXPECT_EQ(row.result, host->waitUntilComplete(row.seconds)) << row.name;
        EXPECT_EQ(row.passes, pump->passes) << row.name;
        EXPECT_EQ(row.clock, pump->clock) << row.name;
    }
}

TEST_F(WebBrowserHostTest, AHandlerDeletingTheHostEndsItsWait)
{
    makeHost(0);
    control->state = 1;
    pump->onPass = [&] { host.reset(); };
    WebBrowserHost* waiting = host.get();
    EXPECT_FALSE(waiting->waitUntilComplete(-1));
    EXPECT_EQ(1, pump->passes);
}

TEST_F(WebBrowserHostTest, WaitsNestNoDeeperThanEight)
{
    makeHost(0);
    control->state = 1;
    int depth = 0;
    int deepest = 0;
    pump->onPass = [&] {
        ++depth;
        deepest = std::max(deepest, depth);
        // Each nested wait ends at once once the cap is reached.
        if (depth < 20)
            host->waitUntilComplete(1);
        --depth;
        control->state = 4;
    };
    EXPECT_TRUE(host->waitUntilComplete(1));
    EXPECT_EQ(WebBrowserHost::kMaxWaitDepth, deepest);
}

TEST_F(WebBrowserHostTest, WriteEmptiesOpensWritesClosesThenWaits)
{
    const struct
    {
        const char* html;
        bool failOpen;
        bool failWrite;
        bool result;
        Log calls;
    } rows[] = {
        {"", false, false, false, {}},
        {"<p>x</p>", false, false, true, {"open", "cache", "open", "write", "close"}},
        // A failed write still closes the document.
        {"<p>x</p>", false, true, false, {"open", "cache", "open", "write", "close"}},
        {"<p>x</p>", true, false, false, {"open", "open"}},
    };
    for (const auto& row : rows) {
        makeHost(0);
        control->failOpen = row.failOpen;
        control->failWrite = row.failWrite;
        EXPECT_EQ(row.result, host->setHtml(testsupport::text(row.html))) << row.html;
        EXPECT_EQ(row.calls, control->calls) << row.html;
    }
}

TEST_F(WebBrowserHostTest, NavigateWithoutWaitTrustsTheControlAlone)
{
    makeHost(0);
    control->state = 1;
    EXPECT_TRUE(host->navigate(String(u"about:blank")));
    EXPECT_EQ(0, pump->passes);
}

TEST_F(WebBrowserHostTest, ReadyStateZoomAndUserAgentAnswers)
{
    makeHost(0);
    const struct
    {
        int state;
        bool readable;
        int answer;
    } states[] = {{4, true, 0}, {1, true, 1}, {3, true, 1}, {0, true, 2}, {5, true, 2}, {4, false, 2}};
    for (const auto& row : states) {
        control->state = row.state;
        control->readable = row.readable;
        EXPECT_EQ(row.answer, host->readyState()) << row.state << " " << row.readable;
    }
    EXPECT_EQ(150, host->zoom());
    control->zoomWorks = false;
    EXPECT_EQ(100, host->zoom());
    host->setUserAgent(String(u"Reel/1"));
    EXPECT_EQ("Reel/1", utf8(host->userAgent()));
    // A control that cannot hear of the change keeps no agent.
    control->oleControl = false;
    host->setUserAgent(String(u"Reel/2"));
    EXPECT_TRUE(host->userAgent().isEmpty());
}

TEST_F(WebBrowserHostTest, EventsReportChangesOnceFilterNavigationAndCompleteTheTopFrameOnly)
{
    makeHost(WebViewOption::BlankOnly);
    WebBrowserEvents& events = host->events();
    events.statusTextChange(String(u"Loading"));
    events.statusTextChange(String(u"Loading"));
    events.titleChange(String(u"Card"));
    events.titleChange(String(u"Card"));
    events.statusTextChange(String());
    control->state = 3;
    events.documentComplete(true);
    control->state = 4;
    events.documentComplete(false);
    events.documentComplete(true);
    EXPECT_EQ(Log({"status:Loading", "title:Card", "status:", "load"}), log);

    const String blank(u"about:blank");
    const String upper(u"ABOUT:BLANK");
    EXPECT_FALSE(events.beforeNavigate(&blank));
    EXPECT_TRUE(events.beforeNavigate(&upper));
    EXPECT_TRUE(events.beforeNavigate(nullptr));
    EXPECT_TRUE(events.newWindow2());
    EXPECT_TRUE(events.newWindow3(&upper));
    EXPECT_FALSE(events.newWindow3(&blank));

    const struct
    {
        int command;
        bool enabled;
        bool back;
        bool forward;
    } commands[] = {
        {2, true, true, false}, {1, true, true, true}, {2, false, false, true}, {7, false, false, true}};
    for (const auto& row : commands) {
        events.commandStateChange(row.command, row.enabled);
        EXPECT_EQ(row.back, host->canGoBack()) << row.command;
        EXPECT_EQ(row.forward, host->canGoForward()) << row.command;
    }
}

TEST_F(WebBrowserHostTest, TheClickCatcherReportsOneReleasePerPress)
{
    makeHost(0);
    control->elements = {{Rect(0, 0, 100, 20), u"P", u"", u""},
                         {Rect(0, 20, 100, 20), u"a", u"go", u"dest.html"},
                         {Rect(0, 40, 100, 20), u"IMG", u"cover", u"cover.html"}};
    const struct
    {
        const char* name;
        uint32_t message;
        uintptr_t keys;
        Point at;
        bool pressFirst;
        Log log;
    } rows[] = {
        {"paragraph", 0x202, 0, Point(5, 5), true, {"element:P,"}},
        {"anchor", 0x202, 0, Point(5, 25), true, {"element:a,go", "link:dest.html,go"}},
        {"image in a link", 0x202, 0, Point(5, 45), true, {"element:IMG,cover", "link:cover.html,cover"}},
        {"nothing there", 0x202, 0, Point(5, 95), true, {}},
        {"without press", 0x202, 0, Point(5, 25), false, {}},
        {"middle", 0x208, 0, Point(5, 25), true, {}},
        // Shift held, left and middle buttons still down.
        {"right", 0x205, 0x1 | 0x10, Point(7, 9), true, {"release:2,5,1@7,9"}},
    };
    WebBrowserClickCatcher catcher(control, sink.get());
    // A release nobody pressed for goes unreported.
    catcher.message(0x202, 0, Point(5, 5), 0);
    for (const auto& row : rows) {
        if (row.pressFirst) {
            EXPECT_EQ(WebBrowserClickCatcher::kTakeFocus, catcher.message(0x201, 0x1, row.at, 0)) << row.name;
        }
        log.clear();
        EXPECT_EQ(WebBrowserClickCatcher::kNothing, catcher.message(row.message, row.keys, row.at, 1))
            << row.name;
        EXPECT_EQ(row.log, log) << row.name;
        log.clear();
        catcher.message(row.message, row.keys, row.at, 1);
        EXPECT_TRUE(log.empty()) << row.name << ": second release";
    }
}

TEST_F(WebBrowserHostTest, AClickSlotDeletingTheViewEndsTheReport)
{
    makeHost(0);
    control->elements = {{Rect(0, 0, 100, 20), u"A", u"go", u"dest.html"}};
    WebBrowserClickCatcher catcher(control, sink.get());
    signals.afterElement = [&] {
        host.reset();
        delete view;
        view = nullptr;
    };
    catcher.message(0x201, 0x1, Point(5, 5), 0);
    catcher.message(0x202, 0, Point(5, 5), 0);
    EXPECT_EQ(Log({"element:A,go"}), log);
}
