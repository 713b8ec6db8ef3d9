#include "ui/core/native/UIClickTracker.h"
#include "ui/core/native/UIHeldKeyTable.h"
#include "ui/core/native/UIKeyTranslation.h"

#include <gtest/gtest.h>

#include <set>

namespace {

std::set<int> g_down;
std::set<int> g_toggled;

int16_t fakeKeyState(int key)
{
    int16_t state = g_down.count(key) ? static_cast<int16_t>(0x8000) : 0;
    return static_cast<int16_t>(state | (g_toggled.count(key) ? 1 : 0));
}

// The layouts' answers for the scan codes the tests use: 0x1E is the A key,
// 0x0E Backspace, 0x1C Enter; 0x02 the "1" key.
uint32_t fakeMapper(uint32_t scanCode)
{
    switch (scanCode) {
    case 0x1E:
        return 'A';
    case 0x0E:
        return 8;
    case 0x1C:
        return 13;
    case 0x02:
        return '1';
    default:
        return 0;
    }
}

uint32_t characterLParam(uint32_t scanCode)
{
    return 1 | (scanCode << 16);
}

} // namespace

TEST(UIKeyTranslation, ModifierWordsFromKeyStates)
{
    struct Case
    {
        std::set<int> down;
        std::set<int> toggled;
        uint32_t lParam;
        uint32_t full;
        uint32_t compact;
    };
    const Case cases[] = {
        {{}, {}, 0, 0, 0},
        {{160}, {}, 0, 1, 1},
        {{161, 163}, {}, 0, 16 | 32, 1 | 2},
        {{162, 165}, {}, 0, 2 | 64, 2 | 4},
        {{164, 91, 92}, {}, 0, 4 | 8 | 128, 4},
        {{}, {20, 144, 145}, 0, 256 | 512 | 1024, 0},
        // A held toggle key that is not toggled on counts for nothing.
        {{20}, {}, 0, 0, 0},
        {{}, {}, 0x1000000 | 0x1E0001, 0x1000000, 0},
    };
    for (const Case& c : cases) {
        g_down = c.down;
        g_toggled = c.toggled;
        uint32_t full = UIKeyTranslation::fullModifiers(fakeKeyState, c.lParam);
        EXPECT_EQ(full, c.full);
        EXPECT_EQ(UIKeyTranslation::compactModifiers(full), c.compact);
    }
    g_down.clear();
    g_toggled.clear();
}

TEST(UIKeyTranslation, KeyClassesAndEntryModifiers)
{
    struct Case
    {
        int key;
        uint32_t compact;
        uint32_t entry;
        bool modifier;
        bool alwaysReleased;
    };
    const Case cases[] = {
        // Shift alone: its own bit is not part of its entry.
        {16, 1, 0, true, true},
        {160, 1, 0, false, true},
        {163, 2 | 1, 1, false, true},
        {18, 4, 0, true, true},
        // Releasing a key that was down before the modifier flips it back.
        {161, 0, 1, false, true},
        {'A', 1 | 2, 1 | 2, false, false},
        {20, 0, 0, true, false},
        {91, 0, 0, true, true},
        {144, 0, 0, true, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UIKeyTranslation::entryModifiers(c.compact, c.key), c.entry) << c.key;
        EXPECT_EQ(UIKeyTranslation::isModifierKey(c.key), c.modifier) << c.key;
        EXPECT_EQ(UIKeyTranslation::alwaysSendsRelease(c.key), c.alwaysReleased) << c.key;
    }
}

TEST(UIKeyTranslation, CharacterText)
{
    struct Case
    {
        int key;
        uint32_t character;
        uint32_t scanCode;
        uint32_t compact;
        const char16_t* text;
    };
    const Case cases[] = {
        {'A', 'a', 0x1E, 0, u"a"},
        {'A', 'A', 0x1E, 1, u"A"},
        // Ctrl+A makes the control character 1, which is dropped.
        {'A', 1, 0x1E, 2, u""},
        // Without Ctrl or Alt a control character stays (it came alone).
        {0, 1, 0x1E, 0, u"\x01"},
        // The editing keys carry no text, found through the scan code too.
        {8, 8, 0x0E, 0, u""},
        {0, 13, 0x1C, 0, u""},
        {9, 9, 0x0F, 0, u""},
        {27, 27, 0x01, 0, u""},
        // A digit key is taken as it is, whatever the layout says.
        {'1', '!', 0x02, 1, u"!"},
        // A lone character message uses its own code as the key.
        {0, 0x00E9, 0x00, 0, u"\u00e9"},
        {0, 0, 0x1E, 0, u""},
    };
    for (const Case& c : cases) {
        String text = UIKeyTranslation::characterText(c.key, c.character, characterLParam(c.scanCode),
                                                      c.compact, fakeMapper);
        EXPECT_EQ(text, String(c.text)) << c.key << " " << c.character;
    }
    EXPECT_EQ(UIKeyTranslation::scanCode(characterLParam(0x1E)), 0x1Eu);
}

TEST(UIKeyTranslation, WheelDirectionsAndButtons)
{
    struct Wheel
    {
        bool horizontal;
        int delta;
        int direction;
    };
    const Wheel wheels[] = {{false, 120, 4}, {false, -120, 3}, {false, 0, 3},
                            {true, 120, 2},  {true, -120, 1},  {true, 0, 1}};
    for (const Wheel& w : wheels)
        EXPECT_EQ(UIKeyTranslation::wheelDirection(w.horizontal, w.delta), w.direction) << w.delta;

    struct Buttons
    {
        uint32_t word;
        uint32_t flags;
    };
    // MK_SHIFT (4) and MK_CONTROL (8) are not buttons.
    const Buttons buttons[] = {{0x1, 1},   {0x2, 2},       {0x10, 4}, {0x20, 8},
                               {0x40, 16}, {0x4 | 0x8, 0}, {0x73, 31}};
    for (const Buttons& b : buttons)
        EXPECT_EQ(UIKeyTranslation::mouseButtonFlags(b.word), b.flags) << b.word;

    struct Modifiers
    {
        uint32_t word;
        bool alt;
        uint32_t compact;
    };
    // Buttons in the word are not modifiers.
    const Modifiers modifiers[] = {
        {0x4, false, 1}, {0x8, false, 2}, {0x1 | 0x2 | 0x10, true, 4}, {0xC, true, 7}};
    for (const Modifiers& m : modifiers)
        EXPECT_EQ(UIKeyTranslation::mouseModifiers(m.word, m.alt), m.compact) << m.word;
}

TEST(UIHeldKeyTable, HoldsSixtyFourKeysAndKeepsTheRemovedText)
{
    UIHeldKeyTable table;
    for (int key = 1; key <= UIHeldKeyTable::kCapacity; ++key)
        ASSERT_TRUE(table.add(key, 0, String::fromInt(key)));
    EXPECT_FALSE(table.add(1000, 0, String(u"x"))) << "a 65th key takes no entry";
    EXPECT_EQ(table.count(), UIHeldKeyTable::kCapacity);
    EXPECT_EQ(table.find(1000), nullptr);

    ASSERT_TRUE(table.remove(5));
    EXPECT_EQ(table.lastRemoved().text, String(u"5"));
    EXPECT_EQ(table.find(5), nullptr);
    ASSERT_NE(table.find(64), nullptr) << "the entry moved into the gap is still found";
    EXPECT_EQ(table.find(64)->text, String(u"64"));
    EXPECT_FALSE(table.remove(5));
    EXPECT_TRUE(table.add(1000, 3, String(u"x"))) << "a freed place is usable again";
    EXPECT_EQ(table.find(1000)->modifiers, 3u);

    table.clear();
    EXPECT_TRUE(table.isEmpty());
    EXPECT_EQ(table.find(64), nullptr);
}

TEST(UIClickTracker, DoubleClicksNeedTheSameWidgetButtonTimeAndPlace)
{
    const uint32_t first = 7;
    const uint32_t second = 8;
    struct Case
    {
        uint32_t widget;
        int64_t time;
        Point position;
        int button;
        bool isDouble;
    };
    // Limits: 500 ms, 4 by 4 pixels; each row follows the one before it.
    const Case cases[] = {
        {first, 1000, Point(10, 10), 1, false},
        {first, 1200, Point(12, 13), 1, true},
        // The pair was consumed: a third quick click starts over.
        {first, 1300, Point(12, 13), 1, false},
        {first, 1400, Point(12, 13), 2, false},
        {first, 1500, Point(12, 13), 2, true},
        {first, 2000, Point(10, 10), 1, false},
        {first, 2500, Point(10, 10), 1, false},
        {first, 2600, Point(14, 10), 1, false},
        {first, 2700, Point(14, 10), 1, true},
        {first, 3000, Point(10, 10), 1, false},
        // Another widget, even one made where the first was, starts over.
        {second, 3010, Point(10, 10), 1, false},
        {second, 3020, Point(10, 14), 1, false},
        // No widget never pairs.
        {0, 3030, Point(10, 14), 1, false},
        {0, 3040, Point(10, 14), 1, false},
    };
    UIClickTracker tracker;
    tracker.setLimits(500, 4, 4);
    for (const Case& c : cases)
        EXPECT_EQ(tracker.press(c.widget, c.time, c.position, c.button), c.isDouble) << c.time;
}
