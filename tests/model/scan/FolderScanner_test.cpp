// The folder scan: which files it proposes, with which titles, on real
// temporary trees. Listing order is the system's, so paths are compared as
// sets.
#include <gtest/gtest.h>

#include "foundation/io/Directory.h"
#include "model/scan/FolderScanner.h"
#include "model/scan/MediaExtensions.h"
#include "tests/foundation/io/IoTestSupport.h"

#include <map>
#include <string>

using iotest::nativeIn;
using iotest::pathIn;
using iotest::show;

namespace {

void touch(const testsupport::TempDir& dir, const std::string& relative)
{
    ASSERT_TRUE(iotest::writeFileBytes(nativeIn(dir, relative), iotest::bytesOf("x")));
}

// Path relative to the scanned folder -> proposed title.
std::map<std::string, std::string> scanned(const FolderScanner& scanner, const String& root)
{
    std::map<std::string, std::string> result;
    std::string prefix = show(root) + "\\";
    for (const ScannedFile& file : scanner.files()) {
        std::string path = show(file.path);
        EXPECT_EQ(path.compare(0, prefix.size(), prefix), 0) << path;
        result[path.substr(prefix.size())] = show(file.title);
    }
    return result;
}

} // namespace

TEST(FolderScanner, TitlesAreMadeFromTheFileName)
{
    EXPECT_EQ(show(FolderScanner::titleFromPath(u"C:\\films\\the_dark_knight.mkv")), "The Dark Knight");
    EXPECT_EQ(show(FolderScanner::titleFromPath(u"C:\\films\\THE_DARK_KNIGHT.AVI")), "THE DARK KNIGHT");
    // Only the last extension goes, and a full stop separates no words.
    EXPECT_EQ(show(FolderScanner::titleFromPath(u"alien.3.avi")), "Alien.3");
    EXPECT_EQ(show(FolderScanner::titleFromPath(u"x\\.avi")), "");
    // Letters inside words keep their case; digits and hyphens stay.
    EXPECT_EQ(show(FolderScanner::titleFromPath(u"x\\mcQueen 2-part_film.mp4")), "McQueen 2-part Film");
    // A tab starts a word too; a blank before a digit changes nothing.
    EXPECT_EQ(show(FolderScanner::titleFromPath(String(u"x\\a\tb 9c.avi"))), "A\\u0009B 9c");
    // Letters beyond ASCII are capitalised as well.
    EXPECT_EQ(show(FolderScanner::titleFromPath(String(u"x\\\u00e9t\u00e9_\u00e0_rome.avi"))),
              "\\u00c9t\\u00e9 \\u00c0 Rome");
}

TEST(FolderScanner, ListsVideoFilesOfEveryLevelAndNothingElse)
{
    testsupport::TempDir dir;
    String root = pathIn(dir, "films");
    ASSERT_TRUE(Directory::create(root + u"\\series\\season 1"));
    touch(dir, "films/the_dark_knight.mkv");
    touch(dir, "films/LOUD.AVI");
    touch(dir, "films/notes.txt");
    touch(dir, "films/cover.jpg");
    touch(dir, "films/mkv");
    touch(dir, "films/.avi");
    touch(dir, "films/clip.avi.txt");
    touch(dir, "films/series/season 1/pilot_episode.m2ts");
    touch(dir, "films/series/song.mp3");

    FolderScanner scanner;
    ASSERT_TRUE(scanner.scan(root));
    std::map<std::string, std::string> expected = {
        {"the_dark_knight.mkv", "The Dark Knight"},
        {"LOUD.AVI", "LOUD"},
        {".avi", ""},
        {"series\\season 1\\pilot_episode.m2ts", "Pilot Episode"},
    };
    EXPECT_EQ(scanned(scanner, root), expected);

    // A later scan replaces the list instead of adding to it.
    ASSERT_TRUE(scanner.scan(root + u"\\series"));
    EXPECT_EQ(scanner.files().count(), 1);
}

TEST(FolderScanner, FailsWithAnEmptyListWhenThereIsNothingToPropose)
{
    testsupport::TempDir dir;
    String root = pathIn(dir, "music");
    ASSERT_TRUE(Directory::create(root));
    touch(dir, "music/song.mp3");
    touch(dir, "films.avi");

    FolderScanner scanner;
    ASSERT_TRUE(scanner.scan(pathIn(dir, "")));
    EXPECT_EQ(scanner.files().count(), 1);

    // Each failure empties what an earlier scan found.
    EXPECT_FALSE(scanner.scan(root));
    EXPECT_TRUE(scanner.files().isEmpty());
    ASSERT_TRUE(scanner.scan(pathIn(dir, "")));
    EXPECT_FALSE(scanner.scan(pathIn(dir, "films.avi")));
    EXPECT_TRUE(scanner.files().isEmpty());
    ASSERT_TRUE(scanner.scan(pathIn(dir, "")));
    EXPECT_FALSE(scanner.scan(pathIn(dir, "missing")));
    EXPECT_TRUE(scanner.files().isEmpty());
    ASSERT_TRUE(scanner.scan(pathIn(dir, "")));
    EXPECT_FALSE(scanner.scan(String()));
    EXPECT_TRUE(scanner.files().isEmpty());
}

TEST(MediaExtensions, KnowsVideoAndAudioFilesInAnyCase)
{
    StringList video = videoFileExtensions();
    ASSERT_EQ(video.count(), 13);
    EXPECT_EQ(show(video.join(String(u","), 0)), "avi,divx,mov,qt,wmv,mp4,mpg,mpeg,flv,mkv,m2ts,3gp,m1v");
    for (const String& extension : video) {
        EXPECT_TRUE(isVideoExtension(extension));
        EXPECT_TRUE(isVideoExtension(extension.toUpper()));
        EXPECT_FALSE(isAudioExtension(extension));
    }
    EXPECT_FALSE(isVideoExtension(String(u"mp3")));
    EXPECT_FALSE(isVideoExtension(String(u".avi")));
    EXPECT_FALSE(isVideoExtension(String(u"av")));
    EXPECT_FALSE(isVideoExtension(String()));
    EXPECT_TRUE(isAudioExtension(String(u"FLAC")));
    EXPECT_TRUE(isAudioExtension(String(u"ogg")));
    EXPECT_FALSE(isAudioExtension(String(u"ogv")));
    EXPECT_FALSE(isAudioExtension(String()));
}
