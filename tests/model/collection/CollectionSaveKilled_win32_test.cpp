// A save killed mid-way never costs the collection: a second process adds
// movies and saves, and is killed at random points of its save; each next
// open finds the old or the new collection whole, and the temporary the
// killed save left is gone. The second process is this test program again,
// running only the saver below.
#include <gtest/gtest.h>

#include "foundation/containers/StringList.h"
#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "model/CollectionModel.h"
#include "model/collection/CollectionFile.h"
#include "model/collection/CollectionHeader.h"
#include "model/records/LoanerList.h"
#include "model/records/Movie.h"
#include "samples/SampleCollection.h"
#include "tests/support/TestSupport.h"
#include "tests/support/TestText.h"

#include <cstdlib>
#include <random>
#include <string>
#include <windows.h>

namespace {

const char kFolderVariable[] = "REELSTACK_SAVE_CHILD_DATA";
const char kEventVariable[] = "REELSTACK_SAVE_CHILD_EVENT";
const char16_t kName[] = u"Saved";
const int kFirstCount = 1500;
const int kAdded = 100;

std::wstring wide(const std::string& text)
{
    String value = testsupport::text(text);
    return std::wstring(reinterpret_cast<const wchar_t*>(value.data()), size_t(value.length()));
}

int temporariesBeside(const String& folder)
{
    StringList names;
    Directory::list(folder, Directory::kListFiles | Directory::kListNamesOnly, nullptr, names);
    int count = 0;
    for (const String& name : names) {
        if (name.endsWith(String(u".tmp"), String::kIgnoreCase))
            ++count;
    }
    return count;
}

struct Saver
{
    HANDLE process = nullptr;
    HANDLE saving = nullptr;
};

// Starts the saver on the collection in the data folder; it sets the event named
// eventName when its save begins.
Saver startSaver(const std::string& data, const std::string& eventName)
{
    Saver saver;
    saver.saving = CreateEventW(nullptr, TRUE, FALSE, wide(eventName).c_str());
    SetEnvironmentVariableA(kFolderVariable, data.c_str());
    SetEnvironmentVariableA(kEventVariable, eventName.c_str());
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring commandLine =
        L"\"" + std::wstring(path) + L"\" --gtest_brief=1 --gtest_filter=CollectionSaver.AddsMoviesAndSaves";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process)) {
        CloseHandle(process.hThread);
        saver.process = process.hProcess;
    }
    SetEnvironmentVariableA(kFolderVariable, nullptr);
    SetEnvironmentVariableA(kEventVariable, nullptr);
    return saver;
}

// False when the saver ended, or took a minute, before its save began.
bool waitForSave(const Saver& saver)
{
    HANDLE handles[2] = {saver.saving, saver.process};
    return WaitForMultipleObjects(2, handles, FALSE, 60000) == WAIT_OBJECT_0;
}

void finish(Saver& saver)
{
    if (saver.process) {
        WaitForSingleObject(saver.process, 60000);
        CloseHandle(saver.process);
    }
    CloseHandle(saver.saving);
}

} // namespace

TEST(CollectionSaveKilled, EachNextOpenFindsTheOldOrTheNewCollectionWholeAndNoTemporary)
{
    testsupport::TempDir dir;
    const String data = testsupport::text(dir.path());
    const String folder = data + String(u"\\") + String(kName);
    ASSERT_FALSE(SampleCollection::write(kFirstCount, 7, folder).isEmpty());
    const std::string eventName = "ReelstackSaver" + std::to_string(GetCurrentProcessId());

    // One save left to end tells how long a save takes here.
    Saver whole = startSaver(testsupport::utf8(data), eventName);
    ASSERT_TRUE(whole.process);
    ASSERT_TRUE(waitForSave(whole));
    const DWORD saveStart = GetTickCount();
    ASSERT_EQ(WaitForSingleObject(whole.process, 60000), WAIT_OBJECT_0);
    const DWORD saveTime = GetTickCount() - saveStart + 1;
    finish(whole);
    int expected = kFirstCount + kAdded;

    const unsigned seed = std::random_device()();
    std::mt19937 random(seed);
    int leftBehind = 0;
    for (int round = 0; round < 20; ++round) {
        Saver saver = startSaver(testsupport::utf8(data), eventName);
        ASSERT_TRUE(saver.process);
        ASSERT_TRUE(waitForSave(saver));
        ResetEvent(saver.saving);
        Sleep(std::uniform_int_distribution<DWORD>(0, saveTime)(random));
        TerminateProcess(saver.process, 9);
        finish(saver);
        leftBehind += temporariesBeside(folder) > 0 ? 1 : 0;

        CollectionModel model(data);
        ASSERT_TRUE(model.openCollection(CollectionFile(data).filePathFor(String(kName))))
            << "round " << round << ", seed " << seed;
        const int count = model.movieCount();
        EXPECT_TRUE(count == expected || count == expected + kAdded)
            << count << " movies in round " << round << ", seed " << seed;
        ASSERT_GT(count, 0) << "round " << round << ", seed " << seed;
        EXPECT_EQ(model.movies().last()->value->id, count) << "the last movie is whole";
        EXPECT_EQ(temporariesBeside(folder), 0) << "round " << round << ", seed " << seed;
        expected = count;
        model.closeCollection();
    }
    EXPECT_GT(leftBehind, 0) << "no kill landed inside a save; seed " << seed;
}

// The saver: opens the collection, adds movies, says so and saves.
TEST(CollectionSaver, AddsMoviesAndSaves)
{
    const char* dataFolder = std::getenv(kFolderVariable);
    const char* eventName = std::getenv(kEventVariable);
    if (!dataFolder || !eventName)
        GTEST_SKIP() << "runs only as the second process of CollectionSaveKilled";
    const String data = testsupport::text(dataFolder);
    CollectionModel model(data);
    ASSERT_TRUE(model.openCollection(CollectionFile(data).filePathFor(String(kName))));
    CollectionHeader header;
    List<Movie*> movies;
    LoanerList loaners;
    SampleCollection(uint32_t(model.movieCount())).make(kAdded, header, movies, loaners);
    for (Movie* movie : movies) {
        movie->id = model.nextMovieId();
        model.appendMovie(movie);
    }
    HANDLE saving = OpenEventW(EVENT_MODIFY_STATE, FALSE, wide(eventName).c_str());
    ASSERT_TRUE(saving);
    SetEvent(saving);
    CloseHandle(saving);
    EXPECT_TRUE(model.closeCollection());
}
