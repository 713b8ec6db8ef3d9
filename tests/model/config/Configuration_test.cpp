// Loading "config.dat": a file with exactly the known keys is kept as it is;
// any other file is rebuilt from the defaults as a whole and saved.
#include <gtest/gtest.h>

#include "foundation/data/ConfigFile.h"
#include "model/config/Configuration.h"
#include "tests/model/config/ConfigTestSupport.h"

#include <algorithm>
#include <vector>

using configtest::ConfigTest;
using iotest::show;

namespace {

std::string valueOf(const ConfigFile& config, const char16_t* key)
{
    return show(config.value(String(key), Variant()).toString());
}

} // namespace

TEST_F(ConfigTest, KeepsAFileWithExactlyTheKnownKeysUntouched)
{
    // Reversed, and every value changed, some to texts that fit no type.
    ConfigDefaultList changed;
    int index = 0;
    for (const ConfigDefault& entry : registered())
        changed.append(ConfigDefault{entry.key, Variant(String(u"stored ") + String::fromInt(index++))});
    ConfigDefaultList reversed;
    for (List<ConfigDefault>::Node* node = changed.last(); node; node = node->prev)
        reversed.append(node->value);
    writeConfig(reversed);
    iotest::Bytes before = configBytes();

    std::unique_ptr<ConfigFile> config = Configuration::load(String(u"Reelstack"));
    ASSERT_NE(config, nullptr);
    EXPECT_EQ(show(config->path()), show(iotest::pathIn(m_dir, "config.dat")));
    EXPECT_EQ(config->count(), 110);
    EXPECT_EQ(valueOf(*config, u"model/language"), "stored 0");
    EXPECT_EQ(valueOf(*config, u"view/columnWidth15"), "stored 109");
    // A mistyped value survives and reads as its conversion gives it.
    EXPECT_EQ(config->value(String(u"view/sortMode"), Variant()).toInt(), 0);
    std::vector<std::string> keys = keysOf(*config);
    std::vector<std::string> expected = registeredKeys();
    EXPECT_NE(keys, expected);
    std::sort(keys.begin(), keys.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(keys, expected);
    EXPECT_EQ(configBytes(), before);
}

TEST_F(ConfigTest, RebuildsTheWholeFileWhenItsKeysDiffer)
{
    struct Case
    {
        const char* what;
        void (*change)(ConfigDefaultList& entries);
    };
    const Case cases[] = {
        {"one key missing",
         [](ConfigDefaultList& entries) {
             List<ConfigDefault>::Node* node = entries.nodeAt(80);
             entries.erase(node);
         }},
        {"one key more",
         [](ConfigDefaultList& entries) {
             entries.append(ConfigDefault{String(u"view/extra"), Variant(1)});
         }},
        {"one key twice and another missing",
         [](ConfigDefaultList& entries) { entries.last()->value.key = String(u"model/language"); }},
        {"a key in another letter case",
         [](ConfigDefaultList& entries) { entries.first()->value.key = String(u"Model/language"); }},
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.what);
        ConfigDefaultList entries = registered();
        for (ConfigDefault& entry : entries) {
            if (show(entry.key) == "model/recentCollection")
                entry.value = Variant(u"Mine");
        }
        testCase.change(entries);
        writeConfig(entries);

        std::unique_ptr<ConfigFile> config = Configuration::load(String(u"Reelstack"));
        EXPECT_EQ(keysOf(*config), registeredKeys());
        // The valid settings are lost with the rest.
        EXPECT_EQ(valueOf(*config, u"model/recentCollection"), "");
        EXPECT_EQ(valueOf(*config, u"model/language"), "English");

        ConfigFile saved(String(u"config.dat"), String(), ConfigFile::kAppDirectory, ConfigFile::kXml);
        ASSERT_TRUE(saved.load());
        EXPECT_EQ(keysOf(saved), registeredKeys());
        EXPECT_EQ(valueOf(saved, u"view/windowLoansHeight"), "-1");
        EXPECT_EQ(valueOf(saved, u"view/movieCardFontFamily"), "Tahoma");
    }
}

TEST_F(ConfigTest, RebuildsADamagedOrEmptyFile)
{
    for (const char* bytes : {"<groups><group name=\"model\"><item", "\xEF\xBB\xBF<?xml", "abc", ""}) {
        SCOPED_TRACE(bytes);
        ASSERT_TRUE(iotest::writeFileBytes(iotest::nativeIn(m_dir, "config.dat"), iotest::bytesOf(bytes)));
        std::unique_ptr<ConfigFile> config = Configuration::load(String(u"Reelstack"));
        EXPECT_EQ(keysOf(*config), registeredKeys());
        EXPECT_EQ(config->value(String(u"model/defaultLoanPeriod"), Variant()).toInt(), 14);
        ConfigFile saved(String(u"config.dat"), String(), ConfigFile::kAppDirectory, ConfigFile::kXml);
        ASSERT_TRUE(saved.load());
        EXPECT_EQ(saved.count(), 110);
    }
}
