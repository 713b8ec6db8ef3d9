#include "ui/views/html/HtmlDocument.h"

#include "graphics/paint/Painter.h"
#include "tests/support/RecordingDevice.h"

#include "HtmlTestSupport.h"

#include <gtest/gtest.h>

namespace {

const char* const kLinkTable =
    "<html><head><title> Links \n of mine </title><style>p { margin: 0 "
    "}</style></head><body style='margin:0'>"
    "<p id=para>plain words</p>"
    "<table id=t style='border-spacing:0'><tr><td style='padding:0'>left</td>"
    "<td id=cell style='padding:0'>go <a href='http://example.com/a' id=link><b "
    "id=bold>there</b></a></td></tr>"
    "</table><a href='second'>2</a><a name=anchor-only>3</a><a href=''></a></body></html>";

std::string hitText(const HtmlDocument& document, int x, int y)
{
    const HtmlHit hit = document.hitTest(Point(x, y));
    if (!hit.element)
        return "none";
    std::string out = narrow(hit.element->tag()) + "#" + narrow(hit.element->id());
    if (hit.anchor)
        out += " in " + narrow(hit.anchor->attribute(u"href"));
    return out;
}

} // namespace

TEST(HtmlDocument, HitTestingFindsTheInnermostElementAndItsAnchor)
{
    HtmlDocument document;
    load(document, kLinkTable, 400, 300);
    // The paragraph is the first line, the table the second: "left" is 32 px
    // wide, so the second cell starts at 32, and "go " is 24 px. Below the
    // page the body answers, as it is the canvas.
    const struct
    {
        int x;
        int y;
        const char* expected;
    } rows[] = {
        {4, 4, "P#para"},    {4, 20, "TD#"},
        {36, 20, "TD#cell"}, {60, 20, "B#bold in http://example.com/a"},
        {300, 20, "BODY#"},  {300, 200, "BODY#"},
        {-1, 5, "none"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.expected, hitText(document, row.x, row.y)) << row.x << "," << row.y;

    document.scrollTo(Point(0, 16));
    EXPECT_EQ(0, document.scrollPosition().y) << "a page shorter than the view does not scroll";
}

TEST(HtmlDocument, AnswersAboutTheWholePage)
{
    HtmlDocument document;
    load(document, kLinkTable);
    EXPECT_EQ("Links of mine", narrow(document.title()));
    const StringList links = document.links();
    EXPECT_EQ("http://example.com/a|second", narrow(links.join(String(u"|"), 0)));
    EXPECT_EQ("plain words\r\nleft\tgo there\t\r\n23", narrow(document.text()));
    EXPECT_EQ(0u, narrow(document.html())
                      .find("<HTML><HEAD><TITLE> Links \n of mine </TITLE><STYLE>p { margin: 0 }"
                            "</STYLE></HEAD><BODY style=\"margin:0\"><P id=\"para\">plain"));
    ASSERT_NE(nullptr, byId(document, "link"));
    EXPECT_EQ("A", narrow(byId(document, "link")->tag()));
    EXPECT_EQ(nullptr, byId(document, "nothing"));
    EXPECT_EQ(nullptr, document.elementById(String()));

    EXPECT_EQ("utf-8", narrow(document.charset()));
    document.setCharset(String(u"windows-1252"));
    document.setCharset(String());
    EXPECT_EQ("windows-1252", narrow(document.charset()));
    HtmlDocument declared;
    load(declared, "<meta http-equiv=Content-Type content='text/html; charset=ISO-8859-1'>x");
    EXPECT_EQ("ISO-8859-1", narrow(declared.charset()));

    EXPECT_FALSE(document.setHtml(String()));
    EXPECT_EQ("Links of mine", narrow(document.title())) << "an empty page keeps the one shown";

    HtmlDocument reparsed;
    load(reparsed, narrow(document.html()));
    EXPECT_EQ(narrow(document.html()), narrow(reparsed.html())) << "the markup we give reads back the same";
}

TEST(HtmlDocument, ViewportZoomAndScrolling)
{
    std::string tall = "<body style='margin:0'>";
    for (int i = 0; i < 100; ++i)
        tall +=
            "<p style='margin:0' id=p" + std::to_string(i) + ">line " + std::to_string(i) + " of text</p>";
    HtmlDocument document;
    load(document, tall, 200, 160);
    EXPECT_EQ(1600, document.contentSize().height);
    document.scrollTo(Point(0, 5000));
    EXPECT_EQ(1440, document.scrollPosition().y);
    EXPECT_TRUE(document.scrollToElement(String(u"p50")));
    EXPECT_EQ(800, document.scrollPosition().y);
    EXPECT_FALSE(document.scrollToElement(String(u"p500")));
    EXPECT_EQ("p50", narrow(document.hitTest(Point(3, 3)).element->id()));

    // A narrower view wraps each paragraph onto two lines.
    document.setViewportSize(Size(80, 160));
    EXPECT_EQ(3200, document.contentSize().height);
    EXPECT_EQ("0,32 80x32", boxText(byId(document, "p1")->rect()));

    document.setViewportSize(Size(400, 160));
    document.setZoom(200);
    EXPECT_EQ(200, document.zoom());
    EXPECT_EQ("0,32 400x32", boxText(byId(document, "p1")->rect()));
    document.setZoom(1);
    EXPECT_EQ(HtmlDocument::kMinZoom, document.zoom());
}

TEST(HtmlDocument, ImagesComeOnlyFromLocalFilesAndNotAtAllWhenOff)
{
    const struct
    {
        const char* source;
        const char* path;
    } rows[] = {
        {"C:\\covers\\a.png", "C:\\covers\\a.png"},
        {"file:///C:/covers/a.png", "C:/covers/a.png"},
        {"file://C:/covers/a.png", "C:/covers/a.png"},
        {"file:///home/me/a.png", "/home/me/a.png"},
        {"file:///C:/My%20Covers/Alpha%20%281%29%20-%20poster.png", "C:/My Covers/Alpha (1) - poster.png"},
        {"file:///C:/%C3%A9t%C3%A9+1.png", "C:/\xC3\xA9t\xC3\xA9+1.png"},
        {"file:///C:/a%2Bb.png", "C:/a+b.png"},
        {"file:///C:/a%00.png", ""},
        {"file:///C:/a%zz.png", ""},
        {"file:///C:/a%4", ""},
        {"http://example.com/a.png", ""},
        {"//example.com/a.png", ""},
        {"data:image/png;base64,AAAA", ""},
        {"javascript:alert(1)", ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.path, narrow(HtmlImageStore::localPath(wide(row.source)))) << row.source;

    std::vector<std::string> asked;
    HtmlDocument document;
    document.setImageLoader([&asked](const String& path) {
        asked.push_back(narrow(path));
        return Image(40, 30, true);
    });
    const std::string page = "<body style='margin:0'><img id=a src='a.png'><img id=b src='a.png' width=20>"
                             "<img id=c src='http://example.com/c.png' width=10 height=10>"
                             "<div style='height:8px;background:url(\"file:///C:/bg.png\")'></div>";
    load(document, page);
    EXPECT_EQ((std::vector<std::string>{"a.png", "C:/bg.png"}), asked)
        << "each local image read once, none from the web";
    EXPECT_EQ("0,0 40x30", boxText(byId(document, "a")->rect()));
    EXPECT_EQ("40,15 20x15", boxText(byId(document, "b")->rect()));
    EXPECT_EQ("60,20 10x10", boxText(byId(document, "c")->rect()));
    {
        CurrentRecorder recorder;
        FakeTarget target;
        Painter painter(&target);
        document.paint(painter, Point());
        const auto& log = recorder.device.log;
        // The images sit on the baseline, so the line ends 4 px below them.
        EXPECT_NE(log.end(), std::find(log.begin(), log.end(), "tiles 0,34,400,8"))
            << "the background tiles its box";
        EXPECT_NE(log.end(), std::find(log.begin(), log.end(), "image 40x30 0,0,40,30 to 40,15,20,15"));
    }

    asked.clear();
    document.setImagesEnabled(false);
    load(document, page);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(0, byId(document, "a")->rect().width);
    EXPECT_EQ("0,12 20x0", boxText(byId(document, "b")->rect())) << "no height known, on the baseline";
}

TEST(HtmlDocument, PaintsOnlyWhatTheViewShows)
{
    std::string tall = "<body style='margin:0;background-color:#102030'>";
    for (int i = 0; i < 100; ++i)
        tall += "<p style='margin:0'>row" + std::to_string(i) + "</p>";
    HtmlDocument document;
    load(document, tall, 100, 40);
    document.scrollTo(Point(0, 808));

    CurrentRecorder recorder;
    FakeTarget target;
    {
        Painter painter(&target);
        document.paint(painter, Point(5, 10));
    }
    std::vector<std::string> texts;
    bool filledCanvas = false;
    for (const std::string& line : recorder.device.log) {
        if (line.rfind("text ", 0) == 0)
            texts.push_back(line);
        if (line.find("brush FF102030") != std::string::npos)
            filledCanvas = true;
    }
    // Rows 50 to 52 reach into the 40 px view that starts 8 px into row 50;
    // row 53 starts where it ends.
    EXPECT_EQ(
        (std::vector<std::string>{"text 'row50' at 5,2", "text 'row51' at 5,18", "text 'row52' at 5,34"}),
        texts);
    EXPECT_TRUE(filledCanvas);
}

TEST(HtmlDocument, HostileSizesStayInsideThePage)
{
    std::string page;
    for (int i = 0; i < 3000; ++i)
        page += "<div style='margin-top:999999px;padding-left:1e9px;width:5000000000%'>x</div>";
    page += "<table><tr><td style='font-size:1e30em;line-height:1e30;white-space:nowrap'>" +
            std::string(100000, 'w') + " w w<td style='width:1e9px'>z</table><pre>form\ffeed\f\f</pre>";
    HtmlDocument document;
    load(document, page, 300, 300);
    EXPECT_GT(document.contentSize().height, 1000000);
    EXPECT_LE(document.contentSize().height, kMaxPagePixels);
    EXPECT_LE(document.contentSize().width, kMaxPagePixels);
    document.scrollTo(Point(0, kMaxPagePixels));
    EXPECT_NE(nullptr, document.hitTest(Point(10, 10)).element);
}
