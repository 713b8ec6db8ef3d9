// The rich card in a real window under Wine with white.style, read back by
// pixels and worked by posted clicks and wheel notches.
#include "graphics/codecs/PngWriter.h"
#include "tests/support/TestSupport.h"
#include "tests/support/TestText.h"
#include "tests/support/UIHarness.h"
#include "tests/ui/core/theme/GeneratedSkins.h"
#include "tests/ui/views/html/RichCard.h"
#include "tests/ui/views/web/WebViewTestSupport.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/input/UIClipboard.h"
#include "ui/core/theme/UITheme.h"
#include "ui/views/web/BrowserVersion.h"
#include "ui/views/web/UIWebView.h"
#include "ui/views/web/WebViewOption.h"
#include "ui/widgets/range/UIScrollBar.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <cwchar>
#include <string>
#include <utility>
#include <vector>

using testsupport::text;
using testsupport::UIHarness;
using testsupport::utf8;
using webviewtest::isNear;

namespace {

using Log = std::vector<std::string>;
constexpr uint32_t kCoverColor = 0x1E8C82;
constexpr uint32_t kTitleColor = 0xC81E28;

class WebViewOnScreen : public ::testing::Test, public SignalReceiver
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(UIHarness::start());
        ASSERT_TRUE(UIApplication::instance()->loadTheme(generatedskins::skinPath("white.style")));
        Image cover(100, 150, false);
        cover.fill(Color(0xFF000000u | kCoverColor));
        ASSERT_TRUE(PngWriter::save(cover, text(folder.file("cover.png"))));
        window = UIHarness::openWindow(nullptr, 40, 40, 640, 480);
        view = new UIWebView(window, WebViewOption::BlankOnly | WebViewOption::NoCache);
        view->setGeometry(0, 0, 640, 480);
        view->show();
        view->elementClicked.connectStrings(this, &WebViewOnScreen::onElement);
        view->linkClicked.connectStrings(this, &WebViewOnScreen::onLink);
        ASSERT_TRUE(view->setHtml(text(richCardHtml(folder.file("cover.png")))));
        UIHarness::pump();
    }
    void TearDown() override
    {
        UIHarness::closeWindow(window);
        UIHarness::pumpFor(10);
        UIApplication::instance()->setTheme(new UITheme());
    }
    Rect rectOf(const char* id) const
    {
        for (const WebViewElement& element : view->elementsWithIds())
            if (utf8(element.id) == id)
                return element.rect;
        return Rect();
    }
    void onElement(String tag, String id) { log.push_back("element:" + utf8(tag) + "," + utf8(id)); }
    void onLink(String href, String id) { log.push_back("link:" + utf8(href) + "," + utf8(id)); }

    testsupport::TempDir folder;
    UIWidget* window = nullptr;
    UIWebView* view = nullptr;
    Log log;
};

} // namespace

TEST_F(WebViewOnScreen, CardShowsScrollsReportsClicksAndRewraps)
{
    const Rect poster = rectOf("poster"), title = rectOf("title");
    ASSERT_FALSE(poster.isEmpty());
    EXPECT_TRUE(isNear(0xFFFFFF, UIHarness::screenPixel(view, Point(4, 4)))) << "the card's background";
    EXPECT_TRUE(isNear(kCoverColor, UIHarness::screenPixel(view, poster.center()))) << "the cover";
    int titlePixels = 0;
    for (int x = title.x; x < title.x + title.width; ++x)
        titlePixels += isNear(kTitleColor, UIHarness::screenPixel(view, {x, title.center().y})) ? 1 : 0;
    EXPECT_GT(titlePixels, 5) << "the heading in its colour";
    EXPECT_TRUE(view->verticalScrollBar()->isVisible()) << "the card is taller than the window";

    // A row just above the cover's bottom edge: cover now, page after a notch.
    const Point probe(poster.center().x, poster.y + poster.height - 10);
    ASSERT_TRUE(isNear(kCoverColor, UIHarness::screenPixel(view, probe)));
    UIHarness::wheel(view, Point(300, 200), false, -WHEEL_DELTA);
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return view->scrollPosition().y > 0; }));
    const int moved = view->scrollPosition().y;
    EXPECT_FALSE(isNear(kCoverColor, UIHarness::screenPixel(view, probe))) << moved;
    EXPECT_TRUE(isNear(kCoverColor, UIHarness::screenPixel(view, Point(probe.x, probe.y - moved - 1))));

    // Each click waits for its reports: the next one scrolls the page first.
    for (const auto& click : {std::make_pair("@play", 1u), std::make_pair("link0", 3u)}) {
        ASSERT_TRUE(view->scrollToElement(text(click.first))) << click.first;
        UIHarness::click(view, rectOf(click.first).center());
        EXPECT_TRUE(UIHarness::pumpUntil([&] { return log.size() >= click.second; })) << click.first;
    }
    UIHarness::pumpFor(20);
    EXPECT_EQ((Log{"element:SPAN,@play", "element:A,link0", "link:http://example.com/voyage,link0"}), log);

    const int plotHeight = rectOf("plot").height;
    view->resize(320, 480);
    UIHarness::pump();
    EXPECT_GT(rectOf("plot").height, plotHeight) << "the plot wraps to more lines";
    UIHarness::saveShot(window, "webview-narrow");
}

// A drag over the heading's first line marks it, drawn behind the text in
// the selection colour, and Ctrl+C puts it on the system clipboard.
TEST_F(WebViewOnScreen, TextIsMarkedByDraggingAndCopied)
{
    const Rect title = rectOf("title");
    ASSERT_FALSE(title.isEmpty());
    const std::string heading = "The Long Voyage & Home";
    const int y = title.y + title.height / 4;
    UIHarness::activate(window);
    UIHarness::postMouse(view, WM_LBUTTONDOWN, Point(title.x, y), MK_LBUTTON);
    UIHarness::postMouse(view, WM_MOUSEMOVE, Point(title.x + title.width - 1, y), MK_LBUTTON);
    UIHarness::postMouse(view, WM_LBUTTONUP, Point(title.x + title.width - 1, y), 0);
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return !view->selectedText().isEmpty(); }));
    const std::string marked = utf8(view->selectedText());
    EXPECT_EQ(0u, heading.find(marked.substr(0, marked.find('\r')))) << marked << " of " << heading;
    int markingPixels = 0;
    for (int x = title.x; x < title.x + title.width; ++x)
        markingPixels += isNear(0xDCE8FB, UIHarness::screenPixel(view, {x, y})) ? 1 : 0;
    EXPECT_GT(markingPixels, 10) << "the marking shows";

    UIHarness::keyDown(VK_CONTROL);
    UIHarness::keyDown('C');
    UIHarness::keyUp('C');
    UIHarness::keyUp(VK_CONTROL);
    EXPECT_TRUE(UIHarness::pumpUntil([&] {
        return utf8(UIApplication::instance()->clipboard()->text()) == marked;
    })) << utf8(UIApplication::instance()->clipboard()->text());
}

// A page narrower than the width asked for is drawn exactly that wide, its
// background filling the rest, and the view keeps its own layout.
TEST_F(WebViewOnScreen, ANarrowPageSnapshotsAtTheMinimumWidth)
{
    ASSERT_TRUE(
        view->setHtml(text("<html><head><style>body { margin: 0; background-color: rgb(10,20,30) }"
                           "</style></head><body><p id=one style='width: 40px'>x</p></body></html>")));
    const Rect before = rectOf("one");
    for (int minimum : {1200, 2000}) {
        const Image shot = view->snapshot(minimum);
        ASSERT_FALSE(shot.isNull()) << minimum;
        EXPECT_EQ(minimum, shot.width());
        EXPECT_GT(shot.height(), 0) << minimum;
        EXPECT_TRUE(isNear(0x0A141E, shot.pixel(minimum - 1, 0).value() & 0xFFFFFF)) << minimum;
        EXPECT_EQ(before, rectOf("one")) << minimum;
    }
}

// Without images the page keeps each image's place but draws no picture.
TEST_F(WebViewOnScreen, NoImagesLeavesThePicturesOut)
{
    const std::string page =
        "<html><head><style>body { margin: 0; background-color: rgb(255,255,255) }</style>"
        "</head><body><img id=cover width=60 height=40 src='" +
        folder.file("cover.png") + "'></body></html>";
    for (const bool images : {true, false}) {
        auto* shown = new UIWebView(window, images ? 0 : WebViewOption::NoImages);
        shown->setGeometry(0, 0, 200, 100);
        shown->show();
        ASSERT_TRUE(shown->setHtml(text(page)));
        UIHarness::pump();
        EXPECT_EQ(60, shown->elementRectAt(10, 10).width) << images;
        EXPECT_EQ(images, isNear(kCoverColor, UIHarness::screenPixel(shown, Point(30, 20)))) << images;
        delete shown;
    }
}

// The version comes from the machine's registry, as the system stores it.
TEST(BrowserVersionInstalled, ReadsTheMachinesStoredVersion)
{
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Internet Explorer", 0,
                                             nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key, nullptr));
    wchar_t saved[2048] = {};
    DWORD savedType = 0;
    DWORD savedBytes = sizeof(saved);
    const bool hadValue = RegQueryValueExW(key, L"Version", nullptr, &savedType,
                                           reinterpret_cast<BYTE*>(saved), &savedBytes) == ERROR_SUCCESS;
    const struct
    {
        DWORD type;
        const wchar_t* stored;
        const char* expected;
    } rows[] = {{REG_SZ, L"9.11.10240.0", "9.11"},
                {REG_EXPAND_SZ, L"8.0.6001.18702", "8.0"},
                {REG_SZ, L"11", "11"},
                {REG_DWORD, L"", ""}};
    for (const auto& row : rows) {
        const DWORD number = 11;
        const BYTE* data = row.type == REG_DWORD ? reinterpret_cast<const BYTE*>(&number)
                                                 : reinterpret_cast<const BYTE*>(row.stored);
        const DWORD bytes =
            row.type == REG_DWORD ? sizeof(number) : DWORD((wcslen(row.stored) + 1) * sizeof(wchar_t));
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(key, L"Version", 0, row.type, data, bytes));
        EXPECT_EQ(row.expected, utf8(BrowserVersion::installed())) << row.expected;
    }
    RegDeleteValueW(key, L"Version");
    EXPECT_EQ("", utf8(BrowserVersion::installed())) << "no value, no version";
    if (hadValue)
        RegSetValueExW(key, L"Version", 0, savedType, reinterpret_cast<const BYTE*>(saved), savedBytes);
    RegCloseKey(key);
}
