// Covers on disk through the native pix codec: paths from the collection's
// folder, decoding once, a damaged file remembered until it changes, and
// thumbnails that fit and keep their shape.
#include <gtest/gtest.h>

#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "graphics/codecs/ImageCodec.h"
#include "model/CollectionModel.h"
#include "model/collection/CollectionFile.h"
#include "model/records/Movie.h"
#include "tests/model/ModelTestSupport.h"

using iotest::pathIn;
using iotest::show;

namespace {

class CoverTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ImageCodec::registerAll();
        ASSERT_TRUE(Directory::create(images));
    }
    void TearDown() override { ImageCodec::unregisterAll(); }

    Image picture(int width, int height)
    {
        Image image(width, height, true);
        image.fill(Color(200, 100, 50));
        return image;
    }
    String write(const char* name, const Image& image)
    {
        String path = images + u"\\" + String::fromUtf8(name);
        EXPECT_TRUE(image.save(path, true));
        return path;
    }

    testsupport::TempDir dir;
    String images = pathIn(dir, "Coll\\Images");
};

} // namespace

TEST_F(CoverTest, PathsComeFromTheImagesFolderAndThumbnailsLiveBesideIt)
{
    Cover loose(String(u"a.pix"));
    EXPECT_EQ(show(loose.path()), "");
    EXPECT_TRUE(loose.image().isNull());
    Cover cover(String(u"a.pix"), images);
    EXPECT_EQ(show(cover.path()), show(images + u"\\a.pix"));
    EXPECT_EQ(show(cover.thumbnailsFolder()), show(pathIn(dir, "Coll\\Thumbnails")));
    EXPECT_EQ(show(cover.thumbnailPath()), show(pathIn(dir, "Coll\\Thumbnails\\") + cover.thumbnailName()));
}

TEST_F(CoverTest, ADamagedFileIsNotDecodedAgainUntilItChanges)
{
    Cover cover(String(u"p.pix"), images);
    EXPECT_TRUE(cover.image().isNull()) << "no file yet";
    String path = write("p.pix", picture(40, 60));
    std::vector<uint8_t> good = iotest::readFileBytes(iotest::nativeIn(dir, "Coll/Images/p.pix"));
    std::vector<uint8_t> damaged = good;
    damaged[0] ^= 0xFF;
    ASSERT_TRUE(iotest::writeFileBytes(iotest::nativeIn(dir, "Coll/Images/p.pix"), damaged));
    DateTime written(2020, 1, 2, 3, 4, 5, 0);
    ASSERT_TRUE(File::setTime(path, written, false));
    EXPECT_TRUE(cover.image().isNull());
    EXPECT_TRUE(cover.thumbnail().isNull());

    // Good bytes of the same size and time look like the same damaged file.
    ASSERT_TRUE(iotest::writeFileBytes(iotest::nativeIn(dir, "Coll/Images/p.pix"), good));
    ASSERT_TRUE(File::setTime(path, written, false));
    EXPECT_TRUE(cover.image().isNull());

    ASSERT_TRUE(File::setTime(path, DateTime(2021, 1, 2, 3, 4, 5, 0), false));
    EXPECT_EQ(cover.image().width(), 40);
    EXPECT_EQ(cover.thumbnail().height(), 60);
    ASSERT_TRUE(File::remove(path));
    EXPECT_TRUE(cover.image().isNull()) << "a cached picture of a file that is gone";
}

TEST_F(CoverTest, ThumbnailsFitAndKeepTheCoversShape)
{
    const int sizes[][2] = {{1000, 1500}, {300, 100}, {100, 100}, {148, 198}, {149, 1}, {1, 5000}};
    for (const auto& size : sizes) {
        std::string label = std::to_string(size[0]) + "x" + std::to_string(size[1]);
        write("t.pix", picture(size[0], size[1]));
        Cover cover(String(u"t.pix"), images);
        Image thumbnail = cover.thumbnail();
        ASSERT_FALSE(thumbnail.isNull()) << label;
        EXPECT_LE(thumbnail.width(), Cover::kThumbnailWidth) << label;
        EXPECT_LE(thumbnail.height(), Cover::kThumbnailHeight) << label;
        bool fits = size[0] <= Cover::kThumbnailWidth && size[1] <= Cover::kThumbnailHeight;
        bool touchesABound =
            thumbnail.width() == Cover::kThumbnailWidth || thumbnail.height() == Cover::kThumbnailHeight;
        EXPECT_TRUE(fits ? thumbnail.size() == Size(size[0], size[1]) : touchesABound) << label;
        // The shape within one pixel of rounding.
        int64_t skew = int64_t(thumbnail.width()) * size[1] - int64_t(thumbnail.height()) * size[0];
        EXPECT_LE(std::llabs(skew), std::max(size[0], size[1])) << label;
        cover.discardCache();
    }
}

TEST_F(CoverTest, AMissingCoverHasNoThumbnailAndWritesNone)
{
    Cover cover(String(u"gone.pix"), images);
    EXPECT_TRUE(cover.thumbnail().isNull());
    EXPECT_FALSE(Directory::exists(cover.thumbnailsFolder()));
}

TEST_F(CoverTest, DiscardingTheCachesDeletesTheThumbnailFile)
{
    Movie movie;
    movie.setImagesFolder(images);
    movie.setCover(Cover(String(u"a.pix")));
    const Cover& cover = movie.covers.first()->value;
    ASSERT_TRUE(Directory::create(cover.thumbnailsFolder()));
    ASSERT_TRUE(iotest::writeFileBytes(
        iotest::nativeIn(dir, "Coll/Thumbnails/" + show(cover.thumbnailName())), iotest::bytesOf("old")));
    EXPECT_TRUE(movie.hasThumbnail(cover.thumbnailName()));
    EXPECT_TRUE(movie.hasCoverPath(images + u"\\a.pix"));
    EXPECT_FALSE(movie.hasCoverPath(String(u"a.pix")));
    movie.discardCoverCaches();
    EXPECT_FALSE(File::exists(cover.thumbnailPath()));
}

TEST(CoverPaths, TheCollectionGivesEveryMovieItsImagesFolder)
{
    testsupport::TempDir dir;
    String data = pathIn(dir, "data");
    CollectionFile creator(data);
    ASSERT_TRUE(creator.create(String(u"Films"), String(u"me"), String()));
    String file = creator.filePathFor(String(u"Films"));
    String images = pathIn(dir, "data\\Films\\Images");
    {
        CollectionModel model(data);
        ASSERT_TRUE(model.openCollection(file));
        Movie* movie = new Movie;
        movie->id = model.nextMovieId();
        movie->setCover(Cover(String(u"p.png")));
        movie->cardStyle.backgroundImage = String(u"bg.png");
        model.appendMovie(movie);
        EXPECT_EQ(show(movie->covers.first()->value.path()), show(images + u"\\p.png"));
        ASSERT_TRUE(model.closeCollection());
    }
    CollectionModel model(data);
    ASSERT_TRUE(model.openCollection(file));
    ASSERT_EQ(model.movieCount(), 1);
    const Movie& movie = *model.movies().first()->value;
    EXPECT_EQ(show(movie.covers.first()->value.path()), show(images + u"\\p.png"));
    EXPECT_EQ(show(movie.backgroundImagePath()), show(images + u"\\bg.png"));
    Movie copy = movie;
    copy.setCover(Cover(String(u"f.png")));
    EXPECT_EQ(show(copy.coverByKind(Cover::kPoster)->path()), show(images + u"\\f.png"));
}
