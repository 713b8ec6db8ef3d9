// The folder scan: which files it proposes, with which titles, on real
// temporary trees. Listing order is the system's, so paths are compared as
// sets.
#include <gtest/gtest.h>

#include "foundation/io/Directory.h"
#include "model/scan/FolderScanner.h"
#include "tests/support/IoTestSupport.h"

#include <map>

using iotest::show;

TEST(FolderScanner, TitlesAreMadeFromTheFileName)
{
    const std::pair<const char16_t*, const char*> rows[] = {
        {u"C:\\films\\the_dark_knight.mkv", "The Dark Knight"},
        {u"C:\\films\\THE_DARK_KNIGHT.AVI", "THE DARK KNIGHT"},
        {u"alien.3.avi", "Alien.3"}, // only the last extension goes; a full stop separates no words
        {u"x\\.avi", ""},
        {u"x\\mcQueen 2-part_film.mp4", "McQueen 2-part Film"},
        {u"x\\a\tb 9c.avi", "A\\u0009B 9c"}, // a tab starts a word; a digit is not capitalised
        {u"x\\\u00e9t\u00e9_\u00e0_rome.avi", "\\u00c9t\\u00e9 \\u00c0 Rome"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(show(FolderScanner::titleFromPath(String(row.first))), row.second)
            << show(String(row.first));
}

TEST(FolderScanner, ListsVideoFilesOfEveryLevelAndNothingElse)
{
    testsupport::TempDir dir;
    String root = iotest::pathIn(dir, "films");
    ASSERT_TRUE(Directory::create(root + u"\\series\\season 1") &&
                Directory::create(root + u"\\series\\music"));
    for (const char* name : {"the_dark_knight.mkv", "LOUD.AVI", "notes.txt", "cover.jpg", "mkv", ".avi",
                             "clip.avi.txt", "series/season 1/pilot_episode.m2ts", "series/music/song.mp3"})
        ASSERT_TRUE(iotest::writeFileBytes(iotest::nativeIn(dir, std::string("films/") + name), {'x'}));

    FolderScanner scanner;
    ASSERT_TRUE(scanner.scan(root));
    std::map<std::string, std::string> found;
    for (const ScannedFile& file : scanner.files())
        found[show(file.path)] = show(file.title);
    std::string prefix = show(root) + "\\";
    EXPECT_EQ(found, (std::map<std::string, std::string>{
                         {prefix + "the_dark_knight.mkv", "The Dark Knight"},
                         {prefix + "LOUD.AVI", "LOUD"},
                         {prefix + ".avi", ""},
                         {prefix + "series\\season 1\\pilot_episode.m2ts", "Pilot Episode"}}));

    // A scan that finds nothing to propose fails and empties what an earlier
    // one found.
    for (String failing : {root + u"\\series\\music", root + u"\\LOUD.AVI", root + u"\\missing", String()}) {
        ASSERT_TRUE(scanner.scan(root));
        EXPECT_FALSE(scanner.scan(failing)) << show(failing);
        EXPECT_TRUE(scanner.files().isEmpty()) << show(failing);
    }
}
