// Creating, opening and saving collections: ids that never repeat, names
// that cannot escape their folder, and saves and opens that fail without
// costing the user a stored collection.
#include <gtest/gtest.h>

#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "tests/model/collection/CollectionTestSupport.h"

#include <climits>
#include <filesystem>

using namespace collectiontest;

namespace {

// A collection holding movies with these ids, a header counter of lastId and
// a loan of movie 404, which is not there.
Bytes collectionWithIds(const std::vector<int32_t>& ids, int32_t lastId)
{
    std::vector<Bytes> movies;
    for (int32_t id : ids)
        movies.push_back(node("MOV_", {}, {value("MVID", ints({id}))}));
    Bytes loan = node("LOAN", {}, {value("MVID", ints({404}))});
    return collectionOf({value("LMID", ints({lastId}))}, movies,
                        {node("LNER", {node("LONS", {loan}, {})}, {})});
}

int fileCount(const String& folder)
{
    return Directory::count(folder, Directory::kListFiles | Directory::kListDirectories, nullptr);
}

} // namespace

TEST(CollectionFile, RepairsDuplicateIdsAndKeepsLoansOfMissingMovies)
{
    struct Row
    {
        const char* what;
        std::vector<int32_t> ids;
        int32_t lastId;
        std::vector<int32_t> read; // empty: refused
        int32_t nextId;
    };
    const Row rows[] = {
        {"the counter rises past the largest and the fresh ids", {3, 3, 7, 1, 7}, 2, {3, 8, 7, 1, 9}, 10},
        {"no id left to hand out", {INT_MAX, 5}, 0, {INT_MAX, 5}, 0},
        {"three of one id: the first keeps it", {5, 2, 5, 5, 2}, 0, {5, 2, 6, 7, 8}, 9},
        {"a duplicate no fresh id can fix", {INT_MAX, INT_MAX}, 0, {}, 0},
    };
    Workspace space;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ASSERT_TRUE(space.put("ids.rsdb", collectionWithIds(row.ids, row.lastId)));
        CollectionFile file(space.folder());
        Contents contents;
        ASSERT_EQ(file.read(space.path("ids.rsdb"), contents.movies, contents.loaners), !row.read.empty());
        EXPECT_EQ(contents.ids(), row.read);
        if (row.read.empty())
            continue;
        EXPECT_EQ(file.nextMovieId(), row.nextId);
        EXPECT_EQ(file.header().lastMovieId, row.nextId ? row.nextId : INT_MAX);
        ASSERT_EQ(contents.loaners.count(), 1);
        ASSERT_EQ(contents.loaners.first()->value.loans.count(), 1);
        EXPECT_EQ(contents.loaners.first()->value.loans.first()->value.movieId, 404);
    }
}

TEST(CollectionFile, NamesMustStayPlainFolderNames)
{
    Workspace space;
    CollectionFile file(space.folder());
    for (const char16_t* name : {u"Example", u"My Films 2024", u"Pel\u00edculas", u"con2", u"COM10",
                                 u".hidden", u"a.b", u"Backups", u" leading"}) {
        EXPECT_TRUE(file.isValidName(String(name))) << iotest::show(String(name));
        EXPECT_FALSE(file.filePathFor(String(name)).isEmpty());
    }
    for (const char16_t* name : {u"",
                                 u"a\\b",
                                 u"a/b",
                                 u"..",
                                 u".",
                                 u"a..b",
                                 u"..\\x",
                                 u"<",
                                 u"a>b",
                                 u"a:b",
                                 u"a\"b",
                                 u"a|b",
                                 u"a?",
                                 u"a*",
                                 u"tab\there",
                                 u"con",
                                 u"CON",
                                 u"nul.txt",
                                 u"Aux",
                                 u"prn",
                                 u"COM1",
                                 u"lpt9",
                                 u"name.",
                                 u"name ",
                                 u" ",
                                 u"backup",
                                 u"BACKUP",
                                 u"../x",
                                 u"C:\\x",
                                 u"\\\\host\\share",
                                 u"..\\..\\Films",
                                 u"a\x01"}) {
        EXPECT_FALSE(file.isValidName(String(name))) << iotest::show(String(name));
        EXPECT_TRUE(file.filePathFor(String(name)).isEmpty());
        EXPECT_FALSE(file.create(String(name), String(), String()));
    }
    EXPECT_EQ(fileCount(space.folder()), 0) << "nothing was made for a refused name";

    // The file's path is the folder, the name twice and ".rsdb"; it must
    // stay below 260 characters.
    int room = (259 - space.folder().length() - 2 - 5) / 2;
    ASSERT_GT(room, 0);
    EXPECT_TRUE(file.isValidName(String(u'x', room)));
    EXPECT_FALSE(file.isValidName(String(u'x', room + 1)));
}

TEST(CollectionFile, AFailedSaveKeepsTheStoredFile)
{
    Workspace space;
    CollectionFile file(space.folder());
    Contents contents;
    String path = space.open(file, u"Example", contents);
    contents.movies.append(movieTitled(u"Kept", file.nextMovieId()));
    ASSERT_TRUE(file.write(contents.movies, contents.loaners));
    Bytes stored = space.bytes("Example/Example.rsdb");

    contents.movies.append(movieTitled(u"Not saved", file.nextMovieId()));
    ASSERT_TRUE(File::setAttribute(path, File::kAttributeReadOnly, true));
    EXPECT_FALSE(file.write(contents.movies, contents.loaners)) << "a read-only file is not replaced";
    File::setAttribute(path, File::kAttributeReadOnly, false);
    EXPECT_EQ(space.bytes("Example/Example.rsdb"), stored);
    EXPECT_EQ(fileCount(space.path("Example")), 3) << "no temporary file left beside the two folders";

    CollectionFile elsewhere(space.path("gone"));
    Contents lost;
    ASSERT_FALSE(space.open(elsewhere, u"Lost", lost).isEmpty());
    ASSERT_GT(std::filesystem::remove_all(space.native("gone")), 0u);
    EXPECT_FALSE(elsewhere.write(lost.movies, lost.loaners)) << "the folder is missing";
}

TEST(CollectionFile, AFailedOpenLeavesNothingToWriteOver)
{
    Workspace space;
    CollectionFile file(space.folder());
    Contents contents;
    String path = space.open(file, u"Example", contents);
    contents.movies.append(movieTitled(u"Precious", file.nextMovieId()));
    ASSERT_TRUE(file.write(contents.movies, contents.loaners));
    Bytes stored = space.bytes("Example/Example.rsdb");

    // After a close, or while it is open, an open that fails leaves no
    // collection that the emptied lists could be written over.
    ASSERT_TRUE(space.put("broken.rsdb", Bytes{'R', 'S', 'D', 'B', 1, 2, 3}));
    for (const char* name : {"broken.rsdb", "missing.rsdb", "broken.txt"}) {
        for (bool closeFirst : {true, false}) {
            Contents opened;
            ASSERT_TRUE(file.read(path, opened.movies, opened.loaners));
            if (closeFirst)
                file.close();
            EXPECT_FALSE(file.read(space.path(name), opened.movies, opened.loaners)) << name;
            EXPECT_EQ(opened.movies.count(), 1) << "the caller's lists are untouched";
            EXPECT_EQ(file.header().lastMovieId, 0) << name;
            opened.clear();
            EXPECT_FALSE(file.write(opened.movies, opened.loaners)) << name;
        }
    }
    EXPECT_EQ(space.bytes("Example/Example.rsdb"), stored);
}
