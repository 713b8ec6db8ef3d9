#include "tests/support/TestSupport.h"
#include "ui/core/platform/SystemServices.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

String systemFile(const wchar_t* name)
{
    wchar_t folder[MAX_PATH] = {};
    GetSystemDirectoryW(folder, MAX_PATH);
    return String(reinterpret_cast<const char16_t*>(folder)) + u'\\' +
           String(reinterpret_cast<const char16_t*>(name));
}

String testDataFile(const char* name)
{
    return String::fromUtf8(testsupport::dataDir().c_str()) + u'\\' + String::fromUtf8(name);
}

} // namespace

TEST(SystemServicesWine, FileIconsBySize)
{
    String file = systemFile(L"notepad.exe");
    struct Case
    {
        int size;
        bool found;
    };
    const Case cases[] = {{16, true}, {32, true}, {64, false}, {0, false}};
    for (const Case& c : cases) {
        Image icon = SystemServices::fileIcon(file, c.size);
        EXPECT_EQ(!icon.isNull(), c.found) << c.size;
        if (c.found) {
            EXPECT_EQ(icon.width(), c.size);
            EXPECT_EQ(icon.height(), c.size);
        }
    }
    EXPECT_TRUE(SystemServices::fileIcon(String(), 16).isNull());
    EXPECT_TRUE(SystemServices::systemImageListIcon(16, -1).isNull());
    EXPECT_TRUE(SystemServices::systemImageListIcon(20, 0).isNull());
}

TEST(SystemServicesWine, VersionFieldsOfASystemFileAndOfAFileWithout)
{
    String dll = systemFile(L"shell32.dll");
    String version = SystemServices::fileVersion(dll);
    ASSERT_FALSE(version.isEmpty());
    EXPECT_TRUE(version.at(0) >= u'0' && version.at(0) <= u'9') << "a version starts with a number";
    EXPECT_FALSE(SystemServices::productVersion(dll).isEmpty());
    EXPECT_FALSE(SystemServices::fileDescription(dll).isEmpty());
    EXPECT_TRUE(SystemServices::versionField(dll, String(u"NoSuchField")).isEmpty());
    String plain = testDataFile("languages\\Testish.xml");
    for (String (*field)(const String&) :
         {SystemServices::fileDescription, SystemServices::fileVersion, SystemServices::productName,
          SystemServices::productVersion, SystemServices::companyName})
        EXPECT_TRUE(field(plain).isEmpty());
    EXPECT_TRUE(SystemServices::fileVersion(String(u"Z:\\no\\such\\file.dll")).isEmpty());
}

TEST(SystemServicesWine, ResourceNamesOfAModule)
{
    HMODULE shell = GetModuleHandleW(L"shell32");
    ASSERT_NE(shell, nullptr);
    String first = SystemServices::resourceName(shell, 14, 0); // icon groups
    ASSERT_FALSE(first.isEmpty());
    String second = SystemServices::resourceName(shell, 14, 1);
    EXPECT_FALSE(second == first);
    EXPECT_TRUE(SystemServices::resourceName(shell, 14, 100000).isEmpty());
    EXPECT_TRUE(SystemServices::resourceName(shell, 14, -1).isEmpty());
}

TEST(SystemServicesWine, PreferencesFollowTheSystem)
{
    UINT saved = 0;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &saved, 0);
    for (UINT lines : {1u, 7u}) {
        // Not written to the profile, and put back below.
        SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, lines, nullptr, 0);
        EXPECT_EQ(SystemServices::wheelScrollLines(), int(lines));
    }
    SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, saved, nullptr, 0);
    EXPECT_GE(SystemServices::menuShowDelay(), 0);
    EXPECT_EQ(SystemServices::isVistaOrLater(), (GetVersion() & 0xFF) >= 6);
}
