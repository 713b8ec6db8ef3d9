// The example collection from the data archive: a damaged archive whose
// picture names lead out of "Images" writes nothing and removes nothing
// outside the collection's folder.
#include <gtest/gtest.h>

#include "foundation/data/PakArchive.h"
#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "model/application/ExampleCollection.h"
#include "tests/support/IoTestSupport.h"

TEST(ExampleCollection, PictureNamesThatLeaveImagesTouchNothingOutside)
{
    testsupport::TempDir dir;
    const String data = iotest::pathIn(dir, "data");
    ASSERT_TRUE(Directory::create(data));
    ASSERT_TRUE(iotest::writeFileBytes(iotest::nativeIn(dir, "item"), iotest::bytesOf("RSDB")));
    ASSERT_TRUE(iotest::writeFileBytes(iotest::nativeIn(dir, "data/victim.png"), iotest::bytesOf("keep")));
    PakArchive archive;
    const String item = iotest::pathIn(dir, "item");
    ASSERT_NE(archive.addFile(item, String(u"example"), String(u"Example.rsdb")), nullptr);
    ASSERT_NE(archive.addFile(item, String(u"example/Images"), String(u"cover.png")), nullptr);
    // From "data\Example.new\Images" two levels up is the data folder.
    ASSERT_NE(archive.addFile(item, String(u"example/Images"), String(u"..\\..\\victim.png")), nullptr);

    EXPECT_FALSE(ExampleCollection::write(archive, data, String(u"Example")));
    EXPECT_EQ(iotest::readFileBytes(iotest::nativeIn(dir, "data/victim.png")), iotest::bytesOf("keep"));
    EXPECT_FALSE(Directory::exists(data + u"\\Example"));
    EXPECT_FALSE(Directory::exists(data + u"\\Example.new")) << "nothing left behind";
}
