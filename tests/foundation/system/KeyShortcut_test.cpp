// Keyboard shortcuts and the names shown for them in menus.
#include <gtest/gtest.h>

#include "foundation/system/KeyNames.h"
#include "foundation/system/KeyShortcut.h"
#include "tests/foundation/text/StringTestHelpers.h"

TEST(KeyShortcut, TextJoinsTheLeadingKeys)
{
    String plus(u"+");
    EXPECT_EQ(u16(KeyShortcut(17, 83, 0).toString(plus)), u"Ctrl+S");
    EXPECT_EQ(u16(KeyShortcut(17, 16, 112).toString(plus)), u"Ctrl+Shift+F1");
    EXPECT_EQ(u16(KeyShortcut(0, 83, 0).toString(plus)), u"");
    EXPECT_EQ(u16(KeyShortcut(18, 0, 83).toString(plus)), u"Alt");
    EXPECT_EQ(u16(KeyShortcut(17, 300, 0).toString(String(u" + "))), u"Ctrl + ???");
    EXPECT_EQ(u16(KeyShortcut().toString(plus)), u"");
}

TEST(KeyShortcut, CountAndValidity)
{
    EXPECT_EQ(KeyShortcut(17, 0, 83).count(), 1);
    EXPECT_EQ(KeyShortcut(17, 16, 83).count(), 3);
    EXPECT_EQ(KeyShortcut(0, 16, 83).count(), 0);
    EXPECT_FALSE(KeyShortcut(0, 16, 83).isValid());
    EXPECT_TRUE(KeyShortcut(27, 0, 0).isValid());
    KeyShortcut copy = KeyShortcut(17, 83, 0);
    EXPECT_EQ(copy.key(1), 83u);
    EXPECT_EQ(copy.key(2), 0u);
}

TEST(KeyNames, TableEntriesAndGaps)
{
    EXPECT_EQ(u16(keyName(0)), u"None");
    EXPECT_EQ(u16(keyName(6)), u"XButton2");
    EXPECT_EQ(u16(keyName(7)), u"???");
    EXPECT_EQ(u16(keyName(13)), u"Enter");
    EXPECT_EQ(u16(keyName(22)), u"???");
    EXPECT_EQ(u16(keyName(32)), u"Space");
    EXPECT_EQ(u16(keyName(48)), u"0");
    EXPECT_EQ(u16(keyName(65)), u"A");
    EXPECT_EQ(u16(keyName(90)), u"Z");
    EXPECT_EQ(u16(keyName(96)), u"NumPad0");
    EXPECT_EQ(u16(keyName(111)), u"Slash");
    EXPECT_EQ(u16(keyName(135)), u"F24");
    EXPECT_EQ(u16(keyName(136)), u"???");
    EXPECT_EQ(u16(keyName(165)), u"AltRight");
    EXPECT_EQ(u16(keyName(192)), u"OemTilde");
    EXPECT_EQ(u16(keyName(226)), u"OemBackslash");
    EXPECT_EQ(u16(keyName(254)), u"OemClear");
    EXPECT_EQ(u16(keyName(255)), u"???");
    EXPECT_EQ(u16(keyName(300)), u"???");
    EXPECT_EQ(u16(keyName(0xFFFFFFFF)), u"???");
}
