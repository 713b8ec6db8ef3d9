// The web view on the widget fakes; the stand-in font is 8 px a character.
#include "tests/support/TestText.h"
#include "tests/support/WidgetFakes.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/events/UIWheelEvent.h"
#include "ui/views/web/BrowserVersion.h"
#include "ui/views/web/UIWebView.h"
#include "ui/views/web/WebViewOption.h"
#include "ui/widgets/range/UIScrollBar.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

using testsupport::text;
using testsupport::utf8;

namespace {

using Log = std::vector<std::string>;

const char kStyle[] = "<style>body { margin: 0; font-size: 16px; line-height: 20px } p { margin: 0 }"
                      " .play { cursor: pointer }</style>";

// Lines of 20 px: "plain words"; "go " then the link "there" (x 24..63);
// the play element "Play" (x 0..31); an image 40 x 20 in a link.
const std::string kClickPage =
    std::string("<html><head><title>Card</title>") + kStyle +
    "</head><body><p>plain words</p><p id=second>go <a href='dest.html' id=go>there</a></p>"
    "<p><span id='@play' class=play>Play</span></p>"
    "<p><a href='cover.html' id=coverlink><img id=cover width=40 height=20></a></p></body></html>";

std::string tallPage(int lines)
{
    std::string html = std::string("<html><head>") + kStyle + "</head><body>";
    for (int i = 0; i < lines; ++i)
        html += "<p id=l" + std::to_string(i) + ">line " + std::to_string(i) + "</p>";
    return html + "</body></html>";
}

class UIWebViewTest : public WidgetTest, public SignalReceiver
{
protected:
    UIWebView* view(const std::string& html, uint32_t options = WebViewOption::BlankOnly, int w = 300)
    {
        auto* v = new UIWebView(top, options);
        if (UIScrollBar* bar = v->verticalScrollBar())
            bar->setStyleProperty(text("thickness"), text("10"));
        v->setGeometry(0, 0, w, 100);
        v->show();
        v->loadFinished.connect(this, &UIWebViewTest::onLoad);
        v->titleChanged.connectString(this, &UIWebViewTest::onTitle);
        v->statusTextChanged.connectString(this, &UIWebViewTest::onStatus);
        v->elementClicked.connectStrings(this, &UIWebViewTest::onElement);
        v->linkClicked.connectStrings(this, &UIWebViewTest::onLink);
        v->mouseReleased.connectWithArg(this, &UIWebViewTest::onRelease);
        EXPECT_TRUE(v->setHtml(text(html)));
        log.clear();
        return v;
    }
    // Modifiers 4 on a right release, to see them passed through.
    Log click(UIWebView* v, Point at, uint32_t button = 1, bool pressFirst = true)
    {
        if (pressFirst)
            send(v, UIMouseEvent(kMousePressEvent, button, button, at, 0));
        log.clear();
        send(v, UIMouseEvent(kMouseReleaseEvent, button, button, at, button == 2 ? 4 : 0));
        return log;
    }

    void onLoad() { log.push_back("load"); }
    void onTitle(String title) { log.push_back("title:" + utf8(title)); }
    void onStatus(String status) { log.push_back("status:" + utf8(status)); }
    void onElement(String tag, String id)
    {
        log.push_back("element:" + utf8(tag) + "," + utf8(id));
        afterElement();
    }
    void onLink(String href, String id) { log.push_back("link:" + utf8(href) + "," + utf8(id)); }
    void onRelease(UIEvent* event)
    {
        const auto* m = static_cast<UIMouseEvent*>(event);
        log.push_back("release:" + std::to_string(m->button()) + "," + std::to_string(m->buttons()) + "," +
                      std::to_string(m->modifiers()));
    }

    Log log;
    std::function<void()> afterElement = [] {};
};

} // namespace

TEST_F(UIWebViewTest, SetHtmlAndNavigateReportTitleOnChangeThenLoad)
{
    UIWebView* v = view("<title>One</title><p>first</p>");
    const struct
    {
        const char* html; // "nav:" and an address: navigates there instead
        bool result;
        Log log;
        const char* text;
    } rows[] = {
        {"<title>One</title><p>again</p>", true, {"load"}, "again"},
        {"", false, {}, "again"},
        {"nav:http://example.com/", false, {}, "again"},
        {"nav:about:blank", true, {"title:", "load"}, ""},
        {"<title>Two</title><p>two</p>", true, {"title:Two", "load"}, "two"},
    };
    for (const auto& row : rows) {
        log.clear();
        const bool nav = std::string(row.html).rfind("nav:", 0) == 0;
        EXPECT_EQ(row.result, nav ? v->navigate(text(row.html + 4)) : v->setHtml(text(row.html))) << row.html;
        EXPECT_EQ(row.log, log) << row.html;
        EXPECT_EQ(row.text, utf8(v->text()).substr(0, utf8(v->text()).find('\n'))) << row.html;
    }
}

TEST_F(UIWebViewTest, ClickRoadReportsOncePerPressUnderTheHandCursorAndSurvivesItsSlots)
{
    UIWebView* v = view(kClickPage);
    const struct
    {
        Point at;
        uint32_t button;
        int cursor;
        Log log;
    } rows[] = {
        {Point(10, 5), 1, 1, {"element:P,", "release:1,1,0"}},
        {Point(30, 25), 1, 5, {"element:A,go", "link:dest.html,go", "release:1,1,0"}},
        {Point(10, 65), 1, 5, {"element:IMG,cover", "link:cover.html,coverlink", "release:1,1,0"}},
        {Point(10, 45), 1, 5, {"element:SPAN,@play", "release:1,1,0"}},
        {Point(100, 45), 1, 1, {"element:P,", "release:1,1,0"}},
        {Point(30, 25), 2, 5, {"release:2,2,4"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.at.x) + "," + std::to_string(row.at.y));
        EXPECT_EQ(row.cursor, v->cursorAt(row.at).shape());
        EXPECT_EQ(row.log, click(v, row.at, row.button));
        EXPECT_EQ((Log{"release:1,1,0"}), click(v, row.at, 1, false)) << "a release without a press";
    }
    log.clear();
    for (const Point& at : {Point(30, 25), Point(40, 25), Point(10, 5), Point(10, 65)})
        mouse(v, kMouseMoveEvent, at.x, at.y);
    EXPECT_EQ((Log{"status:dest.html", "status:", "status:cover.html"}), log) << "once per change";

    // Slots may replace the page or delete the view.
    afterElement = [v] { v->setHtml(text("<p>replaced</p>")); };
    EXPECT_EQ((Log{"element:A,go", "title:", "load", "link:dest.html,go", "release:1,1,0"}),
              click(v, {30, 25}))
        << "the link pressed is reported after the page went";
    EXPECT_EQ("replaced", utf8(v->text()).substr(0, 8));

    ASSERT_TRUE(v->setHtml(text(kClickPage)));
    afterElement = [v] { delete v; };
    EXPECT_EQ((Log{"element:A,go"}), click(v, {30, 25}));
    EXPECT_FALSE(top->hasChildren());
}

TEST_F(UIWebViewTest, WheelKeysAndTheOptionalBarScrollThePage)
{
    // 20 lines of 20 px in a 100 px high view: at most 300 down.
    UIWebView* v = view(tallPage(20), WebViewOption::BlankOnly, 200);
    UIScrollBar* bar = v->verticalScrollBar();
    ASSERT_TRUE(bar->testFlag(UIWidget::kVisible));
    EXPECT_EQ(Rect(190, 0, 10, 100), bar->geometry());
    EXPECT_EQ(300, bar->maximum());
    // Negative: a wheel notch that way (-3 towards the user), else a virtual key.
    const int rows[][3] = {{40, 0, 20}, {-3, 0, 80}, {-4, 0, 20},  {34, 0, 100}, {32, 0, 180}, {32, 1, 100},
                           {33, 0, 20}, {38, 0, 0},  {35, 0, 300}, {40, 0, 300}, {36, 0, 0},   {-4, 0, 0}};
    for (const auto& row : rows) {
        if (row[0] < 0)
            send(v, UIWheelEvent(Point(5, 5), 120, 0, -row[0]));
        else
            send(v, UIKeyEvent(kKeyPressEvent, row[0], uint32_t(row[1]), String()));
        EXPECT_EQ(std::make_pair(row[2], row[2]), std::make_pair(v->scrollPosition().y, bar->value()))
            << "key or wheel " << row[0] << ", modifiers " << row[1] << ": page and bar";
    }
    bar->setValue(200);
    EXPECT_EQ(text("l10"), v->elementIdAt(20, 5)) << "the bar scrolls the page";
    v->resize(200, 250);
    EXPECT_EQ(std::make_pair(150, 150), std::make_pair(v->scrollPosition().y, bar->value()))
        << "a taller view keeps the offset within the page";

    UIWebView* plain = view(tallPage(20), WebViewOption::NoScrollBars, 200);
    EXPECT_EQ(nullptr, plain->verticalScrollBar());
    send(plain, UIKeyEvent(kKeyPressEvent, 35, 0, String()));
    EXPECT_EQ(300, plain->scrollPosition().y) << "keys scroll without a bar";
    const std::vector<WebViewElement> elements = plain->elementsWithIds();
    ASSERT_EQ(20u, elements.size());
    EXPECT_EQ("P:l0", utf8(elements[0].tag) + ":" + utf8(elements[0].id));
    EXPECT_EQ(Rect(0, -300, 200, 20), elements[0].rect) << "the automation dump is in view coordinates";
    EXPECT_EQ("line 19", utf8(plain->elementTextAt(5, 95)));
    EXPECT_EQ(Rect(0, 80, 200, 20), plain->elementRectAt(5, 95));
    EXPECT_EQ(Rect(), plain->elementRectAt(5, 500)) << "outside the view";
}

TEST(BrowserVersion, CutsTheStoredTextAtItsSecondDot)
{
    const char* rows[][2] = {{"11", "11"}, {"9.11.10240.0", "9.11"}, {"7.0", "7.0"}, {"", ""}, {"..", "."}};
    for (const auto& row : rows)
        EXPECT_EQ(row[1], utf8(BrowserVersion::fromStored(text(row[0])))) << row[0];
}
