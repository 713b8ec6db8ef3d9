#include "ui/core/input/UIMimeData.h"

#include "tests/support/TestText.h"

#include <gtest/gtest.h>

using testsupport::utf8;

TEST(UIMimeData, OneEntryPerTypeInFirstSetOrderAndReservedNamesReadNoBytes)
{
    UIMimeData mime;
    EXPECT_TRUE(mime.text().isEmpty() && mime.filePathList().isEmpty() && mime.image().isNull());
    mime.setImage(Image(2, 2, true));
    mime.setText(u"first");
    mime.setText(u"second");
    StringList paths;
    paths.append(u"C:\\a.jpg");
    mime.setFilePathList(paths);
    EXPECT_TRUE(mime.setData(u"x-record", ByteArray("ab", 2)));
    EXPECT_TRUE(mime.setData(u"x-record", ByteArray("xyz", 3)));
    EXPECT_EQ("image/*|text/plain|text/file-path-list|x-record", utf8(mime.types().join(u"|")));
    EXPECT_EQ("second", utf8(mime.text()));
    EXPECT_EQ("xyz", testsupport::bytesOf(mime.data(u"x-record")));
    EXPECT_FALSE(mime.hasType(u"TEXT/PLAIN"));
    for (const char16_t* name : {u"text/plain", u"text/file-path-list", u"image/*", u""}) {
        EXPECT_TRUE(mime.data(name).isEmpty()) << utf8(name);
        EXPECT_FALSE(mime.setData(name, ByteArray("x", 1))) << utf8(name);
    }
    EXPECT_EQ(4, mime.types().count());
    mime.clear();
    EXPECT_TRUE(mime.isEmpty());
}

TEST(UIMimeData, StoredImageIsDetachedFromTheCallers)
{
    Image cover(2, 1, true);
    cover.fill(Color(255, 10, 20, 30));
    UIMimeData mime;
    mime.setImage(cover);
    cover.fill(Color(255, 200, 0, 0));
    EXPECT_EQ(Color(255, 10, 20, 30), mime.image().pixel(1, 0));
}
