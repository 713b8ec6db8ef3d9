// The application core's portable half: identity, archives by name, the
// choice and listing of languages, and translation with and without one.
#include <gtest/gtest.h>

#include "foundation/core/AppCore.h"
#include "foundation/core/Translator.h"
#include "foundation/data/PakArchive.h"
#include "foundation/hash/Crc32.h"
#include "foundation/io/Directory.h"
#include "foundation/io/Path.h"
#include "foundation/text/ByteArray.h"
#include "tests/foundation/core/CoreTestSupport.h"

#include <algorithm>
#include <string>
#include <vector>

using iotest::nativeIn;
using iotest::pathIn;

namespace {

// A core whose program folder is a fresh temporary folder.
class AppCoreTest : public ::testing::Test
{
protected:
    AppCoreTest() : m_core(String(u"Reelstack"), String(u"1.2.0"))
    {
        m_core.setAppDirectory(iotest::toPath(m_dir.path()));
        Directory::create(pathIn(m_dir, "languages"));
    }

    // An archive holding one group of that name.
    bool writeArchive(const char* relativePath, const char16_t* groupName)
    {
        PakArchive archive;
        String path = pathIn(m_dir, relativePath);
        return iotest::writeFileBytes(nativeIn(m_dir, "item.txt"), iotest::bytesOf("bytes")) &&
               archive.addFile(pathIn(m_dir, "item.txt"), String(groupName), String(u"item.txt")) &&
               Directory::create(pathDirectory(path)) && archive.save(path);
    }

    // A language file in the program's language folder, with its time.
    bool copyLanguage(const char* fixture, const char* name, int hour)
    {
        return iotest::writeFileBytes(nativeIn(m_dir, std::string("languages/") + name),
                                      iotest::readFileBytes(coretest::nativeLanguageFixture(fixture))) &&
               coretest::setFileTime(languagePath(name), 2024, 1, 1, hour);
    }

    String languagePath(const char* name) { return pathIn(m_dir, std::string("languages\\") + name); }

    std::u16string translated(const char16_t* text, const char16_t* context = nullptr)
    {
        String out(u"stale");
        m_core.translate(out, text, context);
        return u16(out);
    }

    std::u16string installedFile()
    {
        return m_core.translator() ? u16(m_core.translator()->filePath()) : std::u16string(u"<none>");
    }

    testsupport::TempDir m_dir;
    AppCore m_core;
};

bool hasGroup(PakArchive* archive, const char16_t* name)
{
    return archive && archive->findGroup(String(name)) != nullptr;
}

} // namespace

TEST_F(AppCoreTest, KeepsTheProgramsIdentity)
{
    // Only the first core is the instance, and a destroyed one is no more.
    {
        AppCore second(String(u"Second"), String(u"2"));
        EXPECT_EQ(AppCore::instance(), &m_core);
    }
    EXPECT_EQ(AppCore::instance(), &m_core);
    // This copy of the program: name, version and the checksum taken once per run.
    ByteArray program;
    ASSERT_TRUE(program.loadFromFile(m_core.programPath()));
    std::u16string crc = u16(Crc32(program.data(), uint32_t(program.size())).toString());
    EXPECT_EQ(u16(m_core.agentIdentity(false)), u"Reelstack|1.2.0|" + crc);
    m_core.setVersion(String(u"1.2.1"));
    EXPECT_EQ(u16(m_core.agentIdentity(false)), u"Reelstack|1.2.1|" + crc);
}

TEST_F(AppCoreTest, OpensArchivesFromTheProgramFolderThenData)
{
    ASSERT_TRUE(writeArchive("data.pak", u"top"));
    ASSERT_TRUE(writeArchive("data/data.pak", u"below"));
    ASSERT_TRUE(writeArchive("styles/white.style", u"white"));
    EXPECT_TRUE(m_core.openPak(String(u"data")));
    EXPECT_TRUE(hasGroup(m_core.findPak(String(u"data")), u"top"));
    EXPECT_TRUE(m_core.closePak(String(u"data")));
    ASSERT_TRUE(File::remove(pathIn(m_dir, "data.pak")));
    EXPECT_TRUE(m_core.openPak(String(u"data")));
    EXPECT_TRUE(hasGroup(m_core.findPak(String(u"data")), u"below"));

    // Missing and damaged archives register nothing.
    ASSERT_TRUE(
        iotest::writeFileBytes(nativeIn(m_dir, "broken.pak"), iotest::bytesOf("FB broken archive....")));
    EXPECT_FALSE(m_core.openPak(String(u"broken")));
    EXPECT_FALSE(m_core.openPak(String(u"styles")));
    // A name with a separator is the path, registered under its base name.
    EXPECT_TRUE(m_core.openPak(pathIn(m_dir, "styles\\white.style")));
    EXPECT_TRUE(hasGroup(m_core.findPak(String(u"white")), u"white"));
    std::vector<uint8_t> bytes = iotest::readFileBytes(nativeIn(m_dir, "styles/white.style"));
    EXPECT_TRUE(m_core.openPakFromMemory(String(u"memory"), bytes.data(), int32_t(bytes.size())));
    EXPECT_FALSE(m_core.openPakFromMemory(String(u"short"), bytes.data(), 10));
    EXPECT_EQ(m_core.pakCount(), 3);
}

TEST_F(AppCoreTest, ChoosesTheNewerFormOfALanguage)
{
    ASSERT_TRUE(copyLanguage("Testish.xml", "German.xml", 12));
    ASSERT_TRUE(copyLanguage("Binarish.lang", "German.lang", 12));
    // Equally old: the binary form; the same file again changes nothing.
    m_core.setLanguage(String(u"German"));
    EXPECT_EQ(installedFile(), u16(languagePath("German.lang")));
    Translator* installed = m_core.translator();
    m_core.setLanguage(String(u"German"));
    EXPECT_EQ(m_core.translator(), installed);
    // A newer XML file wins.
    ASSERT_TRUE(coretest::setFileTime(languagePath("German.xml"), 2024, 1, 1, 13));
    m_core.setLanguage(String(u"German"));
    EXPECT_EQ(translated(u"Open"), u"\u00d6ffnen");
    // A name without a file removes the translation, and so does a file
    // that does not load (here an XML text under the binary extension).
    m_core.setLanguage(String(u"Klingon"));
    EXPECT_EQ(m_core.translator(), nullptr);
    ASSERT_TRUE(copyLanguage("Testish.xml", "Broken.lang", 12));
    m_core.setLanguage(String(u"German"));
    m_core.setLanguage(String(u"Broken"));
    EXPECT_EQ(m_core.translator(), nullptr);
    // Names that only look like a device's are languages like any other.
    for (const char* name : {"CONSOLE", "COM10", "COM0"}) {
        const std::string file = std::string(name) + ".lang";
        ASSERT_TRUE(copyLanguage("Binarish.lang", file.c_str(), 12));
        m_core.setLanguage(iotest::toPath(name));
        EXPECT_EQ(installedFile(), u16(languagePath(file.c_str()))) << name;
    }
    // The name comes from the configuration: it never reaches a file beside
    // the languages folder, nor a device ("COM1" with ".lang" added is still
    // the port).
    ASSERT_TRUE(
        iotest::writeFileBytes(nativeIn(m_dir, "Outside.lang"),
                               iotest::readFileBytes(coretest::nativeLanguageFixture("Binarish.lang"))));
    std::vector<const char16_t*> refused = {u"..\\Outside", u"../Outside"};
    for (const char16_t* device : {u"CON", u"com1", u"LPT1.lang", u"NUL.txt", u"CONIN$", u"Aux"}) {
        ASSERT_TRUE(iotest::copyToDeviceName(coretest::languageFixture("Binarish.lang"),
                                             languagePath("") + String(device) + String(u".lang")));
        refused.push_back(device);
    }
    for (const char16_t* name : refused) {
        m_core.setLanguage(String(u"German"));
        m_core.setLanguage(String(name));
        EXPECT_EQ(m_core.translator(), nullptr) << iotest::show(String(name));
    }
    EXPECT_EQ(translated(u"Two|lines by %app"), u"Two\nlines by Reelstack");
}

TEST_F(AppCoreTest, ListsEachLanguageOnceAndSetsItByItsNames)
{
    // Two files whose native names differ only in case are one language; the
    // newer file describes it, whichever form it has.
    ASSERT_TRUE(copyLanguage("Testish.xml", "Testish.xml", 10));
    ASSERT_TRUE(iotest::writeFileBytes(
        nativeIn(m_dir, "languages/Shouty.xml"),
        iotest::bytesOf("<?xml version=\"1.0\" encoding=\"utf-8\"?><translation language_english=\"Shouty\" "
                        "language_native=\"TESTISCH\" author=\"x\"><groups><group name=\"g\"><item "
                        "context=\"Open\" translation=\"OPEN!\"/></group></groups></translation>")));
    ASSERT_TRUE(coretest::setFileTime(languagePath("Shouty.xml"), 2024, 1, 1, 11));
    ASSERT_TRUE(copyLanguage("Binarish.lang", "Binarish.lang", 10));
    ASSERT_TRUE(copyLanguage("Binarish.lang", "Copy.lang", 9));
    ASSERT_TRUE(copyLanguage("Testish.xml", "notes.txt", 9));
    ASSERT_TRUE(iotest::writeFileBytes(nativeIn(m_dir, "languages/Empty.lang"), iotest::bytesOf("LANG")));
    std::vector<std::u16string> names;
    for (const LanguageInfo& language : m_core.listLanguages(String()))
        names.push_back(
            u16(language.name) +
            (language.fileTime == File::lastWriteTime(language.filePath, true) ? u"" : u" (wrong time)"));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::u16string>{u"Binarish", u"Shouty"}));
    EXPECT_TRUE(m_core.listLanguages(pathIn(m_dir, "missing")).isEmpty());
    // Making the older file newer turns the choice round.
    ASSERT_TRUE(coretest::setFileTime(languagePath("Testish.xml"), 2024, 1, 1, 12));
    EXPECT_EQ(u16(m_core.findLanguageByNativeName(String(u"testisch")).name), u"Testish");
    m_core.setLanguageByNativeName(String(u"\u00e9TUDE BINAIRE"));
    EXPECT_EQ(installedFile(), u16(languagePath("Binarish.lang")));
    // An unknown name leaves the language as it is.
    m_core.setLanguageByEnglishName(String(u"Klingon"));
    m_core.setLanguageByNativeName(String(u"tlhIngan"));
    EXPECT_EQ(installedFile(), u16(languagePath("Binarish.lang")));
}

TEST_F(AppCoreTest, TranslatesWithAndWithoutALanguage)
{
    // Without a language the texts show as written, escapes resolved.
    String out(u"stale");
    m_core.translateById(out, String(u"OpenMainWindow").hash64());
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(translated(u"Open|%app"), u"Open\nReelstack");
    EXPECT_EQ(translated(nullptr), u"");

    Translator* own = new Translator;
    ASSERT_TRUE(own->load(coretest::languageFixture("Testish.xml")));
    m_core.installTranslator(own);
    // Each row: a text, its context (null: none) and the text shown. Without
    // a context the first "Open" of the file answers; a context without that
    // text gives the text back; an empty translation or an unknown text
    // shows the source text, escapes resolved.
    const char16_t* rows[][3] = {
        {u"Open", nullptr, u"\u00d6ffnen"},
        {u"Open", u"Dialog", u"Open"},
        {u"copy", u"UserInterface/UILineEdit", u"copy"},
        {u"^ of ^ movies", u"MainWindow", u"^ von ^ Filmen"},
        {u"Nothing|to translate", nullptr, u"Nothing\nto translate"},
        {u"About %app", u"MainWindow/Menu", u"\u00dcber Reelstack"},
        {u"Welcome to %app!|\\tHave fun\\r\\n", nullptr, u"Welcome to Reelstack!\nHave fun\n"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(translated(row[0], row[1]), row[2]) << "row " << (&row - rows);
    // The id is the hash of the source followed by the context.
    m_core.translateById(out, String(u"CopyUserInterface/UILineEdit").hash64());
    EXPECT_EQ(u16(out), u"Kopieren");

    std::vector<uint8_t> bytes = iotest::readFileBytes(coretest::nativeLanguageFixture("Binarish.lang"));
    ASSERT_TRUE(m_core.loadLanguageFromMemory(bytes.data(), bytes.size()));
    EXPECT_EQ(translated(u"Quit", u"MainWindow"), u"Quit");
    EXPECT_EQ(translated(u"%app settings", u"Dialog"), u"Reelstack settings");
    EXPECT_EQ(translated(u"First\\nSecond", u"Dialog"), u"Erste\nZweite");
    // A name without a file replaces a language from memory too, and a
    // damaged block removes the language that was there.
    m_core.setLanguage(String(u"Missing"));
    EXPECT_EQ(m_core.translator(), nullptr);
    ASSERT_TRUE(m_core.loadLanguageFromMemory(bytes.data(), bytes.size()));
    EXPECT_FALSE(m_core.loadLanguageFromMemory(bytes.data(), bytes.size() - 3));
    EXPECT_EQ(m_core.translator(), nullptr);
    EXPECT_EQ(translated(u"Open", u"Dialog"), u"Open");
}
