// Creating, opening, saving and peeking at collections: ids that never
// repeat, names that cannot escape their folder, and saves and opens that
// fail without costing the user a stored collection.
#include <gtest/gtest.h>

#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "model/collection/CollectionFile.h"
#include "tests/foundation/text/StringTestHelpers.h"
#include "tests/model/collection/ChunkBytes.h"
#include "tests/model/collection/CollectionTestSupport.h"

#include <climits>
#include <filesystem>

using namespace collectiontest;

namespace {

const DateTime kCreatedUtc(2010, 6, 1, 10, 0, 0, 0);

Movie* movieTitled(const char16_t* title, int32_t id)
{
    Movie* movie = new Movie;
    movie->title = String(title);
    movie->id = id;
    return movie;
}

// The bytes of a collection holding movies with these ids and a header
// counter of lastId.
Bytes collectionWithIds(std::initializer_list<int32_t> ids, int32_t lastId)
{
    std::vector<Bytes> movies;
    for (int32_t id : ids)
        movies.push_back(node("MOV_", {}, {value("MVID", int32Bytes(id))}));
    Bytes hedr = node("HEDR", {}, {value("VRSN", floatBytes(0.1f)), value("LMID", int32Bytes(lastId))});
    std::vector<Bytes> loans = {
        node("LOAN", {}, {value("MVID", int32Bytes(404)), value("RNDT", Bytes(12, 0))})};
    Bytes loaner = node("LNER", {node("LONS", loans, {})}, {value("NAME", textBytes("Anna"))});
    return file(node("ROOT", {hedr, node("MOVS", movies, {}), node("LONS", {loaner}, {})}, {}));
}

std::vector<int32_t> idsOf(const List<Movie*>& movies)
{
    std::vector<int32_t> ids;
    for (const Movie* movie : movies)
        ids.push_back(movie->id);
    return ids;
}

} // namespace

TEST(CollectionFile, CreatesEachCollectionOnce)
{
    ZoneScope zone;
    Workspace space;
    CollectionFile file(space.folder());
    ASSERT_TRUE(file.create(String(u"Example"), String(u"first"), String(), kCreatedUtc));
    Bytes first = space.bytes("Example/Example.rsdb");
    EXPECT_FALSE(file.create(String(u"Example"), String(u"second"), String(), kCreatedUtc));
    EXPECT_EQ(space.bytes("Example/Example.rsdb"), first) << "the first file is untouched";

    CollectionFile nested(space.path("not/yet/there"));
    EXPECT_TRUE(nested.create(String(u"Deep"), String(), String(), kCreatedUtc))
        << "missing folders are made";
    EXPECT_TRUE(File::exists(space.path("not/yet/there/Deep/Deep.rsdb")));
}

TEST(CollectionFile, HandsOutIdsThatAreNeverReused)
{
    ZoneScope zone;
    Workspace space;
    CollectionFile file(space.folder());
    ASSERT_TRUE(file.create(String(u"Example"), String(u"abc"), String(), kCreatedUtc));
    String path = file.filePathFor(String(u"Example"));
    EXPECT_EQ(u16(file.name()), u"") << "nothing open yet";

    Contents contents;
    ASSERT_TRUE(file.read(path, contents.movies, contents.loaners));
    EXPECT_EQ(u16(file.name()), u"Example");
    EXPECT_EQ(file.header().lastMovieId, 0);
    for (const char16_t* title : {u"One", u"Two", u"Three"})
        contents.movies.append(movieTitled(title, file.nextMovieId()));
    EXPECT_EQ(idsOf(contents.movies), (std::vector<int32_t>{1, 2, 3}));
    List<Movie*>::Node* removed = contents.movies.last();
    delete removed->value;
    contents.movies.erase(removed);
    ASSERT_TRUE(file.write(contents.movies, contents.loaners));
    file.close();
    EXPECT_TRUE(file.path().isEmpty());

    Contents reopened;
    ASSERT_TRUE(file.read(path, reopened.movies, reopened.loaners));
    EXPECT_EQ(idsOf(reopened.movies), (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(file.nextMovieId(), 4) << "the removed movie's id stays taken";
}

TEST(CollectionFile, PasswordDigestsCanBePeekedAtWithoutOpening)
{
    ZoneScope zone;
    Workspace space;
    CollectionFile file(space.folder());
    ASSERT_TRUE(file.create(String(u"Locked"), String(), String(), kCreatedUtc));
    ASSERT_TRUE(file.create(String(u"Other"), String(), String(), kCreatedUtc));
    String locked = file.filePathFor(String(u"Locked"));
    Contents contents;
    ASSERT_TRUE(file.read(locked, contents.movies, contents.loaners));
    file.setPassword(String(u"5ebe2294ecd0e0f08eab7690d2a6ee69"));
    ASSERT_TRUE(file.write(contents.movies, contents.loaners));

    CollectionFile other(space.folder());
    Contents otherContents;
    ASSERT_TRUE(other.read(other.filePathFor(String(u"Other")), otherContents.movies, otherContents.loaners));
    EXPECT_EQ(u16(other.peekPassword(locked)), u"5ebe2294ecd0e0f08eab7690d2a6ee69");
    EXPECT_EQ(u16(other.name()), u"Other") << "peeking leaves the open collection alone";
    EXPECT_EQ(u16(other.password()), u"");

    // Peeking reads no further than the header: a file damaged after it
    // still names its password, and the open that follows refuses it.
    Bytes whole = space.bytes("Locked/Locked.rsdb");
    ASSERT_TRUE(space.put("cut.rsdb", Bytes(whole.begin(), whole.end() - 5)));
    EXPECT_EQ(u16(other.peekPassword(space.path("cut.rsdb"))), u"5ebe2294ecd0e0f08eab7690d2a6ee69");
    EXPECT_FALSE(file.read(space.path("cut.rsdb"), contents.movies, contents.loaners));
    ASSERT_TRUE(file.read(locked, contents.movies, contents.loaners));

    file.setPassword(String());
    ASSERT_TRUE(file.write(contents.movies, contents.loaners));
    EXPECT_EQ(u16(other.peekPassword(locked)), u"");
}

TEST(CollectionFile, NamesMustStayPlainFolderNames)
{
    Workspace space;
    CollectionFile file(space.folder());
    for (const char16_t* name : {u"Example", u"My Films 2024", u"Pel\u00edculas", u"con2", u"COM10",
                                 u".hidden", u"a.b", u"Backups", u" leading"}) {
        EXPECT_TRUE(file.isValidName(String(name)))
            << std::string(u16(String(name)).begin(), u16(String(name)).end());
        EXPECT_FALSE(file.filePathFor(String(name)).isEmpty());
    }
    for (const char16_t* name :
         {u"",    u"a\\b", u"a/b",  u"..",   u".",     u"a..b",      u"..\\x", u"<",      u"a>b",
          u"a:b", u"a\"b", u"a|b",  u"a?",   u"a*",    u"tab\there", u"con",   u"CON",    u"nul.txt",
          u"Aux", u"prn",  u"COM1", u"lpt9", u"name.", u"name ",     u" ",     u"backup", u"BACKUP"}) {
        EXPECT_FALSE(file.isValidName(String(name)))
            << std::string(u16(String(name)).begin(), u16(String(name)).end());
        EXPECT_TRUE(file.filePathFor(String(name)).isEmpty());
        EXPECT_FALSE(file.create(String(name), String(), String(), kCreatedUtc));
    }
    EXPECT_EQ(Directory::count(space.folder(), Directory::kListFiles | Directory::kListDirectories, nullptr),
              0)
        << "nothing was made for a refused name";

    // The file's path is the folder, the name twice and ".rsdb"; it must
    // stay below 260 characters.
    int room = (259 - space.folder().length() - 2 - 5) / 2;
    ASSERT_GT(room, 0);
    EXPECT_TRUE(file.isValidName(String(u'x', room)));
    EXPECT_FALSE(file.isValidName(String(u'x', room + 1)));
    EXPECT_EQ(file.filePathFor(String(u'x', room)).length(), space.folder().length() + 2 * room + 7);
}

TEST(CollectionFile, RepairsDuplicateIdsAndKeepsLoansOfMissingMovies)
{
    ZoneScope zone;
    Workspace space;
    ASSERT_TRUE(space.put("dup.rsdb", collectionWithIds({3, 3, 7, 1, 7}, 2)));
    CollectionFile file(space.folder());
    Contents contents;
    ASSERT_TRUE(file.read(space.path("dup.rsdb"), contents.movies, contents.loaners));
    EXPECT_EQ(idsOf(contents.movies), (std::vector<int32_t>{3, 8, 7, 1, 9}));
    EXPECT_EQ(file.header().lastMovieId, 9) << "raised to the largest id, then past the fresh ones";
    EXPECT_EQ(file.nextMovieId(), 10);

    ASSERT_EQ(contents.loaners.count(), 1);
    ASSERT_EQ(contents.loaners.first()->value.loans.count(), 1)
        << "a loan of a movie that is not there stays";
    EXPECT_EQ(contents.loaners.first()->value.loans.first()->value.movieId, 404);

    // No id can be handed out past the largest one.
    ASSERT_TRUE(space.put("full.rsdb", collectionWithIds({INT_MAX, 5}, 0)));
    Contents full;
    ASSERT_TRUE(file.read(space.path("full.rsdb"), full.movies, full.loaners));
    EXPECT_EQ(file.header().lastMovieId, INT_MAX);
    EXPECT_EQ(file.nextMovieId(), 0) << "no id is left";
    EXPECT_EQ(file.header().lastMovieId, INT_MAX);
    ASSERT_TRUE(space.put("clash.rsdb", collectionWithIds({INT_MAX, INT_MAX}, 0)));
    Contents clash;
    EXPECT_FALSE(file.read(space.path("clash.rsdb"), clash.movies, clash.loaners))
        << "a duplicate that no fresh id can fix";
    EXPECT_TRUE(clash.movies.isEmpty());
}

TEST(CollectionFile, AFailedSaveKeepsTheStoredFile)
{
    ZoneScope zone;
    Workspace space;
    CollectionFile file(space.folder());
    ASSERT_TRUE(file.create(String(u"Example"), String(u"abc"), String(), kCreatedUtc));
    String path = file.filePathFor(String(u"Example"));
    Contents contents;
    ASSERT_TRUE(file.read(path, contents.movies, contents.loaners));
    contents.movies.append(movieTitled(u"Kept", file.nextMovieId()));
    ASSERT_TRUE(file.write(contents.movies, contents.loaners));
    Bytes stored = space.bytes("Example/Example.rsdb");

    contents.movies.append(movieTitled(u"Not saved", file.nextMovieId()));
    ASSERT_TRUE(File::setAttribute(path, File::kAttributeReadOnly, true));
    EXPECT_FALSE(file.write(contents.movies, contents.loaners)) << "a read-only file is not replaced";
    File::setAttribute(path, File::kAttributeReadOnly, false);
    EXPECT_EQ(space.bytes("Example/Example.rsdb"), stored);
    EXPECT_EQ(Directory::count(space.path("Example"), Directory::kListFiles, nullptr), 1)
        << "no temporary file left";

    CollectionFile elsewhere(space.path("gone"));
    ASSERT_TRUE(elsewhere.create(String(u"Lost"), String(), String(), kCreatedUtc));
    Contents lost;
    ASSERT_TRUE(elsewhere.read(elsewhere.filePathFor(String(u"Lost")), lost.movies, lost.loaners));
    ASSERT_GT(std::filesystem::remove_all(space.native("gone")), 0u);
    EXPECT_FALSE(elsewhere.write(lost.movies, lost.loaners)) << "the folder is missing";

    CollectionFile closed(space.folder());
    EXPECT_FALSE(closed.write(contents.movies, contents.loaners)) << "nothing is open";
}

TEST(CollectionFile, AFailedOpenLeavesNothingToWriteOver)
{
    ZoneScope zone;
    Workspace space;
    CollectionFile file(space.folder());
    ASSERT_TRUE(file.create(String(u"Example"), String(u"abc"), String(), kCreatedUtc));
    String path = file.filePathFor(String(u"Example"));
    Contents contents;
    ASSERT_TRUE(file.read(path, contents.movies, contents.loaners));
    contents.movies.append(movieTitled(u"Precious", file.nextMovieId()));
    ASSERT_TRUE(file.write(contents.movies, contents.loaners));
    Bytes stored = space.bytes("Example/Example.rsdb");

    // Close, then an open that fails: the emptied lists must not reach A.
    file.close();
    contents.clear();
    ASSERT_TRUE(space.put("broken.rsdb", Bytes{'R', 'S', 'D', 'B', 1, 2, 3}));
    for (const char* name : {"broken.rsdb", "missing.rsdb", "broken.txt"}) {
        EXPECT_FALSE(file.read(space.path(name), contents.movies, contents.loaners)) << name;
        EXPECT_FALSE(file.write(contents.movies, contents.loaners)) << name;
    }
    EXPECT_EQ(space.bytes("Example/Example.rsdb"), stored);

    // An open that fails while another is open forgets the other too.
    Contents reopened;
    ASSERT_TRUE(file.read(path, reopened.movies, reopened.loaners));
    EXPECT_FALSE(file.read(space.path("broken.rsdb"), reopened.movies, reopened.loaners));
    EXPECT_EQ(reopened.movies.count(), 1) << "the caller's lists are untouched";
    EXPECT_TRUE(file.path().isEmpty());
    EXPECT_EQ(file.header().lastMovieId, 0);
    Contents nothing;
    EXPECT_FALSE(file.write(nothing.movies, nothing.loaners));
    EXPECT_EQ(space.bytes("Example/Example.rsdb"), stored);
}

TEST(CollectionFile, ReadAppendsToTheCallersLists)
{
    ZoneScope zone;
    Workspace space;
    ASSERT_TRUE(space.put("a.rsdb", collectionWithIds({1, 2}, 2)));
    CollectionFile file(space.folder());
    Contents contents;
    contents.movies.append(movieTitled(u"Already there", 99));
    ASSERT_TRUE(file.read(space.path("a.rsdb"), contents.movies, contents.loaners));
    EXPECT_EQ(idsOf(contents.movies), (std::vector<int32_t>{99, 1, 2}));
    EXPECT_EQ(u16(file.directory()), u16(space.folder()));
}
