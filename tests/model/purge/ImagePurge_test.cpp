// Picture files that no movie uses any more go; everything a movie still
// uses stays; and nothing is touched while no collection is open.
#include <gtest/gtest.h>

#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "model/CollectionModel.h"
#include "model/collection/CollectionFile.h"
#include "model/purge/ImagePurge.h"
#include "model/records/Movie.h"
#include "tests/model/ModelTestSupport.h"

using iotest::nativeIn;
using iotest::pathIn;
using iotest::show;

namespace {

void touch(const testsupport::TempDir& dir, const std::string& relative)
{
    ASSERT_TRUE(iotest::writeFileBytes(nativeIn(dir, relative), iotest::bytesOf("pixels")));
}

bool exists(const testsupport::TempDir& dir, const std::string& relative)
{
    return File::exists(pathIn(dir, relative));
}

Movie* movieWithCovers(std::initializer_list<const char16_t*> covers, const char16_t* background)
{
    Movie* movie = new Movie;
    int kind = 0;
    for (const char16_t* name : covers) {
        Cover cover(name);
        cover.kind = kind++;
        movie->covers.append(cover);
    }
    movie->cardStyle.backgroundImage = String(background);
    return movie;
}

} // namespace

TEST(ImagePurge, NamesThumbnailsByTheDigestOfTheCoversName)
{
    EXPECT_EQ(show(Cover(String(u"c.png")).thumbnailName()), "b7d6351a179bcb92474e545b5356baf9.png");
    EXPECT_EQ(show(Cover(String(u"Alien (12) - poster.png")).thumbnailName()),
              "35cbf25a0117e8bc5c38e8fc3e142a13.png");
    EXPECT_EQ(show(Cover(String(u"\u00c9t\u00e9.png")).thumbnailName()),
              "e571409d8e87897097f49b2731fc7264.png");
}

TEST(ImagePurge, RemovingAMovieDeletesOnlyThePicturesNoOneUses)
{
    testsupport::TempDir dir;
    String data = pathIn(dir, "data");
    CollectionFile creator(data);
    ASSERT_TRUE(creator.create(String(u"Pics"), String(u"me"), String()));
    CollectionModel model(data);
    ASSERT_TRUE(model.openCollection(creator.filePathFor(String(u"Pics"))));

    Movie* leaving = movieWithCovers({u"poster.png", u"shared.png"}, u"back.jpg");
    Movie* staying = movieWithCovers({u"shared.png", u"own.png"}, u"");
    model.appendMovie(leaving);
    model.appendMovie(staying);
    for (const char* name :
         {"poster.png", "shared.png", "own.png", "back.jpg", "stray.txt", "STRAY.PNG", ".hidden"})
        touch(dir, std::string("data/Pics/Images/") + name);
    ASSERT_TRUE(Directory::create(data + u"\\Pics\\Images\\folder"));

    ASSERT_TRUE(model.removeMovie(leaving));
    EXPECT_FALSE(exists(dir, "data\\Pics\\Images\\poster.png"));
    EXPECT_FALSE(exists(dir, "data\\Pics\\Images\\back.jpg"));
    EXPECT_FALSE(exists(dir, "data\\Pics\\Images\\stray.txt"));
    EXPECT_FALSE(exists(dir, "data\\Pics\\Images\\STRAY.PNG"));
    EXPECT_FALSE(exists(dir, "data\\Pics\\Images\\.hidden"));
    EXPECT_TRUE(exists(dir, "data\\Pics\\Images\\shared.png"));
    EXPECT_TRUE(exists(dir, "data\\Pics\\Images\\own.png"));
    EXPECT_TRUE(Directory::exists(data + u"\\Pics\\Images\\folder"));

    // Closing deletes the thumbnails no cover has, but only PNG files.
    std::string used = show(Cover(String(u"own.png")).thumbnailName());
    std::string gone = show(Cover(String(u"poster.png")).thumbnailName());
    for (const std::string& name : {used, gone, std::string("odd.PNG"), std::string("photo.jpg")})
        touch(dir, "data/Pics/Thumbnails/" + name);
    ASSERT_TRUE(model.closeCollection());
    EXPECT_TRUE(exists(dir, "data\\Pics\\Thumbnails\\" + used));
    EXPECT_FALSE(exists(dir, "data\\Pics\\Thumbnails\\" + gone));
    EXPECT_FALSE(exists(dir, "data\\Pics\\Thumbnails\\odd.PNG"));
    EXPECT_TRUE(exists(dir, "data\\Pics\\Thumbnails\\photo.jpg"));
    EXPECT_TRUE(exists(dir, "data\\Pics\\Images\\shared.png"));
}

TEST(ImagePurge, NothingIsDeletedWhileNoCollectionIsOpen)
{
    testsupport::TempDir dir;
    String data = pathIn(dir, "data");
    ASSERT_TRUE(Directory::create(data + u"\\Images"));
    ASSERT_TRUE(Directory::create(data + u"\\Thumbnails"));
    touch(dir, "data/Images/cover.png");
    touch(dir, "data/Thumbnails/thumb.png");
    touch(dir, "data/loose.png");

    CollectionModel model(data);
    model.purgeImages();
    model.purgeThumbnails();
    EXPECT_TRUE(model.closeCollection());
    EXPECT_TRUE(exists(dir, "data\\Images\\cover.png"));
    EXPECT_TRUE(exists(dir, "data\\Thumbnails\\thumb.png"));
    EXPECT_TRUE(exists(dir, "data\\loose.png"));

    // Neither does a purge of a folder that is not there.
    ImagePurge::purgeImages(String(), List<Movie*>());
    ImagePurge::purgeThumbnails(pathIn(dir, "missing"), List<Movie*>());
    EXPECT_TRUE(exists(dir, "data\\loose.png"));
}
