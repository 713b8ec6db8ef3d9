// The Windows platform layer against the real system under Wine: registry
// round trips with every value kind, shortcuts, special folders, error texts,
// placement on the monitors and processes.
#include <gtest/gtest.h>

#include "foundation/platform/Platform.h"
#include "foundation/platform/Registry.h"
#include "foundation/platform/Screen.h"
#include "foundation/platform/Shortcut.h"
#include "foundation/platform/SystemInfo.h"
#include "tests/support/TestSupport.h"
#include "tests/support/TestText.h"

#include <cstdlib>
#include <fstream>
#include <string>
#include <windows.h>

namespace {

String testKey()
{
    return String(u"Software\\ReelstackTests\\Process") + String::fromUInt(GetCurrentProcessId());
}

const wchar_t* wide(const String& text)
{
    return reinterpret_cast<const wchar_t*>(text.constCharAt(0));
}

// Writes a raw value of any kind below the test key.
void writeRaw(const String& name, DWORD type, const void* data, DWORD bytes)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, wide(testKey()), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, wide(name), 0, type, static_cast<const BYTE*>(data), bytes);
    RegCloseKey(key);
}

} // namespace

TEST(Registry, StringRoundTripAndRemoval)
{
    String path = testKey() + String(u"\\Name");
    EXPECT_FALSE(Registry::valueExists(path));
    EXPECT_EQ(Registry::getString(path, String(u"fallback")), String(u"fallback"));

    ASSERT_TRUE(Registry::setString(path, String(u"Reelstack \u00e9t\u00e9")));
    EXPECT_TRUE(Registry::valueExists(path));
    EXPECT_EQ(Registry::getString(path, String()), String(u"Reelstack \u00e9t\u00e9"));
    // An empty text reads back as the fallback.
    ASSERT_TRUE(Registry::setString(path, String()));
    EXPECT_EQ(Registry::getString(path, String(u"fb")), String(u"fb"));

    EXPECT_TRUE(Registry::deleteValue(path));
    EXPECT_FALSE(Registry::valueExists(path));
    EXPECT_FALSE(Registry::deleteValue(path));
    EXPECT_TRUE(Registry::deleteKey(testKey()));
    EXPECT_FALSE(Registry::deleteKey(testKey()));
    EXPECT_FALSE(Registry::setString(String(u"NoValueName"), String(u"x")));
}

TEST(Registry, TooLongTextsAreRefusedAndLeaveTheOldValue)
{
    String path = testKey() + String(u"\\Long");
    ASSERT_TRUE(Registry::setString(path, String(u"old")));
    EXPECT_FALSE(Registry::setString(path, String(u'x', 1024)));
    EXPECT_TRUE(Registry::setString(path, String(u'y', 1023)));
    EXPECT_EQ(Registry::getString(path, String()).length(), 1023);
    EXPECT_TRUE(Registry::deleteValue(path));
    EXPECT_TRUE(Registry::deleteKey(testKey()));
}

TEST(Registry, OtherValueKindsReadAsText)
{
    DWORD number = 4000000000u;
    writeRaw(String(u"Number"), REG_DWORD, &number, sizeof(number));
    EXPECT_EQ(Registry::getString(testKey() + String(u"\\Number"), String()), String(u"4000000000"));

    SetEnvironmentVariableW(L"REELSTACK_REGISTRY_TEST", L"expanded");
    const wchar_t expandable[] = L"<%REELSTACK_REGISTRY_TEST%>";
    writeRaw(String(u"Expand"), REG_EXPAND_SZ, expandable, sizeof(expandable));
    EXPECT_EQ(Registry::getString(testKey() + String(u"\\Expand"), String()), String(u"<expanded>"));

    // Stored without a terminator: read no further than the data.
    const wchar_t unterminated[] = {L'a', L'b', L'c'};
    writeRaw(String(u"Raw"), REG_SZ, unterminated, sizeof(unterminated));
    EXPECT_EQ(Registry::getString(testKey() + String(u"\\Raw"), String()), String(u"abc"));

    const unsigned char binary[] = {1, 2, 3};
    writeRaw(String(u"Binary"), REG_BINARY, binary, sizeof(binary));
    EXPECT_EQ(Registry::getString(testKey() + String(u"\\Binary"), String(u"fb")), String(u"fb"));

    // Larger than any read buffer, yet it exists.
    std::wstring big(5000, L'z');
    writeRaw(String(u"Big"), REG_SZ, big.c_str(), static_cast<DWORD>((big.size() + 1) * sizeof(wchar_t)));
    EXPECT_TRUE(Registry::valueExists(testKey() + String(u"\\Big")));

    RegDeleteTreeW(HKEY_CURRENT_USER, wide(testKey()));
}

TEST(Registry, AutorunEntry)
{
    String name = String(u"ReelstackTest") + String::fromUInt(GetCurrentProcessId());
    String path = String(u"Software\\Microsoft\\Windows\\CurrentVersion\\Run\\") + name;
    ASSERT_TRUE(Registry::setAutorun(name, String(u"C:\\Program Files\\Reelstack\\Reelstack.exe"), true));
    EXPECT_EQ(Registry::getString(path, String()),
              String(u"\"C:\\Program Files\\Reelstack\\Reelstack.exe\" -autorun"));
    EXPECT_TRUE(Registry::setAutorun(name, String(), false));
    EXPECT_FALSE(Registry::valueExists(path));
    EXPECT_TRUE(Registry::setAutorun(name, String(), false));
}

TEST(Shortcut, CreateReadAndRefuse)
{
    testsupport::TempDir dir;
    std::string targetPath = dir.file("movie.txt");
    std::ofstream(targetPath) << "x";
    String target = testsupport::text(targetPath);
    String link = testsupport::text(dir.file("movie.lnk"));

    EXPECT_EQ(Shortcut::target(link), String());
    ASSERT_TRUE(Shortcut::create(link, target, String(u"A movie")));
    EXPECT_EQ(Shortcut::target(link), target);
    // Never overwrites an existing file.
    EXPECT_FALSE(Shortcut::create(link, target, String()));
    EXPECT_FALSE(Shortcut::create(testsupport::text(dir.file("other.lnk")),
                                  testsupport::text(dir.file("missing.txt")), String()));
    EXPECT_FALSE(Shortcut::create(String(), target, String()));
    EXPECT_FALSE(Shortcut::create(testsupport::text(dir.file("other.lnk")), String(), String()));
}

TEST(Shortcut, SendToEntryWhenTheFolderExists)
{
    String folder = SystemInfo::specialFolder(SystemInfo::kSendTo);
    DWORD attributes = GetFileAttributesW(wide(folder));
    if (folder.isEmpty() || attributes == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "no send-to folder in this prefix";
    testsupport::TempDir dir;
    std::ofstream(dir.file("program.exe")) << "x";
    String target = testsupport::text(dir.file("program.exe"));
    String name = String(u"ReelstackTest") + String::fromUInt(GetCurrentProcessId());
    ASSERT_TRUE(Shortcut::setSendTo(name, target, true));
    EXPECT_TRUE(Shortcut::hasSendTo(name, target));
    EXPECT_FALSE(Shortcut::hasSendTo(name, String(u"C:\\elsewhere.exe")));
    EXPECT_TRUE(Shortcut::setSendTo(name, target, false));
    EXPECT_FALSE(Shortcut::hasSendTo(name, target));
}

TEST(SystemInfo, SpecialFolders)
{
    String temporary = SystemInfo::specialFolder(SystemInfo::kTemporary);
    ASSERT_FALSE(temporary.isEmpty());
    EXPECT_EQ(temporary.last(), u'\\');
    EXPECT_FALSE(SystemInfo::specialFolder(SystemInfo::kApplicationData).isEmpty());
    EXPECT_FALSE(SystemInfo::specialFolder(0).isEmpty());
    EXPECT_TRUE(SystemInfo::specialFolder(23).isEmpty());
    EXPECT_TRUE(SystemInfo::specialFolder(-1).isEmpty());
}

TEST(SystemInfo, EnvironmentVariablesOfTheRuntime)
{
    ASSERT_EQ(_putenv_s("REELSTACK_ENV_TEST", "caf\xe9"), 0);
    ByteArray value = SystemInfo::environmentVariable("REELSTACK_ENV_TEST");
    ASSERT_EQ(value.size(), 4);
    EXPECT_EQ(value.data()[3], 0xE9);
    _putenv_s("REELSTACK_ENV_TEST", "");
    EXPECT_EQ(SystemInfo::environmentVariable("REELSTACK_ENV_TEST").size(), 0);
    EXPECT_EQ(SystemInfo::environmentVariable("REELSTACK_NEVER_SET").size(), 0);
    EXPECT_EQ(SystemInfo::environmentVariable(nullptr).size(), 0);
}

TEST(SystemInfo, ProcessesAndTheShell)
{
    wchar_t ownPath[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, ownPath, MAX_PATH);
    EXPECT_TRUE(SystemInfo::isProcessRunning(String(reinterpret_cast<const char16_t*>(ownPath)).toLower()));
    EXPECT_FALSE(SystemInfo::isProcessRunning(String(u"C:\\no\\such\\program.exe")));
    EXPECT_FALSE(SystemInfo::isProcessRunning(String()));

    EXPECT_TRUE(SystemInfo::runProcess(String(u"cmd.exe /c exit 3"), false, true));
    EXPECT_FALSE(SystemInfo::runProcess(String(u"C:\\no\\such\\program.exe"), false, false));
    EXPECT_FALSE(SystemInfo::shellExecute(String(u"C:\\no\\such\\document.xyz")));
    EXPECT_FALSE(SystemInfo::showInFolder(String(u"C:\\no\\such\\folder"), StringList()));
    SystemInfo::shellOpen(String());
}

TEST(Platform, ErrorTexts)
{
    String notFound = Platform::systemErrorText(ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(notFound.isEmpty());
    SetLastError(ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(Platform::systemErrorText(-1), notFound);
    EXPECT_TRUE(Platform::systemErrorText(0).isEmpty());
    EXPECT_TRUE(Platform::systemErrorText(-2).isEmpty());
    // A message with insertion points must not read arguments nobody passed.
    EXPECT_FALSE(Platform::systemErrorText(ERROR_WRONG_DISK).isEmpty());
}

TEST(Screen, PlacementOnAndOffTheMonitors)
{
    Rect work = Screen::primaryRect(true);
    Screen::Margins none;
    Rect popup(work.x + work.width - 50, work.y + 10, 200, 100);
    Rect placed = Screen::fitRect(Point(work.x + 5, work.y + 5), popup, none, 0, false);
    EXPECT_EQ(placed, Rect(work.x + work.width - 200, work.y + 10, 200, 100));

    // No monitor under the anchor: unchanged, never garbage.
    EXPECT_EQ(Screen::fitRect(Point(-100000, -100000), popup, none, 0, false), popup);
    EXPECT_EQ(Screen::rectAt(-100000, -100000, true), Rect());
    EXPECT_EQ(Screen::alignOnMonitor(Rect(-100000, -100000, 10, 10), none, 0),
              Rect(-100000, -100000, 10, 10));
    EXPECT_EQ(Screen::alignOnMonitor(Rect(work.x, work.y, 0, 10), none, 0), Rect());
    Rect aligned = Screen::alignOnMonitor(Rect(work.x + 1, work.y + 1, 10, 10), none, Rect::kAlignRight);
    EXPECT_EQ(aligned, Rect(work.x + work.width - 10, work.y, 10, 10));

    EXPECT_EQ(Screen::maxRefreshRate(0, -5), 0);
}
