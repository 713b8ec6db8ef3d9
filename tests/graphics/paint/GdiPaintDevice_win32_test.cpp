#include "graphics/paint/GdiPaintDevice.h"

#include "tests/support/SurfacePixels.h"

#include "graphics/codecs/ImageCodec.h"
#include "graphics/paint/BitmapSurface.h"
#include "graphics/paint/Painter.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t kWhite = 0xFFFFFF, kBlack = 0x000000, kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF;

// Every test paints through the GDI device as the program does: GDI+ started
// by the codecs, the device list made once.
class GdiPainting : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        ImageCodec::registerAll();
        PaintDevice::createDefault();
    }
    static void TearDownTestSuite() { PaintDevice::destroyAll(); }
};

// Each check is x, y and the colour expected there.
template <size_t N> void expectPixels(const BitmapSurface& surface, const uint32_t (&checks)[N][3])
{
    for (const auto& check : checks)
        EXPECT_EQ(check[2], rgbAt(surface, int(check[0]), int(check[1])))
            << "pixel " << check[0] << "," << check[1];
}

Gradient stops(uint32_t type, std::initializer_list<std::pair<uint32_t, float>> list)
{
    Gradient gradient(type);
    for (const auto& stop : list)
        gradient.addStop(Color(stop.first), stop.second);
    return gradient;
}

Image solidImage(int width, int height, const Color& color)
{
    Image image(width, height, true);
    image.fill(color);
    return image;
}

// Four opaque colours: red, green at the top; blue, black below.
Image quadrants()
{
    const uint8_t bgra[16] = {0, 0, 255, 255, 0, 255, 0, 255, 255, 0, 0, 255, 0, 0, 0, 255};
    return Image::fromPixels(bgra, 2, 2, true, 16);
}

int countInRow(const BitmapSurface& surface, int y, int from, int to, uint32_t rgb)
{
    int count = 0;
    for (int x = from; x < to; ++x)
        count += rgbAt(surface, x, y) == rgb ? 1 : 0;
    return count;
}

// The box around every pixel that is not white; empty when there is none.
Rect inkBox(const BitmapSurface& surface)
{
    int left = surface.width(), top = surface.height(), right = -1, bottom = -1;
    for (int i = 0; i < surface.width() * surface.height(); ++i) {
        const int x = i % surface.width(), y = i / surface.width();
        if (rgbAt(surface, x, y) != kWhite) {
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? Rect() : Rect(left, top, right - left + 1, bottom - top + 1);
}

} // namespace

TEST_F(GdiPainting, LinesAndPenStyles)
{
    BitmapSurface surface(64, 18);
    fillWhite(surface);
    {
        Painter painter(&surface);
        painter.drawLine(1, 0, 8, 0);
        painter.setPen(Pen(Color(255, 0, 0)));
        painter.drawLine(1, 1, 8, 1);
        painter.setPen(Pen(Color(0x00FF0000u)));
        painter.drawLine(1, 2, 8, 2);
        painter.setPen(Pen(Color(0, 0, 0), 1.0f, 7));
        painter.drawLine(0, 4, 60, 4);
        painter.setPenStyle(Pen::kDash);
        painter.drawLine(0, 6, 60, 6);
        painter.setPenStyle(Pen::kDot);
        painter.drawLine(0, 8, 60, 8);
        painter.setPen(Pen(Color(0, 0, 0), 3.0f, Pen::kDot));
        painter.drawLine(0, 10, 60, 10);
        painter.setPen(Pen(Color(0, 0, 0), 3.0f, Pen::kSolid));
        painter.drawLine(0, 13, 60, 13);
    }
    EXPECT_EQ(64, countInRow(surface, 0, 0, 64, kWhite)) << "the painter's pen has not reached the device";
    EXPECT_EQ(7, countInRow(surface, 1, 1, 8, kRed));
    // Before the start; the end point is left out; a three-pixel pen covers the rows on both sides.
    const uint32_t checks[][3] = {
        {0, 1, kWhite}, {8, 1, kWhite}, {30, 12, kBlack}, {30, 14, kBlack}, {30, 15, kWhite}};
    expectPixels(surface, checks);
    EXPECT_EQ(64, countInRow(surface, 2, 0, 64, kWhite)) << "a pen of alpha 0 draws nothing";
    EXPECT_EQ(60, countInRow(surface, 4, 0, 60, kBlack)) << "an unknown style is solid";
    const int dashed = countInRow(surface, 6, 0, 60, kBlack);
    EXPECT_TRUE(dashed > 20 && dashed < 60) << "dashes leave gaps: " << dashed;
    EXPECT_NEAR(30, countInRow(surface, 8, 0, 60, kBlack), 1) << "dots set every other pixel";
    EXPECT_NEAR(30, countInRow(surface, 10, 0, 60, kBlack), 1) << "a wide dotted pen is still dotted";
}

TEST_F(GdiPainting, RectanglesEllipsesPolygonsAndInversion)
{
    BitmapSurface surface(28, 16);
    fillWhite(surface);
    {
        Painter painter(&surface);
        painter.setPen(Pen(Color(0, 0, 255)));
        painter.drawRect(1, 1, 6, 6);
        painter.fillRect(Rect(8, 1, 3, 3), Color(255, 0, 0));
        painter.fillRect(Rect(12, 1, 2, 2), Color(1, 0, 255, 0));
        painter.fillRect(Rect(8, 5, 2, 2), Color(0, 0, 0, 0));
        painter.setBrush(Brush(Color(0, 255, 0), 0));
        painter.drawEllipse(Rect(1, 9, 6, 6));
        painter.invertRect(Rect(10, 10, 3, 3), true);
        painter.invertRect(Rect(13, 13, 3, 3), false);
        painter.setBrush(Brush(Color(255, 0, 0), 0));
        painter.setPen(Pen());
        // An L shape of six corners.
        const Point shape[6] = {Point(16, 0), Point(20, 0),  Point(20, 8),
                                Point(26, 8), Point(26, 12), Point(16, 12)};
        painter.drawPolygon(shape, 6, 0);
    }
    // Advanced graphics mode: outlines include the far edge; outlines leave the inside alone; fills have no
    // outline; alpha 1 fills opaquely, alpha 0 not at all; the ellipse: filled with the brush, outlined
    // with the pen; inverted; invert off changes nothing; the polygon's fifth and sixth corners count.
    const uint32_t checks[][3] = {{1, 1, kBlue},    {7, 7, kBlue},    {8, 8, kWhite},   {3, 3, kWhite},
                                  {8, 1, kRed},     {10, 3, kRed},    {11, 3, kWhite},  {10, 4, kWhite},
                                  {12, 1, kGreen},  {8, 5, kWhite},   {4, 12, kGreen},  {1, 12, kBlue},
                                  {10, 10, kBlack}, {12, 12, kBlack}, {13, 13, kWhite}, {17, 1, kRed},
                                  {24, 10, kRed},   {24, 2, kWhite}};
    expectPixels(surface, checks);
}

TEST_F(GdiPainting, GradientsFillLineByLine)
{
    BitmapSurface surface(12, 12);
    fillWhite(surface);
    {
        Painter painter(&surface);
        painter.setPen(Pen(Color(0, 0, 0)));
        painter.fillRect(Rect(0, 0, 4, 3),
                         Brush(stops(Gradient::kVertical, {{0xFF000000u, 0}, {0xFFFFFFFFu, 1}})));
        painter.fillRect(
            Rect(5, 0, 2, 5),
            Brush(stops(Gradient::kVertical, {{0xFF000000u, 0}, {0xFFFFFFFFu, 0.5f}, {0xFF000000u, 1}})));
        painter.fillRect(Rect(8, 0, 3, 2), Brush(stops(0, {{0xFFFF0000u, 0}, {0xFF0000FFu, 1}})));
        painter.fillRect(
            Rect(1, 6, 3, 3),
            Brush(stops(Gradient::kVertical,
                        {{0xFF00FF00u, 0.9f}, {0xFF0000FFu, -4}, {0xFFFF0000u, 7}, {0xFF000000u, 0.5f}})));
        painter.fillRect(Rect(6, 6, 2, 2), Brush(stops(Gradient::kVertical, {{0x80336699u, 0.3f}})));
        // Without a visible pen or a visible stop, or with two points, nothing.
        painter.setPen(Pen(Color(0x00000000u)));
        painter.fillRect(Rect(9, 9, 3, 3),
                         Brush(stops(Gradient::kVertical, {{0xFF000000u, 0}, {0xFF000000u, 1}})));
        painter.setPen(Pen(Color(0, 0, 0)));
        painter.fillRect(Rect(9, 3, 3, 3),
                         Brush(stops(Gradient::kVertical, {{0x00000000u, 0}, {0x00000000u, 1}})));
        const Point two[2] = {Point(0, 11), Point(6, 11)};
        painter.drawPolygon(two, 2, 0);
    }
    // Two stops over three lines, three stops over five; lines leave out their end point; type 0 runs
    // from left to right; unsorted stops stay inside; a single stop fills solid.
    const uint32_t checks[][3] = {{0, 0, 0x000000u},  {3, 1, 0x555555u}, {2, 2, 0xAAAAAAu}, {0, 3, kWhite},
                                  {4, 0, kWhite},     {5, 0, 0x000000u}, {5, 1, 0x555555u}, {5, 2, 0xAAAAAAu},
                                  {5, 3, 0xFFFFFFu},  {5, 4, 0x7F7F7Fu}, {8, 1, 0xFF0000u}, {9, 1, 0xAA0055u},
                                  {10, 0, 0x5500AAu}, {2, 5, kWhite},    {2, 9, kWhite},    {0, 7, kWhite},
                                  {4, 7, kWhite},     {6, 6, 0x336699u}, {7, 7, 0x336699u}};
    expectPixels(surface, checks);
    EXPECT_EQ(Rect(), inkBox(BitmapSurface(surface.toImage(true).cropped(Rect(8, 3, 4, 9)))));
    EXPECT_EQ(12, countInRow(surface, 11, 0, 12, kWhite)) << "a polygon of two points";
}

TEST_F(GdiPainting, ImagesBlendScalePartAlignAndTile)
{
    BitmapSurface surface(24, 12);
    fillWhite(surface);
    const Image halfRed = solidImage(2, 2, Color(128, 255, 0, 0));
    Image premultiplied = halfRed.copy(), rgb(2, 2, false);
    premultiplied.setPremultiplied(true);
    rgb.fill(Color(0, 128, 255));
    {
        Painter painter(&surface);
        painter.drawImage(halfRed, 0, 0);
        painter.drawImage(premultiplied, 0, 3);
        painter.drawImage(rgb, 0, 6);
        painter.drawImage(quadrants(), Rect(4, 4, 4, 4));
        painter.drawImagePart(quadrants(), Point(1, 0), Point(2, 9), 1, 2);
        painter.drawImageAligned(quadrants(), Rect(4, 4, 8, 8), Rect::kAlignRight | Rect::kAlignBottom);
        painter.drawImage(Image(), 0, 0);
        painter.tileImage(quadrants(), Rect(13, 1, 4, 4));
        painter.tileImage(premultiplied, Rect(18, 0, 2, 2));
        painter.tileImage(quadrants(), Rect(18, 6, 0, 2));
    }
    EXPECT_LE(rgbDistance(0xFF7F7Fu, rgbAt(surface, 0, 0)), 2) << "half red over white";
    EXPECT_LE(rgbDistance(0xFF7F7Fu, rgbAt(surface, 1, 4)), 2) << "premultiplied pixels blend the same";
    EXPECT_LE(rgbDistance(0xFF7F7Fu, rgbAt(surface, 18, 0)), 2) << "premultiplied tiles are read as such";
    // 24-bit; scaled twice with the nearest pixel; part; aligned bottom right; tiles anchor at the
    // origin: (13, 1) is the tile's (1, 1); an empty tile rectangle.
    const uint32_t checks[][3] = {{1, 7, 0x0080FFu}, {2, 0, kWhite},  {4, 4, kRed},    {5, 5, kRed},
                                  {7, 4, kGreen},    {4, 7, kBlue},   {7, 7, kBlack},  {2, 9, kGreen},
                                  {2, 10, kBlack},   {3, 9, kWhite},  {10, 10, kRed},  {11, 11, kBlack},
                                  {9, 9, kWhite},    {12, 0, kWhite}, {13, 1, kBlack}, {14, 1, kBlue},
                                  {15, 2, kGreen},   {16, 4, kRed},   {17, 5, kWhite}, {18, 6, kWhite}};
    expectPixels(surface, checks);
}

TEST_F(GdiPainting, ClipAndTransformInDevicePixels)
{
    BitmapSurface surface(20, 10);
    fillWhite(surface);
    {
        Painter painter(&surface);
        painter.setClipRect(Rect(2, 2, 4, 4));
        painter.fillRect(Rect(0, 0, 10, 10), Color(255, 0, 0));
        painter.drawImage(solidImage(10, 10, Color(0, 255, 0)), 4, 4);
        painter.resetClip();
        painter.fillRect(Rect(0, 0, 1, 1), Color(0, 0, 255));
        painter.translate(7, 7);
        painter.setClipRegion(Region(Rect(7, 0, 3, 2)));
        painter.fillRect(Rect(-7, -7, 10, 10), Color(0, 0, 0));
        painter.resetClip();
        painter.resetTransform();
        painter.translate(15, 4);
        painter.fillRect(Rect(0, 0, 2, 2), Color(255, 0, 0));
        painter.resetTransform();
        painter.scale(2, 2);
        painter.fillRect(Rect(6, 0, 1, 1), Color(0, 0, 255));
    }
    // Fills and images are cut at the clip, which the transform does not move; translated; one unit
    // scaled to two pixels.
    const uint32_t checks[][3] = {
        {0, 0, kBlue},  {1, 1, kWhite}, {2, 2, kRed},    {3, 5, kRed},   {4, 4, kGreen}, {5, 5, kGreen},
        {6, 6, kWhite}, {2, 6, kWhite}, {7, 0, kBlack},  {9, 1, kBlack}, {9, 2, kWhite}, {6, 0, kWhite},
        {15, 4, kRed},  {16, 5, kRed},  {17, 6, kWhite}, {13, 1, kBlue}, {14, 2, kWhite}};
    expectPixels(surface, checks);
}

TEST_F(GdiPainting, TextUsesThePenAndStaysInItsBox)
{
    BitmapSurface surface(240, 60);
    fillWhite(surface);
    Rect box;
    for (const Color& pen : {Color(0x00000000u), Color(0, 0, 0)}) {
        Painter painter(&surface);
        painter.setFont(FontDesc(String(u"tahoma"), 14.0f, 0));
        painter.setPen(Pen(pen));
        if (pen.alpha() == 0)
            painter.drawText(u"hidden", 6, 0, 0);
        EXPECT_FALSE(painter.drawText(String(u"Hello"), Rect(20, 10, 200, 40),
                                      Rect::kAlignHCenter | Rect::kAlignVCenter, FontMetrics::kElideNone,
                                      false, &box));
        painter.end();
        if (pen.alpha() == 0) {
            EXPECT_EQ(Rect(), inkBox(surface)) << "a clear pen draws no text";
        }
    }
    const Rect ink = inkBox(surface);
    EXPECT_TRUE(!ink.isEmpty() && box.adjusted(-1, -1, 1, 1).containsRect(ink));
    EXPECT_NEAR(120, box.x + box.width / 2, 1) << "centred in the rectangle";
    EXPECT_NEAR(30, box.y + box.height / 2, 1);
}

// A long line measured by the font metrics and drawn by the device: its last
// letter lands exactly where it lands drawn alone at its measured place, at
// every size. Wine's renderer, left to its own advances, draws some sizes
// wider and others narrower than they measure.
TEST_F(GdiPainting, TextIsDrawnWhereItWasMeasured)
{
    const String line(
        u"The quick brown fox jumps over the lazy dog while the harbour master counts its boats");
    const char16_t last = line.at(line.length() - 1);
    for (int px = 8; px <= 26; ++px) {
        const FontDesc font(String(u"tahoma"), px * 0.75f, 0);
        ASSERT_EQ(font.pixelSize(), px);
        const FontMetrics metrics(font, nullptr);
        const int width = metrics.textWidth(line.data(), line.length(), false);
        BitmapSurface whole(width + 60, 40);
        BitmapSurface alone(width + 60, 40);
        for (BitmapSurface* surface : {&whole, &alone}) {
            fillWhite(*surface);
            Painter painter(surface);
            painter.setFont(font);
            painter.setPen(Pen(Color(0, 0, 0)));
            if (surface == &whole)
                painter.drawText(line.data(), line.length(), 0, 0);
            else
                painter.drawText(&last, 1, width - metrics.charWidth(last), 0);
        }
        const Rect drawn = inkBox(whole);
        const Rect measured = inkBox(alone);
        ASSERT_FALSE(measured.isEmpty()) << px;
        EXPECT_EQ(drawn.x + drawn.width, measured.x + measured.width) << px << " px, measured " << width;
    }
}
