// Posters reach the cover flow through the main window's source as the
// scene takes them: a 24-bit picture, or one whose alpha is 0 everywhere,
// ends as opaque 32-bit pixels of the same colour, and a movie without a
// poster gets the blank cover.
#include "app/views/MovieCoverSource.h"
#include "foundation/io/Directory.h"
#include "graphics/codecs/ImageCodec.h"
#include "tests/app/TwelveMovies.h"
#include "ui/views/coverflow/CoverNode.h"
#include "ui/views/coverflow/CoverPixels.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

TEST(MovieCoverSource, PostersBecomeOpaque32BitPixels)
{
    ImageCodec::registerAll();
    twelvemovies::Collection twelve;
    ASSERT_TRUE(twelve.opened);
    const String images = twelve.model.imagesFolder();
    ASSERT_TRUE(Directory::create(images));
    struct Case
    {
        const char* what;
        int id;
        bool alpha;
    };
    const Case cases[] = {{"a 24-bit poster", 1, false}, {"a poster whose alpha is all 0", 2, true}};
    const Color colour(200, 100, 50);
    MovieCoverSource source(twelve.model);
    for (const Case& c : cases) {
        // Straight pixels, blue, green, red and alpha, as a maker that
        // saved no alpha leaves them.
        std::vector<uint8_t> bytes;
        for (int i = 0; i < 40 * 60; ++i) {
            for (uint8_t byte : {colour.blue(), colour.green(), colour.red()})
                bytes.push_back(byte);
            if (c.alpha)
                bytes.push_back(0);
        }
        Image picture(bytes.data(), 40, 60, c.alpha);
        ASSERT_EQ(picture.pixel(0, 0).red(), colour.red()) << c.what;
        const String name = String(u"poster").append(String::fromInt(c.id)).append(String(u".pix"));
        ASSERT_TRUE(picture.save(images + u"\\" + name, true)) << c.what;
        twelve.model.movieById(c.id)->setCover(Cover(name, images));
        CoverNode node;
        node.setId(c.id);
        Image pixels = CoverPixels::prepare(source.coverImage(node));
        ASSERT_FALSE(pixels.isNull()) << c.what;
        EXPECT_TRUE(pixels.hasAlpha()) << c.what;
        EXPECT_EQ(pixels.size(), Size(40, 60)) << c.what;
        int wrong = 0;
        for (int y = 0; y < pixels.height(); ++y) {
            for (int x = 0; x < pixels.width(); ++x) {
                Color got = pixels.pixel(x, y);
                bool same = got.red() == colour.red() && got.green() == colour.green() && got.blue() == colour.blue();
                wrong += got.alpha() == 255 && same ? 0 : 1;
            }
        }
        EXPECT_EQ(wrong, 0) << c.what;
    }
    CoverNode plain;
    plain.setId(3);
    EXPECT_EQ(source.coverImage(plain).size(), Cover::blankCoverFlowImage().size()) << "no poster";
    ImageCodec::unregisterAll();
}
