// Keyboard shortcuts and the names shown for them in menus.
#include <gtest/gtest.h>

#include "foundation/system/KeyNames.h"
#include "foundation/system/KeyShortcut.h"
#include "tests/support/TestText.h"

using testsupport::utf8;

TEST(KeyShortcut, TextCountAndValidity)
{
    String plus(u"+");
    EXPECT_EQ(utf8(KeyShortcut(17, 83, 0).toString(plus)), "Ctrl+S");
    EXPECT_EQ(utf8(KeyShortcut(17, 16, 112).toString(plus)), "Ctrl+Shift+F1");
    EXPECT_EQ(utf8(KeyShortcut(0, 83, 0).toString(plus)), "");
    EXPECT_EQ(utf8(KeyShortcut(18, 0, 83).toString(plus)), "Alt");
    EXPECT_EQ(utf8(KeyShortcut(17, 300, 0).toString(String(u" + "))), "Ctrl + ???");
    EXPECT_EQ(KeyShortcut(17, 0, 83).count(), 1);
    EXPECT_EQ(KeyShortcut(17, 16, 83).count(), 3);
    EXPECT_FALSE(KeyShortcut(0, 16, 83).isValid());
    EXPECT_TRUE(KeyShortcut(27, 0, 0).isValid());
}

TEST(KeyNames, TableEntriesAndGaps)
{
    const std::pair<uint32_t, const char*> cases[] = {
        {0, "None"},       {6, "XButton2"}, {7, "???"},        {13, "Enter"},       {22, "???"},
        {32, "Space"},     {48, "0"},       {90, "Z"},         {96, "NumPad0"},     {111, "Slash"},
        {135, "F24"},      {136, "???"},    {165, "AltRight"}, {192, "OemTilde"},   {226, "OemBackslash"},
        {254, "OemClear"}, {255, "???"},    {300, "???"},      {0xFFFFFFFF, "???"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(utf8(keyName(c.first)), c.second) << "key " << c.first;
}
