// The movie card as the program makes it, from the shipped templates through
// the card renderer, shown by the web view in a real window with white.style:
// its background, title colour and poster by pixels, and posted clicks on
// its play element and a link.
#include "foundation/core/AppCore.h"
#include "foundation/data/PakArchive.h"
#include "foundation/io/Directory.h"
#include "graphics/codecs/PngWriter.h"
#include "model/card/CardRenderer.h"
#include "model/config/ViewSettings.h"
#include "model/records/Movie.h"
#include "tests/support/IoTestSupport.h"
#include "tests/support/TestText.h"
#include "tests/support/UIHarness.h"
#include "tests/ui/core/theme/GeneratedSkins.h"
#include "tests/ui/views/web/WebViewTestSupport.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/theme/UITheme.h"
#include "ui/views/web/UIWebView.h"
#include "ui/views/web/WebViewOption.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

using testsupport::text;
using testsupport::UIHarness;
using testsupport::utf8;

namespace {

using webviewtest::Log;
const Color kTitle(200, 30, 40);
const Color kBackground(250, 248, 240);
constexpr uint32_t kPosterColor = 0x1E8C82;

class WebViewCard : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(UIHarness::start());
        ASSERT_TRUE(UIApplication::instance()->loadTheme(generatedskins::skinPath("white.style")));
        // The templates come from the program's data archive, as shipped.
        if (!AppCore::instance())
            core = std::make_unique<AppCore>(String(u"Reelstack"), String(u"1.2.0"));
        AppCore::instance()->setAppDirectory(iotest::pathIn(dir, "program"));
        ASSERT_TRUE(Directory::create(iotest::pathIn(dir, "program\\data\\templates\\default")));
        // The play picture the data build draws, beside the program.
        const std::vector<uint8_t> play = testsupport::readFileBytes("../data/templates/default/play.png");
        ASSERT_FALSE(play.empty());
        ASSERT_TRUE(
            iotest::writeFileBytes(iotest::nativeIn(dir, "program/data/templates/default/play.png"), play));
        ASSERT_TRUE(PakArchive().packFolder(text(testsupport::dataDir() + "/../../assets/data"),
                                            iotest::pathIn(dir, "program\\data.pak")));
        ASSERT_TRUE(AppCore::instance()->openPak(iotest::pathIn(dir, "program\\data.pak")));
        ASSERT_TRUE(Directory::create(iotest::pathIn(dir, "Images")));
        Image poster(100, 150, false);
        poster.fill(Color(0xFF000000u | kPosterColor));
        ASSERT_TRUE(PngWriter::save(poster, iotest::pathIn(dir, "Images\\voyage.png")));

        window = UIHarness::openWindow(nullptr, 40, 40, 640, 480);
        view = new UIWebView(window, 0x18D);
        view->setGeometry(0, 0, 640, 480);
        view->show();
        signals.listenTo(view);
    }
    void TearDown() override
    {
        UIHarness::closeWindow(window);
        UIHarness::pumpFor(10);
        UIApplication::instance()->setTheme(new UITheme());
    }
    String card()
    {
        Movie movie;
        movie.title = String(u"The Long Voyage");
        movie.setImagesFolder(iotest::pathIn(dir, "Images"));
        movie.setCover(Cover(String(u"voyage.png")));
        MovieLink film;
        film.type = MovieLink::kLocal;
        film.url = String(u"C:\\Films\\voyage.avi");
        film.play = true;
        movie.links.append(film);
        MovieLink trailer;
        trailer.url = String(u"http://example.com/voyage");
        trailer.description = String(u"Trailer");
        movie.links.append(trailer);
        ViewSettings settings;
        settings.movieCardBackgroundColor = kBackground;
        settings.movieCardTitleColor = kTitle;
        settings.movieCardTextColor = Color(31, 35, 40);
        settings.movieCardLinkColor = Color(47, 111, 222);
        settings.movieCardFontFamily = String(u"Arial");
        settings.movieCardFontSize = 13;
        return CardRenderer().render(&movie, settings);
    }
    Rect rectOf(const char* id) const
    {
        for (const WebViewElement& element : view->elementsWithIds())
            if (utf8(element.id) == id)
                return element.rect;
        return Rect();
    }
    // The first point of the view over a link, looked for row by row.
    Point linkPoint() const
    {
        for (int y = 0; y < view->height(); y += 2)
            for (int x = 0; x < view->width(); x += 4)
                if (utf8(view->elementTagAt(x, y)) == "A")
                    return Point(x + 2, y + 1);
        return Point(-1, -1);
    }

    testsupport::TempDir dir;
    std::unique_ptr<AppCore> core;
    UIWidget* window = nullptr;
    UIWebView* view = nullptr;
    webviewtest::SignalLog signals;
    Log& log = signals.entries;
};

} // namespace

TEST_F(WebViewCard, TheRenderedCardShowsAndReportsItsPlayElementAndLinks)
{
    const String html = card();
    ASSERT_NE(std::string::npos, utf8(html).find("@play")) << "the movie has a file to play";
    ASSERT_TRUE(view->setHtml(html));
    UIHarness::pump();
    UIHarness::saveShot(window, "webview-card");

    EXPECT_TRUE(
        webviewtest::isNear(kBackground.value() & 0xFFFFFF, UIHarness::screenPixel(view, Point(4, 4))))
        << "the card's background";
    const Rect covers = rectOf("covers");
    ASSERT_FALSE(covers.isEmpty());
    EXPECT_TRUE(
        webviewtest::isNear(kPosterColor, UIHarness::screenPixel(view, Point(covers.x + 20, covers.y + 20))))
        << "the poster";
    const Rect title = rectOf("title");
    ASSERT_FALSE(title.isEmpty());
    int titlePixels = 0;
    for (int x = title.x; x < title.x + title.width; ++x)
        for (int y = title.y; y < title.y + title.height; ++y)
            titlePixels +=
                webviewtest::isNear(kTitle.value() & 0xFFFFFF, UIHarness::screenPixel(view, {x, y})) ? 1 : 0;
    EXPECT_GT(titlePixels, 10) << "the title in its colour";

    EXPECT_FALSE(webviewtest::isNear(kBackground.value() & 0xFFFFFF,
                                     UIHarness::screenPixel(view, rectOf("@play").center())))
        << "the play picture";

    const Point link = linkPoint();
    ASSERT_NE(-1, link.x) << "the trailer's link is in view";
    // The click reports, without the releases that come with them.
    auto clicks = [&] {
        Log reports;
        for (const std::string& entry : log)
            if (entry.rfind("release:", 0) != 0)
                reports.push_back(entry);
        return reports;
    };
    log.clear();
    UIHarness::click(view, rectOf("@play").center());
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return !clicks().empty(); }));
    UIHarness::click(view, link);
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return clicks().size() >= 3; }));
    UIHarness::pumpFor(20);
    EXPECT_EQ((Log{"element:IMG,@play", "element:A,", "link:http://example.com/voyage,"}), clicks());
}
