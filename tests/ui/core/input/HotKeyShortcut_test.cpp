#include "ui/core/input/HotKeyShortcut.h"

#include <gtest/gtest.h>

TEST(HotKeyShortcut, ValidityAndTheSixtyFourBitForm)
{
    struct Case
    {
        int id;
        uint32_t key;
        uint32_t modifiers;
        bool valid;
    };
    const Case cases[] = {
        {0, 116, 0, true},   // F5 alone
        {0, 112, 0, true},   // F1, the first function key
        {0, 135, 0, true},   // F24, the last
        {0, 111, 0, false},  // the key before F1
        {0, 136, 0, false},  // the key after F24
        {0, 'A', 0, false},  // a letter alone
        {0, 'A', 2, true},   // Ctrl+A
        {3, 'A', 5, true},   // Shift+Alt+A
        {-1, 'A', 2, false}, // a negative id
        {0, 0, 2, false},    // no key
    };
    for (const Case& c : cases) {
        HotKeyShortcut shortcut(c.id, c.key, c.modifiers);
        EXPECT_EQ(shortcut.isValid(), c.valid) << c.id << " " << c.key << " " << c.modifiers;
        uint64_t expected = c.valid ? (uint64_t(c.modifiers) << 32 | c.key) : 0;
        EXPECT_EQ(shortcut.toUInt64(), expected) << c.key;
    }
}

TEST(HotKeyShortcut, KeyAndModifierFormKeepsOnlyShiftCtrlAndAlt)
{
    struct Case
    {
        uint32_t modifiers;
        uint32_t kept;
    };
    const Case cases[] = {{0, 0}, {1, 1}, {7, 7}, {8, 0}, {0xFF, 7}, {0x80000002, 2}};
    for (const Case& c : cases) {
        HotKeyShortcut shortcut('K', c.modifiers);
        EXPECT_EQ(shortcut.id(), 0);
        EXPECT_EQ(shortcut.key(), uint32_t('K'));
        EXPECT_EQ(shortcut.modifiers(), c.kept) << c.modifiers;
        EXPECT_EQ(shortcut.isValid(), c.kept != 0) << "a letter needs a modifier that survives";
    }
    HotKeyShortcut copy = HotKeyShortcut(7, 'Q', 2);
    copy.setId(9);
    EXPECT_EQ(copy.toUInt64(), (uint64_t(2) << 32) | 'Q');
    EXPECT_EQ(copy.id(), 9);
}
