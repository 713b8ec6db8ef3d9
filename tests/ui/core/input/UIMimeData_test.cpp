#include "ui/core/input/UIMimeData.h"

#include "tests/support/TestText.h"

#include <gtest/gtest.h>

using testsupport::utf8;

TEST(UIMimeData, OneEntryPerTypeInFirstSetOrderAndADetachedImage)
{
    UIMimeData mime;
    Image cover(2, 1, true);
    cover.fill(Color(255, 10, 20, 30));
    mime.setImage(cover);
    cover.fill(Color(255, 200, 0, 0));
    mime.setText(u"first");
    mime.setText(u"second");
    EXPECT_TRUE(mime.setData(u"x-record", ByteArray("ab", 2)) &&
                mime.setData(u"x-record", ByteArray("xyz", 3)));
    EXPECT_EQ("image/*|text/plain|x-record", utf8(mime.types().join(u"|")));
    EXPECT_EQ("second|xyz", utf8(mime.text()) + "|" + testsupport::bytesOf(mime.data(u"x-record")));
    EXPECT_EQ(Color(255, 10, 20, 30), mime.image().pixel(1, 0));
    for (const char16_t* name : {u"text/plain", u"image/*", u""})
        EXPECT_TRUE(mime.data(name).isEmpty() && !mime.setData(name, ByteArray("x", 1))) << utf8(name);
    EXPECT_TRUE(mime.filePathList().isEmpty() && mime.types().count() == 3);
}
