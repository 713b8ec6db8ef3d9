// The guard that every removing step of the Windows tests goes through: a
// data folder is removed only inside the prefix that the test scripts made
// and marked as theirs. Elsewhere, a user's own prefix where their
// collections live, or the Unix side behind drive Z:, nothing is removed.
#include "tests/support/AppDriver.h"
#include "tests/support/TestPrefix.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

using testsupport::AppDriver;
using testsupport::TestPrefix;

namespace {

// APPDATA pointed elsewhere for one test, as a user's variables could.
class AppDataFolder
{
public:
    explicit AppDataFolder(const std::string& folder)
    {
        const char* value = std::getenv("APPDATA");
        m_saved = value ? value : "";
        set(folder);
    }
    ~AppDataFolder() { set(m_saved); }
    AppDataFolder(const AppDataFolder&) = delete;
    AppDataFolder& operator=(const AppDataFolder&) = delete;

private:
    static void set(const std::string& folder)
    {
        const std::string assignment = "APPDATA=" + folder;
        _putenv(assignment.c_str());
    }
    std::string m_saved;
};

// A collection in the data folder under appData; its file's path.
std::string writeCollection(const std::string& appData)
{
    const std::string folder = appData + "\\Reelstack\\Mine";
    std::filesystem::create_directories(folder);
    const std::string file = folder + "\\Mine.rsdb";
    std::ofstream(file) << "a user's collection";
    return file;
}

} // namespace

TEST(TestPrefix, HoldsOnlyPathsBelowTheRootOfTheMarkedDrive)
{
    ASSERT_TRUE(TestPrefix::isMarked("C:\\")) << "the test scripts mark the prefix they run the tests in";
    const struct
    {
        const char* path;
        bool held;
    } rows[] = {
        {"C:\\users\\tester\\AppData\\Roaming\\Reelstack", true},
        {"c:/users/tester/Temp", true},
        {"C:\\users\\\\tester", true},
        {"C:\\", false},
        {"C:", false},
        {"C:users", false},
        {"C:\\users\\..\\..\\Windows", false},
        {"C:\\.\\users", false},
        {"Reelstack", false},
        {".\\Reelstack", false},
        {"\\users\\tester", false},
        {"\\\\server\\share\\Reelstack", false},
        {"\\\\?\\C:\\users\\tester", false},
        {"Z:\\tmp\\Reelstack", false},
        {"", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(TestPrefix::holds(row.path), row.held) << row.path;
}

TEST(TestPrefix, TheDataFolderIsCleanedInTheTestsPrefixOnly)
{
    // Behind drive Z: lies the whole Unix side, a user's own prefix with it.
    const std::string outside = "Z:\\tmp\\reelstack-guard-" + std::to_string(GetCurrentProcessId());
    const std::string kept = writeCollection(outside);
    {
        AppDataFolder appData(outside);
        EXPECT_FALSE(AppDriver::cleanDataFolder());
        EXPECT_FALSE(TestPrefix::removeTree(outside + "\\Reelstack\\Mine"));
    }
    EXPECT_TRUE(std::filesystem::exists(kept)) << "a collection outside the tests' prefix is never removed";
    // Made by this test alone, so removed without the guard.
    std::error_code ignored;
    std::filesystem::remove_all(outside, ignored);

    testsupport::TempDir inside;
    const std::string removed = writeCollection(inside.path());
    {
        AppDataFolder appData(inside.path());
        EXPECT_TRUE(AppDriver::cleanDataFolder());
    }
    EXPECT_FALSE(std::filesystem::exists(removed));
}
