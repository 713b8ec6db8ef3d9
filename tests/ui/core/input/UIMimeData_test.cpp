#include "ui/core/input/UIMimeData.h"

#include "tests/support/TestText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

StringList list(std::initializer_list<const char16_t*> items)
{
    StringList result;
    for (const char16_t* item : items)
        result.append(String(item));
    return result;
}

std::string joined(const StringList& items)
{
    return testsupport::utf8(items.join(String(u"|")));
}

TEST(UIMimeData, SettersKeepOneEntryPerTypeInFirstSetOrder)
{
    UIMimeData mime;
    EXPECT_TRUE(mime.isEmpty());
    mime.setImage(Image(2, 2, true));
    mime.setText(u"first");
    mime.setText(u"second");
    mime.setFilePathList(list({u"C:\\a.jpg"}));
    mime.setFilePathList(list({u"C:\\b.jpg", u"C:\\c.jpg"}));
    EXPECT_TRUE(mime.setData(u"application/x-record", ByteArray("ab", 2)));
    EXPECT_TRUE(mime.setData(u"application/x-record", ByteArray("xyz", 3)));

    EXPECT_EQ("image/*|text/plain|text/file-path-list|application/x-record", joined(mime.types()));
    EXPECT_EQ("second", testsupport::utf8(mime.text()));
    EXPECT_EQ("C:\\b.jpg|C:\\c.jpg", joined(mime.filePathList()));
    EXPECT_EQ(3, mime.data(u"application/x-record").size());
    EXPECT_TRUE(mime.hasText() && mime.hasFilePathList() && mime.hasType(u"image/*"));
    EXPECT_FALSE(mime.hasType(u"TEXT/PLAIN"));

    mime.clear();
    EXPECT_TRUE(mime.isEmpty());
    EXPECT_TRUE(mime.types().isEmpty());
}

TEST(UIMimeData, ReservedNamesAndAbsentKindsReadEmpty)
{
    UIMimeData mime;
    EXPECT_TRUE(mime.text().isEmpty());
    EXPECT_TRUE(mime.filePathList().isEmpty());
    EXPECT_TRUE(mime.image().isNull());
    EXPECT_TRUE(mime.data(u"application/x-none").isEmpty());

    mime.setText(u"plot");
    mime.setImage(Image(1, 1, true));
    const char16_t* reserved[] = {u"text/plain", u"text/file-path-list", u"image/*", u""};
    for (const char16_t* name : reserved) {
        EXPECT_TRUE(mime.data(name).isEmpty()) << testsupport::utf8(String(name));
        EXPECT_FALSE(mime.setData(name, ByteArray("x", 1))) << testsupport::utf8(String(name));
    }
    EXPECT_EQ("plot", testsupport::utf8(mime.text()));
    EXPECT_EQ(2, mime.types().count());
}

TEST(UIMimeData, StoredImageIsDetachedFromTheCallers)
{
    Image cover(2, 1, true);
    cover.fill(Color(255, 10, 20, 30));
    UIMimeData mime;
    mime.setImage(cover);
    cover.fill(Color(255, 200, 0, 0));
    EXPECT_EQ(Color(255, 10, 20, 30), mime.image().pixel(1, 0));

    UIMimeData copy = mime;
    mime.setText(u"only in the first");
    EXPECT_FALSE(copy.hasText());
    EXPECT_EQ(Color(255, 10, 20, 30), copy.image().pixel(0, 0));
}

} // namespace
