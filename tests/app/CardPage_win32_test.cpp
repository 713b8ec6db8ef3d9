// The shipped card templates, filled for a rich movie by the card renderer
// and laid out by our HTML engine with the system's fonts: the cover column,
// the title beside it, the cast rows in order and the click road to them.
#include "foundation/core/AppCore.h"
#include "foundation/data/PakArchive.h"
#include "foundation/io/Directory.h"
#include "graphics/codecs/PngWriter.h"
#include "graphics/image/Image.h"
#include "model/card/CardRenderer.h"
#include "model/config/ViewSettings.h"
#include "model/records/Movie.h"
#include "tests/support/GdiTest.h"
#include "tests/support/TestSupport.h"
#include "ui/views/html/HtmlDocument.h"
#include "ui/views/html/HtmlNode.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

String text(const std::string& utf8)
{
    return String::fromUtf8(utf8.c_str(), int(utf8.size()));
}

void collectByClass(const HtmlNode& node, const char16_t* name, std::vector<const HtmlNode*>& out)
{
    if (node.isElement() && node.hasClass(String(name)))
        out.push_back(&node);
    for (const auto& child : node.children())
        collectByClass(*child, name, out);
}

} // namespace

class CardPage : public testsupport::GdiTest
{
};

TEST_F(CardPage, ShippedTemplatesLayOutARichMovie)
{
    testsupport::TempDir dir;
    AppCore core(String(u"Reelstack card page"), String(u"1.2.0"));
    core.setAppDirectory(text(dir.path()));
    ASSERT_TRUE(PakArchive().packFolder(text(testsupport::dataDir() + "\\..\\..\\assets\\data"),
                                        text(dir.file("data.pak"))));
    ASSERT_TRUE(core.openPak(String(u"data")));
    String images = text(dir.file("Images"));
    ASSERT_TRUE(Directory::create(images));
    Image cover(100, 150, true);
    cover.fill(Color(0x1E, 0x3A, 0x5F));
    ASSERT_TRUE(PngWriter::save(cover, images + u"\\poster.png"));

    Movie movie;
    movie.setImagesFolder(images);
    movie.title = String(u"Night Harbour");
    movie.year = 2004;
    movie.plot = String(u"A pilot lands in Lisbon with a sealed letter.");
    for (int i = 1; i <= 20; ++i)
        movie.cast.append(CastItem{text("Actor " + std::to_string(i)), text("Part " + std::to_string(i))});
    movie.setCover(Cover(String(u"poster.png"), images));
    CardRenderer renderer;
    ViewSettings view; // the first start's card look
    view.movieCardBackgroundColor = Color(242, 238, 209);
    view.movieCardTextColor = Color(139, 105, 1);
    view.movieCardTitleColor = Color(121, 75, 0);
    view.movieCardLinkColor = Color(0, 134, 255);
    view.movieCardFontFamily = String(u"Tahoma");
    view.movieCardFontSize = 14;
    String page = renderer.render(&movie, view);

    HtmlDocument document;
    document.setViewportSize(Size(800, 600));
    ASSERT_TRUE(document.setHtml(page));
    const HtmlNode* covers = document.elementById(String(u"covers"));
    const HtmlNode* title = document.elementById(String(u"title"));
    ASSERT_TRUE(covers && title);
    EXPECT_GE(title->rect().x, covers->rect().x + covers->rect().width);
    EXPECT_NE(title->innerText().find(String(u"Night Harbour"), 0, 1), -1);

    const HtmlNode* poster = covers->findByTag(u"IMG");
    ASSERT_NE(poster, nullptr);
    EXPECT_EQ(poster->image().width(), 100); // the cover file, loaded from the Images folder
    EXPECT_GT(poster->rect().height, poster->rect().width);

    std::vector<const HtmlNode*> actors;
    collectByClass(*document.root(), u"actor", actors);
    ASSERT_EQ(actors.size(), 20u);
    for (size_t i = 1; i < actors.size(); ++i)
        EXPECT_GT(actors[i]->rect().y, actors[i - 1]->rect().y) << i;
    EXPECT_GT(actors[0]->rect().y, title->rect().y);
    const Rect& first = actors[0]->rect();
    HtmlHit hit = document.hitTest(Point(first.x + 2, first.y + first.height / 2));
    ASSERT_NE(hit.element, nullptr);
    EXPECT_EQ(hit.element->closest(u"TD"), actors[0]);
    Image shot = document.snapshot(800);
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.pixel(4, 4).value(), Color(242, 238, 209).value()); // the view's card background
    const Rect& picture = poster->rect();
    EXPECT_EQ(shot.pixel(picture.x + picture.width / 2, picture.y + picture.height / 2).value(),
              Color(0x1E, 0x3A, 0x5F).value());
    // With REELSTACK_SHOTS naming a folder, the card is kept there to look at.
    if (const char* shots = std::getenv("REELSTACK_SHOTS")) {
        EXPECT_TRUE(PngWriter::save(document.snapshot(800), text(std::string(shots) + "\\card-page.png")));
    }
}
