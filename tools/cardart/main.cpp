// cardart: draws the pictures of the movie card, the blank covers and the
// example collection's posters.
//   cardart IMAGES_FOLDER TEMPLATE_FOLDER [EXAMPLE_FOLDER]
// Writes blank-image-small.png, blank-image-big.png and
// blank-image-coverflow.png into IMAGES_FOLDER (the archive's "images" group)
// and blank-cover.png, play.png and rating-1.png to rating-10.png into
// TEMPLATE_FOLDER (the card's folder beside the program), and with an
// EXAMPLE_FOLDER example-01.png to example-13.png there. Same program, same
// bytes. Exits 0 on success, 1 with a message when a file cannot be written,
// 2 on bad usage.
#include "foundation/io/PosixPath.h"
#include "graphics/codecs/PngWriter.h"
#include "tools/cardart/Canvas.h"

#include <cstdio>
#include <string>

namespace {

// The colours of the light look.
const Color kSurface(0xF4, 0xF5, 0xF7);
const Color kBorder(0xD3, 0xD8, 0xDF);
const Color kDisabled(0xA3, 0xAA, 0xB4);
const Color kAccent(0x2F, 0x6F, 0xDE);
const Color kWhite(0xFF, 0xFF, 0xFF);
const Color kClear(uint32_t(0));

struct BlankSize
{
    const char* name;
    int width;
    int height;
};

// The small one is a thumbnail's size; the cover flow's fits its textures.
const BlankSize kBlankSizes[] = {
    {"blank-image-small", 148, 198},
    {"blank-image-big", 300, 450},
    {"blank-image-coverflow", 256, 384},
};

const int kStarSize = 16;
const int kStars = 10;
const int kPlaySize = 24;

// A light card with a thin border and a picture motif (frame, sun and hill)
// in the disabled tone, a third of the width across.
Image blankCover(int width, int height)
{
    Canvas canvas(width, height, kSurface);
    canvas.fill(Canvas::frame(0, 0, width, height, 1), kBorder);
    double side = width / 3.0;
    double stroke = side / 16.0 < 1.5 ? 1.5 : side / 16.0;
    double left = (width - side) / 2, top = (height - side * 0.75) / 2;
    double right = left + side, bottom = top + side * 0.75;
    canvas.fill(Canvas::frame(left, top, right, bottom, stroke), kDisabled);
    canvas.fill(Canvas::circle(left + side * 0.3, top + side * 0.25, side * 0.09), kDisabled);
    canvas.fill(Canvas::polygon({left + stroke, bottom - stroke, left + side * 0.4, top + side * 0.38,
                                 left + side * 0.62, top + side * 0.55, left + side * 0.75, top + side * 0.45,
                                 right - stroke, bottom - stroke}),
                kDisabled);
    return canvas.image();
}

// Filled stars in the accent colour, the rest in the border tone.
Image rating(int filled)
{
    Canvas canvas(kStarSize * kStars, kStarSize, kClear);
    for (int i = 0; i < kStars; ++i) {
        double centre = i * kStarSize + kStarSize / 2.0;
        canvas.fill(Canvas::star(centre, kStarSize / 2.0 + 0.6, 7.5, 3.1), i < filled ? kAccent : kBorder);
    }
    return canvas.image();
}

// A white triangle on an accent disc.
Image playIcon()
{
    Canvas canvas(kPlaySize, kPlaySize, kClear);
    double centre = kPlaySize / 2.0;
    canvas.fill(Canvas::circle(centre, centre, centre - 0.5), kAccent);
    canvas.fill(Canvas::polygon({centre - 3.5, centre - 6, centre + 6.5, centre, centre - 3.5, centre + 6}),
                kWhite);
    return canvas.image();
}

// The example collection's posters: a sky of the movie's own colour, a sun
// and a horizon, each a little different, so that the cover views show
// thirteen distinct covers.
const Color kPosterSkies[] = {
    Color(0x1E, 0x3A, 0x5F), Color(0x7A, 0x4E, 0x2D), Color(0xC9, 0x8B, 0x2B), Color(0x2B, 0x2B, 0x2B),
    Color(0xB8, 0x4A, 0x62), Color(0x14, 0x1E, 0x3C), Color(0x5E, 0x8C, 0x31), Color(0x8E, 0x2C, 0x2C),
    Color(0x9C, 0x6B, 0x30), Color(0x3D, 0x5A, 0x80), Color(0x4F, 0x9D, 0x9A), Color(0xA0, 0x52, 0x2D),
    Color(0x2F, 0x4F, 0x4F),
};
const int kPosterWidth = 150;
const int kPosterHeight = 225;

Image examplePoster(int index)
{
    const Color& sky = kPosterSkies[index];
    Canvas canvas(kPosterWidth, kPosterHeight, sky);
    double horizon = kPosterHeight * (0.55 + 0.03 * (index % 5));
    double sunX = kPosterWidth * (0.25 + 0.05 * (index % 11));
    canvas.fill(Canvas::circle(sunX, horizon - 28 - 4 * (index % 4), 18 + 2 * (index % 3)),
                Color(0xF6, 0xE7, 0xB4));
    canvas.fill(Canvas::rect(0, horizon, kPosterWidth, kPosterHeight),
                Color(uint8_t(sky.red() / 2), uint8_t(sky.green() / 2), uint8_t(sky.blue() / 2)));
    canvas.fill(Canvas::rect(12, kPosterHeight - 34, kPosterWidth - 12, kPosterHeight - 30), kWhite);
    canvas.fill(Canvas::rect(12, kPosterHeight - 24, kPosterWidth * 0.6, kPosterHeight - 21), kWhite);
    canvas.fill(Canvas::frame(0, 0, kPosterWidth, kPosterHeight, 1), kBorder);
    return canvas.image();
}

bool write(const Image& image, const std::string& folder, const std::string& name)
{
    std::string path = folder + "/" + name + ".png";
    if (PngWriter::save(image, fromNativePath(path)))
        return true;
    std::fprintf(stderr, "cardart: cannot write %s\n", path.c_str());
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: cardart IMAGES_FOLDER TEMPLATE_FOLDER [EXAMPLE_FOLDER]\n");
        return 2;
    }
    std::string images = argv[1];
    std::string templates = argv[2];
    bool written = true;
    for (const BlankSize& blank : kBlankSizes)
        written = write(blankCover(blank.width, blank.height), images, blank.name) && written;
    written = write(blankCover(200, 300), templates, "blank-cover") && written;
    written = write(playIcon(), templates, "play") && written;
    for (int stars = 1; stars <= kStars; ++stars)
        written = write(rating(stars), templates, "rating-" + std::to_string(stars)) && written;
    for (int i = 0; argc == 4 && i < int(sizeof(kPosterSkies) / sizeof(kPosterSkies[0])); ++i) {
        std::string name = std::string("example-") + (i < 9 ? "0" : "") + std::to_string(i + 1);
        written = write(examplePoster(i), argv[3], name) && written;
    }
    return written ? 0 : 1;
}
