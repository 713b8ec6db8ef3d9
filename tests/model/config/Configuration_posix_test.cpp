// Where "config.dat" lives: beside the program when one is there, else in
// the user's application-data folder (natively $HOME/.config) under the
// product name.
#include <gtest/gtest.h>

#include "foundation/io/File.h"
#include "tests/model/config/ConfigTestSupport.h"

#include <cstdlib>

using namespace configtest;

TEST_F(ConfigTest, TheUsersCopyUnlessAFileIsBesideTheProgram)
{
    testsupport::TempDir home;
    const char* previous = std::getenv("HOME");
    std::string previousHome = previous ? previous : "";
    setenv("HOME", home.path().c_str(), 1);

    // A first start creates the user's copy; a second keeps what it wrote.
    std::unique_ptr<ConfigFile> config = Configuration::load(String(u"Reelstack"));
    EXPECT_EQ(keysOf(*config), registeredKeys());
    std::string stored = iotest::nativeIn(home, ".config/Reelstack/config.dat");
    iotest::Bytes first = iotest::readFileBytes(stored);
    ASSERT_FALSE(first.empty());
    EXPECT_FALSE(File::exists(iotest::pathIn(m_dir, "config.dat")));
    Configuration::load(String(u"Reelstack"));
    EXPECT_EQ(iotest::readFileBytes(stored), first);

    ConfigDefaultList mine = registered();
    ASSERT_FALSE(mine.isEmpty());
    mine.first()->value.value = Variant(u"Deutsch");
    writeConfig(mine);
    config = Configuration::load(String(u"Reelstack"));
    EXPECT_EQ(show(config->path()), show(iotest::pathIn(m_dir, "config.dat")));
    EXPECT_EQ(valueOf(*config, u"model/language"), "Deutsch");
    previous ? setenv("HOME", previousHome.c_str(), 1) : unsetenv("HOME");
}
