// Where "config.dat" lives: beside the program when one is there, else in
// the user's application-data folder (natively $HOME/.config) under the
// product name.
#include <gtest/gtest.h>

#include "foundation/data/ConfigFile.h"
#include "foundation/io/File.h"
#include "model/config/Configuration.h"
#include "tests/model/config/ConfigTestSupport.h"

#include <cstdlib>
#include <string>

using configtest::ConfigTest;
using iotest::show;

namespace {

class HomeFolder
{
public:
    explicit HomeFolder(const std::string& folder)
    {
        const char* previous = std::getenv("HOME");
        m_hadHome = previous != nullptr;
        m_previous = previous ? previous : "";
        setenv("HOME", folder.c_str(), 1);
    }
    ~HomeFolder()
    {
        if (m_hadHome)
            setenv("HOME", m_previous.c_str(), 1);
        else
            unsetenv("HOME");
    }
    HomeFolder(const HomeFolder&) = delete;
    HomeFolder& operator=(const HomeFolder&) = delete;

private:
    bool m_hadHome = false;
    std::string m_previous;
};

} // namespace

TEST_F(ConfigTest, FirstStartCreatesTheFileInTheUsersFolder)
{
    testsupport::TempDir home;
    HomeFolder scope(home.path());
    std::unique_ptr<ConfigFile> config = Configuration::load(String(u"Reelstack"));
    EXPECT_EQ(keysOf(*config), registeredKeys());
    std::string stored = iotest::nativeIn(home, ".config/Reelstack/config.dat");
    ASSERT_FALSE(iotest::readFileBytes(stored).empty());
    EXPECT_FALSE(File::exists(iotest::pathIn(m_dir, "config.dat")));

    // A second start keeps what the first one wrote.
    iotest::Bytes first = iotest::readFileBytes(stored);
    Configuration::load(String(u"Reelstack"));
    EXPECT_EQ(iotest::readFileBytes(stored), first);
}

TEST_F(ConfigTest, AFileBesideTheProgramWinsOverTheUsersCopy)
{
    testsupport::TempDir home;
    HomeFolder scope(home.path());
    Configuration::load(String(u"Reelstack"));

    ConfigDefaultList mine = registered();
    mine.first()->value.value = Variant(u"Deutsch");
    writeConfig(mine);
    std::unique_ptr<ConfigFile> config = Configuration::load(String(u"Reelstack"));
    EXPECT_EQ(show(config->path()), show(iotest::pathIn(m_dir, "config.dat")));
    EXPECT_EQ(show(config->value(String(u"model/language"), Variant()).toString()), "Deutsch");
}
