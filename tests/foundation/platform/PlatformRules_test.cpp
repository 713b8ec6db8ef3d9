// The decisions of the platform layer that do not need the system: naming
// the operating system from its version facts, splitting registry paths,
// and placing popups and aligned rectangles inside a monitor's area.
#include <gtest/gtest.h>

#include "foundation/platform/Registry.h"
#include "foundation/platform/Screen.h"
#include "foundation/platform/SystemInfo.h"

#include <cstdint>

namespace {

SystemInfo::OsFacts nt(int major, int minor, int productType = 1)
{
    SystemInfo::OsFacts facts;
    facts.isNt = true;
    facts.major = major;
    facts.minor = minor;
    facts.productType = productType;
    return facts;
}

const int kWorkstation = 1;
const int kDomainController = 2;
const int kServer = 3;
const int kAmd64 = 9;

} // namespace

TEST(SystemInfoRules, OperatingSystemCodesFromVersionFacts)
{
    SystemInfo::OsFacts old = nt(5, 1);
    old.isNt = false;
    // Version 5.2 on a 64-bit workstation is XP, unless a suite bit or the
    // second release marks a server.
    SystemInfo::OsFacts xp64 = nt(5, 2, kWorkstation);
    xp64.architecture = kAmd64;
    SystemInfo::OsFacts homeServer = xp64, storageServer = xp64, releaseTwo = xp64, otherSuite = xp64;
    homeServer.suiteMask = 0x8000;
    storageServer.suiteMask = 0x2000;
    releaseTwo.serverR2 = true;
    otherSuite.suiteMask = 0x0100;
    const std::pair<SystemInfo::OsFacts, int> cases[] = {
        {old, SystemInfo::kUnknownOs},
        {nt(4, 0), SystemInfo::kWindowsNt},
        {nt(5, 0), SystemInfo::kWindows2000},
        {nt(5, 1), SystemInfo::kWindowsXp},
        {nt(5, 2, kServer), SystemInfo::kWindowsServer2003},
        {nt(5, 2, kWorkstation), SystemInfo::kWindowsServer2003},
        {nt(5, 3), SystemInfo::kUnknownOs},
        {nt(6, 0, kWorkstation), SystemInfo::kWindowsVista},
        {nt(6, 1, kWorkstation), SystemInfo::kWindows7},
        {nt(6, 0, kServer), SystemInfo::kWindows2008},
        {nt(6, 1, kDomainController), SystemInfo::kWindows2008},
        {nt(6, 2), SystemInfo::kUnknownOs},
        {nt(10, 0), SystemInfo::kUnknownOs},
        {xp64, SystemInfo::kWindowsXp},
        {homeServer, SystemInfo::kWindowsServer2003},
        {storageServer, SystemInfo::kWindowsServer2003},
        {releaseTwo, SystemInfo::kWindowsServer2003},
        {otherSuite, SystemInfo::kWindowsXp},
    };
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i)
        EXPECT_EQ(SystemInfo::osCodeFor(cases[i].first), cases[i].second) << "row " << i;
}

TEST(SystemInfoRules, NamesVersionsAndSignature)
{
    EXPECT_EQ(SystemInfo::osNameFor(9), String(u"Windows 7"));
    EXPECT_EQ(SystemInfo::osNameFor(10), String(u"Unknown OS"));
    EXPECT_EQ(SystemInfo::osNameFor(-1), String(u"Unknown OS"));
    EXPECT_EQ(SystemInfo::architectureNameFor(5), String(u"Unknown"));
    EXPECT_EQ(SystemInfo::editionNameFor(0x0300), String(u"Home Edition"));
    EXPECT_EQ(SystemInfo::editionNameFor(0x0100), String(u"Professional"));
    EXPECT_FALSE(SystemInfo::isVersionAtLeast(5, 0, 5, 1));
    EXPECT_TRUE(SystemInfo::isVersionAtLeast(5, 1, 5, 1));
    EXPECT_TRUE(SystemInfo::isVersionAtLeast(6, 0, 5, 1));
    EXPECT_FALSE(SystemInfo::isVersionAtLeast(6, 0, 6, 1));
    EXPECT_TRUE(SystemInfo::isVersionAtLeast(10, 0, 6, 1));
    // The four bytes lowest first.
    EXPECT_EQ(SystemInfo::signatureText(0x12345678), String(u"78563412"));
    EXPECT_EQ(SystemInfo::signatureText(0xFFFFFFFF), String(u"ffffffff"));
}

TEST(RegistryRules, PathSplitsAtTheLastBackslash)
{
    String key;
    String value;
    ASSERT_TRUE(Registry::splitPath(String(u"Software\\Maker\\Product\\Width"), &key, &value));
    EXPECT_EQ(key, String(u"Software\\Maker\\Product"));
    EXPECT_EQ(value, String(u"Width"));

    ASSERT_TRUE(Registry::splitPath(String(u"A\\B"), &key, &value));
    EXPECT_EQ(key, String(u"A"));
    EXPECT_EQ(value, String(u"B"));

    EXPECT_FALSE(Registry::splitPath(String(u"NoSeparator"), &key, &value));
    EXPECT_FALSE(Registry::splitPath(String(u"\\LeadingOnly"), &key, &value));
    EXPECT_FALSE(Registry::splitPath(String(u"Trailing\\"), &key, &value));
    EXPECT_FALSE(Registry::splitPath(String(), &key, &value));
}

// A popup is pulled inside horizontally; past the bottom it ends at the
// bottom less the offset plus one, or flipped at its own former top; above
// the top it moves down or flips below itself; an empty area or hostile
// sizes never give garbage.
TEST(ScreenRules, PopupsAreFittedIntoTheArea)
{
    const Rect area(0, 0, 1000, 800), high(0, 50, 1000, 800);
    const Rect huge(INT32_MAX - 10, INT32_MAX - 10, INT32_MAX, INT32_MAX);
    const struct
    {
        Rect area, popup;
        int offset;
        bool flip;
        Rect expected;
    } rows[] = {
        {area, Rect(-30, 100, 200, 100), 0, false, Rect(0, 100, 200, 100)},
        {area, Rect(900, 100, 200, 100), 0, false, Rect(800, 100, 200, 100)},
        {area, Rect(300, 100, 200, 100), 5, true, Rect(300, 100, 200, 100)},
        {area, Rect(10, 750, 100, 100), 0, false, Rect(10, 701, 100, 100)},
        {area, Rect(10, 750, 100, 100), 20, false, Rect(10, 681, 100, 100)},
        {area, Rect(10, 750, 100, 100), 20, true, Rect(10, 631, 100, 100)},
        {high, Rect(10, 0, 100, 100), 0, false, Rect(10, 50, 100, 100)},
        {high, Rect(10, 0, 100, 100), 7, false, Rect(10, 57, 100, 100)},
        {high, Rect(10, 0, 100, 100), 7, true, Rect(10, 107, 100, 100)},
        {Rect(), Rect(5, 6, 70, 80), 3, true, Rect(5, 6, 70, 80)},
        {Rect(0, 0, 100, 0), Rect(5, 6, 70, 80), 3, true, Rect(5, 6, 70, 80)},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Screen::fitInArea(row.area, row.popup, row.offset, row.flip), row.expected)
            << "row " << (&row - rows);
    const Rect placed = Screen::fitInArea(area, huge, INT32_MAX, true);
    EXPECT_TRUE(placed.width == huge.width && placed.height == huge.height && placed.x <= 1000);
}

TEST(ScreenRules, ShrinkAndAlignInArea)
{
    Screen::Margins margins;
    margins.left = 10;
    margins.top = 20;
    margins.right = 30;
    margins.bottom = 40;
    Rect area = Screen::shrink(Rect(0, 0, 1000, 800), margins);
    EXPECT_EQ(area, Rect(10, 20, 960, 740));

    Rect box(500, 500, 100, 50);
    EXPECT_EQ(Screen::alignInArea(area, box, 0), Rect(10, 20, 100, 50));
    EXPECT_EQ(Screen::alignInArea(area, box, Rect::kAlignRight | Rect::kAlignBottom),
              Rect(870, 710, 100, 50));
    // Left wins over right, top over bottom, and the centres over both.
    EXPECT_EQ(Screen::alignInArea(
                  area, box, Rect::kAlignLeft | Rect::kAlignRight | Rect::kAlignTop | Rect::kAlignBottom),
              Rect(10, 20, 100, 50));
    EXPECT_EQ(Screen::alignInArea(area, box, Rect::kAlignHCenter | Rect::kAlignVCenter | Rect::kAlignLeft),
              Rect(440, 365, 100, 50));
    // Larger than the area: keeps its size.
    EXPECT_EQ(Screen::alignInArea(area, Rect(0, 0, 2000, 50), Rect::kAlignHCenter), Rect(-510, 20, 2000, 50));
}
