// Covers, thumbnails, downloads and shipped pictures through the system's
// codecs (GDI+), with downloads served by our own test server.
#include <gtest/gtest.h>

#include "foundation/core/AppCore.h"
#include "foundation/data/PakArchive.h"
#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "foundation/net/Network.h"
#include "graphics/codecs/ImageCodec.h"
#include "graphics/codecs/PngWriter.h"
#include "model/CollectionModel.h"
#include "model/collection/CollectionFile.h"
#include "model/images/ImageResource.h"
#include "model/records/Movie.h"
#include "tests/model/collection/CollectionTestSupport.h"
#include "tests/support/TestHttpServer.h"

using iotest::pathIn;
using iotest::show;

namespace {

Image picture(int width, int height, const Color& color)
{
    Image image(width, height, true);
    image.fill(color);
    return image;
}

class ImageFilesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ImageCodec::registerAll();
        Network::instance().startup();
        CollectionFile creator(data);
        ASSERT_TRUE(creator.create(String(u"Films"), String(u"me"), String()));
        ASSERT_TRUE(model.openCollection(creator.filePathFor(String(u"Films"))));
        ASSERT_TRUE(Directory::create(model.imagesFolder()));
    }
    void TearDown() override { ImageCodec::unregisterAll(); }

    String image(const char16_t* name) { return model.imagesFolder() + u"\\" + name; }
    std::string encoded(const Image& image, const char* extension)
    {
        String path = pathIn(dir, std::string("encoded.") + extension);
        EXPECT_TRUE(image.save(path, true));
        std::vector<uint8_t> bytes = iotest::readFileBytes(show(path));
        return std::string(bytes.begin(), bytes.end());
    }
    String download(const std::string& answer)
    {
        server.enqueue(testsupport::answerWith(answer));
        return model.downloadImage(String::fromUtf8(server.url("/cover").c_str()),
                                   String(u"Heat (1) - poster"));
    }
    int imageFileCount()
    {
        StringList names;
        Directory::list(model.imagesFolder(), Directory::kListFiles | Directory::kListNamesOnly, nullptr,
                        names);
        return names.count();
    }

    testsupport::TempDir dir;
    String data = pathIn(dir, "data");
    CollectionModel model{data};
    testsupport::TestHttpServer server;
};

} // namespace

TEST_F(ImageFilesTest, SettingReplacingAndRemovingACoverKeepsItsThumbnailInStep)
{
    ASSERT_TRUE(picture(2000, 1500, Color(200, 30, 30)).save(image(u"wide.jpg"), true));
    ASSERT_TRUE(picture(300, 900, Color(30, 30, 200)).save(image(u"tall.png"), true));
    ASSERT_TRUE(picture(100, 150, Color(30, 30, 200)).save(image(u"small.bmp"), true));
    EXPECT_EQ(Cover(String(u"small.bmp"), model.imagesFolder()).thumbnail().size(), Size(100, 150)) << "fits";
    Movie* movie = new Movie;
    movie->id = model.nextMovieId();
    model.appendMovie(movie);

    movie->setCover(Cover(String(u"wide.jpg")));
    ASSERT_EQ(movie->covers.count(), 1);
    const Cover& poster = movie->covers.first()->value;
    EXPECT_EQ(poster.thumbnail().size(), Size(148, 111));
    Image stored = Image::fromFile(poster.thumbnailPath());
    EXPECT_EQ(stored.size(), Size(148, 111)) << "written as a PNG beside the Images folder";
    EXPECT_TRUE(stored.pixel(74, 55).red() > 150 && stored.pixel(74, 55).blue() < 80);
    String wideThumbnail = poster.thumbnailPath();

    movie->setCover(Cover(String(u"tall.png")));
    ASSERT_EQ(movie->covers.count(), 1);
    EXPECT_EQ(poster.thumbnail().size(), Size(66, 198));
    EXPECT_TRUE(File::exists(poster.thumbnailPath()));

    // A damaged thumbnail file is made again from the cover.
    ASSERT_TRUE(iotest::writeFileBytes(show(poster.thumbnailPath()), iotest::bytesOf("not a picture")));
    Cover fresh(String(u"tall.png"), model.imagesFolder());
    EXPECT_EQ(fresh.thumbnail().size(), Size(66, 198));
    EXPECT_EQ(Image::fromFile(poster.thumbnailPath()).size(), Size(66, 198));

    String tallThumbnail = poster.thumbnailPath();
    movie->removeCover(Cover::kPoster);
    ASSERT_TRUE(model.closeCollection());
    EXPECT_FALSE(File::exists(wideThumbnail));
    EXPECT_FALSE(File::exists(tallThumbnail));
}

TEST_F(ImageFilesTest, CoversTellTheirSizeAndForgetTheirPicturesOnRequest)
{
    ASSERT_TRUE(picture(320, 200, Color(200, 30, 30)).save(image(u"front.png"), true));
    ASSERT_TRUE(picture(90, 120, Color(30, 30, 200)).save(image(u"back.jpg"), true));
    Movie* movie = new Movie;
    movie->id = model.nextMovieId();
    model.appendMovie(movie);
    movie->setCover(Cover(String(u"front.png")));
    Cover back(String(u"back.jpg"));
    back.kind = Cover::kBack;
    movie->setCover(back);
    const Cover& front = *movie->coverByKind(Cover::kPoster);
    EXPECT_EQ(front.imageSize(), Size(320, 200)) << "read from the file, nothing decoded yet";
    EXPECT_EQ(movie->coverByKind(Cover::kBack)->imageSize(), Size(90, 120));
    EXPECT_EQ(Cover(String(u"missing.png"), model.imagesFolder()).imageSize(), Size());
    ASSERT_TRUE(iotest::writeFileBytes(show(image(u"damaged.png")), iotest::bytesOf("not a picture")));
    EXPECT_EQ(Cover(String(u"damaged.png"), model.imagesFolder()).imageSize(), Size());

    EXPECT_EQ(front.thumbnail().size(), Size(148, 93));
    const String thumbnail = front.thumbnailPath();
    ASSERT_TRUE(File::exists(thumbnail));
    // The user puts another picture in the cover's place.
    ASSERT_TRUE(picture(50, 80, Color(30, 200, 30)).save(image(u"front.png"), true));
    model.discardAllCoverCaches();
    EXPECT_FALSE(File::exists(thumbnail));
    EXPECT_EQ(front.thumbnail().size(), Size(50, 80));
    EXPECT_EQ(front.imageSize(), Size(50, 80));
}

TEST_F(ImageFilesTest, DownloadsOfEachImageTypeAreStoredAsPng)
{
    Image source = picture(40, 30, Color(10, 200, 10));
    for (std::string type : {"jpeg", "jpg", "png", "bmp"}) {
        std::string body = encoded(source, type == "jpeg" ? "jpg" : type.c_str());
        String path = download("HTTP/1.0 200 OK\r\nContent-Type: image/" + type + "\r\n\r\n" + body);
        EXPECT_EQ(show(path), show(image(u"Heat (1) - poster.png"))) << type;
        std::vector<uint8_t> bytes = iotest::readFileBytes(show(path));
        EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + std::min<size_t>(bytes.size(), 4)), "\x89PNG")
            << type;
        EXPECT_EQ(Image::fromFile(path).size(), Size(40, 30)) << type;
        ASSERT_TRUE(File::remove(path));
    }
}

TEST_F(ImageFilesTest, RefusedDownloadsWriteNothing)
{
    std::string png = encoded(picture(4, 4, Color(1, 2, 3)), "png");
    std::string huge = encoded(picture(4, 4, Color(1, 2, 3)), "bmp");
    huge[20] = huge[24] = char(0x7F); // 8 million pixels a side
    std::string jpeg = encoded(picture(64, 64, Color(1, 2, 3)), "jpg");
    const std::string rows[] = {
        "HTTP/1.0 200 OK\r\nContent-Type: image/gif\r\n\r\n" + png,
        "HTTP/1.0 200 OK\r\nContent-Type: image/png; charset=x\r\n\r\n" + png,
        "HTTP/1.0 200 OK\r\nContent-Type: IMAGE/PNG\r\n\r\n" + png,
        "HTTP/1.0 200 OK\r\n\r\n" + png,
        "HTTP/1.0 200 OK\r\nContent-Type: image/png\r\n\r\n",
        "HTTP/1.0 404 Not Found\r\nContent-Type: image/png\r\n\r\n" + png,
        "HTTP/1.0 200 OK\r\nContent-Type: image/jpeg\r\n\r\n" + jpeg.substr(0, 40) + std::string(200, 'x'),
        "HTTP/1.0 200 OK\r\nContent-Type: image/bmp\r\n\r\n" + huge,
    };
    for (const std::string& answer : rows) {
        EXPECT_EQ(show(download(answer)), "") << answer.substr(0, 60);
        EXPECT_EQ(imageFileCount(), 0) << answer.substr(0, 60);
    }
}

TEST(ImageResources, BlankImagesComeFromTheDataArchive)
{
    ImageCodec::registerAll();
    testsupport::TempDir dir;
    // Not the real product's name: its single-instance mutex would make a
    // reelstack.exe started beside this test quit at once.
    AppCore core(String(u"Reelstack image test"), String(u"1.2.0"));
    EXPECT_TRUE(loadImageResource(String(u"blank-image-small")).isNull()) << "no archive yet";
    ASSERT_TRUE(Directory::create(pathIn(dir, "source\\images")));
    ASSERT_TRUE(PngWriter::save(picture(148, 198, Color(9, 8, 7)),
                                pathIn(dir, "source\\images\\blank-image-small.png")));
    ASSERT_TRUE(PakArchive().packFolder(pathIn(dir, "source"), pathIn(dir, "data.pak")) &&
                core.openPak(pathIn(dir, "data.pak")));
    EXPECT_EQ(Cover::blankSmallImage().pixel(147, 197).value(), Color(9, 8, 7).value());
    EXPECT_TRUE(Cover::blankBigImage().isNull());
    ImageCodec::unregisterAll();
}
