// The path rules every caller relies on: extensions, names, folders, drive
// parts, validity, the reserved device names and normalisation.
#include <gtest/gtest.h>

#include <filesystem>

#include "foundation/io/Path.h"
#include "foundation/io/PathParts.h"
#include "tests/support/IoTestSupport.h"

using iotest::show;

TEST(Path, TextFunctionsTable)
{
    using Function = String (*)(const String&);
    const Function extension = [](const String& p) { return pathExtension(p); };
    const Function lower = [](const String& p) { return pathExtension(p, 1); };
    const Function upper = [](const String& p) { return pathExtension(p, 2); };
    struct Case
    {
        const char* name;
        Function function;
        const char16_t* path;
        const char* expected;
    };
    const Case cases[] = {
        {"extension", extension, u"a.b\\c", ""},
        {"extension", lower, u"c.TXT", "txt"},
        {"extension", upper, u"c:\\dir\\file.Tar", "TAR"},
        {"extension", extension, u"name.", ""},
        {"extension", extension, u"archive.tar.gz", "gz"},
        {"file name", pathFileName, u"c:\\dir\\", ""},
        {"file name", pathFileName, u"c:\\dir\\f.txt", "f.txt"},
        {"base name", pathBaseName, u"c:\\x\\.hidden", ""},
        {"base name", pathBaseName, u"archive.tar.gz", "archive.tar"},
        {"base name", pathBaseName, u"c:\\x\\name.", "name."},
        {"base name", pathBaseName, u"c:\\x\\README", ""},
        {"base name", pathBaseName, u"c:\\films.old\\cover.jpg", "cover"},
        {"directory", pathDirectory, u"c:\\dir\\a.txt", "c:\\dir"},
        {"directory", pathDirectory, u"c:\\dir\\", "c:\\dir"},
        {"directory", pathDirectory, u"\\a.txt", ""},
        {"directory", pathDirectory, u"name.txt", ""},
        {"directory name", pathDirectoryName, u"c:\\movies\\x.avi", "movies"},
        {"directory name", pathDirectoryName, u"c:\\x.avi", "c:"},
        {"drive letter", driveLetter, u"d:\\films", "d"},
        {"drive letter", driveLetter, u"d:", ""},
        {"drive letter", driveLetter, u":\\x", ""},
        {"normalize", normalizePath, u"  \\\\?\\c:/a//b  ", "c:\\a\\b"},
        {"normalize", normalizePath, u"c:a", "c:\\a"},
        {"normalize", normalizePath, u"   ", ""},
        // Device names become underscores; other bad characters too.
        {"valid name", makeValidFileName, u"nul", "___"},
        {"valid name", makeValidFileName, u"AUX.txt", "___.txt"},
        {"valid name", makeValidFileName, u"auxiliary", "auxiliary"},
        {"valid name", makeValidFileName, u"console", "console"},
        {"valid name", makeValidFileName, u"com1.txt", "____.txt"},
        {"valid name", makeValidFileName, u"lpt9", "____"},
        {"valid name", makeValidFileName, u"conin$.txt", "______.txt"},
        {"valid name", makeValidFileName, u"CONOUT$", "_______"},
        {"valid name", makeValidFileName, u"conin$x.txt", "conin$x.txt"},
        {"valid name", makeValidFileName, u"a:b?", "a_b_"},
        {"valid name", makeValidFileName, u".x.", "_x_"},
        {"valid name", makeValidFileName, u"my film", "my_film"},
        {"valid name", makeValidFileName, u"[a]{b}(c)$%-_@~!^#&+=,;", "[a]{b}(c)$%-_@~!^#&+=,;"},
        {"valid name", makeValidFileName, u"Zo\u00eb \u21165", "Zo\\u00eb_\\u21165"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(show(c.function(c.path)), c.expected) << c.name << " of " << show(c.path);
        EXPECT_EQ(show(c.function(String())), "") << c.name << " of nothing";
    }
    String longName(u"x.");
    longName.appendRepeated(u'e', 300);
    EXPECT_EQ(pathExtension(longName).length(), 255);
}

TEST(Path, ValidityTests)
{
    EXPECT_TRUE(isDriveRoot(u"c:\\"));
    for (const char16_t* path : {u"c:", u"c:\\x", u"1:\\"})
        EXPECT_FALSE(isDriveRoot(path)) << show(path);
    EXPECT_TRUE(isNormalized(u"c:\\a\\b"));
    EXPECT_FALSE(isNormalized(u"c:/a"));
    EXPECT_FALSE(isPathLengthValid(String()));
    EXPECT_TRUE(isPathLengthValid(String(u'a', 259)));
    EXPECT_FALSE(isPathLengthValid(String(u'a', 260)));
    EXPECT_TRUE(isValidFileName(u"my movie (1999).avi"));
    EXPECT_FALSE(isValidFileName(String()));
    for (const char16_t* p = u"\\/:*?\"<>|"; *p; ++p) {
        String name(u"ab");
        name.insertChar(1, *p);
        EXPECT_FALSE(isValidFileName(name)) << show(name);
    }
}

// Names read from files are joined to folders: none may lead out of them.
TEST(Path, FileNameCheckRefusesEveryWayOut)
{
    const char16_t* accepted[] = {
        u"front.png", u"Am\u00e9lie (12) - poster.jpg", u".hidden", u"a..b.png", u"x", u"trailing.dot.png"};
    for (const char16_t* name : accepted)
        EXPECT_TRUE(isValidFileName(String(name))) << show(String(name));
    EXPECT_TRUE(isValidFileName(String(u'x', kMaxFileNameLength)));

    const char16_t* refused[] = {u"",      u"a\\b",        u"a/b",   u"..\\x", u"../x", u"C:",      u"C:x",
                                 u"C:\\x", u"\\\\host\\s", u"//h/s", u".",     u"..",   u"...",     u".. ",
                                 u"name.", u"name ",       u" ",     u"a\tb",  u"a\nb", u"\x01",    u"a*",
                                 u"a?",    u"a\"b",        u"a<b",   u"a>b",   u"a|b",  u"\x1f.png"};
    for (const char16_t* name : refused)
        EXPECT_FALSE(isValidFileName(String(name))) << show(String(name));
    EXPECT_FALSE(isValidFileName(String(u'x', kMaxFileNameLength + 1)));
    EXPECT_FALSE(isValidFileName(String(u'x', 300)));
    EXPECT_FALSE(isValidFileName(String(u"a\0b", 3))) << "a zero unit ends the name early for the system";
}

// A device name opens the device in every folder, whatever its extension;
// a name made valid is never one.
TEST(Path, DeviceNamesAreKnownInEveryForm)
{
    for (const char16_t* name :
         {u"CON",          u"con",    u"Prn.txt",    u"AUX",           u"nul.tar.gz",
          u"NUL  .png",    u"COM1",   u"com9.jpg",   u"LPT1",          u"lPt9.x",
          u"con.",         u"AUX ",   u"COM\u00b9",  u"com\u00b2.png", u"LPT\u00b3.jpg",
          u"lpt\u00b9 .x", u"CONIN$", u"conin$.txt", u"CONOUT$",       u"ConOut$.log.gz",
          u"conout$ "}) {
        EXPECT_TRUE(isDeviceFileName(String(name))) << show(String(name));
        EXPECT_FALSE(isDeviceFileName(makeValidFileName(String(name)))) << show(String(name));
    }
    for (const char16_t* name : {u"",          u"CONSOLE",  u"CONSOLE.pix", u"con2",
                                 u"COM0",      u"COM10",    u"LPT",         u"LPT0.png",
                                 u"xNUL",      u"NULL.txt", u"a.CON",       u"COM-1",
                                 u"nul-1.png", u".con",     u"COM\u00b4",   u"LPT\u00b9\u00b9",
                                 u"COM\u2074", u"CONIN",    u"CONOUT.txt",  u"CONIN$X",
                                 u"a.conin$"})
        EXPECT_FALSE(isDeviceFileName(String(name))) << show(String(name));
}

// Names from the configuration get an extension added before they are used:
// the answer must be the same with and without it, and a look-alike of a
// device stays usable.
TEST(Path, UsableNamesAreValidAndNoDeviceWithOrWithoutAnExtension)
{
    const struct
    {
        const char16_t* name;
        bool usable;
    } rows[] = {
        {u"German", true},   {u"white", true},   {u"CONSOLE", true},  {u"COM10", true}, {u"COM0", true},
        {u"a.CON", true},    {u"NULL", true},    {u"CON", false},     {u"com1", false}, {u"LPT1.lang", false},
        {u"NUL.txt", false}, {u"CONIN$", false}, {u"conout$", false}, {u"a\\b", false}, {u"a:b", false},
    };
    for (const auto& row : rows) {
        const String name(row.name);
        EXPECT_EQ(isUsableFileName(name), row.usable) << show(name);
        EXPECT_EQ(isUsableFileName(name + String(u".lang")), row.usable) << show(name);
    }
}

TEST(Path, FolderAnswersDependOnWhatExists)
{
    testsupport::TempDir dir;
    String base = iotest::toPath(dir.path());
    // The directory of a dotless name is the name itself, unless a file has it.
    String sub = iotest::pathIn(dir, "sub");
    EXPECT_TRUE(pathDirectory(sub) == sub);
    ASSERT_TRUE(iotest::writeFileBytes(iotest::nativeIn(dir, "sub"), iotest::bytesOf("x")));
    EXPECT_TRUE(pathDirectory(sub) == base);

    EXPECT_TRUE(nearestExistingFolder(base + u"\\missing\\deeper") == base + u"\\");
    // A folder that exists is passed over for its parent, with or without its separator.
    ASSERT_TRUE(std::filesystem::create_directory(iotest::nativeIn(dir, "box")));
    EXPECT_TRUE(nearestExistingFolder(base + u"\\box") == base + u"\\");
    EXPECT_TRUE(nearestExistingFolder(base + u"\\box\\") == base + u"\\");
    EXPECT_TRUE(nearestExistingFolder(String()).isEmpty());
    EXPECT_TRUE(nearestExistingFolder(u"q:q:q").isEmpty());

    EXPECT_EQ(show(uniqueFileName(u"cover", u"jpg", base)), "cover_0000.jpg");
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(iotest::writeFileBytes(iotest::nativeIn(dir, "cover_000" + std::to_string(i) + ".jpg"),
                                           iotest::bytesOf("x")));
    EXPECT_EQ(show(uniqueFileName(u"cover", u"jpg", base)), "cover_0010.jpg");
    EXPECT_EQ(show(uniqueFileName(u"cover", u"png", base + u"\\")), "cover_0000.png");
    EXPECT_EQ(show(uniqueFileName(u"cover", u"jpg", base + u"\\missing")), "");
    EXPECT_EQ(show(uniqueFileName(String(), u"jpg", base)), "");
    EXPECT_EQ(show(uniqueFileName(u"cover", String(), base)), "");
}

TEST(Path, PartsSplitAPathAsTheRulesDo)
{
    PathParts parts(u"c:\\films\\Alien.Director's Cut.MKV");
    EXPECT_EQ(show(parts.directory()), "c:\\films");
    EXPECT_EQ(show(parts.baseName()), "Alien.Director's Cut");
    EXPECT_EQ(show(parts.extension()), "MKV");
    parts.setExtension(u"avi");
    parts.clearBaseName();
    PathParts copy = parts;
    EXPECT_EQ(show(copy.directory() + u"|" + copy.baseName() + u"|" + copy.extension()), "c:\\films||avi");
    PathParts empty{String()};
    EXPECT_TRUE(empty.directory().isEmpty() && empty.baseName().isEmpty() && empty.extension().isEmpty());
}
