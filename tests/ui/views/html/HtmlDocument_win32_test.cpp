// The rich card painted by GDI into a bitmap and read back by pixels. With
// REELSTACK_SHOTS naming a folder the picture is kept there as a PNG.
#include "ui/views/html/HtmlDocument.h"

#include "graphics/codecs/ImageCodec.h"
#include "graphics/codecs/PngWriter.h"
#include "tests/support/GdiTest.h"

#include "HtmlTestSupport.h"
#include "RichCard.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const Color kCoverColor(30, 140, 130);
const Color kTitleColor(200, 30, 40);

bool near(const Color& a, const Color& b)
{
    return std::abs(a.red() - b.red()) < 8 && std::abs(a.green() - b.green()) < 8 &&
           std::abs(a.blue() - b.blue()) < 8;
}

int countNear(const Image& image, const Rect& area, const Color& color)
{
    int count = 0;
    for (int y = area.y; y < area.y + area.height && y < image.height(); ++y) {
        for (int x = area.x; x < area.x + area.width && x < image.width(); ++x)
            count += near(image.pixel(x, y), color) ? 1 : 0;
    }
    return count;
}

void keepShot(const Image& image, const char* name)
{
    const char* folder = std::getenv("REELSTACK_SHOTS");
    if (!folder || !*folder)
        return;
    // Under Wine a Unix path lives on drive Z:.
    std::string path = std::string(folder[0] == '/' ? "Z:" : "") + folder + "/" + name;
    EXPECT_TRUE(PngWriter::save(image, wide(path))) << path;
}

class HtmlRendering : public testsupport::GdiTest
{
};

} // namespace

TEST_F(HtmlRendering, CardSnapshotShowsBackgroundTitleAndCover)
{
    HtmlDocument document;
    document.setImageLoader([](const String&) {
        Image cover(100, 150, false);
        cover.fill(kCoverColor);
        return cover;
    });
    load(document, richCardHtml("C:/Collection/Images/voyage.jpg"), 800, 600);
    const Image shot = document.snapshot(800);
    ASSERT_FALSE(shot.isNull());
    keepShot(shot, "html-card.png");
    EXPECT_GE(shot.width(), 800);
    EXPECT_EQ(document.contentSize().height, shot.height());
    EXPECT_EQ(800, document.viewportSize().width) << "the view keeps its own layout";

    EXPECT_TRUE(near(Color(255, 255, 255), shot.pixel(5, 5))) << "the page background";
    EXPECT_TRUE(near(Color(211, 216, 223), shot.pixel(16, 100))) << "the cover's border";
    EXPECT_EQ(200 * 300, countNear(shot, Rect(17, 17, 200, 300), kCoverColor))
        << "the cover, scaled to 200 px";
    // The heading's block runs under the floated cover; its text starts
    // beside it.
    const HtmlNode* title = byId(document, "title");
    ASSERT_NE(nullptr, title);
    Rect titleText;
    for (const HtmlPaintItem& item : document.items()) {
        if (item.kind == HtmlPaintItem::kText && item.node->parent() == title)
            titleText = item.rect;
    }
    EXPECT_EQ(16 + 202 + 16, titleText.x);
    EXPECT_GT(countNear(shot, titleText, kTitleColor), 100) << "the title in its colour";
    EXPECT_EQ(0, countNear(shot, Rect(0, 0, 16, shot.height()), kTitleColor)) << "nothing in the margin";
}
