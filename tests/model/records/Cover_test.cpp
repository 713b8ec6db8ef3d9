// Covers on disk through the native pix codec: paths from the collection's
// folder, decoding once, a damaged file remembered until it changes.
#include <gtest/gtest.h>

#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "graphics/codecs/ImageCodec.h"
#include "model/CollectionModel.h"
#include "model/collection/CollectionFile.h"
#include "model/records/Movie.h"
#include "tests/model/collection/CollectionTestSupport.h"

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

    testsupport::TempDir dir;
    String images = pathIn(dir, "Coll\\Images");
};

} // namespace

TEST_F(CoverTest, ADamagedFileIsNotDecodedAgainUntilItChanges)
{
    Cover cover(String(u"p.pix"), images);
    EXPECT_TRUE(cover.image().isNull()) << "no file yet";
    EXPECT_TRUE(cover.thumbnail().isNull());
    EXPECT_FALSE(Directory::exists(cover.thumbnailsFolder())) << "no thumbnail of a missing cover";
    Image picture(40, 60, true);
    picture.fill(Color(200, 100, 50));
    String path = images + u"\\p.pix";
    ASSERT_TRUE(picture.save(path, true));
    std::vector<uint8_t> good = iotest::readFileBytes(iotest::nativeIn(dir, "Coll/Images/p.pix"));
    std::vector<uint8_t> damaged(good.begin() + 1, good.end());
    damaged.insert(damaged.begin(), uint8_t(good[0] ^ 0xFF));
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

// A copy carries what its original learnt about the file, and each goes its
// own way afterwards.
TEST_F(CoverTest, CopiesKeepWhatTheOriginalLearntAboutItsFile)
{
    Image picture(40, 60, true);
    picture.fill(Color(10, 20, 30));
    String path = images + u"\\p.pix";
    ASSERT_TRUE(picture.save(path, true));
    const std::string native = iotest::nativeIn(dir, "Coll/Images/p.pix");
    std::vector<uint8_t> good = iotest::readFileBytes(native);
    std::vector<uint8_t> damaged = good;
    damaged[0] ^= 0xFF;
    ASSERT_TRUE(iotest::writeFileBytes(native, damaged));
    DateTime written(2020, 1, 2, 3, 4, 5, 0);
    ASSERT_TRUE(File::setTime(path, written, false));
    Cover cover(String(u"p.pix"), images);
    EXPECT_TRUE(cover.image().isNull());
    // Good bytes that look like the same file.
    ASSERT_TRUE(iotest::writeFileBytes(native, good));
    ASSERT_TRUE(File::setTime(path, written, false));

    Cover copy = cover;
    EXPECT_TRUE(copy.image().isNull()) << "the copy remembers the failure";
    Cover fresh(String(u"p.pix"), images);
    EXPECT_EQ(fresh.image().width(), 40) << "a new cover knows nothing of it";
    copy = fresh;
    EXPECT_EQ(copy.imageSize().height, 60);
    Cover moved = std::move(copy);
    EXPECT_EQ(moved.image().height(), 60);
    moved.discardCache();
    EXPECT_TRUE(cover.image().isNull()) << "the original still remembers";
    EXPECT_EQ(Cover(cover).kind, Cover::kPoster);
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
        movie->setCover(Cover(String(u"p.png")));
        movie->cardStyle.backgroundImage = String(u"bg.png");
        model.appendMovie(movie);
        ASSERT_TRUE(model.closeCollection());
    }
    CollectionModel model(data);
    ASSERT_TRUE(model.openCollection(file));
    ASSERT_EQ(model.movieCount(), 1);
    const Movie& movie = *model.movies().first()->value;
    ASSERT_EQ(movie.covers.count(), 1);
    EXPECT_EQ(show(movie.covers.first()->value.path()), show(images + u"\\p.png"));
    EXPECT_EQ(show(movie.backgroundImagePath()), show(images + u"\\bg.png"));
    Movie copy = movie;
    copy.setCover(Cover(String(u"f.png")));
    EXPECT_EQ(show(copy.coverByKind(Cover::kPoster)->path()), show(images + u"\\f.png"));
}
