#include "graphics/paint/GdiPaintDevice.h"

#include "SurfacePixels.h"

#include "graphics/codecs/ImageCodec.h"
#include "graphics/paint/BitmapSurface.h"
#include "graphics/paint/Painter.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kBlue = 0x0000FF;

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
    Image image(2, 2, true);
    image.setPixel(0, 0, Color(255, 0, 0));
    image.setPixel(1, 0, Color(0, 255, 0));
    image.setPixel(0, 1, Color(0, 0, 255));
    image.setPixel(1, 1, Color(0, 0, 0));
    return image;
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
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
            if (rgbAt(surface, x, y) == kWhite)
                continue;
            left = x < left ? x : left;
            right = x > right ? x : right;
            top = y < top ? y : top;
            bottom = y > bottom ? y : bottom;
        }
    }
    return right < 0 ? Rect() : Rect(left, top, right - left + 1, bottom - top + 1);
}

} // namespace

TEST_F(GdiPainting, TheDeviceListMakesGdiCurrent)
{
    PaintDevice* device = PaintDevice::find(String(u"GDI"));
    ASSERT_NE(nullptr, device);
    EXPECT_EQ(device, PaintDevice::current());
    EXPECT_FALSE(device->isActive());

    BitmapSurface unallocated(0, 0);
    Painter withoutContext(&unallocated);
    EXPECT_FALSE(withoutContext.isActive()) << "a surface without pixels has no context to paint on";

    BitmapSurface a(4, 4);
    BitmapSurface b(4, 4);
    {
        Painter first(&a);
        EXPECT_TRUE(first.isActive());
        EXPECT_TRUE(device->isActive());
        Painter second(&b);
        EXPECT_FALSE(second.isActive());
        EXPECT_FALSE(device->begin(nullptr, &b)) << "a busy device refuses";
    }
    b.setPainting(true);
    EXPECT_FALSE(device->begin(nullptr, &b)) << "a target already being painted on is refused";
    b.setPainting(false);
    Painter again(&b);
    EXPECT_TRUE(again.isActive());
}

TEST_F(GdiPainting, LinesLeaveOutTheEndPointAndNeedAVisiblePen)
{
    BitmapSurface surface(12, 4);
    fillWhite(surface);
    {
        Painter painter(&surface);
        painter.drawLine(1, 0, 8, 0);
        painter.setPen(Pen(Color(255, 0, 0)));
        painter.drawLine(1, 1, 8, 1);
        painter.setPen(Pen(Color(0x00FF0000u)));
        painter.drawLine(1, 2, 8, 2);
    }
    EXPECT_EQ(12, countInRow(surface, 0, 0, 12, kWhite)) << "the painter's pen has not reached the device";
    EXPECT_EQ(kWhite, rgbAt(surface, 0, 1));
    EXPECT_EQ(7, countInRow(surface, 1, 1, 8, kRed));
    EXPECT_EQ(kWhite, rgbAt(surface, 8, 1)) << "the end point is left out";
    EXPECT_EQ(12, countInRow(surface, 2, 0, 12, kWhite)) << "a pen of alpha 0 draws nothing";
}

TEST_F(GdiPainting, PenStylesAndWidths)
{
    BitmapSurface surface(64, 12);
    fillWhite(surface);
    {
        Painter painter(&surface);
        painter.setPen(Pen(Color(0, 0, 0), 1.0f, 7));
        painter.drawLine(0, 0, 60, 0);
        painter.setPenStyle(Pen::kDash);
        painter.drawLine(0, 2, 60, 2);
        painter.setPenStyle(Pen::kDot);
        painter.drawLine(0, 4, 60, 4);
        painter.setPen(Pen(Color(0, 0, 0), 3.0f, Pen::kDot));
        painter.drawLine(0, 6, 60, 6);
        painter.setPen(Pen(Color(0, 0, 0), 3.0f, Pen::kSolid));
        painter.drawLine(0, 9, 60, 9);
    }
    EXPECT_EQ(60, countInRow(surface, 0, 0, 60, kBlack)) << "an unknown style is solid";
    const int dashed = countInRow(surface, 2, 0, 60, kBlack);
    EXPECT_GT(dashed, 20);
    EXPECT_LT(dashed, 60) << "dashes leave gaps";
    EXPECT_NEAR(30, countInRow(surface, 4, 0, 60, kBlack), 1) << "dots set every other pixel";
    EXPECT_NEAR(30, countInRow(surface, 6, 0, 60, kBlack), 1) << "a wide dotted pen is still dotted";
    EXPECT_EQ(kBlack, rgbAt(surface, 30, 8)) << "a three-pixel pen covers the rows on both sides";
    EXPECT_EQ(kBlack, rgbAt(surface, 30, 10));
    EXPECT_EQ(kWhite, rgbAt(surface, 30, 11));
}

TEST_F(GdiPainting, RectanglesOutlinesEllipsesAndInversion)
{
    BitmapSurface surface(16, 16);
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
    }
    EXPECT_EQ(kBlue, rgbAt(surface, 1, 1));
    EXPECT_EQ(kBlue, rgbAt(surface, 7, 7)) << "in the advanced graphics mode outlines include the far edge";
    EXPECT_EQ(kWhite, rgbAt(surface, 8, 8));
    EXPECT_EQ(kWhite, rgbAt(surface, 3, 3)) << "outlines leave the inside alone";
    EXPECT_EQ(kRed, rgbAt(surface, 8, 1));
    EXPECT_EQ(kRed, rgbAt(surface, 10, 3));
    EXPECT_EQ(kWhite, rgbAt(surface, 11, 3));
    EXPECT_EQ(kWhite, rgbAt(surface, 10, 4)) << "fills have no outline";
    EXPECT_EQ(kGreen, rgbAt(surface, 12, 1)) << "alpha 1 fills opaquely";
    EXPECT_EQ(kWhite, rgbAt(surface, 8, 5)) << "alpha 0 fills nothing";
    EXPECT_EQ(kGreen, rgbAt(surface, 4, 12)) << "the ellipse is filled with the brush";
    EXPECT_EQ(kBlue, rgbAt(surface, 1, 12)) << "and outlined with the pen";
    EXPECT_EQ(kBlack, rgbAt(surface, 10, 10));
    EXPECT_EQ(kBlack, rgbAt(surface, 12, 12));
    EXPECT_EQ(kWhite, rgbAt(surface, 13, 13)) << "invert off changes nothing";
}

TEST_F(GdiPainting, PolygonsKeepEveryPoint)
{
    BitmapSurface surface(12, 12);
    fillWhite(surface);
    {
        Painter painter(&surface);
        painter.setBrush(Brush(Color(255, 0, 0), 0));
        // An L shape of six corners.
        const Point shape[6] = {Point(0, 0),  Point(4, 0),   Point(4, 8),
                                Point(10, 8), Point(10, 12), Point(0, 12)};
        painter.drawPolygon(shape, 6, 0);
    }
    EXPECT_EQ(kRed, rgbAt(surface, 1, 1));
    EXPECT_EQ(kRed, rgbAt(surface, 8, 10)) << "the fifth and sixth corners count";
    EXPECT_EQ(kWhite, rgbAt(surface, 8, 2));
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
    }
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(0x000000u, rgbAt(surface, x, 0));
        EXPECT_EQ(0x555555u, rgbAt(surface, x, 1));
        EXPECT_EQ(0xAAAAAAu, rgbAt(surface, x, 2));
    }
    EXPECT_EQ(kWhite, rgbAt(surface, 0, 3));
    EXPECT_EQ(kWhite, rgbAt(surface, 4, 0)) << "lines leave out their end point";
    const uint32_t threeStops[5] = {0x000000u, 0x555555u, 0xAAAAAAu, 0xFFFFFFu, 0x7F7F7Fu};
    for (int y = 0; y < 5; ++y)
        EXPECT_EQ(threeStops[y], rgbAt(surface, 5, y)) << "line " << y;
    EXPECT_EQ(0xFF0000u, rgbAt(surface, 8, 1));
    EXPECT_EQ(0xAA0055u, rgbAt(surface, 9, 1)) << "type 0 runs from left to right";
    EXPECT_EQ(0x5500AAu, rgbAt(surface, 10, 0));

    for (int y = 5; y < 10; ++y) {
        EXPECT_EQ(kWhite, rgbAt(surface, 0, y));
        EXPECT_EQ(kWhite, rgbAt(surface, 4, y));
    }
    EXPECT_EQ(kWhite, rgbAt(surface, 2, 5));
    EXPECT_EQ(kWhite, rgbAt(surface, 2, 9)) << "stops out of order never draw past the rectangle";
    EXPECT_EQ(0x336699u, rgbAt(surface, 6, 6)) << "a single stop fills solid";
    EXPECT_EQ(0x336699u, rgbAt(surface, 7, 7));
}

TEST_F(GdiPainting, GradientsNeedAVisiblePenAndAVisibleStop)
{
    BitmapSurface surface(6, 6);
    fillWhite(surface);
    {
        Painter painter(&surface);
        painter.setPen(Pen(Color(0x00000000u)));
        painter.fillRect(Rect(0, 0, 3, 3),
                         Brush(stops(Gradient::kVertical, {{0xFF000000u, 0}, {0xFF000000u, 1}})));
        painter.setPen(Pen(Color(0, 0, 0)));
        painter.fillRect(Rect(3, 3, 3, 3),
                         Brush(stops(Gradient::kVertical, {{0x00000000u, 0}, {0x00000000u, 1}})));
        const Point two[2] = {Point(0, 0), Point(6, 0)};
        painter.drawPolygon(two, 2, 0);
    }
    EXPECT_EQ(Rect(), inkBox(surface));
}

TEST_F(GdiPainting, ImagesBlendCopyAndScale)
{
    BitmapSurface surface(12, 12);
    fillWhite(surface);
    const Image halfRed = solidImage(2, 2, Color(128, 255, 0, 0));
    Image premultiplied = halfRed.copy();
    premultiplied.setPremultiplied(true);
    Image rgb(2, 2, false);
    rgb.fill(Color(0, 128, 255));
    {
        Painter painter(&surface);
        painter.drawImage(halfRed, 0, 0);
        painter.drawImage(premultiplied, 0, 3);
        painter.drawImage(rgb, 0, 6);
        painter.drawImage(quadrants(), Rect(4, 4, 4, 4));
    }
    EXPECT_LE(rgbDistance(0xFF7F7Fu, rgbAt(surface, 0, 0)), 2) << "half red over white";
    EXPECT_LE(rgbDistance(0xFF7F7Fu, rgbAt(surface, 1, 4)), 2) << "premultiplied pixels blend the same";
    EXPECT_EQ(0x0080FFu, rgbAt(surface, 1, 7));
    EXPECT_EQ(kWhite, rgbAt(surface, 2, 0));
    EXPECT_EQ(kRed, rgbAt(surface, 4, 4)) << "scaled twice with the nearest pixel";
    EXPECT_EQ(kRed, rgbAt(surface, 5, 5));
    EXPECT_EQ(kGreen, rgbAt(surface, 7, 4));
    EXPECT_EQ(kBlue, rgbAt(surface, 4, 7));
    EXPECT_EQ(kBlack, rgbAt(surface, 7, 7));
}

TEST_F(GdiPainting, ImagePartsAndAlignment)
{
    BitmapSurface surface(12, 12);
    fillWhite(surface);
    {
        Painter painter(&surface);
        painter.drawImagePart(quadrants(), Point(1, 0), Point(0, 0), 1, 2);
        painter.drawImageAligned(quadrants(), Rect(4, 4, 8, 8), Rect::kAlignRight | Rect::kAlignBottom);
        painter.drawImage(Image(), 0, 0);
    }
    EXPECT_EQ(kGreen, rgbAt(surface, 0, 0));
    EXPECT_EQ(kBlack, rgbAt(surface, 0, 1));
    EXPECT_EQ(kWhite, rgbAt(surface, 1, 0));
    EXPECT_EQ(kRed, rgbAt(surface, 10, 10));
    EXPECT_EQ(kBlack, rgbAt(surface, 11, 11));
    EXPECT_EQ(kWhite, rgbAt(surface, 9, 9));
}

TEST_F(GdiPainting, ClipLimitsFillsAndImagesInDevicePixels)
{
    BitmapSurface surface(10, 10);
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
    }
    EXPECT_EQ(kBlue, rgbAt(surface, 0, 0));
    EXPECT_EQ(kWhite, rgbAt(surface, 1, 1));
    EXPECT_EQ(kRed, rgbAt(surface, 2, 2));
    EXPECT_EQ(kRed, rgbAt(surface, 3, 5));
    EXPECT_EQ(kGreen, rgbAt(surface, 4, 4));
    EXPECT_EQ(kGreen, rgbAt(surface, 5, 5));
    EXPECT_EQ(kWhite, rgbAt(surface, 6, 6)) << "the image is cut at the clip";
    EXPECT_EQ(kWhite, rgbAt(surface, 2, 6));
    EXPECT_EQ(kBlack, rgbAt(surface, 7, 0)) << "the clip is not moved by the transform";
    EXPECT_EQ(kBlack, rgbAt(surface, 9, 1));
    EXPECT_EQ(kWhite, rgbAt(surface, 9, 2));
    EXPECT_EQ(kWhite, rgbAt(surface, 6, 0));
}

TEST_F(GdiPainting, TilesAnchorAtTheOrigin)
{
    BitmapSurface surface(8, 8);
    fillWhite(surface);
    Image halfRed = solidImage(2, 2, Color(128, 255, 0, 0));
    halfRed.setPremultiplied(true);
    {
        Painter painter(&surface);
        painter.tileImage(quadrants(), Rect(1, 1, 4, 4));
        painter.tileImage(halfRed, Rect(6, 0, 2, 2));
        painter.tileImage(quadrants(), Rect(6, 6, 0, 2));
    }
    EXPECT_EQ(kWhite, rgbAt(surface, 0, 0));
    EXPECT_EQ(kBlack, rgbAt(surface, 1, 1)) << "the tile's (1, 1) lands on (1, 1)";
    EXPECT_EQ(kBlue, rgbAt(surface, 2, 1));
    EXPECT_EQ(kGreen, rgbAt(surface, 3, 2));
    EXPECT_EQ(kRed, rgbAt(surface, 4, 4));
    EXPECT_EQ(kWhite, rgbAt(surface, 5, 5));
    EXPECT_LE(rgbDistance(0xFF7F7Fu, rgbAt(surface, 6, 0)), 2) << "premultiplied tiles are read as such";
    EXPECT_EQ(kWhite, rgbAt(surface, 6, 6));
}

TEST_F(GdiPainting, TransformMovesDrawing)
{
    BitmapSurface surface(10, 10);
    fillWhite(surface);
    {
        Painter painter(&surface);
        painter.translate(5, 4);
        painter.fillRect(Rect(0, 0, 2, 2), Color(255, 0, 0));
        painter.resetTransform();
        painter.scale(2, 2);
        painter.fillRect(Rect(0, 0, 1, 1), Color(0, 0, 255));
    }
    EXPECT_EQ(kRed, rgbAt(surface, 5, 4));
    EXPECT_EQ(kRed, rgbAt(surface, 6, 5));
    EXPECT_EQ(kWhite, rgbAt(surface, 7, 6));
    EXPECT_EQ(kBlue, rgbAt(surface, 1, 1)) << "one unit scaled to two pixels";
    EXPECT_EQ(kWhite, rgbAt(surface, 2, 2));
}

TEST_F(GdiPainting, TextUsesThePenAndStaysInItsBox)
{
    BitmapSurface surface(240, 60);
    fillWhite(surface);
    Rect box;
    {
        Painter painter(&surface);
        painter.setFont(FontDesc(String(u"tahoma"), 14.0f, 0));
        painter.setPen(Pen(Color(0x00000000u)));
        painter.drawText(u"hidden", 6, 0, 0);
        EXPECT_FALSE(painter.drawText(String(u"Hello"), Rect(20, 10, 200, 40),
                                      Rect::kAlignHCenter | Rect::kAlignVCenter, FontMetrics::kElideNone,
                                      false, &box));
    }
    EXPECT_EQ(Rect(), inkBox(surface)) << "a clear pen draws no text";

    fillWhite(surface);
    {
        Painter painter(&surface);
        painter.setFont(FontDesc(String(u"tahoma"), 14.0f, 0));
        painter.setPen(Pen(Color(0, 0, 0)));
        painter.drawText(String(u"Hello"), Rect(20, 10, 200, 40), Rect::kAlignHCenter | Rect::kAlignVCenter,
                         FontMetrics::kElideNone, false, &box);
    }
    const Rect ink = inkBox(surface);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(box.adjusted(-1, -1, 1, 1).containsRect(ink));
    EXPECT_NEAR(120, box.x + box.width / 2, 1) << "centred in the rectangle";
    EXPECT_NEAR(30, box.y + box.height / 2, 1);
}

TEST_F(GdiPainting, ElidedTextFitsItsWidth)
{
    BitmapSurface surface(240, 40);
    const String text(u"The quick brown fox jumps over the lazy dog");
    const uint32_t modes[3] = {FontMetrics::kElideCut, FontMetrics::kElideRight, FontMetrics::kElideMiddle};
    for (uint32_t mode : modes) {
        fillWhite(surface);
        Rect box;
        const Rect area(10, 5, 90, 30);
        bool changed = false;
        {
            Painter painter(&surface);
            painter.setPen(Pen(Color(0, 0, 0)));
            changed = painter.drawText(text, area, Rect::kAlignLeft, mode, false, &box);
        }
        EXPECT_TRUE(changed) << "mode " << mode;
        EXPECT_LE(box.width, area.width) << "mode " << mode;
        EXPECT_GT(box.width, area.width / 2) << "mode " << mode;
        const Rect ink = inkBox(surface);
        ASSERT_FALSE(ink.isEmpty()) << "mode " << mode;
        EXPECT_LE(ink.x + ink.width, area.x + area.width + 1) << "mode " << mode;
    }
}
