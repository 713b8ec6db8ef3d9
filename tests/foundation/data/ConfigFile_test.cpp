// The configuration file in both forms: the documented text bytes, one group
// per run of an area, values that come back as texts and convert to their
// types, the reading rules of the text form, and loads and saves that fail.
#include <gtest/gtest.h>

#include "foundation/core/AppCore.h"
#include "foundation/data/ConfigFile.h"
#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "foundation/platform/LocaleData.h"
#include "foundation/platform/SystemInfo.h"
#include "tests/foundation/core/CoreTestSupport.h"
#include "tests/foundation/text/StringTestHelpers.h"
#include "tests/foundation/time/LocaleScope.h"

#include <string>

using iotest::Bytes;
using iotest::bytesOf;
using iotest::nativeIn;
using iotest::pathIn;
using iotest::readFileBytes;

namespace {

const std::string kBom = "\xEF\xBB\xBF";

// Configuration files of location 2 live in the folder the core is told.
class ConfigFileTest : public ::testing::Test
{
protected:
    ConfigFileTest() : m_core(String(u"Reelstack"), String(u"1.2.0"))
    {
        m_core.setAppDirectory(iotest::toPath(m_dir.path()));
    }

    ConfigFile textFile()
    {
        return ConfigFile(String(u"config.ini"), String(), ConfigFile::kAppDirectory, 0);
    }

    std::string fileText(const char* name) const
    {
        Bytes bytes = readFileBytes(nativeIn(m_dir, name));
        return std::string(bytes.begin(), bytes.end());
    }

    bool writeFile(const char* name, const std::string& text) const
    {
        return iotest::writeFileBytes(nativeIn(m_dir, name), bytesOf(text));
    }

    testsupport::TempDir m_dir;
    AppCore m_core;
};

std::u16string valueText(const ConfigFile& file, const char16_t* key)
{
    return u16(file.value(String(key), Variant(u"<none>")).toString());
}

// The name hash, worked out here rather than taken from the code under test.
uint64_t nameHash(const std::u16string& text)
{
    uint64_t hash = 0;
    for (char16_t unit : text)
        hash = hash * 101 + unit;
    return hash;
}

int occurrences(const std::string& text, const std::string& needle)
{
    int count = 0;
    for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1))
        ++count;
    return count;
}

} // namespace

TEST_F(ConfigFileTest, WritesTheDocumentedTextBytes)
{
    ConfigFile file(String(u"config.ini"), String(), ConfigFile::kAppDirectory, ConfigFile::kText);
    file.addEntry(String(u"model/a"), Variant(true), String());
    file.addEntry(String(u"view/b"), Variant(int32_t(5)), String(u"c"));
    ASSERT_TRUE(file.save());
    EXPECT_EQ(fileText("config.ini"), kBom + ";Automatically generated file. DO NOT MODIFY!\r\n"
                                             "\r\n[model]\r\na=1\r\n"
                                             "\r\n[view]\r\nb=5 ;c\r\n");

    ConfigFile back(String(u"config.ini"), String(), ConfigFile::kAppDirectory, ConfigFile::kText);
    ASSERT_TRUE(back.load());
    EXPECT_EQ(items(back.keys()), (Items{u"model/a", u"view/b"}));
    EXPECT_TRUE(back.entry(String(u"model/a"))->value().hasType(Variant::kString));
    EXPECT_TRUE(back.value(String(u"model/a"), Variant(false)).toBool());
    EXPECT_EQ(back.value(String(u"view/b"), Variant(int32_t(0))).toInt(), 5);
    EXPECT_EQ(u16(back.entry(String(u"view/b"))->comment()), u"c");

    // Another header comment is the first line instead.
    back.setHeaderComment(String(u"; edited"));
    ASSERT_TRUE(back.save());
    EXPECT_EQ(fileText("config.ini").substr(0, 15), kBom + "; edited\r\n\r\n");
}

TEST_F(ConfigFileTest, WritesOneGroupPerRunOfAnArea)
{
    for (int format : {ConfigFile::kText, ConfigFile::kXml}) {
        ConfigFile file(String(u"runs.cfg"), String(), ConfigFile::kAppDirectory, format);
        file.addEntry(String(u"model/a"), Variant(u"1"), String());
        file.addEntry(String(u"model/b"), Variant(u"2"), String());
        file.addEntry(String(u"view/c"), Variant(u"3"), String());
        file.addEntry(String(u"model/d"), Variant(u"4"), String());
        file.addEntry(String(u"view/deep/e"), Variant(u"5"), String());
        ASSERT_TRUE(file.save());
        std::string text = fileText("runs.cfg");
        if (format == ConfigFile::kText) {
            EXPECT_EQ(occurrences(text, "[model]"), 2);
            EXPECT_EQ(occurrences(text, "[view]"), 1);
            EXPECT_EQ(occurrences(text, "[view/deep]\r\ne=5"), 1);
        } else {
            EXPECT_EQ(text.substr(0, 3), kBom);
            EXPECT_EQ(occurrences(text, "<group name=\"model\">"), 2);
            EXPECT_EQ(occurrences(text, "<group name=\"view\">"), 1);
            EXPECT_EQ(occurrences(text, "<group name=\"view/deep\">"), 1);
            EXPECT_EQ(occurrences(text, "<item name=\"b\" value=\"2\"/>"), 1);
        }

        ConfigFile back(String(u"runs.cfg"), String(), ConfigFile::kAppDirectory, format);
        ASSERT_TRUE(back.load());
        EXPECT_EQ(items(back.keys()), (Items{u"model/a", u"model/b", u"view/c", u"model/d", u"view/deep/e"}));
    }
}

TEST_F(ConfigFileTest, TypedValuesComeBackAsTextsThatConvert)
{
    LocaleScope english(LocaleData::kEnglishUnitedStates);
    for (int format : {ConfigFile::kText, ConfigFile::kXml}) {
        ConfigFile file(String(u"typed.cfg"), String(), ConfigFile::kAppDirectory, format);
        file.addEntry(String(u"model/flag"), Variant(false), String(u"off"));
        file.addEntry(String(u"model/signed"), Variant(int32_t(-2147483647 - 1)), String());
        file.addEntry(String(u"view/unsigned"), Variant(uint32_t(0xFFA58500)), String());
        file.addEntry(String(u"view/big"), Variant(int64_t(-9007199254740993LL)), String());
        file.addEntry(String(u"view/huge"), Variant(uint64_t(18446744073709551615ULL)), String());
        file.addEntry(String(u"view/zoom"), Variant(0.7f), String());
        file.addEntry(String(u"view/ratio"), Variant(-2.25), String());
        file.addEntry(String(u"view/font"), Variant(u"Segoe UI \u00c4 & <b> \"q\" 'a'"), String());
        file.addEntry(String(u"view/empty"), Variant(String()), String());
        ASSERT_TRUE(file.save());

        ConfigFile back(String(u"typed.cfg"), String(), ConfigFile::kAppDirectory, format);
        ASSERT_TRUE(back.load());
        ASSERT_EQ(back.count(), 9);
        for (ConfigEntry* entry : back.entries())
            EXPECT_TRUE(entry->value().hasType(Variant::kString)) << iotest::show(entry->key());
        EXPECT_FALSE(back.value(String(u"model/flag"), Variant(true)).toBool());
        EXPECT_EQ(back.value(String(u"model/signed"), Variant()).toInt(), -2147483647 - 1);
        EXPECT_EQ(back.value(String(u"view/unsigned"), Variant()).toUInt(), 0xFFA58500u);
        EXPECT_EQ(back.value(String(u"view/big"), Variant()).toInt64(), -9007199254740993LL);
        EXPECT_EQ(back.value(String(u"view/huge"), Variant()).toUInt64(), 18446744073709551615ULL);
        EXPECT_EQ(back.value(String(u"view/zoom"), Variant()).toFloat(), 0.7f);
        EXPECT_EQ(back.value(String(u"view/ratio"), Variant()).toDouble(), -2.25);
        EXPECT_EQ(valueText(back, u"view/font"), u"Segoe UI \u00c4 & <b> \"q\" 'a'");
        EXPECT_EQ(valueText(back, u"view/empty"), u"");
        // Comments live in the text form only.
        std::u16string comment = u16(back.entry(String(u"model/flag"))->comment());
        EXPECT_EQ(comment, format == ConfigFile::kText ? u"off" : u"");
    }
}

TEST_F(ConfigFileTest, DecimalsReadBackAfterTheRegionalSettingChanges)
{
    for (int format : {ConfigFile::kText, ConfigFile::kXml}) {
        {
            LocaleScope german(LocaleData::kGermanGermany);
            ConfigFile file(String(u"zoom.cfg"), String(), ConfigFile::kAppDirectory, format);
            file.addEntry(String(u"view/imagesZoom"), Variant(1.5f), String());
            file.addEntry(String(u"view/listZoom"), Variant(1234.25), String());
            ASSERT_TRUE(file.save());
            EXPECT_NE(fileText("zoom.cfg").find("1,500000000"), std::string::npos);
        }
        LocaleScope english(LocaleData::kEnglishUnitedStates);
        ConfigFile back(String(u"zoom.cfg"), String(), ConfigFile::kAppDirectory, format);
        ASSERT_TRUE(back.load());
        EXPECT_EQ(back.value(String(u"view/imagesZoom"), Variant()).toFloat(), 1.5f);
        EXPECT_EQ(back.value(String(u"view/listZoom"), Variant()).toDouble(), 1234.25);
    }
}

TEST_F(ConfigFileTest, ReadsTheTextFormByItsRules)
{
    ASSERT_TRUE(writeFile("config.ini", kBom + ";Automatically generated file. DO NOT MODIFY!\r\n"
                                               "orphan=1\r\n"
                                               "[ model ]\r\n"
                                               "; a comment=1\r\n"
                                               "#hash=1\r\n"
                                               "9lives = nine ; a cat ; or two\r\n"
                                               "  spaced   =   value with blanks   ;  note  \r\n"
                                               "empty=\r\n"
                                               "commentOnly=;why\r\n"
                                               "no equals sign\r\n"
                                               "=nameless\r\n"
                                               "\r\n"
                                               "[broken\r\n"
                                               "lost=1\r\n"
                                               "[]\r\n"
                                               "lost=2\r\n"
                                               "[view]\r\n"
                                               "bare=1\ny=2\r\n"
                                               "\u00e4rger=yes\r\n"
                                               "last=end"));
    ConfigFile file = textFile();
    ASSERT_TRUE(file.load());
    EXPECT_EQ(items(file.keys()),
              (Items{u"model/9lives", u"model/spaced", u"model/empty", u"model/commentOnly", u"view/bare",
                     u"view/\u00e4rger", u"view/last"}));
    EXPECT_EQ(valueText(file, u"model/9lives"), u"nine");
    EXPECT_EQ(u16(file.entry(String(u"model/9lives"))->comment()), u"a cat ; or two");
    EXPECT_EQ(valueText(file, u"model/spaced"), u"value with blanks");
    EXPECT_EQ(u16(file.entry(String(u"model/spaced"))->comment()), u"note");
    EXPECT_EQ(valueText(file, u"model/empty"), u"");
    EXPECT_EQ(valueText(file, u"model/commentOnly"), u"");
    EXPECT_EQ(u16(file.entry(String(u"model/commentOnly"))->comment()), u"why");
    // A bare line feed does not end a line.
    EXPECT_EQ(valueText(file, u"view/bare"), u"1\ny=2");
    EXPECT_EQ(valueText(file, u"view/last"), u"end");
}

TEST_F(ConfigFileTest, LoadsMissingAndTinyFilesAsEmpty)
{
    // A missing file is made, with the folders above it.
    String nested = pathIn(m_dir, "program\\bin");
    m_core.setAppDirectory(nested);
    ConfigFile file(String(u"config.dat"), String(u"Reelstack"), ConfigFile::kAppDirectory, ConfigFile::kXml);
    EXPECT_EQ(u16(file.directory()), u16(nested + String(u"\\")));
    EXPECT_EQ(u16(file.path()), u16(nested + String(u"\\config.dat")));
    file.addEntry(String(u"model/a"), Variant(u"1"), String());
    ASSERT_TRUE(file.load());
    EXPECT_TRUE(file.isEmpty());
    EXPECT_TRUE(File::exists(file.path()));
    EXPECT_EQ(File::size(file.path()), 0);

    // Fewer than four bytes are not even read.
    ASSERT_TRUE(writeFile("program\\bin\\config.dat", "<x>"));
    file.addEntry(String(u"model/a"), Variant(u"1"), String());
    ASSERT_TRUE(file.load());
    EXPECT_TRUE(file.isEmpty());

    // The key prefix goes with every load.
    file.setKeyPrefix(String(u"view"));
    ASSERT_TRUE(file.load());
    EXPECT_TRUE(file.keyPrefix().isEmpty());

    // A folder that cannot be made fails the load.
    ASSERT_TRUE(writeFile("blocker", "file"));
    m_core.setAppDirectory(pathIn(m_dir, "blocker\\inside"));
    EXPECT_FALSE(file.load());
}

TEST_F(ConfigFileTest, AFailedLoadKeepsTheEntries)
{
    ConfigFile xml(String(u"broken.xml"), String(), ConfigFile::kAppDirectory, ConfigFile::kXml);
    xml.addEntry(String(u"model/keep"), Variant(u"me"), String());
    ASSERT_TRUE(writeFile("broken.xml", "<?xml version=\"1.0\"?><groups><group name=\"a\"><item"));
    EXPECT_FALSE(xml.load());
    EXPECT_EQ(items(xml.keys()), (Items{u"model/keep"}));

    // A text that decodes to nothing has no lines.
    ConfigFile text(String(u"zeros.ini"), String(), ConfigFile::kAppDirectory, ConfigFile::kText);
    text.addEntry(String(u"model/keep"), Variant(u"me"), String());
    ASSERT_TRUE(iotest::writeFileBytes(nativeIn(m_dir, "zeros.ini"), Bytes(8, 0)));
    EXPECT_FALSE(text.load());
    EXPECT_EQ(text.count(), 1);

    // XML without "groups" loads as empty; other elements are passed over.
    ASSERT_TRUE(writeFile("broken.xml", "<?xml version=\"1.0\"?><settings/>"));
    ASSERT_TRUE(xml.load());
    EXPECT_TRUE(xml.isEmpty());
    ASSERT_TRUE(writeFile("broken.xml", "<?xml version=\"1.0\"?><groups><note name=\"x\"><item name=\"a\" "
                                        "value=\"1\"/></note><group name=\"g\"><other name=\"b\"/><item "
                                        "name=\"c\"/></group></groups>"));
    ASSERT_TRUE(xml.load());
    EXPECT_EQ(items(xml.keys()), (Items{u"g/c"}));
    EXPECT_EQ(valueText(xml, u"g/c"), u"");

    // Without a format nothing is read or written.
    ConfigFile none(String(u"broken.xml"), String(), ConfigFile::kAppDirectory, ConfigFile::kNoFormat);
    none.addEntry(String(u"model/keep"), Variant(u"me"), String());
    EXPECT_FALSE(none.load());
    EXPECT_FALSE(none.save());
    EXPECT_EQ(none.count(), 1);
}

TEST_F(ConfigFileTest, AFailedSaveKeepsTheOldFile)
{
    for (int format : {ConfigFile::kText, ConfigFile::kXml}) {
        ConfigFile file(String(u"config.dat"), String(), ConfigFile::kAppDirectory, format);
        file.addEntry(String(u"model/language"), Variant(u"English"), String());
        ASSERT_TRUE(file.save());
        std::string saved = fileText("config.dat");

        String path = pathIn(m_dir, "config.dat");
        file.setValue(String(u"model/language"), Variant(u"Deutsch"));
        ASSERT_TRUE(File::setAttribute(path, File::kAttributeReadOnly, true));
        EXPECT_FALSE(file.save());
        ASSERT_TRUE(File::setAttribute(path, File::kAttributeReadOnly, false));
        EXPECT_EQ(fileText("config.dat"), saved);
        EXPECT_EQ(Directory::count(iotest::toPath(m_dir.path()), Directory::kListFiles, nullptr), 1);
        ASSERT_TRUE(file.save());
        EXPECT_NE(fileText("config.dat"), saved);
    }

    // The text form has no escapes: it says so rather than write what would
    // read back differently.
    ConfigFile text(String(u"config.dat"), String(), ConfigFile::kAppDirectory, ConfigFile::kText);
    text.addEntry(String(u"model/a"), Variant(u"fine"), String(u"fine too"));
    ASSERT_TRUE(text.save());
    std::string saved = fileText("config.dat");
    for (const char16_t* value : {u"two\r\nlines", u"line\nfeed", u"semi;colon", u" padded", u"padded\t"}) {
        text.setValue(String(u"model/a"), Variant(value));
        EXPECT_FALSE(text.save()) << iotest::show(String(value));
        EXPECT_EQ(fileText("config.dat"), saved);
    }
    text.setValue(String(u"model/a"), Variant(u"fine"));
    text.entry(String(u"model/a"))->setComment(String(u"a\rb"));
    EXPECT_FALSE(text.save());
    text.entry(String(u"model/a"))->setComment(String(u"fine"));
    ASSERT_TRUE(text.save());
    // Keys need an area, and a name that begins with a letter or a digit.
    for (const char16_t* key :
         {u"plain", u"/name", u"model/#name", u"model/ name", u"area]/name", u"model/a=b"}) {
        ConfigFile odd(String(u"odd.ini"), String(), ConfigFile::kAppDirectory, ConfigFile::kText);
        odd.addEntry(String(key), Variant(u"1"), String());
        EXPECT_FALSE(odd.save()) << iotest::show(String(key));
    }
    text.setHeaderComment(String(u";first\r\n[model]\r\ninjected=1"));
    EXPECT_FALSE(text.save());

    // The XML form holds them.
    ConfigFile xml(String(u"config.xml"), String(), ConfigFile::kAppDirectory, ConfigFile::kXml);
    xml.addEntry(String(u"model/a"), Variant(u"two\r\nlines; and more"), String());
    ASSERT_TRUE(xml.save());
    ConfigFile back(String(u"config.xml"), String(), ConfigFile::kAppDirectory, ConfigFile::kXml);
    ASSERT_TRUE(back.load());
    EXPECT_EQ(valueText(back, u"model/a"), u"two\r\nlines; and more");
}

TEST_F(ConfigFileTest, LooksKeysUpWithAndWithoutPrefix)
{
    ConfigFile file = textFile();
    file.addEntry(String(u"view/mode"), Variant(int32_t(1)), String());
    file.addEntry(String(u"model/mode"), Variant(int32_t(2)), String());
    file.addEntry(String(u"view/mode"), Variant(int32_t(3)), String());

    EXPECT_TRUE(file.contains(String(u"view/mode")));
    EXPECT_FALSE(file.contains(String(u"View/mode")));
    EXPECT_EQ(file.value(String(u"view/mode"), Variant(int32_t(0))).toInt(), 1);
    EXPECT_EQ(file.value(String(u"view/none"), Variant(int32_t(42))).toInt(), 42);
    EXPECT_EQ(file.valueByHash(nameHash(u"model/mode"), Variant()).toInt(), 2);
    EXPECT_FALSE(file.valueByHash(nameHash(u"model/none"), Variant()).isValid());

    // setValue changes what is there and never adds.
    file.setValue(String(u"view/other"), Variant(int32_t(9)));
    EXPECT_EQ(file.count(), 3);
    file.setValue(String(u"model/mode"), Variant(u"two"));
    EXPECT_EQ(valueText(file, u"model/mode"), u"two");

    file.setKeyPrefix(String(u"view"));
    EXPECT_EQ(u16(file.keyPrefix()), u"view");
    EXPECT_TRUE(file.contains(String(u"mode")));
    EXPECT_FALSE(file.contains(String(u"view/mode")));
    EXPECT_EQ(file.value(String(u"mode"), Variant()).toInt(), 1);
    ASSERT_NE(file.entry(String(u"mode")), nullptr);
    EXPECT_EQ(u16(file.entry(String(u"mode"))->key()), u"view/mode");
    // addEntry takes the key as given.
    file.addEntry(String(u"plain"), Variant(u"x"), String());
    EXPECT_EQ(u16(file.keys().last()->value), u"plain");
    // Only the first of two equal keys goes.
    file.removeEntry(String(u"mode"));
    EXPECT_EQ(file.value(String(u"mode"), Variant()).toInt(), 3);
    file.clearKeyPrefix();
    EXPECT_EQ(items(file.keys()), (Items{u"model/mode", u"view/mode", u"plain"}));

    file.setKeyPrefix(String(u"model"));
    file.clear();
    EXPECT_TRUE(file.isEmpty());
    EXPECT_TRUE(file.keyPrefix().isEmpty());
}

TEST_F(ConfigFileTest, FindsItsFolderByLocation)
{
    String appData = SystemInfo::specialFolder(SystemInfo::kApplicationData);
    ConfigFile user(String(u"config.dat"), String(u"Reelstack"), ConfigFile::kUserData, ConfigFile::kXml);
    if (!appData.isEmpty()) {
        std::u16string folder = u16(user.directory());
        EXPECT_EQ(folder.substr(0, size_t(appData.length())), u16(appData));
        EXPECT_EQ(folder.substr(folder.size() - 11), u"\\Reelstack\\");
        EXPECT_EQ(u16(user.path()), folder + u"config.dat");
    }
    ConfigFile app(String(u"config.dat"), String(), ConfigFile::kAppDirectory, ConfigFile::kXml);
    EXPECT_EQ(u16(app.path()), u16(pathIn(m_dir, "config.dat")));
    ConfigFile unknown(String(u"config.dat"), String(), 7, ConfigFile::kXml);
    EXPECT_TRUE(unknown.path().isEmpty());
    EXPECT_FALSE(unknown.load());
    EXPECT_FALSE(unknown.save());
    ConfigFile nameless(String(), String(), ConfigFile::kAppDirectory, ConfigFile::kXml);
    EXPECT_TRUE(nameless.path().isEmpty());
    EXPECT_FALSE(nameless.load());
}
