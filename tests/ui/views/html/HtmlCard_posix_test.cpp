// The rich movie card in the fixed-width stand-in font: Arial 13 px is 6 px
// a character; the title's 20 px font is 10 px a character, 15 px above the
// baseline, on 28 px lines.
#include "HtmlTestSupport.h"
#include "RichCard.h"

#include <gtest/gtest.h>

namespace {

class HtmlCard : public ::testing::Test
{
protected:
    HtmlCard()
    {
        // A 100 x 150 cover shown at the template's 200 px width.
        document.setImageLoader([](const String&) { return Image(100, 150, false); });
        load(document, richCardHtml("C:/Collection/Images/voyage.jpg"), 800, 600);
    }

    const HtmlPaintItem* textItem(const std::string& text) const
    {
        for (const HtmlPaintItem& item : document.items()) {
            if (item.kind == HtmlPaintItem::kText && narrow(item.text) == text)
                return &item;
        }
        return nullptr;
    }

    HtmlDocument document;
};

} // namespace

TEST_F(HtmlCard, CoverTitleAndCastAreWhereTheLayoutSays)
{
    // The cover inside its 1 px border at the body's 16 px margin, the title
    // beside it past the cover's 16 px right margin.
    const HtmlNode* poster = byId(document, "poster");
    ASSERT_NE(nullptr, poster);
    EXPECT_EQ("16,16 202x302", boxText(poster->rect()));
    const HtmlPaintItem* cover = nullptr;
    for (const HtmlPaintItem& item : document.items()) {
        if (item.kind == HtmlPaintItem::kImage)
            cover = &item;
    }
    ASSERT_NE(nullptr, cover);
    EXPECT_EQ("17,17 200x300", boxText(cover->rect));
    const HtmlPaintItem* title = textItem("The Long Voyage & Home");
    ASSERT_NE(nullptr, title);
    EXPECT_EQ("234,20 220x20", boxText(title->rect));
    EXPECT_EQ("The Long Voyage & Home", narrow(document.title()));
    EXPECT_GE(byId(document, "details")->rect().x, 234) << "the details table stays beside the cover";

    // Cast rows: below the cover, one under the other, 18 px lines in 1 px
    // padded cells 2 px apart.
    const Rect first = byId(document, "cast0")->rect();
    EXPECT_GE(first.y, 16 + 302 + 16);
    for (int i = 0; i < kRichCardCast; ++i) {
        const Rect row = byId(document, ("cast" + std::to_string(i)).c_str())->rect();
        EXPECT_EQ(boxText(Rect(first.x, first.y + 22 * i, first.width, 20)), boxText(row))
            << "cast row " << i;
        const HtmlPaintItem* actor = textItem("Actor " + std::to_string(i));
        ASSERT_NE(nullptr, actor);
        EXPECT_EQ(row.y + 1, actor->rect.y - (18 - 13) / 2) << "cast row " << i;
    }
    EXPECT_NE(std::string::npos, narrow(document.text()).find("Actor 49\tCharacter 49"));
}

TEST_F(HtmlCard, PlayElementsAndLinksAnswerClicks)
{
    for (int season = 1; season <= kRichCardSeasons; season += 2) {
        const std::string id = "@play-episode-" + std::to_string(season) + ".7";
        ASSERT_TRUE(document.scrollToElement(wide(id))) << id;
        const HtmlNode* play = byId(document, id.c_str());
        const Rect box = play->rect();
        const HtmlHit hit = document.hitTest(
            Point(box.x + box.width / 2, box.y + box.height / 2 - document.scrollPosition().y));
        ASSERT_NE(nullptr, hit.element) << id;
        EXPECT_EQ(id, narrow(hit.element->id()));
        EXPECT_EQ("SPAN", narrow(hit.element->tag()));
        EXPECT_EQ(nullptr, hit.anchor);
    }
    const Rect play = byId(document, "@play")->rect();
    document.scrollTo(Point());
    EXPECT_EQ("@play", narrow(document.hitTest(Point(play.x + 2, play.y + 2)).element->id()));

    EXPECT_EQ("http://example.com/voyage|file:///C:/Movies/voyage.mkv|http://example.com/trailer",
              narrow(document.links().join(String(u"|"), 0)));
    document.scrollToElement(String(u"link0"));
    const Rect link = byId(document, "link0")->rect();
    const HtmlHit hit = document.hitTest(Point(link.x + 1, link.y + 1 - document.scrollPosition().y));
    ASSERT_NE(nullptr, hit.anchor);
    EXPECT_EQ("http://example.com/voyage", narrow(hit.anchor->attribute(u"href")));
}
