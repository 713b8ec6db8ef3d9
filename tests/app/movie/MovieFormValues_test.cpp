// What the movie editors show for a record's values and store back.
#include "app/movie/MovieFormValues.h"

#include "app/movie/MovieListEditor.h"
#include "model/CollectionModel.h"
#include "model/records/CastItem.h"
#include "model/records/MovieLink.h"
#include "tests/support/IoTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace MovieFormValues;
using iotest::show;

TEST(MovieFormValues, YearsOutsideTheUsualRangeSurviveOpenAndSave)
{
    // stored year, current year; the range; what an untouched box stores.
    struct Row
    {
        int stored;
        int now;
        int minimum;
        int maximum;
    };
    const Row rows[] = {
        {0, 2026, 1887, 2031},    {1895, 2026, 1887, 2031}, {1888, 2026, 1887, 2031},
        {2031, 2026, 1887, 2031}, {2040, 2026, 1887, 2040}, {1850, 2026, 1849, 2031},
        {1887, 2026, 1886, 2031},
    };
    for (const Row& row : rows) {
        const YearRange range = yearRange(row.stored, row.now);
        EXPECT_EQ(range.minimum, row.minimum) << row.stored;
        EXPECT_EQ(range.maximum, row.maximum) << row.stored;
        const int shown = yearShown(row.stored, range);
        EXPECT_EQ(yearStored(shown, range), row.stored) << "an untouched box keeps " << row.stored;
    }
    const YearRange usual = yearRange(0, 2026);
    EXPECT_EQ(yearStored(1888, usual), 1888) << "the first real year can be entered";
    EXPECT_EQ(yearStored(1887, usual), 0) << "n/a";
}

TEST(MovieFormValues, ListsSplitTrimmedWithoutEmptyParts)
{
    const std::pair<const char16_t*, std::vector<std::u16string>> rows[] = {
        {u"Drama, ,Comedy ,  ", {u"Drama", u"Comedy"}},
        {u",,", {}},
        {u"  Film Noir  ", {u"Film Noir"}},
        {u"a,b", {u"a", u"b"}},
    };
    for (const auto& [text, expected] : rows) {
        std::vector<std::u16string> got;
        for (const String& part : splitList(String(text)))
            got.emplace_back(part.data(), size_t(part.length()));
        EXPECT_EQ(got, expected) << show(String(text));
    }
    StringList list = splitList(String(u"x,y"));
    EXPECT_EQ(show(joinList(list)), "x, y");
}

TEST(MovieFormValues, AnUntouchedRatingComboKeepsTheStoredRating)
{
    // stored, chosen index (-1: untouched); stored afterwards, combo index.
    struct Row
    {
        float stored;
        int chosen;
        float saved;
        int index;
    };
    const Row rows[] = {
        {7.5f, -1, 7.5f, 7},    {7.5f, 8, 8.0f, 7},    {7.5f, 0, 0.0f, 7},  {0.0f, -1, 0.0f, 0},
        {12.0f, -1, 12.0f, 10}, {-3.0f, -1, -3.0f, 0}, {9.99f, 3, 3.0f, 9},
    };
    for (const Row& row : rows) {
        const int filled = ratingIndex(row.stored);
        EXPECT_EQ(filled, row.index) << row.stored;
        EXPECT_FLOAT_EQ(ratingStored(row.stored, filled, row.chosen < 0 ? filled : row.chosen), row.saved)
            << row.stored << " " << row.chosen;
    }
    EXPECT_EQ(show(ratingText(7.5f)), "7.5");
    EXPECT_EQ(show(ratingText(0.0f)), "");
}

TEST(MovieFormValues, CardColoursAndFontEqualToTheViewsAreStoredEmpty)
{
    const Color viewDefault(10, 20, 30);
    const Color empty(0, 0, 0, 0);
    EXPECT_EQ(cardColorStored(viewDefault, viewDefault), empty);
    EXPECT_EQ(cardColorStored(Color(10, 20, 31), viewDefault), Color(10, 20, 31));
    EXPECT_EQ(cardColorShown(empty, viewDefault), viewDefault);
    EXPECT_EQ(cardColorShown(Color(1, 2, 3), viewDefault), Color(1, 2, 3));
    EXPECT_TRUE(fontFamilyStored(String(u"Tahoma"), String(u"Tahoma")).isEmpty());
    EXPECT_EQ(show(fontFamilyStored(String(u"Tahoma"), String(u"Verdana"))), "Tahoma");
}

TEST(MovieFormValues, LinksFromDroppedPathsAndTexts)
{
    struct Row
    {
        const char16_t* path;
        const char* description;
        bool play;
    };
    const Row rows[] = {
        {u"C:\\films\\the_big_film.mkv", "the big film", true},
        {u"C:\\films\\THE_BIG.MKV", "THE BIG", true},
        {u"C:\\films\\notes_2.txt", "notes 2", false},
        {u"C:\\films\\no_extension", "no extension", false},
        {u"C:\\films\\.hidden_avi", ".hidden avi", false},
    };
    const StringList video = CollectionModel::videoExtensions();
    for (const Row& row : rows) {
        const MovieLink link = linkFromDroppedPath(String(row.path), video);
        EXPECT_EQ(link.type, MovieLink::kLocal);
        EXPECT_EQ(show(link.url), show(String(row.path)));
        EXPECT_EQ(show(link.description), row.description) << show(String(row.path));
        EXPECT_EQ(link.play, row.play) << show(String(row.path));
    }
    const MovieLink text = linkFromDroppedText(String(u"http://example.test/x"));
    EXPECT_EQ(text.type, MovieLink::kOnline);
    EXPECT_EQ(show(text.description), "http://example.test/x");
    EXPECT_FALSE(text.play);
}

TEST(MovieFormValues, PictureExtensionsAndTheLinkCheck)
{
    for (const char16_t* yes : {u"a.JPG", u"b.jpeg", u"c.Png", u"d.bmp"})
        EXPECT_TRUE(isPictureFile(String(yes))) << show(String(yes));
    for (const char16_t* no : {u"a.gif", u"b.jpg.txt", u"c", u"jpg"})
        EXPECT_FALSE(isPictureFile(String(no))) << show(String(no));
    const std::pair<const char16_t*, const char*> urls[] = {
        {u"http://", ""},          {u" HTTP://x ", "x"},
        {u"https://ftp://", ""},   {u"www.example.test", "www.example.test"},
        {u"http://http://a", "a"},
    };
    for (const auto& [url, check] : urls)
        EXPECT_EQ(show(linkCheckText(String(url))), check) << show(String(url));
}

namespace {

std::string actors(const CastItemList& list)
{
    std::string out;
    for (const CastItem& item : list)
        out += iotest::show(item.actor);
    return out;
}

} // namespace

TEST(MovieListEditor, SwappingWithTheNeighbourRelinksHeadTailAndMiddle)
{
    struct Row
    {
        const char* items;
        int position;
        int step;
        bool moved;
        const char* after;
    };
    const Row rows[] = {
        {"ABC", 0, 1, true, "BAC"},    {"ABC", 1, -1, true, "BAC"},  {"ABC", 2, -1, true, "ACB"},
        {"ABC", 1, 1, true, "ACB"},    {"ABC", 0, -1, false, "ABC"}, {"ABC", 2, 1, false, "ABC"},
        {"AB", 0, 1, true, "BA"},      {"AB", 1, -1, true, "BA"},    {"A", 0, 1, false, "A"},
        {"ABCD", 3, -1, true, "ABDC"}, {"ABC", 5, -1, false, "ABC"}, {"ABC", -1, 1, false, "ABC"},
    };
    for (const Row& row : rows) {
        CastItemList list;
        for (const char* c = row.items; *c; ++c)
            list.append(CastItem{String::fromUtf8(c, 1), String()});
        EXPECT_EQ(MovieListEditor::swapWithNeighbour(list, row.position, row.step), row.moved)
            << row.items << " " << row.position << " " << row.step;
        EXPECT_EQ(actors(list), row.after) << row.items << " " << row.position << " " << row.step;
        // Both directions of the links agree after the swap.
        std::string backwards;
        for (CastItemList::Node* node = list.last(); node; node = node->prev)
            backwards = iotest::show(node->value.actor) + backwards;
        EXPECT_EQ(backwards, row.after);
        EXPECT_EQ(list.count(), int(std::string(row.items).size()));
    }
}
