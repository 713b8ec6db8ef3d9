#include "ui/core/theme/UICursorTable.h"

#include <gtest/gtest.h>

TEST(UICursorTable, NamesAndTheCursorList)
{
    struct Case
    {
        const char16_t* name;
        int shape;
    };
    const Case cases[] = {{u"hand", 5},         {u"hand_finger", 8}, {u"lens_minus", 16}, {u"split_top_bottom", 17},
                          {u"split_bottom", 22}, {u"target", 24},    {u"empty", 25},      {u"Hand", 1},
                          {u"", 1}};
    for (const Case& c : cases)
        EXPECT_EQ(c.shape, UICursorTable::shapeForName(String(c.name))) << c.shape;
    for (int i = 0; i < UICursorTable::kNamedCursorCount; ++i)
        EXPECT_NE(1, UICursorTable::shapeForName(UICursorTable::namedCursor(i))) << i;
    EXPECT_TRUE(UICursorTable::namedCursor(16).isEmpty());

    const List<UICursorTable::FileCursor> list = UICursorTable::parseCursorList(
        String(u"<?xml version=\"1.0\"?><cursors><cursor name=\"lens\" hotspotX=\"12\" hotspotY=\"13\"/>"
               u"<anything name=\"pipette\"/><cursor name=\"nonsense\" hotspotX=\"x\"/></cursors>"));
    ASSERT_EQ(3, list.count());
    EXPECT_EQ(14, list.first()->value.shape);
    EXPECT_EQ(12, list.first()->value.hotspotX);
    EXPECT_EQ(13, list.first()->value.hotspotY);
    EXPECT_EQ(23, list.nodeAt(1)->value.shape) << "every child is a cursor, whatever its name";
    EXPECT_EQ(1, list.last()->value.shape);
    EXPECT_EQ(0, list.last()->value.hotspotX);

    EXPECT_EQ(0, UICursorTable::parseCursorList(String(u"<cursors><cursor")).count());
    EXPECT_EQ(0, UICursorTable::parseCursorList(String(u"<?xml version=\"1.0\"?><other/>")).count());
}

TEST(UICursorTable, HandlesAndShapes)
{
    int arrow = 0, beam = 0, hand = 0, stranger = 0;
    UICursorTable table;
    table.add(1, &arrow, true);
    table.add(4, &beam, true);
    table.add(26, &arrow, true);
    table.add(5, &hand, false);
    table.add(1, &stranger, false);
    table.add(7, nullptr, false);

    EXPECT_EQ(&arrow, table.handle(26));
    EXPECT_EQ(&arrow, table.handle(1)) << "the system arrow, loaded first, wins";
    EXPECT_EQ(nullptr, table.handle(0));
    EXPECT_EQ(nullptr, table.handle(29));
    EXPECT_EQ(nullptr, table.handle(7));

    EXPECT_EQ(5, table.shapeOf(&hand));
    EXPECT_EQ(1, table.shapeOf(nullptr));
    EXPECT_EQ(1, table.shapeOf(&stranger));
    int unknown = 0;
    EXPECT_EQ(1, table.shapeOf(&unknown));

    EXPECT_TRUE(table.isShadowedSystemCursor(&arrow));
    EXPECT_FALSE(table.isShadowedSystemCursor(&beam)) << "the text beam has no shadow";
    EXPECT_FALSE(table.isShadowedSystemCursor(&hand));
    EXPECT_FALSE(table.isShadowedSystemCursor(nullptr));
}
