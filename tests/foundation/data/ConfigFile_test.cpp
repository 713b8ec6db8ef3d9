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
#include "tests/support/StringTestHelpers.h"
#include "tests/foundation/time/LocaleScope.h"

#include <string>

using namespace iotest;

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

int occurrences(const std::string& text, const std::string& needle)
{
    int count = 0;
    for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1))
        ++count;
    return count;
}

} // namespace

TEST_F(ConfigFileTest, WritesTheDocumentedBytesWithOneGroupPerRunOfAnArea)
{
    for (int format : {ConfigFile::kText, ConfigFile::kXml}) {
        ConfigFile file(String(u"config.ini"), String(), ConfigFile::kAppDirectory, format);
        file.addEntry(String(u"model/a"), Variant(true), String());
        file.addEntry(String(u"view/b"), Variant(int32_t(5)), String(u"c"));
        file.addEntry(String(u"model/d"), Variant(u"4"), String());
        file.addEntry(String(u"view/deep/e"), Variant(u"5"), String());
        ASSERT_TRUE(file.save());
        if (format == ConfigFile::kText) {
            EXPECT_EQ(fileText("config.ini"), kBom + ";Automatically generated file. DO NOT MODIFY!\r\n"
                                                     "\r\n[model]\r\na=1\r\n\r\n[view]\r\nb=5 ;c\r\n"
                                                     "\r\n[model]\r\nd=4\r\n\r\n[view/deep]\r\ne=5\r\n");
        } else {
            EXPECT_EQ(occurrences(fileText("config.ini"), "<group name=\"model\">"), 2);
            EXPECT_EQ(occurrences(fileText("config.ini"), "<group name=\"view/deep\">"), 1);
        }
        ConfigFile back(String(u"config.ini"), String(), ConfigFile::kAppDirectory, format);
        ASSERT_TRUE(back.load());
        EXPECT_EQ(items(back.keys()), (Items{u"model/a", u"view/b", u"model/d", u"view/deep/e"}));
    }
    // Another header comment is the first line instead.
    ConfigFile text(String(u"config.ini"), String(), ConfigFile::kAppDirectory, ConfigFile::kText);
    text.addEntry(String(u"model/a"), Variant(u"1"), String());
    text.setHeaderComment(String(u"; edited"));
    ASSERT_TRUE(text.save());
    EXPECT_EQ(fileText("config.ini").substr(0, 15), kBom + "; edited\r\n\r\n");
}

// Values are written under German settings and read under English ones, so
// a decimal comma must read back too.
TEST_F(ConfigFileTest, TypedValuesComeBackAsTextsThatConvertAfterTheRegionalSettingChanges)
{
    for (int format : {ConfigFile::kText, ConfigFile::kXml}) {
        {
            LocaleScope german(LocaleData::kGermanGermany);
            ConfigFile file(String(u"typed.cfg"), String(), ConfigFile::kAppDirectory, format);
            file.addEntry(String(u"model/flag"), Variant(false), String(u"off"));
            file.addEntry(String(u"view/unsigned"), Variant(uint32_t(0xFFA58500)), String());
            file.addEntry(String(u"view/big"), Variant(int64_t(-9007199254740993LL)), String());
            file.addEntry(String(u"view/zoom"), Variant(1.5f), String());
            file.addEntry(String(u"view/list"), Variant(1234.25), String());
            file.addEntry(String(u"view/font"), Variant(u"Segoe UI \u00c4 & <b> \"q\" 'a'"), String());
            ASSERT_TRUE(file.save());
            EXPECT_NE(fileText("typed.cfg").find("1,500000000"), std::string::npos);
        }
        LocaleScope english(LocaleData::kEnglishUnitedStates);
        ConfigFile back(String(u"typed.cfg"), String(), ConfigFile::kAppDirectory, format);
        ASSERT_TRUE(back.load());
        ASSERT_EQ(back.count(), 6);
        EXPECT_TRUE(back.entry(String(u"view/big"))->value().hasType(Variant::kString));
        EXPECT_FALSE(back.value(String(u"model/flag"), Variant(true)).toBool());
        EXPECT_EQ(back.value(String(u"view/unsigned"), Variant()).toUInt(), 0xFFA58500u);
        EXPECT_EQ(back.value(String(u"view/big"), Variant()).toInt64(), -9007199254740993LL);
        EXPECT_EQ(back.value(String(u"view/zoom"), Variant()).toFloat(), 1.5f);
        EXPECT_EQ(back.value(String(u"view/list"), Variant()).toDouble(), 1234.25);
        EXPECT_EQ(valueText(back, u"view/font"), u"Segoe UI \u00c4 & <b> \"q\" 'a'");
        // Comments live in the text form only.
        std::u16string comment = u16(back.entry(String(u"model/flag"))->comment());
        EXPECT_EQ(comment, format == ConfigFile::kText ? u"off" : u"");
    }
}

TEST_F(ConfigFileTest, ReadsTheTextFormByItsRules)
{
    ASSERT_TRUE(writeFile("config.ini", kBom + ";Automatically generated file. DO NOT MODIFY!\r\n"
                                               "orphan=1\r\n[ model ]\r\n; a comment=1\r\n#hash=1\r\n"
                                               "9lives = nine ; a cat ; or two\r\n"
                                               "  spaced   =   value with blanks   ;  note  \r\n"
                                               "empty=\r\ncommentOnly=;why\r\nno equals sign\r\n=nameless\r\n"
                                               "\r\n[broken\r\nlost=1\r\n[]\r\nlost=2\r\n"
                                               "[view]\r\nbare=1\ny=2\r\n\u00e4rger=yes\r\nlast=end"));
    ConfigFile file(String(u"config.ini"), String(), ConfigFile::kAppDirectory, ConfigFile::kText);
    ASSERT_TRUE(file.load());
    EXPECT_EQ(items(file.keys()),
              (Items{u"model/9lives", u"model/spaced", u"model/empty", u"model/commentOnly", u"view/bare",
                     u"view/\u00e4rger", u"view/last"}));
    EXPECT_EQ(u16(file.entry(String(u"model/9lives"))->comment()), u"a cat ; or two");
    EXPECT_EQ(valueText(file, u"model/spaced"), u"value with blanks");
    EXPECT_EQ(u16(file.entry(String(u"model/spaced"))->comment()), u"note");
    EXPECT_EQ(valueText(file, u"model/commentOnly"), u"");
    // A bare line feed does not end a line.
    EXPECT_EQ(valueText(file, u"view/bare"), u"1\ny=2");
}

TEST_F(ConfigFileTest, FindsItsFolderAndLoadsAMissingFileAsEmpty)
{
    // A missing file is made, with the folders above it.
    String nested = pathIn(m_dir, "program\\bin");
    m_core.setAppDirectory(nested);
    ConfigFile file(String(u"config.dat"), String(u"Reelstack"), ConfigFile::kAppDirectory, ConfigFile::kXml);
    file.addEntry(String(u"model/a"), Variant(u"1"), String());
    ASSERT_TRUE(file.load());
    EXPECT_TRUE(file.isEmpty());
    EXPECT_TRUE(File::exists(file.path()));
    EXPECT_EQ(File::size(file.path()), 0);

    // A folder that cannot be made or worked out fails rather than writing
    // beside the program.
    ASSERT_TRUE(writeFile("blocker", "file"));
    m_core.setAppDirectory(pathIn(m_dir, "blocker\\inside"));
    EXPECT_FALSE(file.load());
    String appData = SystemInfo::specialFolder(SystemInfo::kApplicationData);
    ConfigFile user(String(u"config.dat"), String(u"Reelstack"), ConfigFile::kUserData, ConfigFile::kXml);
    if (!appData.isEmpty()) {
        EXPECT_EQ(u16(user.path()), u16(appData) + u"\\Reelstack\\config.dat");
    }
    ConfigFile unknown(String(u"config.dat"), String(), 7, ConfigFile::kXml);
    EXPECT_FALSE(unknown.load());
    EXPECT_FALSE(unknown.save());
    ConfigFile nameless(String(), String(), ConfigFile::kAppDirectory, ConfigFile::kXml);
    EXPECT_FALSE(nameless.load());
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
    ASSERT_TRUE(writeFileBytes(nativeIn(m_dir, "zeros.ini"), Bytes(8, 0)));
    EXPECT_FALSE(text.load());
    EXPECT_EQ(text.count(), 1);

    // Elements other than groups and items are passed over.
    ASSERT_TRUE(writeFile("broken.xml", "<?xml version=\"1.0\"?><groups><note name=\"x\"><item name=\"a\" "
                                        "value=\"1\"/></note><group name=\"g\"><other name=\"b\"/><item "
                                        "name=\"c\"/></group></groups>"));
    ASSERT_TRUE(xml.load());
    EXPECT_EQ(items(xml.keys()), (Items{u"g/c"}));

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
        EXPECT_EQ(Directory::count(toPath(m_dir.path()), Directory::kListFiles, nullptr), 1);
    }

    // The text form has no escapes: it says so rather than write what would
    // read back differently. Keys need an area, and a name that begins with a
    // letter or a digit. Each row: key, value, comment.
    const char16_t* refused[][3] = {{u"model/a", u"two\r\nlines", u""},
                                    {u"model/a", u"line\nfeed", u""},
                                    {u"model/a", u"semi;colon", u""},
                                    {u"model/a", u" padded", u""},
                                    {u"model/a", u"padded\t", u""},
                                    {u"model/a", u"fine", u"a\rb"},
                                    {u"plain", u"1", u""},
                                    {u"/name", u"1", u""},
                                    {u"model/#name", u"1", u""},
                                    {u"model/ name", u"1", u""},
                                    {u"area]/name", u"1", u""},
                                    {u"model/a=b", u"1", u""}};
    ConfigFile text(String(u"config.dat"), String(), ConfigFile::kAppDirectory, ConfigFile::kText);
    text.addEntry(String(u"model/a"), Variant(u"fine"), String(u"fine too"));
    ASSERT_TRUE(text.save());
    std::string saved = fileText("config.dat");
    for (const auto& row : refused) {
        ConfigFile odd(String(u"config.dat"), String(), ConfigFile::kAppDirectory, ConfigFile::kText);
        odd.addEntry(String(row[0]), Variant(row[1]), String(row[2]));
        EXPECT_FALSE(odd.save()) << "row " << (&row - refused);
        EXPECT_EQ(fileText("config.dat"), saved);
    }
    text.setHeaderComment(String(u";first\r\n[model]\r\ninjected=1"));
    EXPECT_FALSE(text.save());

    // The XML form holds them.
    ConfigFile xml(String(u"config.xml"), String(), ConfigFile::kAppDirectory, ConfigFile::kXml);
    xml.addEntry(String(u"model/a"), Variant(u"two\r\nlines; and more"), String());
    ASSERT_TRUE(xml.save());
    ASSERT_TRUE(xml.load());
    EXPECT_EQ(valueText(xml, u"model/a"), u"two\r\nlines; and more");
}

TEST_F(ConfigFileTest, LooksKeysUpWithAndWithoutPrefix)
{
    ConfigFile file(String(u"config.ini"), String(), ConfigFile::kAppDirectory, ConfigFile::kText);
    file.addEntry(String(u"view/mode"), Variant(int32_t(1)), String());
    file.addEntry(String(u"model/mode"), Variant(int32_t(2)), String());
    file.addEntry(String(u"view/mode"), Variant(int32_t(3)), String());

    EXPECT_FALSE(file.contains(String(u"View/mode")));
    EXPECT_EQ(file.valueByHash(String(u"model/mode").hash64(), Variant()).toInt(), 2);

    // setValue changes what is there and never adds.
    file.setValue(String(u"view/other"), Variant(int32_t(9)));
    EXPECT_EQ(file.count(), 3);

    file.setKeyPrefix(String(u"view"));
    EXPECT_FALSE(file.contains(String(u"view/mode")));
    EXPECT_EQ(file.value(String(u"mode"), Variant()).toInt(), 1);
    // Only the first of two equal keys goes.
    file.removeEntry(String(u"mode"));
    EXPECT_EQ(file.value(String(u"mode"), Variant()).toInt(), 3);
}
