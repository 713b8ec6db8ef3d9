// Loading "config.dat": a file with exactly the known keys is kept as it is;
// any other file is rebuilt from the defaults as a whole and saved.
#include <gtest/gtest.h>

#include "tests/model/config/ConfigTestSupport.h"

#include <algorithm>

using namespace configtest;

TEST_F(ConfigTest, KeepsAFileWithExactlyTheKnownKeysUntouched)
{
    // Reversed, and every value changed to a text, most of which fit no type.
    ConfigDefaultList all = registered();
    ConfigDefaultList changed;
    int index = 110;
    for (ConfigDefaultList::Node* node = all.last(); node; node = node->prev)
        changed.append(
            ConfigDefault{node->value.key, Variant(String(u"stored ") + String::fromInt(--index))});
    writeConfig(changed);
    iotest::Bytes before = configBytes();

    std::unique_ptr<ConfigFile> config = Configuration::load(String(u"Reelstack"));
    ASSERT_NE(config, nullptr);
    EXPECT_EQ(show(config->path()), show(iotest::pathIn(m_dir, "config.dat")));
    EXPECT_EQ(valueOf(*config, u"model/language"), "stored 0");
    EXPECT_EQ(valueOf(*config, u"view/columnWidth15"), "stored 109");
    EXPECT_EQ(config->value(String(u"view/sortMode"), Variant()).toInt(), 0) << "a mistyped value reads as 0";
    EXPECT_EQ(configBytes(), before);
}

TEST_F(ConfigTest, RebuildsTheWholeFileWhenItsKeysDiffer)
{
    struct Row
    {
        const char* what;
        void (*change)(ConfigDefaultList& entries);
        const char* bytes; // instead of the entries
    };
    const Row rows[] = {
        {"one key missing",
         [](ConfigDefaultList& entries) {
             ConfigDefaultList::Node* node = entries.nodeAt(80);
             entries.erase(node);
         },
         nullptr},
        {"one key more",
         [](ConfigDefaultList& entries) {
             entries.append(ConfigDefault{String(u"view/extra"), Variant(1)});
         },
         nullptr},
        {"one key twice and another missing",
         [](ConfigDefaultList& entries) { entries.last()->value.key = String(u"model/language"); }, nullptr},
        {"a key in another letter case",
         [](ConfigDefaultList& entries) { entries.first()->value.key = String(u"Model/language"); }, nullptr},
        {"cut short", nullptr, "<groups><group name=\"model\"><item"},
        {"a declaration only", nullptr, "\xEF\xBB\xBF<?xml"},
        {"no XML", nullptr, "abc"},
        {"empty", nullptr, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        if (row.bytes) {
            ASSERT_TRUE(
                iotest::writeFileBytes(iotest::nativeIn(m_dir, "config.dat"), iotest::bytesOf(row.bytes)));
        } else {
            ConfigDefaultList entries = registered();
            ASSERT_GT(entries.count(), 80) << "the rows change entries up to the 81st";
            entries.nodeAt(6)->value.value = Variant(u"Mine"); // model/recentCollection
            row.change(entries);
            writeConfig(entries);
        }
        std::unique_ptr<ConfigFile> config = Configuration::load(String(u"Reelstack"));
        EXPECT_EQ(keysOf(*config), registeredKeys());
        EXPECT_EQ(valueOf(*config, u"model/recentCollection"), "") << "the valid settings go with the rest";
        ConfigFile saved(String(u"config.dat"), String(), ConfigFile::kAppDirectory, ConfigFile::kXml);
        ASSERT_TRUE(saved.load());
        EXPECT_EQ(keysOf(saved), registeredKeys());
        EXPECT_EQ(valueOf(saved, u"view/movieCardFontFamily"), "Tahoma");
    }
}
