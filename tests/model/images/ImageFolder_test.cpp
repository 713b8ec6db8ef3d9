// Names of pictures read from a collection file never reach a file outside
// the collection's "Images" folder: hostile names are kept and saved back as
// read, but show no picture, and no purge, replace or removal touches the
// files they point at. Pictures in the native pix format, so a picture that
// should not show would decode.
#include <gtest/gtest.h>

#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "graphics/codecs/ImageCodec.h"
#include "model/CollectionModel.h"
#include "model/NewMovieRecord.h"
#include "model/collection/CollectionFile.h"
#include "model/images/ImageFolder.h"
#include "model/records/Movie.h"
#include "tests/model/collection/CollectionTestSupport.h"

#include <memory>
#include <string>
#include <vector>

using collectiontest::Workspace;
using iotest::show;

namespace {

class ImageFolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ImageCodec::registerAll();
        CollectionFile creator(space.folder());
        ASSERT_TRUE(creator.create(String(u"Films"), String(u"me"), String()));
        file = creator.filePathFor(String(u"Films"));
        Image picture(8, 6, true);
        picture.fill(Color(10, 20, 30));
        for (const char* sentinel : kSentinels)
            ASSERT_TRUE(picture.save(space.path(sentinel), true)) << sentinel;
        sentinelBytes = space.bytes(kSentinels[0]);
    }
    void TearDown() override { ImageCodec::unregisterAll(); }

    // Every sentinel outside "Images" is there, unchanged.
    void expectSentinelsStay() const
    {
        for (const char* sentinel : kSentinels)
            EXPECT_EQ(space.bytes(sentinel), sentinelBytes) << sentinel;
    }

    static constexpr const char* kSentinels[] = {"Films/secret.pix", "outside.pix", "Films/Thumbnails/t.pix"};
    Workspace space;
    String file;
    String images = space.path("Films/Images");
    std::vector<uint8_t> sentinelBytes;
};

// Names that point at the sentinels, or could point elsewhere on Windows,
// devices included.
std::vector<String> hostileNames(const Workspace& space)
{
    return {String(u"..\\secret.pix"),
            String(u"../secret.pix"),
            String(u"..\\..\\outside.pix"),
            String(u"..\\Thumbnails\\t.pix"),
            space.path("outside.pix"),
            String(u"C:\\Windows\\win.ini"),
            String(u"\\\\host\\share\\x.pix"),
            String(u".."),
            String(u"..\\secret.pix "),
            String(u"a\tb.pix"),
            String(u'x', 300),
            String(u"CON"),
            String(u"nul.pix"),
            String(u"Aux.tar.pix"),
            String(u"prn .pix"),
            String(u"com1.pix"),
            String(u"LPT9")};
}

} // namespace

TEST_F(ImageFolderTest, HostileNamesReadShowNothingAndSaveBackByteForByte)
{
    {
        CollectionFile writer(space.folder());
        collectiontest::Contents contents;
        ASSERT_TRUE(writer.read(file, contents.movies, contents.loaners));
        std::unique_ptr<Movie> movie(collectiontest::everyFieldMovie(writer.nextMovieId()));
        movie->covers.clear();
        const std::vector<String> names = hostileNames(space);
        for (size_t i = 0; i < names.size(); ++i) {
            Cover cover(names[i]);
            cover.kind = int32_t(i % 4);
            movie->covers.append(cover);
        }
        movie->cardStyle.backgroundImage = String(u"..\\secret.pix");
        contents.movies.append(movie.release());
        ASSERT_TRUE(writer.write(contents.movies, contents.loaners));
    }
    const std::vector<uint8_t> written = space.bytes("Films/Films.rsdb");

    CollectionModel model(space.folder());
    ASSERT_TRUE(model.openCollection(file));
    ASSERT_EQ(model.movieCount(), 1);
    Movie& movie = *model.movies().first()->value;
    const std::vector<String> names = hostileNames(space);
    ASSERT_EQ(movie.covers.count(), int(names.size()));
    size_t i = 0;
    for (const Cover& cover : movie.covers) {
        SCOPED_TRACE(show(cover.name));
        EXPECT_TRUE(cover.name == names[i++]) << "kept as read";
        EXPECT_TRUE(cover.path().isEmpty());
        EXPECT_TRUE(cover.thumbnailPath().isEmpty());
        EXPECT_TRUE(cover.image().isNull());
        EXPECT_TRUE(cover.thumbnail().isNull());
    }
    EXPECT_TRUE(movie.backgroundImagePath().isEmpty());
    EXPECT_EQ(show(movie.cardStyle.backgroundImage), "..\\secret.pix");
    movie.discardCoverCaches();
    ASSERT_TRUE(model.closeCollection());
    EXPECT_EQ(space.bytes("Films/Films.rsdb"), written) << "saved back byte for byte";

    // A purge after a removal, a replace and a removal by each name.
    ASSERT_TRUE(model.openCollection(file));
    ASSERT_TRUE(model.removeMovie(model.addMovie(NewMovieRecord())));
    ASSERT_TRUE(space.put("staged.pix", sentinelBytes));
    for (const String& name : names) {
        EXPECT_FALSE(ImageFolder::replace(images, space.path("staged.pix"), name)) << show(name);
        EXPECT_FALSE(ImageFolder::remove(images, name)) << show(name);
    }
    EXPECT_TRUE(File::exists(space.path("staged.pix"))) << "a refused replace moves nothing";
    ASSERT_TRUE(model.closeCollection());
    expectSentinelsStay();
}

TEST_F(ImageFolderTest, ReplaceAndRemoveWorkInsideTheFolder)
{
    const std::vector<uint8_t> old = {'o', 'l', 'd'};
    ASSERT_TRUE(space.put("Films/Images/front.pix", old));
    ASSERT_TRUE(space.put("staged.pix", sentinelBytes));
    EXPECT_FALSE(ImageFolder::replace(images, space.path("missing.pix"), String(u"front.pix")));
    EXPECT_EQ(space.bytes("Films/Images/front.pix"), old) << "nothing staged, nothing changed";
    EXPECT_FALSE(ImageFolder::replace(String(), space.path("staged.pix"), String(u"front.pix")));
    EXPECT_TRUE(ImageFolder::replace(images, space.path("staged.pix"), String(u"front.pix")));
    EXPECT_EQ(space.bytes("Films/Images/front.pix"), sentinelBytes);
    EXPECT_FALSE(File::exists(space.path("staged.pix")));
    for (const char16_t* name :
         {u"front.pix", u"CONSOLE.pix", u"com10.pix", u"LPT0.pix", u"nul-1.pix", u"x.con"})
        EXPECT_EQ(show(ImageFolder::pathIn(images, String(name))), show(images + u"\\" + name));
    EXPECT_TRUE(ImageFolder::remove(images, String(u"front.pix")));
    EXPECT_FALSE(File::exists(space.path("Films/Images/front.pix")));
    EXPECT_FALSE(ImageFolder::remove(images, String(u"front.pix"))) << "already gone";
    expectSentinelsStay();
}
