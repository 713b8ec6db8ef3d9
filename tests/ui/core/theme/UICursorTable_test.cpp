#include "ui/core/theme/UICursorTable.h"

#include <gtest/gtest.h>

TEST(UICursorTable, NamesAndTheCursorList)
{
    struct Case
    {
        const char16_t* name;
        int shape;
    };
    const Case cases[] = {
        {u"hand", 5}, {u"split_top_bottom", 17}, {u"target", 24}, {u"empty", 25}, {u"Hand", 1}, {u"", 1}};
    for (const Case& c : cases)
        EXPECT_EQ(c.shape, UICursorTable::shapeForName(String(c.name))) << c.shape;

    const List<UICursorTable::FileCursor> list = UICursorTable::parseCursorList(
        String(u"<?xml version=\"1.0\"?><cursors><cursor name=\"lens\" hotspotX=\"12\" hotspotY=\"13\"/>"
               u"<anything name=\"pipette\"/><cursor name=\"nonsense\" hotspotX=\"x\"/></cursors>"));
    ASSERT_EQ(3, list.count());
    EXPECT_EQ(14, list.first()->value.shape);
    EXPECT_EQ(12, list.first()->value.hotspotX);
    EXPECT_EQ(13, list.first()->value.hotspotY);
    EXPECT_EQ(23, list.nodeAt(1)->value.shape) << "every child is a cursor, whatever its name";
    EXPECT_EQ(1, list.last()->value.shape);

    EXPECT_EQ(0, UICursorTable::parseCursorList(String(u"<cursors><cursor")).count());
    EXPECT_EQ(0, UICursorTable::parseCursorList(String(u"<?xml version=\"1.0\"?><other/>")).count());
}
