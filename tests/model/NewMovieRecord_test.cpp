// The proposed-movie record: a value whose copies own their links, a list
// that empties in one step, and what the model keeps of it.
#include <gtest/gtest.h>

#include "model/CollectionModel.h"
#include "model/NewMovieRecord.h"
#include "model/records/Movie.h"
#include "tests/model/collection/CollectionTestSupport.h"

using namespace collectiontest;
using iotest::show;

namespace {

NewMovieRecord proposed(const char16_t* title)
{
    NewMovieRecord record;
    record.title = String(title);
    record.year = 1984;
    record.barCode = String(u"4006381333931");
    record.format = String(u"DVD");
    record.links.append(MovieLink{MovieLink::kLocal, String(), String(u"D:\\a.avi"), true});
    return record;
}

} // namespace

TEST(NewMovieRecord, CopiesOwnTheirLinksAndTheListEmptiesWhole)
{
    NewMovieRecord unfilled;
    EXPECT_TRUE(unfilled.title.isEmpty() && unfilled.barCode.isEmpty() && unfilled.format.isEmpty());
    EXPECT_EQ(unfilled.year, 0);
    EXPECT_TRUE(unfilled.links.isEmpty());

    NewMovieRecord original = proposed(u"Brazil");
    NewMovieRecord copy = original;
    ASSERT_EQ(original.links.count(), 1);
    original.links.first()->value.url = String(u"E:\\changed.avi");
    original.links.append(MovieLink{});
    ASSERT_EQ(copy.links.count(), 1);
    EXPECT_EQ(show(copy.links.first()->value.url), "D:\\a.avi");
    EXPECT_EQ(show(copy.barCode), "4006381333931");

    NewMovieRecordList list;
    list.clear();
    EXPECT_TRUE(list.isEmpty());
    for (const char16_t* title : {u"Alien", u"Brazil", u"Casablanca"})
        list.append(proposed(title));
    std::vector<std::string> order;
    for (const NewMovieRecord& record : list)
        order.push_back(show(record.title));
    EXPECT_EQ(order, (std::vector<std::string>{"Alien", "Brazil", "Casablanca"}));
    list.clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.first(), nullptr);
}

TEST(NewMovieRecord, TheModelTakesAllButTheBarCode)
{
    Workspace space;
    CollectionFile creator(space.folder());
    ASSERT_TRUE(creator.create(String(u"Films"), String(u"tester"), String()));
    CollectionModel model(space.folder());
    ASSERT_TRUE(model.openCollection(creator.filePathFor(String(u"Films"))));
    Movie* movie = model.addMovie(proposed(u"Brazil"));
    ASSERT_NE(movie, nullptr);
    EXPECT_EQ(show(movie->title), "Brazil");
    EXPECT_EQ(movie->year, 1984);
    EXPECT_EQ(show(movie->format), "DVD");
    ASSERT_EQ(movie->links.count(), 1);
    EXPECT_TRUE(movie->barcode.isEmpty());
    EXPECT_TRUE(model.closeCollection());
}
