// The collection model on real collections in a temporary data folder: the
// life of a collection from open to reopen, the refusals that protect an open
// collection, the recently shown list and the figures of the statistics.
#include <gtest/gtest.h>

#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "model/CollectionModel.h"
#include "model/NewMovieRecord.h"
#include "model/collection/CollectionFile.h"
#include "model/records/Movie.h"
#include "tests/model/ModelTestSupport.h"

#include <climits>
#include <cstdio>
#include <vector>

using iotest::nativeIn;
using iotest::pathIn;
using iotest::show;

namespace {

// A new, empty collection in the data folder; its file's path.
String createCollection(const String& dataDirectory, const char16_t* name)
{
    CollectionFile creator(dataDirectory);
    EXPECT_TRUE(creator.create(String(name), String(u"tester"), String()));
    return creator.filePathFor(String(name));
}

NewMovieRecord record(const char16_t* title, int32_t year)
{
    NewMovieRecord result;
    result.title = String(title);
    result.year = year;
    result.format = String(u"Hard Disk");
    MovieLink link;
    link.type = 1;
    link.url = String(u"C:\\films\\") + title + u".avi";
    link.play = true;
    result.links.append(link);
    return result;
}

std::vector<std::string> titles(const CollectionModel& model)
{
    std::vector<std::string> result;
    for (const Movie* movie : model.movies())
        result.push_back(show(movie->title) + "#" + std::to_string(movie->id));
    return result;
}

Loan loanOf(int32_t movieId)
{
    Loan loan;
    loan.movieId = movieId;
    loan.lendDate = Date(2024, 1, 1);
    loan.dueDate = Date(2024, 1, 15);
    return loan;
}

} // namespace

TEST(CollectionModel, StartsWithNothingOpenAndTheDefaultSettings)
{
    CollectionModel model(String(u"C:\\data"));
    EXPECT_FALSE(model.isCollectionOpen());
    EXPECT_TRUE(model.collectionName().isEmpty());
    EXPECT_TRUE(model.collectionFolder().isEmpty());
    EXPECT_TRUE(model.imagesFolder().isEmpty());
    EXPECT_TRUE(model.thumbnailsFolder().isEmpty());
    EXPECT_EQ(model.movieCount(), 0);
    EXPECT_EQ(model.sortMode(), 2);
    EXPECT_EQ(model.sortOrder(), 1);
    EXPECT_EQ(model.extractOptions(), 65535u);
    EXPECT_EQ(model.extractorIndex(), 0);
    EXPECT_EQ(model.currentExtractor(), model.extractors().first()->value);
    EXPECT_TRUE(model.ignoreArticleWhenSortingTitles());
    EXPECT_TRUE(model.askForConfirmationWhenRemovingMovies());
    EXPECT_TRUE(model.openLastCollectionAtStart());
    EXPECT_TRUE(model.recentCollection().isEmpty());
    EXPECT_TRUE(model.recentBrowsedFolder().isEmpty());
    EXPECT_EQ(model.loaners().defaultLoanPeriod(), 14);
    EXPECT_EQ(show(CollectionModel::dateFormat()), "yyyy/MM/dd");
    EXPECT_EQ(CollectionModel::videoExtensions().count(), 13);
}

TEST(CollectionModel, OpensAddsRemovesClosesAndReopensWithoutReusingIds)
{
    testsupport::TempDir dir;
    String data = pathIn(dir, "data");
    String path = createCollection(data, u"Films");
    CollectionModel model(data);

    ASSERT_TRUE(model.openCollection(path));
    EXPECT_TRUE(model.isCollectionOpen());
    EXPECT_EQ(show(model.collectionName()), "Films");
    EXPECT_EQ(show(model.collectionFolder()), show(data + u"\\Films"));
    EXPECT_EQ(show(model.imagesFolder()), show(data + u"\\Films\\Images"));
    EXPECT_EQ(show(model.thumbnailsFolder()), show(data + u"\\Films\\Thumbnails"));
    EXPECT_EQ(show(model.recentCollection()), "Films");

    Movie* alien = model.addMovie(record(u"Alien", 1979));
    Movie* brazil = model.addMovie(record(u"Brazil", 1985));
    Movie* casablanca = model.addMovie(record(u"Casablanca", 1942));
    ASSERT_TRUE(alien && brazil && casablanca);
    EXPECT_EQ(titles(model), (std::vector<std::string>{"Alien#1", "Brazil#2", "Casablanca#3"}));
    EXPECT_FALSE(alien->created.isNull());
    EXPECT_EQ(alien->created, alien->modified);
    EXPECT_EQ(show(alien->format), "Hard Disk");
    ASSERT_EQ(alien->links.count(), 1);
    EXPECT_EQ(show(alien->links.first()->value.url), "C:\\films\\Alien.avi");
    EXPECT_TRUE(alien->links.first()->value.play);

    EXPECT_TRUE(model.removeMovie(casablanca));
    EXPECT_EQ(model.movieCount(), 2);
    ASSERT_TRUE(model.closeCollection());
    EXPECT_FALSE(model.isCollectionOpen());
    EXPECT_EQ(model.movieCount(), 0);
    EXPECT_TRUE(model.collectionName().isEmpty());

    ASSERT_TRUE(model.openCollection(path));
    EXPECT_EQ(titles(model), (std::vector<std::string>{"Alien#1", "Brazil#2"}));
    EXPECT_EQ(model.movieById(2)->year, 1985);
    ASSERT_EQ(model.movieById(1)->links.count(), 1);
    // The removed movie's id is never handed out again.
    Movie* dune = model.addMovie(record(u"Dune", 1984));
    ASSERT_NE(dune, nullptr);
    EXPECT_EQ(dune->id, 4);
    ASSERT_TRUE(model.closeCollection());
}

TEST(CollectionModel, NewIdsContinueFromTheHeadersCounter)
{
    testsupport::TempDir dir;
    String data = pathIn(dir, "data");
    String path = createCollection(data, u"Counted");
    CollectionModel model(data);
    ASSERT_TRUE(model.openCollection(path));
    for (int i = 0; i < 41; ++i)
        model.nextMovieId();
    ASSERT_TRUE(model.closeCollection());

    ASSERT_TRUE(model.openCollection(path));
    EXPECT_EQ(model.collectionFile().header().lastMovieId, 41);
    EXPECT_EQ(model.addMovie(record(u"One", 2001))->id, 42);
    EXPECT_EQ(model.addMovie(record(u"Two", 2002))->id, 43);
    EXPECT_EQ(model.collectionFile().header().lastMovieId, 43);
    ASSERT_TRUE(model.closeCollection());
    ASSERT_TRUE(model.openCollection(path));
    EXPECT_EQ(model.collectionFile().header().lastMovieId, 43);
    ASSERT_TRUE(model.closeCollection());
}

TEST(CollectionModel, AnOpenCollectionIsNeverMixedWithAnotherOrLost)
{
    testsupport::TempDir dir;
    String data = pathIn(dir, "data");
    String first = createCollection(data, u"First");
    String second = createCollection(data, u"Second");
    CollectionModel model(data);

    // Nothing open: no movie can be added and closing writes nothing.
    EXPECT_EQ(model.addMovie(record(u"Lost", 2000)), nullptr);
    EXPECT_TRUE(model.closeCollection());
    EXPECT_FALSE(model.openCollection(pathIn(dir, "data\\Missing\\Missing.rsdb")));
    EXPECT_FALSE(model.isCollectionOpen());

    ASSERT_TRUE(model.openCollection(first));
    model.addMovie(record(u"Kept", 2000));
    // A second open while one is open is refused and changes nothing.
    EXPECT_FALSE(model.openCollection(second));
    EXPECT_EQ(show(model.collectionName()), "First");
    EXPECT_EQ(titles(model), (std::vector<std::string>{"Kept#1"}));
    EXPECT_EQ(show(model.recentCollection()), "First");

    // A save that fails keeps the collection open and in memory.
    ASSERT_EQ(std::rename(nativeIn(dir, "data/First").c_str(), nativeIn(dir, "data/Moved").c_str()), 0);
    EXPECT_FALSE(model.closeCollection());
    EXPECT_TRUE(model.isCollectionOpen());
    EXPECT_EQ(titles(model), (std::vector<std::string>{"Kept#1"}));
    ASSERT_EQ(std::rename(nativeIn(dir, "data/Moved").c_str(), nativeIn(dir, "data/First").c_str()), 0);
    ASSERT_TRUE(model.closeCollection());

    // A failed open after a close leaves nothing that a later close could
    // write over the last collection.
    EXPECT_FALSE(model.openCollection(pathIn(dir, "data\\Second\\Images")));
    EXPECT_FALSE(model.isCollectionOpen());
    EXPECT_TRUE(model.closeCollection());
    ASSERT_TRUE(model.openCollection(first));
    EXPECT_EQ(titles(model), (std::vector<std::string>{"Kept#1"}));
    ASSERT_TRUE(model.closeCollection());
}

TEST(CollectionModel, FindsMoviesAndRemovesTheirLoans)
{
    testsupport::TempDir dir;
    String data = pathIn(dir, "data");
    CollectionModel model(data);
    ASSERT_TRUE(model.openCollection(createCollection(data, u"Lent")));
    Movie* alien = model.addMovie(record(u"Alien", 1979));
    Movie* brazil = model.addMovie(record(u"Brazil", 1985));
    Loaner loaner;
    loaner.name = String(u"Ann");
    loaner.loans.append(loanOf(1));
    loaner.loans.append(loanOf(2));
    loaner.loans.append(loanOf(1));
    model.loaners().append(loaner);

    EXPECT_EQ(model.movieById(2), brazil);
    EXPECT_EQ(model.movieById(3), nullptr);
    EXPECT_EQ(model.movieByTitle(String(u"Alien")), alien);
    EXPECT_EQ(model.movieByTitle(String(u"alien")), nullptr);
    EXPECT_EQ(show(model.titleById(2)), "Brazil");
    EXPECT_TRUE(model.titleById(9).isEmpty());

    Movie stranger;
    stranger.id = 2;
    EXPECT_FALSE(model.removeMovie(&stranger));
    EXPECT_FALSE(model.removeMovie(nullptr));
    EXPECT_EQ(model.loaners().first()->value.loans.count(), 3);

    EXPECT_TRUE(model.removeMovie(alien));
    EXPECT_EQ(titles(model), (std::vector<std::string>{"Brazil#2"}));
    const LoanList& loans = model.loaners().first()->value.loans;
    ASSERT_EQ(loans.count(), 1);
    EXPECT_EQ(loans.first()->value.movieId, 2);
    ASSERT_TRUE(model.closeCollection());
}

TEST(CollectionModel, ListsOnlyFoldersThatHoldTheirCollectionFile)
{
    testsupport::TempDir dir;
    String data = pathIn(dir, "data");
    CollectionModel model(data);
    StringList none;
    model.listCollections(none);
    EXPECT_TRUE(none.isEmpty());

    createCollection(data, u"Example");
    ASSERT_TRUE(Directory::create(data + u"\\BACKUP"));
    ASSERT_TRUE(iotest::writeFileBytes(nativeIn(dir, "data/BACKUP/BACKUP.rsdb"), iotest::bytesOf("RSDB")));
    ASSERT_TRUE(Directory::create(data + u"\\Empty\\Images"));
    ASSERT_TRUE(Directory::create(data + u"\\Other"));
    ASSERT_TRUE(iotest::writeFileBytes(nativeIn(dir, "data/Other/Example.rsdb"), iotest::bytesOf("RSDB")));
    ASSERT_TRUE(iotest::writeFileBytes(nativeIn(dir, "data/Loose.rsdb"), iotest::bytesOf("RSDB")));

    StringList names = modeltest::listOf({u"Before"});
    model.listCollections(names);
    EXPECT_EQ(modeltest::shown(names), (std::vector<std::string>{"Before", "Example"}));
    EXPECT_EQ(model.collectionCount(), 1);
}

TEST(CollectionModel, RemembersTheLastTwentyMoviesShown)
{
    CollectionModel model(String(u"unused"));
    std::vector<Movie> movies(25);
    for (int i = 0; i < 25; ++i)
        movies[size_t(i)].id = i + 1;
    auto ids = [&model] {
        std::vector<int> result;
        for (int32_t id : model.recentlyShown())
            result.push_back(id);
        return result;
    };
    auto fill = [&] {
        for (int i = 0; i < 20; ++i)
            model.noteShown(&movies[size_t(i)]);
    };

    fill();
    ASSERT_EQ(model.recentlyShown().count(), 20);
    EXPECT_TRUE(model.wasRecentlyShown(&movies[0]));
    EXPECT_FALSE(model.wasRecentlyShown(&movies[20]));

    // The front movie again: the oldest (itself) goes, it comes back last.
    model.noteShown(&movies[0]);
    std::vector<int> expected;
    for (int id = 2; id <= 20; ++id)
        expected.push_back(id);
    expected.push_back(1);
    EXPECT_EQ(ids(), expected);

    // A movie in the middle of a full list: the oldest and its old entry go.
    model.noteShown(&movies[9]);
    EXPECT_EQ(model.recentlyShown().count(), 19);
    EXPECT_EQ(model.recentlyShown().first()->value, 3);
    EXPECT_EQ(model.recentlyShown().last()->value, 10);
    EXPECT_FALSE(model.wasRecentlyShown(&movies[1]));

    // New movies fill the list up again, then push out the oldest.
    model.noteShown(&movies[20]);
    EXPECT_EQ(model.recentlyShown().count(), 20);
    model.noteShown(&movies[21]);
    EXPECT_EQ(model.recentlyShown().count(), 20);
    EXPECT_EQ(model.recentlyShown().first()->value, 4);
    EXPECT_EQ(model.recentlyShown().last()->value, 22);
    model.noteShown(nullptr);
    EXPECT_EQ(model.recentlyShown().count(), 20);
}

TEST(CollectionModel, AveragesCompletenessAndAddsUpRunningTimes)
{
    CollectionModel model(String(u"unused"));
    EXPECT_EQ(model.averageCompleteness(), 0);
    EXPECT_EQ(model.totalRunningTime(), 0);

    // 2 + 2 + 3 + 3 points and 5 + 2 + 3 points; then 5 + 3 + 3.
    Movie* film = new Movie;
    film->purchasePrice = String(u"9.99");
    film->covers.append(Cover(String(u"front.png")));
    film->mpaaRating = String(u"R");
    film->imdbRating = 7.5f;
    model.appendMovie(film);
    Movie* timed = new Movie;
    timed->runningTime = 90;
    timed->covers.append(Cover(String(u"disc.png")));
    timed->mpaaRating = String(u"PG");
    model.appendMovie(timed);
    Movie* series = new Movie;
    series->runningTime = 45;
    series->mpaaRating = String(u"PG");
    series->imdbRating = 8.0f;
    for (int i = 0; i < 3; ++i)
        series->episodes.append(Episode());
    model.appendMovie(series);
    ASSERT_EQ(timed->completeness(), 10);
    ASSERT_EQ(model.movies().first()->value->completeness(), 10);
    ASSERT_EQ(series->completeness(), 11);
    EXPECT_EQ(model.averageCompleteness(), 10);
    EXPECT_EQ(model.totalRunningTime(), 90 + 3 * 45);

    // The sum does not wrap at 32 bits.
    series->runningTime = INT_MAX;
    EXPECT_EQ(model.totalRunningTime(), 90 + 3 * int64_t(INT_MAX));
}

TEST(CollectionModel, NamesMonthsAndSiteEditions)
{
    EXPECT_EQ(show(CollectionModel::monthName(1)), "January");
    EXPECT_EQ(show(CollectionModel::monthName(9)), "September");
    EXPECT_EQ(show(CollectionModel::monthName(12)), "December");
    EXPECT_TRUE(CollectionModel::monthName(0).isEmpty());
    EXPECT_TRUE(CollectionModel::monthName(13).isEmpty());
    EXPECT_TRUE(CollectionModel::monthName(-1).isEmpty());

    EXPECT_EQ(CollectionModel::extractorIndexForLanguage(String(u"en")), 0);
    EXPECT_EQ(CollectionModel::extractorIndexForLanguage(String(u"de")), 1);
    EXPECT_EQ(CollectionModel::extractorIndexForLanguage(String(u"it")), 2);
    EXPECT_EQ(CollectionModel::extractorIndexForLanguage(String(u"es")), 3);
    EXPECT_EQ(CollectionModel::extractorIndexForLanguage(String(u"fr")), 4);
    EXPECT_EQ(CollectionModel::extractorIndexForLanguage(String(u"pt")), 0);
    EXPECT_EQ(CollectionModel::extractorIndexForLanguage(String()), 0);
}
