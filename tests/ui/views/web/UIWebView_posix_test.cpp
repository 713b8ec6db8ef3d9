// The web view on our own engine, on the widget fakes and the fixed-width
// stand-in font (16 px text is 8 px a character). Pages set 20 px lines so
// that positions can be worked out by hand.
#include "tests/support/TestText.h"
#include "tests/support/WidgetFakes.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/events/UIWheelEvent.h"
#include "ui/views/web/BrowserVersion.h"
#include "ui/views/web/UIWebView.h"
#include "ui/views/web/WebViewOption.h"
#include "ui/widgets/UIScrollBar.h"

#include <string>
#include <vector>

using testsupport::text;
using testsupport::utf8;

namespace {

const char kStyle[] = "<style>body { margin: 0; font-size: 16px; line-height: 20px } p { margin: 0 }"
                      " .play { cursor: pointer }</style>";

// Line 1 (y 0..19): a paragraph "plain words". Line 2: "go " then the link
// "there" (x 24..63). Line 3: the play element "Play" (x 0..31). Line 4
// (from y 60): an image 40 x 20 inside a link.
std::string clickPage()
{
    return std::string("<html><head><title>Card</title>") + kStyle +
           "</head><body><p>plain words</p>"
           "<p id=second>go <a href='dest.html' id=go>there</a></p>"
           "<p><span id='@play' class=play>Play</span></p>"
           "<p><a href='cover.html' id=coverlink><img id=cover width=40 height=20></a></p></body></html>";
}

// n lines of 20 px, each a paragraph with an id.
std::string tallPage(int lines)
{
    std::string html = std::string("<html><head>") + kStyle + "</head><body>";
    for (int i = 0; i < lines; ++i)
        html += "<p id=l" + std::to_string(i) + ">line " + std::to_string(i) + "</p>";
    return html + "</body></html>";
}

// Signals and release events as lines of text.
class Recorder : public SignalReceiver
{
public:
    void watch(UIWebView* view)
    {
        view->loadFinished.connect(this, &Recorder::onLoad);
        view->titleChanged.connectString(this, &Recorder::onTitle);
        view->statusTextChanged.connectString(this, &Recorder::onStatus);
        view->elementClicked.connectStrings(this, &Recorder::onElement);
        view->linkClicked.connectStrings(this, &Recorder::onLink);
        view->mouseReleased.connectWithArg(this, &Recorder::onRelease);
    }
    void onLoad() { log.push_back("load"); }
    void onTitle(String title) { log.push_back("title:" + utf8(title)); }
    void onStatus(String status) { log.push_back("status:" + utf8(status)); }
    void onElement(String tag, String id)
    {
        log.push_back("element:" + utf8(tag) + "," + utf8(id));
        if (replaceWith)
            replaceWith->setHtml(text("<p>replaced</p>"));
        if (deleteView) {
            delete deleteView;
            deleteView = nullptr;
        }
    }
    void onLink(String href, String id) { log.push_back("link:" + utf8(href) + "," + utf8(id)); }
    void onRelease(UIEvent* event)
    {
        const auto* mouse = static_cast<UIMouseEvent*>(event);
        log.push_back("release:" + std::to_string(mouse->button()) + "," + std::to_string(mouse->buttons()) +
                      "," + std::to_string(mouse->modifiers()));
    }

    std::vector<std::string> log;
    UIWebView* replaceWith = nullptr;
    UIWebView* deleteView = nullptr;
};

class UIWebViewTest : public WidgetTest
{
protected:
    UIWebView* view(uint32_t options = WebViewOption::BlankOnly, int w = 200, int h = 100)
    {
        auto* v = new UIWebView(top, options);
        if (UIScrollBar* bar = v->verticalScrollBar())
            bar->setStyleProperty(text("thickness"), text("10"));
        v->setGeometry(0, 0, w, h);
        v->show();
        recorder.watch(v);
        return v;
    }
    static void press(UIWidget* w, int x, int y, uint32_t button = 1, uint32_t modifiers = 0)
    {
        send(w, UIMouseEvent(kMousePressEvent, button, button, Point(x, y), modifiers));
    }
    static void release(UIWidget* w, int x, int y, uint32_t button = 1, uint32_t modifiers = 0)
    {
        send(w, UIMouseEvent(kMouseReleaseEvent, button, button, Point(x, y), modifiers));
    }
    static void key(UIWidget* w, int code, uint32_t modifiers = 0)
    {
        send(w, UIKeyEvent(kKeyPressEvent, code, modifiers, String()));
    }

    Recorder recorder;
};

using Log = std::vector<std::string>;

} // namespace

TEST_F(UIWebViewTest, SetHtmlAndNavigateReportTitleThenLoad)
{
    UIWebView* v = view();
    const struct
    {
        const char* html; // null: navigate to address instead
        const char* address;
        bool result;
        Log log;
        const char* text;
    } rows[] = {
        {"<title>One</title><p>first</p>", nullptr, true, {"title:One", "load"}, "first"},
        {"<title>One</title><p>again</p>", nullptr, true, {"load"}, "again"},
        {"", nullptr, false, {}, "again"},
        {nullptr, "http://example.com/", false, {}, "again"},
        {nullptr, "about:blank", true, {"title:", "load"}, ""},
        {"<p>untitled</p>", nullptr, true, {"load"}, "untitled"},
    };
    for (const auto& row : rows) {
        recorder.log.clear();
        const bool result = row.html ? v->setHtml(text(row.html)) : v->navigate(text(row.address));
        const std::string what = row.html ? row.html : row.address;
        EXPECT_EQ(row.result, result) << what;
        EXPECT_EQ(row.log, recorder.log) << what;
        EXPECT_EQ(row.text, utf8(v->text()).substr(0, utf8(v->text()).find('\n'))) << what;
    }
    EXPECT_EQ("about:blank", utf8(v->url()));
    EXPECT_EQ(0, v->readyState());
}

TEST_F(UIWebViewTest, ClickRoadReportsOncePerPressUnderTheHandCursor)
{
    UIWebView* v = view(WebViewOption::BlankOnly, 300, 100);
    ASSERT_TRUE(v->setHtml(text(clickPage())));
    const struct
    {
        const char* what;
        bool pressFirst;
        Point at;
        uint32_t button;
        int cursor;
        Log log;
    } rows[] = {
        {"paragraph", true, Point(10, 5), 1, 1, {"element:P,", "release:1,1,0"}},
        {"anchor text", true, Point(30, 25), 1, 5, {"element:A,go", "link:dest.html,go", "release:1,1,0"}},
        {"text before the anchor", true, Point(10, 25), 1, 1, {"element:P,second", "release:1,1,0"}},
        {"image in an anchor",
         true,
         Point(10, 65),
         1,
         5,
         {"element:IMG,cover", "link:cover.html,coverlink", "release:1,1,0"}},
        {"play element", true, Point(10, 45), 1, 5, {"element:SPAN,@play", "release:1,1,0"}},
        {"beside the play element", true, Point(100, 45), 1, 1, {"element:P,", "release:1,1,0"}},
        {"release without press", false, Point(30, 25), 1, 5, {"release:1,1,0"}},
        {"right release", true, Point(30, 25), 2, 5, {"release:2,2,4"}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.cursor, v->cursorAt(row.at).shape()) << row.what;
        if (row.pressFirst)
            press(v, row.at.x, row.at.y, row.button);
        recorder.log.clear();
        release(v, row.at.x, row.at.y, row.button, row.button == 2 ? 4 : 0);
        EXPECT_EQ(row.log, recorder.log) << row.what;
        // A second release belongs to no press: only the widget's event.
        recorder.log.clear();
        release(v, row.at.x, row.at.y, row.button);
        EXPECT_EQ(1u, recorder.log.size()) << row.what;
    }
    // The hovered link is the status text, reported once per change.
    recorder.log.clear();
    for (const Point& at : {Point(30, 25), Point(40, 25), Point(10, 5), Point(10, 65)})
        mouse(v, kMouseMoveEvent, at.x, at.y);
    EXPECT_EQ((Log{"status:dest.html", "status:", "status:cover.html"}), recorder.log);
}

TEST_F(UIWebViewTest, SlotsMayReplaceThePageOrDeleteTheView)
{
    UIWebView* v = view(WebViewOption::BlankOnly, 300, 100);
    ASSERT_TRUE(v->setHtml(text(clickPage())));
    recorder.replaceWith = v;
    press(v, 30, 25);
    recorder.log.clear();
    release(v, 30, 25);
    EXPECT_EQ((Log{"element:A,go", "title:", "load", "link:dest.html,go", "release:1,1,0"}), recorder.log)
        << "the link is the one pressed, reported after the page went";
    EXPECT_EQ("replaced", utf8(v->text()).substr(0, 8));

    recorder.replaceWith = nullptr;
    ASSERT_TRUE(v->setHtml(text(clickPage())));
    recorder.deleteView = v;
    press(v, 30, 25);
    recorder.log.clear();
    release(v, 30, 25);
    EXPECT_EQ((Log{"element:A,go"}), recorder.log);
    EXPECT_EQ(nullptr, recorder.deleteView);
    EXPECT_FALSE(top->hasChildren());
}

TEST_F(UIWebViewTest, WheelKeysAndBarScrollThePage)
{
    // 20 lines of 20 px in a 100 px high view: at most 300 down.
    UIWebView* v = view(WebViewOption::BlankOnly, 200, 100);
    ASSERT_TRUE(v->setHtml(text(tallPage(20))));
    UIScrollBar* bar = v->verticalScrollBar();
    ASSERT_TRUE(bar->testFlag(UIWidget::kVisible));
    EXPECT_EQ(Rect(190, 0, 10, 100), bar->geometry());
    EXPECT_EQ(300, bar->maximum());

    const struct
    {
        const char* what;
        int wheel;    // direction, 0 for a key
        int key;      // virtual key
        uint32_t mod; // modifiers
        int y;        // scroll position after
    } rows[] = {
        {"wheel towards the user", 3, 0, 0, 60},
        {"wheel again", 3, 0, 0, 120},
        {"wheel away", 4, 0, 0, 60},
        {"down arrow", 0, 40, 0, 80},
        {"up arrow", 0, 38, 0, 60},
        {"page down", 0, 34, 0, 140},
        {"page up", 0, 33, 0, 60},
        {"space", 0, 32, 0, 140},
        {"shift space", 0, 32, 1, 60},
        {"end", 0, 35, 0, 300},
        {"past the end", 0, 40, 0, 300},
        {"home", 0, 36, 0, 0},
        {"before the start", 4, 0, 0, 0},
    };
    for (const auto& row : rows) {
        if (row.wheel)
            send(v, UIWheelEvent(Point(5, 5), 120, 0, row.wheel));
        else
            key(v, row.key, row.mod);
        EXPECT_EQ(row.y, v->scrollPosition().y) << row.what;
        EXPECT_EQ(row.y, bar->value()) << row.what;
    }
    bar->setValue(200);
    EXPECT_EQ(200, v->scrollPosition().y) << "the bar scrolls the page";
    EXPECT_EQ(text("l10"), v->elementIdAt(20, 5));
    v->resize(200, 250);
    EXPECT_EQ(150, v->scrollPosition().y) << "a taller view keeps the offset within the page";
    EXPECT_EQ(150, bar->value());
}

TEST_F(UIWebViewTest, OptionsAndTheAutomationDump)
{
    UIWebView* plain = view(WebViewOption::NoScrollBars, 200, 100);
    EXPECT_EQ(nullptr, plain->verticalScrollBar());
    ASSERT_TRUE(plain->setHtml(text(tallPage(20))));
    key(plain, 35);
    EXPECT_EQ(300, plain->scrollPosition().y) << "keys scroll without a bar";

    const std::vector<WebViewElement> elements = plain->elementsWithIds();
    ASSERT_EQ(20u, elements.size());
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ("P", utf8(elements[size_t(i)].tag));
        EXPECT_EQ("l" + std::to_string(i), utf8(elements[size_t(i)].id));
        EXPECT_EQ(Rect(0, i * 20 - 300, 200, 20), elements[size_t(i)].rect) << "in view coordinates";
    }
    EXPECT_EQ("line 19", utf8(plain->elementTextAt(5, 95)));
    EXPECT_EQ(Rect(0, 80, 200, 20), plain->elementRectAt(5, 95));
    EXPECT_EQ(Rect(), plain->elementRectAt(5, 500)) << "outside the view";
}

TEST(BrowserVersion, CutsTheStoredTextAtItsSecondDot)
{
    const struct
    {
        const char* stored;
        const char* shown;
    } rows[] = {{"11", "11"}, {"9.11.10240.0", "9.11"}, {"8.0.6001.18702", "8.0"}, {"7.0", "7.0"}, {"", ""},
                {"..", "."}};
    for (const auto& row : rows)
        EXPECT_EQ(row.shown, utf8(BrowserVersion::fromStored(text(row.stored)))) << row.stored;
}
