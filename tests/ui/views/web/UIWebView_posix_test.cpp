// The web view on the widget fakes; the stand-in font is 8 px a character.
#include "tests/support/TestText.h"
#include "tests/support/WidgetFakes.h"
#include "ui/core/automation/UIAutomationDescriber.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/events/UIWheelEvent.h"
#include "ui/core/input/UIClipboard.h"
#include "ui/views/web/BrowserVersion.h"
#include "ui/views/web/UIWebView.h"
#include "ui/views/web/UIWebViewDescriber.h"
#include "ui/views/web/WebViewHistory.h"
#include "ui/views/web/WebViewOption.h"
#include "ui/views/web/WebViewPrinter.h"
#include "ui/widgets/range/UIScrollBar.h"

#include <functional>
#include <iterator>
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

TEST_F(UIWebViewTest, DrivenEntriesAreTheIdsThenTheAnchorsByTheirWordsAndEachCentreHitsItsElement)
{
    installWebViewDescriber();
    UIWebView* v = view(kClickPage);
    const UIAutomationDescriber* describer = UIAutomationDescriber::forWidget(v);
    ASSERT_NE(nullptr, describer);
    const struct
    {
        const char* text;
        Log clicked;
    } rows[] = {
        {"second", {"element:P,second", "release:1,1,0"}},
        {"go", {"element:A,go", "link:dest.html,go", "release:1,1,0"}},
        {"@play", {"element:SPAN,@play", "release:1,1,0"}},
        {"coverlink", {"element:IMG,cover", "link:cover.html,coverlink", "release:1,1,0"}},
        {"cover", {"element:IMG,cover", "link:cover.html,coverlink", "release:1,1,0"}},
        // The anchors again, by what they show: an image link shows no words.
        {"there", {"element:A,go", "link:dest.html,go", "release:1,1,0"}},
        {"", {"element:IMG,cover", "link:cover.html,coverlink", "release:1,1,0"}},
    };
    ASSERT_EQ(int(std::size(rows)), describer->itemCount(v));
    for (int i = 0; i < int(std::size(rows)); ++i) {
        const UIAutomationItem entry = describer->item(v, i);
        EXPECT_EQ(rows[i].text, utf8(entry.text)) << i;
        EXPECT_EQ(rows[i].clicked, click(v, entry.rect.center())) << i;
    }
    EXPECT_EQ("", utf8(describer->item(v, int(std::size(rows))).text)) << "past the end";
    const std::vector<WebViewElement> anchors = v->anchors();
    ASSERT_EQ(2u, anchors.size());
    EXPECT_EQ("dest.html:A", utf8(anchors[0].href) + ":" + utf8(anchors[0].tag));
    EXPECT_EQ("24+40", std::to_string(anchors[0].rect.x) + "+" + std::to_string(anchors[0].rect.width));
    EXPECT_TRUE(Rect(0, 20, 300, 20).containsRect(anchors[0].rect)) << "on the second line";

    // Below the view: a click's reveal scrolls the entry into it first.
    v = view(tallPage(20) + "<p><a href='far.html'>far</a></p>");
    const int far = describer->itemCount(v) - 1;
    EXPECT_FALSE(Rect(0, 0, 300, 100).containsRect(describer->item(v, far).rect));
    describer->reveal(v, far);
    const Rect shown = describer->item(v, far).rect;
    EXPECT_TRUE(Rect(0, 0, 300, 100).containsRect(shown)) << shown.y;
    EXPECT_EQ((Log{"element:A,", "link:far.html,", "release:1,1,0"}), click(v, shown.center()));
    describer->reveal(v, 0);
    EXPECT_EQ(0, v->scrollPosition().y) << "an entry above is scrolled to as well";
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

// The automation dump of the id'd elements: document order, tag, and a
// rectangle on screen where a click finds that element, moved by the scroll;
// inline boxes are as tall as their font, not their line.
TEST_F(UIWebViewTest, ElementsWithIdsAreListedWithTagAndScreenRectangle)
{
    UIWebView* v = view(kClickPage);
    v->move(30, 40);
    const Point origin = v->mapToGlobal(Point(0, 0));
    struct Row
    {
        const char* id;
        const char* tag;
        int width, height;
        bool leaf;
    };
    const Row rows[] = {{"second", "P", 300, 20, false},
                        {"go", "A", 40, 16, true},
                        {"@play", "SPAN", 32, 16, true},
                        {"coverlink", "A", -1, -1, false},
                        {"cover", "IMG", 40, 20, true}};
    const JsonValue elements = webViewElementsJson(*v);
    ASSERT_EQ(elements.size(), int(std::size(rows))) << elements.write();
    for (size_t i = 0; i < std::size(rows); ++i) {
        const Row& row = rows[i];
        const JsonValue& element = elements.at(int(i));
        EXPECT_EQ(element["id"].toText(), row.id) << i;
        EXPECT_EQ(element["tag"].toText(), row.tag) << row.id;
        const JsonValue& rect = element["rect"];
        if (row.width >= 0) {
            EXPECT_EQ(std::make_pair(rect.at(2).toInt(), rect.at(3).toInt()), std::make_pair(row.width, row.height))
                << row.id;
        }
        const int x = rect.at(0).toInt() - origin.x + rect.at(2).toInt() / 2;
        const int y = rect.at(1).toInt() - origin.y + rect.at(3).toInt() / 2;
        if (row.leaf) {
            EXPECT_EQ(utf8(v->elementIdAt(x, y)), row.id) << "clicked at its centre";
        }
    }

    UIWebView* tall = view(tallPage(20), WebViewOption::NoScrollBars, 200);
    const int before = webViewElementsJson(*tall).at(3)["rect"].at(1).toInt();
    tall->scrollTo(Point(0, 50));
    const JsonValue scrolled = webViewElementsJson(*tall);
    EXPECT_EQ(scrolled.size(), 20);
    EXPECT_EQ(scrolled.at(3)["rect"].at(1).toInt(), before - 50) << "the scroll moves the rectangles";
    EXPECT_EQ(webViewElementsJson(*view("<p>no ids</p>")).size(), 0);
}

TEST_F(UIWebViewTest, TextIsMarkedByDragAndShiftArrowsAndCopied)
{
    // "plain words" on the first line; "go " and the link "there" on the
    // second; 8 px a character.
    UIWebView* v = view(kClickPage);
    auto key = [&](int code, uint32_t modifiers) {
        send(v, UIKeyEvent(kKeyPressEvent, code, modifiers, String()));
    };
    EXPECT_EQ("", utf8(v->selectedText()));
    send(v, UIMouseEvent(kMousePressEvent, 1, 1, Point(9, 5), 0));
    send(v, UIMouseEvent(kMouseMoveEvent, 1, 0, Point(39, 6), 0));
    EXPECT_EQ("lain", utf8(v->selectedText()));
    send(v, UIMouseEvent(kMouseMoveEvent, 1, 0, Point(17, 25), 0));
    send(v, UIMouseEvent(kMouseReleaseEvent, 0, 1, Point(17, 25), 0));
    EXPECT_EQ("lain words\r\ngo", utf8(v->selectedText()));
    send(v, UIMouseEvent(kMouseMoveEvent, 0, 0, Point(90, 5), 0));
    EXPECT_EQ("lain words\r\ngo", utf8(v->selectedText())) << "a move without the button marks nothing";

    const struct
    {
        int key;
        const char* marked;
    } steps[] = {
        {39, "lain words\r\ngo "},
        {39, "lain words\r\ngo t"}, // into the link, one letter on
        {38, "lai"},                // up: the same x on the line above
        {37, "la"},
        {37, "l"},
        {37, ""},
        {37, "p"},
        {40, "lain words"}, // down from x 0: the start of the second line
    };
    for (const auto& step : steps) {
        key(step.key, UIKeyEvent::kShiftModifier);
        EXPECT_EQ(step.marked, utf8(v->selectedText())) << "key " << step.key;
    }
    EXPECT_EQ(0, v->scrollPosition().y) << "Shift with an arrow marks instead of scrolling";
    key(67, 2);
    EXPECT_EQ("lain words", utf8(UIClipboard().text()));

    // A new press starts a new marking; a new page has none.
    send(v, UIMouseEvent(kMousePressEvent, 1, 1, Point(9, 5), 0));
    send(v, UIMouseEvent(kMouseReleaseEvent, 0, 1, Point(9, 5), 0));
    EXPECT_EQ("", utf8(v->selectedText()));
    key(39, UIKeyEvent::kShiftModifier);
    EXPECT_EQ("l", utf8(v->selectedText()));
    ASSERT_TRUE(v->setHtml(text(kClickPage)));
    EXPECT_EQ("", utf8(v->selectedText()));
    key(39, UIKeyEvent::kShiftModifier);
    EXPECT_EQ("p", utf8(v->selectedText())) << "without a marking the keys start at the first line in view";
}

TEST_F(UIWebViewTest, BackAndForwardThroughThePagesGiven)
{
    UIWebView* v = view("<title>One</title><p>one</p>");
    auto shown = [&] { return utf8(v->text()).substr(0, utf8(v->text()).find('\n')); };
    EXPECT_FALSE(v->canGoBack());
    EXPECT_FALSE(v->canGoForward());
    ASSERT_TRUE(v->setHtml(text("<p>two</p>")));
    ASSERT_TRUE(v->navigate(text("about:blank")));
    ASSERT_TRUE(v->setHtml(text("<p>four</p>")));
    EXPECT_FALSE(v->setHtml(String())) << "a refused page is no page of the history";
    EXPECT_FALSE(v->navigate(text("http://example.com/")));
    const struct
    {
        void (UIWebView::*step)();
        const char* shown;
        bool back, forward;
    } steps[] = {
        {&UIWebView::back, "", true, true},         {&UIWebView::back, "two", true, true},
        {&UIWebView::back, "one", false, true},     {&UIWebView::back, "one", false, true},
        {&UIWebView::forward, "two", true, true},   {&UIWebView::refresh, "two", true, true},
        {&UIWebView::forward, "", true, true},      {&UIWebView::forward, "four", true, false},
        {&UIWebView::forward, "four", true, false},
    };
    for (const auto& step : steps) {
        (v->*step.step)();
        EXPECT_EQ(step.shown, shown());
        EXPECT_EQ(step.back, v->canGoBack()) << step.shown;
        EXPECT_EQ(step.forward, v->canGoForward()) << step.shown;
    }
    v->back();
    v->back();
    log.clear();
    ASSERT_TRUE(v->setHtml(text("<p>five</p>")));
    EXPECT_FALSE(v->canGoForward()) << "a new page drops the pages ahead";
    v->back();
    EXPECT_EQ("two", shown());
    EXPECT_EQ((Log{"load", "load"}), log) << "each page shown reports its load";
}

TEST(WebViewHistory, KeepsTheLatestPages)
{
    WebViewHistory history;
    String page;
    EXPECT_FALSE(history.current(page));
    for (int i = 0; i < WebViewHistory::kMaxPages + 5; ++i)
        history.add(String::fromInt(i));
    EXPECT_EQ(WebViewHistory::kMaxPages, history.count());
    int steps = 0;
    while (history.goBack(page))
        ++steps;
    EXPECT_EQ(WebViewHistory::kMaxPages - 1, steps);
    EXPECT_EQ("5", utf8(page)) << "the oldest went first";
}

TEST(WebViewPrinter, APageGoesOnAsManySheetsAsItsLengthNeeds)
{
    const struct
    {
        Size picture, printable;
        std::vector<Rect> bands;
    } rows[] = {
        {Size(1000, 3000),
         Size(4000, 5000),
         {Rect(0, 0, 1000, 1250), Rect(0, 1250, 1000, 1250), Rect(0, 2500, 1000, 500)}},
        {Size(1000, 1250), Size(4000, 5000), {Rect(0, 0, 1000, 1250)}},
        {Size(1000, 10), Size(4000, 5000), {Rect(0, 0, 1000, 10)}},
        {Size(4000, 3), Size(1000, 1), {Rect(0, 0, 4000, 3)}},
        {Size(100000, 3), Size(1, 1), {Rect(0, 0, 100000, 3)}},
        {Size(0, 10), Size(4000, 5000), {}},
        {Size(1000, 10), Size(0, 5000), {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.bands, WebViewPrinter::sheetBands(row.picture, row.printable))
            << row.picture.width << "x" << row.picture.height;
}

TEST(BrowserVersion, CutsTheStoredTextAtItsSecondDot)
{
    const char* rows[][2] = {{"11", "11"}, {"9.11.10240.0", "9.11"}, {"7.0", "7.0"}, {"", ""}, {"..", "."}};
    for (const auto& row : rows)
        EXPECT_EQ(row[1], utf8(BrowserVersion::fromStored(text(row[0])))) << row[0];
}
