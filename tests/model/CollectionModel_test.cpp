// The collection model on real collections in a temporary data folder: the
// life of a collection from open to reopen, the refusals that protect an open
// collection, the recently shown list and the figures of the statistics.
#include <gtest/gtest.h>

#include "foundation/io/Directory.h"
#include "model/CollectionModel.h"
#include "model/NewMovieRecord.h"
#include "tests/model/collection/CollectionTestSupport.h"

#include <climits>
#include <cstdio>

using namespace collectiontest;
using iotest::show;

namespace {

NewMovieRecord record(const char16_t* title)
{
    NewMovieRecord result;
    result.title = String(title);
    result.year = 1979;
    result.format = String(u"Hard Disk");
    result.links.append(MovieLink{MovieLink::kLocal, String(), String(u"C:\\films\\a.avi"), true});
    return result;
}

std::vector<std::string> titles(const CollectionModel& model)
{
    std::vector<std::string> result;
    for (const Movie* movie : model.movies())
        result.push_back(show(movie->title) + "#" + std::to_string(movie->id));
    return result;
}

String created(const Workspace& space, const char16_t* name)
{
    CollectionFile creator(space.folder());
    EXPECT_TRUE(creator.create(String(name), String(u"tester"), String()));
    return creator.filePathFor(String(name));
}

} // namespace

TEST(CollectionModel, OpensAddsRemovesClosesAndReopensWithoutReusingIds)
{
    Workspace space;
    String path = created(space, u"Films");
    CollectionModel model(space.folder());
    ASSERT_TRUE(model.openCollection(path));
    EXPECT_EQ(show(model.imagesFolder()), show(space.path("Films\\Images")));
    EXPECT_EQ(show(model.recentCollection()), "Films");
    for (int i = 0; i < 40; ++i)
        model.nextMovieId();
    Movie* alien = model.addMovie(record(u"Alien"));
    ASSERT_TRUE(alien && model.addMovie(record(u"Brazil")) && model.addMovie(record(u"Casablanca")));
    EXPECT_EQ(titles(model), (std::vector<std::string>{"Alien#41", "Brazil#42", "Casablanca#43"}));
    EXPECT_EQ(alien->created, alien->modified);
    ASSERT_EQ(alien->links.count(), 1);
    EXPECT_EQ(show(alien->links.first()->value.url), "C:\\films\\a.avi");
    Loaner& loaner = model.loaners().append(Loaner())->value;
    for (int32_t id : {41, 42, 41})
        loaner.loans.append(Loan{id, Date(2024, 1, 1), Date(2024, 1, 15), Date(), String()});
    Movie stranger;
    stranger.id = 41;
    EXPECT_FALSE(model.removeMovie(&stranger)) << "not one of the model's movies";
    EXPECT_TRUE(model.removeMovie(alien));
    ASSERT_EQ(loaner.loans.count(), 1) << "its loans go with it";
    ASSERT_TRUE(model.closeCollection());
    EXPECT_EQ(model.movieCount(), 0);

    ASSERT_TRUE(model.openCollection(path));
    EXPECT_EQ(titles(model), (std::vector<std::string>{"Brazil#42", "Casablanca#43"}));
    const Movie* brazil = model.movieById(42);
    ASSERT_TRUE(brazil);
    EXPECT_EQ(show(brazil->format), "Hard Disk");
    const Movie* dune = model.addMovie(record(u"Dune"));
    ASSERT_TRUE(dune);
    EXPECT_EQ(dune->id, 44) << "ids are never handed out again";
    ASSERT_TRUE(model.closeCollection());
}

// The save at the end of the session: the process may be ended right after
// it, while the windows go on showing the movies, so the collection stays
// open and each save holds what was there at its moment.
TEST(CollectionModel, ASaveKeepsTheCollectionOpenAndAFailedOneLosesNothingOnDisk)
{
    Workspace space;
    String path = created(space, u"Films");
    CollectionModel model(space.folder());
    EXPECT_TRUE(model.saveCollection()) << "nothing open, nothing to write";
    ASSERT_TRUE(model.openCollection(path));
    Movie* alien = model.addMovie(record(u"Alien"));
    ASSERT_TRUE(model.saveCollection());
    EXPECT_TRUE(model.isCollectionOpen());
    EXPECT_EQ(model.movieById(alien->id), alien) << "the movies shown stay in memory";

    // Read as the next start reads it; never closed, so never written.
    const auto onDisk = [&] {
        CollectionModel reader(space.folder());
        EXPECT_TRUE(reader.openCollection(path));
        return titles(reader);
    };
    EXPECT_EQ(onDisk(), (std::vector<std::string>{"Alien#1"}));

    model.addMovie(record(u"Brazil"));
    ASSERT_EQ(std::rename(space.native("Films").c_str(), space.native("Moved").c_str()), 0);
    EXPECT_FALSE(model.saveCollection());
    ASSERT_EQ(std::rename(space.native("Moved").c_str(), space.native("Films").c_str()), 0);
    EXPECT_EQ(onDisk(), (std::vector<std::string>{"Alien#1"})) << "the file as last saved";

    ASSERT_TRUE(model.saveCollection());
    EXPECT_EQ(onDisk(), (std::vector<std::string>{"Alien#1", "Brazil#2"}));
}

TEST(CollectionModel, AnOpenCollectionIsNeverMixedWithAnotherOrLost)
{
    Workspace space;
    String first = created(space, u"First");
    String second = created(space, u"Second");
    CollectionModel model(space.folder());
    // Nothing open: no movie can be added and closing writes nothing.
    EXPECT_EQ(model.addMovie(record(u"Lost")), nullptr);
    EXPECT_TRUE(model.closeCollection());
    EXPECT_FALSE(model.openCollection(space.path("Missing\\Missing.rsdb")));

    ASSERT_TRUE(model.openCollection(first));
    model.addMovie(record(u"Kept"));
    EXPECT_FALSE(model.openCollection(second)) << "a second open while one is open";
    EXPECT_EQ(show(model.collectionName()), "First");
    EXPECT_EQ(titles(model), (std::vector<std::string>{"Kept#1"}));

    // A save that fails keeps the collection open and in memory.
    ASSERT_EQ(std::rename(space.native("First").c_str(), space.native("Moved").c_str()), 0);
    EXPECT_FALSE(model.closeCollection());
    EXPECT_EQ(titles(model), (std::vector<std::string>{"Kept#1"}));
    ASSERT_EQ(std::rename(space.native("Moved").c_str(), space.native("First").c_str()), 0);
    ASSERT_TRUE(model.closeCollection());

    // A failed open after a close leaves nothing that a later close could
    // write over the last collection.
    EXPECT_FALSE(model.openCollection(space.path("Second\\Images")));
    EXPECT_TRUE(model.closeCollection());
    ASSERT_TRUE(model.openCollection(first));
    EXPECT_EQ(titles(model), (std::vector<std::string>{"Kept#1"}));
    ASSERT_TRUE(model.closeCollection());

    // No id left: no movie.
    ASSERT_TRUE(space.put("full.rsdb", collectionOf({value("LMID", ints({INT_MAX}))}, {})));
    ASSERT_TRUE(model.openCollection(space.path("full.rsdb")));
    EXPECT_EQ(model.addMovie(record(u"One too many")), nullptr);
}

TEST(CollectionModel, ListsOnlyFoldersThatHoldTheirCollectionFile)
{
    Workspace space;
    CollectionModel model(space.path("data"));
    StringList names = listOf({u"Before"});
    model.listCollections(names);
    CollectionFile creator(space.path("data"));
    ASSERT_TRUE(creator.create(String(u"Example"), String(), String()));
    for (const char* folder : {"data\\Empty\\Images", "data\\BACKUP", "data\\Other"})
        ASSERT_TRUE(Directory::create(space.path(folder)));
    for (const char* file : {"data/BACKUP/BACKUP.rsdb", "data/Other/Example.rsdb", "data/Loose.rsdb"})
        ASSERT_TRUE(space.put(file, iotest::bytesOf("RSDB")));
    model.listCollections(names);
    EXPECT_EQ(items(names), (Items{u"Before", u"Example"}));
    EXPECT_EQ(model.collectionCount(), 1);
}

TEST(CollectionModel, RemembersTheLastTwentyMoviesShown)
{
    Workspace space;
    CollectionModel model(space.folder());
    std::vector<Movie> movies(25);
    for (int i = 0; i < 25; ++i)
        movies[size_t(i)].id = i + 1;
    auto ids = [&model] {
        std::vector<int> result;
        for (int32_t id : model.recentlyShown())
            result.push_back(id);
        return result;
    };
    // 1 to 20, then the oldest movie again, then one in the middle, then the
    // newest again: in the full list each only moves to the newest end, and
    // no other movie is dropped for it.
    for (int index : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 0, 9, 9})
        model.noteShown(&movies[size_t(index)]);
    EXPECT_EQ(ids(),
              (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 1, 10}));
    // Two movies not in the list push out the two oldest.
    for (int index : {20, 21})
        model.noteShown(&movies[size_t(index)]);
    model.noteShown(nullptr);
    EXPECT_EQ(ids(),
              (std::vector<int>{4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 1, 10, 21, 22}));
    EXPECT_FALSE(model.wasRecentlyShown(&movies[2]));
    // Another collection: the ids mean nothing there.
    ASSERT_TRUE(model.openCollection(created(space, u"Other")));
    ASSERT_TRUE(model.closeCollection());
    EXPECT_TRUE(model.recentlyShown().isEmpty());
}

TEST(CollectionModel, AveragesCompletenessAndAddsUpRunningTimes)
{
    CollectionModel model(String(u"unused"));
    EXPECT_EQ(model.averageCompleteness(), 0);
    Movie* priced = new Movie; // 2 + 2 + 3 + 3 points
    priced->purchasePrice = String(u"9.99");
    priced->covers.append(Cover(String(u"front.png")));
    priced->mpaaRating = String(u"R");
    priced->imdbRating = 7.5f;
    model.appendMovie(priced);
    Movie* series = new Movie; // 5 + 3 + 3 points
    series->runningTime = 45;
    series->mpaaRating = String(u"PG");
    series->imdbRating = 8.0f;
    for (int i = 0; i < 3; ++i)
        series->episodes.append(Episode());
    model.appendMovie(series);
    Movie* timed = new Movie; // 5 + 2 + 3 points
    timed->runningTime = 90;
    timed->covers.append(Cover(String(u"disc.png")));
    timed->mpaaRating = String(u"PG");
    model.appendMovie(timed);
    EXPECT_EQ(model.averageCompleteness(), 10) << "(10 + 11 + 10) / 3";
    EXPECT_EQ(model.totalRunningTime(), 90 + 3 * 45) << "a series counts each episode";
    series->runningTime = INT_MAX;
    EXPECT_EQ(model.totalRunningTime(), 90 + 3 * int64_t(INT_MAX)) << "the sum does not wrap at 32 bits";
}
