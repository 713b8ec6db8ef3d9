// The application core's portable half: identity, archives by name, the
// choice and listing of languages, and translation with and without one.
#include <gtest/gtest.h>

#include "foundation/core/AppCore.h"
#include "foundation/core/Translator.h"
#include "foundation/data/PakArchive.h"
#include "foundation/hash/Crc32.h"
#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "foundation/io/Path.h"
#include "foundation/text/ByteArray.h"
#include "tests/foundation/core/CoreTestSupport.h"
#include "tests/foundation/text/StringTestHelpers.h"

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
    }

    // An archive holding one group of that name.
    bool writeArchive(const char* relativePath, const char16_t* groupName)
    {
        std::string item = iotest::nativeIn(m_dir, "item.txt");
        if (!iotest::writeFileBytes(item, iotest::bytesOf("bytes")))
            return false;
        PakArchive archive;
        if (!archive.addFile(pathIn(m_dir, "item.txt"), String(groupName), String(u"item.txt")))
            return false;
        String path = pathIn(m_dir, relativePath);
        return Directory::create(pathDirectory(path)) && archive.save(path);
    }

    bool copyLanguage(const char* fixture, const char* name)
    {
        Directory::create(pathIn(m_dir, "languages"));
        return iotest::writeFileBytes(nativeIn(m_dir, std::string("languages/") + name),
                                      iotest::readFileBytes(coretest::nativeLanguageFixture(fixture)));
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

std::vector<std::u16string> nativeNames(const LanguageInfoList& languages)
{
    std::vector<std::u16string> names;
    for (const LanguageInfo& language : languages)
        names.push_back(u16(language.nativeName));
    return names;
}

} // namespace

TEST_F(AppCoreTest, KeepsTheProgramsIdentity)
{
    EXPECT_EQ(AppCore::instance(), &m_core);
    EXPECT_EQ(u16(m_core.productName()), u"Reelstack");
    EXPECT_EQ(u16(m_core.version()), u"1.2.0");
    EXPECT_EQ(m_core.log().maxSize(), 1048576u);
    EXPECT_FALSE(m_core.log().isOpen());
    EXPECT_FALSE(m_core.programPath().isEmpty());
    EXPECT_EQ(m_core.translator(), nullptr);
    EXPECT_EQ(m_core.pakCount(), 0);

    // The entry point's order: the product's addresses follow the maker's
    // until the product sets its own.
    m_core.setCompanyName(String(u"Vantorell Software"));
    m_core.setCompanyHost(String(u"vantorell.example"));
    m_core.setCompanyUrl(String(u"http://vantorell.example/"));
    EXPECT_EQ(u16(m_core.productHost()), u"vantorell.example");
    EXPECT_EQ(u16(m_core.productUrl()), u"http://vantorell.example/");
    m_core.setProductHost(String(u"vantorell.example/reelstack"));
    m_core.setProductUrl(String(u"http://vantorell.example/reelstack/"));
    m_core.setCompanyHost(String(u"other.example"));
    m_core.setCompanyUrl(String(u"http://other.example/"));
    EXPECT_EQ(u16(m_core.productHost()), u"vantorell.example/reelstack");
    EXPECT_EQ(u16(m_core.productUrl()), u"http://vantorell.example/reelstack/");
    EXPECT_EQ(u16(m_core.companyHost()), u"other.example");
    EXPECT_EQ(u16(m_core.companyName()), u"Vantorell Software");

    // Only the first core is the instance, and a destroyed one is no more.
    {
        AppCore second(String(u"Second"), String(u"2"));
        EXPECT_EQ(AppCore::instance(), &m_core);
    }
    EXPECT_EQ(AppCore::instance(), &m_core);
}

TEST_F(AppCoreTest, IdentifiesThisCopyOfTheProgram)
{
    ByteArray program;
    ASSERT_TRUE(program.loadFromFile(m_core.programPath()));
    String crc = Crc32(program.data(), uint32_t(program.size())).toString();
    String plain = m_core.agentIdentity(false);
    EXPECT_EQ(u16(plain), u"Reelstack|1.2.0|" + u16(crc));
    ByteArray decoded = ByteArray::fromBase64(m_core.agentIdentity(true));
    EXPECT_EQ(u16(String::fromUtf8(decoded.data(), decoded.size())), u16(plain));
    // The checksum is taken once per run.
    m_core.setVersion(String(u"1.2.1"));
    EXPECT_EQ(u16(m_core.agentIdentity(false)), u"Reelstack|1.2.1|" + u16(crc));
}

TEST_F(AppCoreTest, OpensArchivesFromTheProgramFolderThenData)
{
    ASSERT_TRUE(writeArchive("data.pak", u"top"));
    ASSERT_TRUE(writeArchive("data/data.pak", u"below"));
    ASSERT_TRUE(writeArchive("data/skin.pak", u"skin"));

    EXPECT_TRUE(m_core.openPak(String(u"data")));
    EXPECT_TRUE(hasGroup(m_core.findPak(String(u"data")), u"top"));
    EXPECT_TRUE(m_core.openPak(String(u"skin")));
    EXPECT_TRUE(hasGroup(m_core.findPak(String(u"skin")), u"skin"));
    EXPECT_EQ(m_core.pakCount(), 2);
    // Names are exact.
    EXPECT_EQ(m_core.findPak(String(u"Data")), nullptr);
    EXPECT_EQ(m_core.findPak(String(u"data.pak")), nullptr);

    EXPECT_TRUE(m_core.closePak(String(u"data")));
    EXPECT_FALSE(m_core.closePak(String(u"data")));
    ASSERT_TRUE(File::remove(pathIn(m_dir, "data.pak")));
    EXPECT_TRUE(m_core.openPak(String(u"data")));
    EXPECT_TRUE(hasGroup(m_core.findPak(String(u"data")), u"below"));

    // Missing and damaged archives register nothing.
    EXPECT_FALSE(m_core.openPak(String(u"styles")));
    ASSERT_TRUE(
        iotest::writeFileBytes(nativeIn(m_dir, "broken.pak"), iotest::bytesOf("FB broken archive....")));
    EXPECT_FALSE(m_core.openPak(String(u"broken")));
    EXPECT_EQ(m_core.pakCount(), 2);

    // A name with a separator is the path, registered under its base name.
    ASSERT_TRUE(writeArchive("styles/white.style", u"white"));
    EXPECT_TRUE(m_core.openPak(pathIn(m_dir, "styles\\white.style")));
    EXPECT_TRUE(hasGroup(m_core.findPak(String(u"white")), u"white"));
    EXPECT_FALSE(m_core.openPak(pathIn(m_dir, "styles\\black.style")));

    std::vector<uint8_t> bytes = iotest::readFileBytes(nativeIn(m_dir, "styles/white.style"));
    EXPECT_TRUE(m_core.openPakFromMemory(String(u"memory"), bytes.data(), int32_t(bytes.size())));
    EXPECT_TRUE(hasGroup(m_core.findPak(String(u"memory")), u"white"));
    EXPECT_FALSE(m_core.openPakFromMemory(String(u"short"), bytes.data(), 10));
    EXPECT_FALSE(m_core.openPakFromMemory(String(u"null"), nullptr, 100));
    EXPECT_EQ(m_core.findPak(String(u"short")), nullptr);
    EXPECT_EQ(m_core.pakCount(), 4);

    m_core.closeAllPaks();
    EXPECT_EQ(m_core.pakCount(), 0);
    EXPECT_EQ(m_core.findPak(String(u"skin")), nullptr);
}

TEST_F(AppCoreTest, ChoosesTheNewerFormOfALanguage)
{
    ASSERT_TRUE(copyLanguage("Testish.xml", "German.xml"));
    ASSERT_TRUE(copyLanguage("Binarish.lang", "German.lang"));
    ASSERT_TRUE(coretest::setFileTime(languagePath("German.xml"), 2024, 1, 1, 12));
    ASSERT_TRUE(coretest::setFileTime(languagePath("German.lang"), 2024, 1, 1, 12));

    // Equally old: the binary form.
    m_core.setLanguage(String(u"German"));
    EXPECT_EQ(installedFile(), u16(languagePath("German.lang")));
    EXPECT_EQ(translated(u"Open"), u"Aufmachen");

    // The same file again changes nothing.
    Translator* installed = m_core.translator();
    m_core.setLanguage(String(u"German"));
    EXPECT_EQ(m_core.translator(), installed);

    // A newer XML file wins.
    ASSERT_TRUE(coretest::setFileTime(languagePath("German.xml"), 2024, 1, 1, 13));
    m_core.setLanguage(String(u"German"));
    EXPECT_EQ(installedFile(), u16(languagePath("German.xml")));
    EXPECT_EQ(translated(u"Open"), u"\u00d6ffnen");

    // Only one form there.
    ASSERT_TRUE(File::remove(languagePath("German.xml")));
    m_core.setLanguage(String(u"German"));
    EXPECT_EQ(installedFile(), u16(languagePath("German.lang")));

    // A name without a file removes the translation.
    m_core.setLanguage(String(u"Klingon"));
    EXPECT_EQ(m_core.translator(), nullptr);
    EXPECT_EQ(translated(u"Open"), u"Open");

    // So does a file that does not load, and the texts show as written.
    ASSERT_TRUE(copyLanguage("Binarish.lang", "Broken.lang"));
    std::vector<uint8_t> bytes = iotest::readFileBytes(nativeIn(m_dir, "languages/Broken.lang"));
    bytes.resize(bytes.size() - 1);
    ASSERT_TRUE(iotest::writeFileBytes(nativeIn(m_dir, "languages/Broken.lang"), bytes));
    m_core.setLanguage(String(u"German"));
    ASSERT_NE(m_core.translator(), nullptr);
    m_core.setLanguage(String(u"Broken"));
    EXPECT_EQ(m_core.translator(), nullptr);
    EXPECT_EQ(translated(u"Two|lines by %app"), u"Two\nlines by Reelstack");
}

TEST_F(AppCoreTest, ListsEachLanguageOnce)
{
    // Two files whose native names differ only in case are one language; the
    // newer file describes it, whichever form it has.
    ASSERT_TRUE(copyLanguage("Testish.xml", "Testish.xml"));
    ASSERT_TRUE(iotest::writeFileBytes(
        nativeIn(m_dir, "languages/Shouty.xml"),
        iotest::bytesOf("<?xml version=\"1.0\" encoding=\"utf-8\"?><translation language_english=\"Shouty\" "
                        "language_native=\"TESTISCH\" author=\"x\"><groups><group name=\"g\"><item "
                        "context=\"Open\" translation=\"OPEN!\"/></group></groups></translation>")));
    ASSERT_TRUE(copyLanguage("Binarish.lang", "Binarish.lang"));
    ASSERT_TRUE(copyLanguage("Binarish.lang", "Copy.lang"));
    ASSERT_TRUE(copyLanguage("Testish.xml", "notes.txt"));
    ASSERT_TRUE(iotest::writeFileBytes(nativeIn(m_dir, "languages/Empty.lang"), iotest::bytesOf("LANG")));
    ASSERT_TRUE(coretest::setFileTime(languagePath("Testish.xml"), 2024, 2, 1, 10));
    ASSERT_TRUE(coretest::setFileTime(languagePath("Shouty.xml"), 2024, 2, 1, 11));
    ASSERT_TRUE(coretest::setFileTime(languagePath("Binarish.lang"), 2024, 2, 1, 10));
    ASSERT_TRUE(coretest::setFileTime(languagePath("Copy.lang"), 2024, 2, 1, 9));

    LanguageInfoList languages = m_core.listLanguages(String());
    ASSERT_EQ(languages.count(), 2);
    std::vector<std::u16string> names = nativeNames(languages);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::u16string>{u"TESTISCH", u"\u00c9tude binaire"}));
    for (const LanguageInfo& language : languages) {
        if (language.nativeName == String(u"TESTISCH"))
            EXPECT_EQ(u16(language.name), u"Shouty");
        else
            EXPECT_EQ(u16(language.name), u"Binarish");
        EXPECT_TRUE(language.fileTime == File::lastWriteTime(language.filePath, true));
    }

    // Making the older file newer turns the choice round.
    ASSERT_TRUE(coretest::setFileTime(languagePath("Testish.xml"), 2024, 2, 1, 12));
    EXPECT_EQ(u16(m_core.findLanguageByNativeName(String(u"testisch")).name), u"Testish");

    // Another folder can be listed too; a missing one lists nothing.
    EXPECT_TRUE(m_core.listLanguages(pathIn(m_dir, "missing")).isEmpty());
    EXPECT_EQ(m_core.listLanguages(pathIn(m_dir, "languages")).count(), 2);
}

TEST_F(AppCoreTest, SetsTheLanguageByItsNames)
{
    ASSERT_TRUE(copyLanguage("Testish.xml", "Testish.xml"));
    ASSERT_TRUE(copyLanguage("Binarish.lang", "Binarish.lang"));

    EXPECT_EQ(u16(m_core.findLanguage(String(u"BINARISH")).name), u"Binarish");
    EXPECT_TRUE(m_core.findLanguage(String(u"Klingon")).isEmpty());
    EXPECT_EQ(u16(m_core.findLanguageByNativeName(String(u"\u00e9TUDE BINAIRE")).englishName), u"Binarish");

    m_core.setLanguageByEnglishName(String(u"testish"));
    EXPECT_EQ(installedFile(), u16(languagePath("Testish.xml")));
    EXPECT_EQ(translated(u"About %app", u"MainWindow/Menu"), u"\u00dcber Reelstack");
    m_core.setLanguageByNativeName(String(u"\u00c9tude binaire"));
    EXPECT_EQ(installedFile(), u16(languagePath("Binarish.lang")));
    // An unknown name leaves the language as it is.
    m_core.setLanguageByEnglishName(String(u"Klingon"));
    m_core.setLanguageByNativeName(String(u"tlhIngan"));
    EXPECT_EQ(installedFile(), u16(languagePath("Binarish.lang")));
}

TEST_F(AppCoreTest, TranslatesWithAndWithoutALanguage)
{
    String out(u"stale");
    m_core.translateById(out, String(u"OpenMainWindow").hash64());
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(translated(u"Open|%app"), u"Open\nReelstack");
    EXPECT_EQ(translated(nullptr), u"");

    std::vector<uint8_t> bytes = iotest::readFileBytes(coretest::nativeLanguageFixture("Binarish.lang"));
    ASSERT_TRUE(m_core.loadLanguageFromMemory(bytes.data(), bytes.size()));
    EXPECT_EQ(translated(u"Open", u"Dialog"), u"\u00d6ffnen");
    m_core.translateById(out, String(u"OpenMainWindow").hash64());
    EXPECT_EQ(u16(out), u"Aufmachen");

    // A language set by a name without a file replaces one from memory too.
    m_core.setLanguage(String(u"Missing"));
    EXPECT_EQ(m_core.translator(), nullptr);

    // A damaged block removes the language that was there.
    ASSERT_TRUE(m_core.loadLanguageFromMemory(bytes.data(), bytes.size()));
    EXPECT_FALSE(m_core.loadLanguageFromMemory(bytes.data(), bytes.size() - 3));
    EXPECT_EQ(m_core.translator(), nullptr);
    EXPECT_EQ(translated(u"Open", u"Dialog"), u"Open");

    Translator* own = new Translator;
    ASSERT_TRUE(own->load(coretest::languageFixture("Testish.xml")));
    m_core.installTranslator(own);
    EXPECT_EQ(m_core.translator(), own);
    EXPECT_EQ(translated(u"Copy"), u"Kopieren");
    m_core.installTranslator(nullptr);
    EXPECT_EQ(translated(u"Copy"), u"Copy");
}
