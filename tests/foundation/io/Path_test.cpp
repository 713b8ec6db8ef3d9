// The path rules every caller relies on: extensions, names, folders, drive
// parts, validity, the reserved device names and normalisation.
#include <gtest/gtest.h>

#include "foundation/io/Path.h"
#include "foundation/io/PathParts.h"
#include "tests/foundation/io/IoTestSupport.h"

using iotest::show;

TEST(Path, ExtensionIsTakenOnlyFromTheFileName)
{
    EXPECT_EQ(show(pathExtension(u"a.b\\c")), "");
    EXPECT_EQ(show(pathExtension(u"c.TXT", 1)), "txt");
    EXPECT_EQ(show(pathExtension(u"c:\\dir\\file.Tar", 2)), "TAR");
    EXPECT_EQ(show(pathExtension(u"c:\\dir\\file.Tar")), "Tar");
    EXPECT_EQ(show(pathExtension(u"name.")), "");
    EXPECT_EQ(show(pathExtension(u"README")), "");
    EXPECT_EQ(show(pathExtension(u"archive.tar.gz")), "gz");
    EXPECT_EQ(show(pathExtension(String())), "");
}

TEST(Path, ExtensionIsCutToItsLimit)
{
    String longName(u"x.");
    longName.appendRepeated(u'e', 300);
    EXPECT_EQ(pathExtension(longName).length(), 255);
}

TEST(Path, FileNameAndBaseName)
{
    EXPECT_EQ(show(pathFileName(u"c:\\dir\\")), "");
    EXPECT_EQ(show(pathFileName(u"name.txt")), "name.txt");
    EXPECT_EQ(show(pathFileName(u"c:\\dir\\f.txt")), "f.txt");

    EXPECT_EQ(show(pathBaseName(u"c:\\x\\.hidden")), "");
    EXPECT_EQ(show(pathBaseName(u"archive.tar.gz")), "archive.tar");
    EXPECT_EQ(show(pathBaseName(u"c:\\x\\name.")), "name.");
    EXPECT_EQ(show(pathBaseName(u"c:\\x\\README")), "");
    EXPECT_EQ(show(pathBaseName(u"c:\\films.old\\cover.jpg")), "cover");
}

TEST(Path, DirectoryOfNamesWithAndWithoutDots)
{
    EXPECT_EQ(show(pathDirectory(u"c:\\dir\\a.txt")), "c:\\dir");
    EXPECT_EQ(show(pathDirectory(u"c:\\dir\\")), "c:\\dir");
    EXPECT_EQ(show(pathDirectory(u"\\a.txt")), "");
    EXPECT_EQ(show(pathDirectory(u"name.txt")), "");
    EXPECT_EQ(show(pathDirectoryName(u"c:\\movies\\x.avi")), "movies");
    EXPECT_EQ(show(pathDirectoryName(u"c:\\x.avi")), "c:");
}

TEST(Path, DirectoryOfADotlessNameDependsOnWhetherAFileHasIt)
{
    testsupport::TempDir dir;
    String sub = iotest::pathIn(dir, "sub");
    EXPECT_TRUE(pathDirectory(sub) == sub);
    ASSERT_TRUE(iotest::writeFileBytes(iotest::nativeIn(dir, "sub"), iotest::bytesOf("x")));
    EXPECT_TRUE(pathDirectory(sub) == iotest::toPath(dir.path()));
}

TEST(Path, DriveParts)
{
    EXPECT_TRUE(isDriveRoot(u"c:\\"));
    EXPECT_FALSE(isDriveRoot(u"c:"));
    EXPECT_FALSE(isDriveRoot(u"c:\\x"));
    EXPECT_FALSE(isDriveRoot(u"1:\\"));
    EXPECT_EQ(show(driveLetter(u"d:\\films")), "d");
    EXPECT_EQ(show(driveLetter(u"d:")), "");
    EXPECT_EQ(show(driveLetter(u"films")), "");
    EXPECT_EQ(show(driveLetter(u":\\x")), "");
}

TEST(Path, LengthAndNameValidity)
{
    EXPECT_FALSE(isPathLengthValid(String()));
    EXPECT_TRUE(isPathLengthValid(String(u'a', 259)));
    EXPECT_FALSE(isPathLengthValid(String(u'a', 260)));

    EXPECT_TRUE(isValidFileName(u"my movie (1999).avi"));
    EXPECT_FALSE(isValidFileName(String()));
    const char16_t forbidden[] = u"\\/:*?\"<>|";
    for (const char16_t* p = forbidden; *p; ++p) {
        String name(u"ab");
        name.insertChar(1, *p);
        EXPECT_FALSE(isValidFileName(name)) << show(name);
    }
}

TEST(Path, MakeValidFileNameReplacesBadCharactersAndDeviceNames)
{
    EXPECT_EQ(show(makeValidFileName(u"nul")), "___");
    EXPECT_EQ(show(makeValidFileName(u"aux.txt")), "___.txt");
    EXPECT_EQ(show(makeValidFileName(u"AUX.txt")), "___.txt");
    EXPECT_EQ(show(makeValidFileName(u"auxiliary")), "auxiliary");
    EXPECT_EQ(show(makeValidFileName(u"console")), "console");
    EXPECT_EQ(show(makeValidFileName(u"com1.txt")), "____.txt");
    EXPECT_EQ(show(makeValidFileName(u"lpt9")), "____");
    EXPECT_EQ(show(makeValidFileName(u"a:b?")), "a_b_");
    EXPECT_EQ(show(makeValidFileName(u".x.")), "_x_");
    EXPECT_EQ(show(makeValidFileName(u"my film")), "my_film");
    EXPECT_EQ(show(makeValidFileName(u"[a]{b}(c)$%-_@~!^#&+=,;")), "[a]{b}(c)$%-_@~!^#&+=,;");
    EXPECT_TRUE(makeValidFileName(u"Zo\u00eb \u21165") == String(u"Zo\u00eb_\u21165"));
    EXPECT_EQ(show(makeValidFileName(String())), "");
}

TEST(Path, NormalizeCollapsesSeparatorsAndDropsTheLongPrefix)
{
    EXPECT_EQ(show(normalizePath(u"  \\\\?\\c:/a//b  ")), "c:\\a\\b");
    EXPECT_EQ(show(normalizePath(u"c:a")), "c:\\a");
    EXPECT_EQ(show(normalizePath(u"c:\\a")), "c:\\a");
    EXPECT_EQ(show(normalizePath(u"   ")), "");
    EXPECT_TRUE(isNormalized(u"c:\\a\\b"));
    EXPECT_FALSE(isNormalized(u"c:/a"));
}

TEST(Path, NearestExistingFolderWalksUpToAnExistingParent)
{
    testsupport::TempDir dir;
    String base = iotest::toPath(dir.path());
    String expected = base;
    expected.appendChar(u'\\');
    EXPECT_TRUE(nearestExistingFolder(base + u"\\missing\\deeper") == expected);
    EXPECT_TRUE(nearestExistingFolder(String()).isEmpty());
    EXPECT_TRUE(nearestExistingFolder(u"q:q:q").isEmpty());
}

TEST(Path, UniqueFileNameSkipsTakenNumbers)
{
    testsupport::TempDir dir;
    String folder = iotest::toPath(dir.path());
    EXPECT_EQ(show(uniqueFileName(u"cover", u"jpg", folder)), "cover_0000.jpg");
    for (int i = 0; i < 10; ++i) {
        std::string name = "cover_000" + std::to_string(i) + ".jpg";
        ASSERT_TRUE(iotest::writeFileBytes(iotest::nativeIn(dir, name), iotest::bytesOf("x")));
    }
    EXPECT_EQ(show(uniqueFileName(u"cover", u"jpg", folder)), "cover_0010.jpg");
    EXPECT_EQ(show(uniqueFileName(u"cover", u"png", folder + u"\\")), "cover_0000.png");
    EXPECT_EQ(show(uniqueFileName(u"cover", u"jpg", folder + u"\\missing")), "");
    EXPECT_EQ(show(uniqueFileName(String(), u"jpg", folder)), "");
    EXPECT_EQ(show(uniqueFileName(u"cover", String(), folder)), "");
}

TEST(Path, PartsSplitAPathAsTheRulesDo)
{
    PathParts parts(u"c:\\films\\Alien.Director's Cut.MKV");
    EXPECT_EQ(show(parts.directory()), "c:\\films");
    EXPECT_EQ(show(parts.baseName()), "Alien.Director's Cut");
    EXPECT_EQ(show(parts.extension()), "MKV");
    parts.setExtension(u"avi");
    parts.clearBaseName();
    EXPECT_EQ(show(parts.baseName()), "");
    EXPECT_EQ(show(parts.extension()), "avi");

    PathParts copy = parts;
    EXPECT_EQ(show(copy.directory()), "c:\\films");
    PathParts empty{String()};
    EXPECT_TRUE(empty.directory().isEmpty() && empty.baseName().isEmpty() && empty.extension().isEmpty());
}
