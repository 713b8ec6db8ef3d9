#include "graphics/paint/Painter.h"

#include "tests/support/RecordingDevice.h"

#include <gtest/gtest.h>

#include <climits>

using Log = std::vector<std::string>;
using PainterState = PainterOnRecorder;
using PainterDrawing = PainterOnRecorder;

TEST(PainterBegin, OnlyOnAFreeTargetThroughAnIdleDevice)
{
    CurrentRecorder recorder;
    FakeTarget busy, first, second;
    busy.setPainting(true);
    {
        Painter none(nullptr), refused(&busy);
        EXPECT_FALSE(none.isActive() || refused.isActive());
        EXPECT_TRUE(busy.isPainting()) << "an inactive painter leaves another painter's flag alone";
        Painter active(&first);
        ASSERT_TRUE(active.isActive() && first.isPainting());
        EXPECT_EQ(&recorder.device, active.device());
        Painter blocked(&second), sameTarget(&first);
        EXPECT_FALSE(blocked.isActive() || sameTarget.isActive()) << "the one current device already paints";
        EXPECT_EQ(nullptr, blocked.device());
        EXPECT_FALSE(second.isPainting());
        EXPECT_TRUE(active.end());
        EXPECT_FALSE(active.isActive() || first.isPainting() || active.target());
        EXPECT_FALSE(active.end()) << "a second end has nothing to finish";
        active.drawRect(0, 0, 5, 5);
    }
    EXPECT_EQ((Log{"begin", "end"}), recorder.device.log);
    Painter later(&second);
    EXPECT_TRUE(later.isActive()) << "once the first painter is gone, a new one begins";
    later.end();

    recorder.device.refuseBegin = true;
    Painter refusedByDevice(&first);
    EXPECT_FALSE(refusedByDevice.isActive() || refusedByDevice.device() || first.isPainting());
    PaintDevice::setCurrent(nullptr);
    Painter withoutDevice(&first);
    withoutDevice.drawLine(0, 0, 5, 5);
    EXPECT_FALSE(withoutDevice.isActive());
    EXPECT_EQ((Log{"begin", "end", "begin", "end"}), recorder.device.log)
        << "refused painters reach no device";
}

TEST(PainterAnnouncing, RepeatedValuesAreSkippedUntilPaintingBeginsAgain)
{
    CurrentRecorder recorder;
    FakeTarget target;
    const Pen red(Color(0xFFFF0000u), 2.0f, Pen::kSolid);
    Gradient gradient(Gradient::kVertical);
    gradient.addStop(Color(0xFF000000u), 0.0f);
    gradient.addStop(Color(0xFFFFFFFFu), 1.0f);
    {
        Painter painter(&target);
        recorder.device.log.clear();
        painter.setPen(painter.pen());
        EXPECT_EQ(1u, recorder.device.log.size()) << "the first setPen after begin always reaches the device";
        painter.setPen(red);
        painter.setPen(red);
        painter.setPenColor(Color(0xFFFF0000u));
        painter.setPenStyle(Pen::kSolid);
        EXPECT_EQ(2u, recorder.device.log.size()) << "equal pens are announced once";
        painter.setPenStyle(Pen::kDot);
        EXPECT_EQ("state 4 pen FFFF0000 2", recorder.device.log.back());
        EXPECT_EQ(2.0f, painter.pen().width()) << "setPenStyle keeps the rest of the pen";

        recorder.device.log.clear();
        painter.setFont(painter.font());
        painter.setFont(painter.font());
        painter.setBrush(Brush(gradient));
        painter.setBrush(Brush(gradient));
        painter.setBrush(Brush(Color(0xFF00FF00u), 0));
        painter.setBrush(Brush(Color(0xFF00FF00u), 0));
        painter.setBackgroundBrush(Brush());
        painter.setBackgroundBrush(Brush());
        const std::string defaultFont = ascii(FontDesc().family()) + " " + std::to_string(FontDesc().size());
        EXPECT_EQ((Log{"state 8 font " + defaultFont, "state 2 brush 00FFFFFF stops 2",
                       "state 2 brush FF00FF00 stops 0", "state 2 brush FF00FF00 stops 0",
                       "state 1 background 00FFFFFF", "state 1 background 00FFFFFF"}),
                  recorder.device.log)
            << "solid brushes compare unequal and are announced every time";
    }
    Painter again(&target);
    recorder.device.log.clear();
    again.setPen(red);
    again.setPen(red);
    EXPECT_EQ((Log{"state 4 pen FFFF0000 0"}), recorder.device.log)
        << "a new painter announces the same pen again, once";
}

TEST_F(PainterState, TransformAndClipAreAnnouncedWithoutComparing)
{
    painter.translate(10, 0);
    painter.scale(2, 2);
    painter.setTransform(painter.transform());
    painter.resetTransform();
    painter.resetTransform();
    EXPECT_TRUE(painter.transform().isIdentity());

    painter.setClipRect(Rect(5, 6, 7, 8));
    painter.setClipRegion(painter.clip());
    painter.resetClip();
    EXPECT_TRUE(painter.clip().isEmpty());

    painter.setRenderHint(Painter::kSmoothScalingHint, true);

    EXPECT_EQ((Log{"state 32 dx 10 dy 0", "state 32 dx 10 dy 0", "state 32 dx 10 dy 0", "state 32 dx 0 dy 0",
                   "state 32 dx 0 dy 0", "state 16 clip 5,6,7,8", "state 16 clip 5,6,7,8",
                   "state 16 clip 0,0,0,0"}),
              recorder.device.log)
        << "render hints announce nothing";
}

TEST_F(PainterDrawing, ShapesAndImagesAreShapedForTheDevice)
{
    painter.drawEllipse(Point(10, 10), 4, 2);
    painter.drawEllipse(1, 2, 3, 4);
    painter.drawLine(Point(1, 2), Point(3, 4));
    const Line lines[2] = {Line(0, 0, 5, 0), Line(0, 1, 5, 1)};
    painter.drawLines(lines, 2);
    painter.drawRect(1, 2, 3, 4);
    const Point triangle[3] = {Point(0, 0), Point(9, 0), Point(0, 9)};
    painter.drawPolygon(triangle, 3, 1);
    painter.invertRect(Rect(2, 2, 2, 2), true);
    painter.setViewport(1, 1, 50, 50);
    EXPECT_EQ(Rect(1, 1, 50, 50), painter.viewport());
    painter.setWindow(0, 0, 100, 100);
    EXPECT_EQ(Rect(0, 0, 100, 100), painter.window());
    EXPECT_EQ((Log{"ellipse 6,8,8,4", "ellipse 1,2,3,4", "lines 1,2-3,4 pen 00FFFFFF",
                   "lines 0,0-5,0 0,1-5,1 pen 00FFFFFF", "rects 1,2,3,4", "polygon 1 0,0 9,0 0,9",
                   "invert 2,2,2,2 on", "viewport 1,1,50,50", "window 0,0,100,100"}),
              recorder.device.log);
    recorder.device.log.clear();
    const Image image(4, 2, true);

    painter.drawImage(image, 5, 6);
    painter.drawImage(image, 5, 6, 8, 4);
    painter.drawImage(image, Rect(1, 1, 2, 2));
    painter.drawImageRect(image, Rect(1, 0, 2, 2), Rect(0, 0, 4, 4));
    painter.drawImagePart(image, Point(1, 1), Point(7, 7), 2, 1);
    painter.drawImageAligned(image, Rect(10, 10, 20, 20), Rect::kAlignHCenter | Rect::kAlignVCenter);
    painter.drawImageAligned(image, Rect(10, 10, 2, 2), Rect::kAlignRight | Rect::kAlignBottom);
    painter.tileImage(image, Rect(0, 0, 30, 30));
    EXPECT_EQ((Log{"image 4x2 0,0,4,2 to 5,6,4,2", "image 4x2 0,0,4,2 to 5,6,8,4",
                   "image 4x2 0,0,4,2 to 1,1,2,2", "image 4x2 1,0,2,2 to 0,0,4,4", "part 1,1 to 7,7 2x1",
                   "part 0,0 to 18,19 4x2", "part 0,0 to 8,10 4x2", "tiles 0,0,30,30"}),
              recorder.device.log)
        << "an aligned image larger than its rectangle overflows it";
}

TEST_F(PainterDrawing, FillRectSetsTheBrushAndFillsFourCorners)
{
    painter.fillRect(Rect(0, 0, 10, 0), Color(0xFFFF0000u));
    painter.fillRect(-1, 0, 0, 10, Brush(Color(0xFFFF0000u), 0));
    EXPECT_TRUE(recorder.device.log.empty()) << "an empty rectangle neither sets the brush nor draws";
    EXPECT_EQ(Color(0xFF0000FFu), painter.brush().color());

    painter.fillRect(Rect(2, 3, 10, 5), Color(0xFFFF0000u));
    EXPECT_EQ((Log{"state 2 brush FFFF0000 stops 0", "polygon 0 2,3 12,3 12,8 2,8"}), recorder.device.log);

    recorder.device.log.clear();
    painter.fillRect(INT_MAX - 1, INT_MIN, 10, 10, Brush(Color(0xFF00FF00u), 0));
    EXPECT_EQ("polygon 0 2147483646,-2147483648 2147483647,-2147483648 2147483647,-2147483638 "
              "2147483646,-2147483638",
              recorder.device.log.back())
        << "corners at the edge of the int range saturate";
    painter.drawEllipse(Point(INT_MIN, 0), INT_MAX, 1);
    EXPECT_EQ("ellipse -2147483648,-1,2147483647,2", recorder.device.log.back());

    // The debugging forms fill opaque red whatever their last two arguments.
    recorder.device.log.clear();
    painter.fillRect(Rect(1, 1, 2, 2), 7, 9);
    painter.fillRect(4, 4, 1, 1, 0, 0);
    EXPECT_EQ((Log{"state 2 brush FFFF0000 stops 0", "polygon 0 1,1 3,1 3,3 1,3",
                   "state 2 brush FFFF0000 stops 0", "polygon 0 4,4 5,4 5,5 4,5"}),
              recorder.device.log);
}

TEST(PainterInactive, DrawsNothingButKeepsItsState)
{
    CurrentRecorder recorder;
    FakeTarget target;
    target.setPainting(true);
    Painter painter(&target);
    ASSERT_FALSE(painter.isActive());
    const Image image(2, 2, true);
    const Line line(0, 0, 1, 1);
    const Point corner(0, 0);

    painter.setPen(Pen(Color(0xFF123456u)));
    painter.setFont(FontDesc(String(u"tahoma"), 20.0f, 0));
    painter.translate(5, 5);
    painter.setClipRect(Rect(0, 0, 5, 5));
    painter.setViewport(0, 0, 5, 5);
    painter.drawLines(&line, 1);
    painter.drawPolygon(&corner, 1, 0);
    painter.invertRect(Rect(0, 0, 5, 5), true);
    painter.drawImageAligned(image, Rect(0, 0, 9, 9), 0);
    painter.tileImage(image, Rect(0, 0, 9, 9));
    painter.drawText(u"x", 1, 0, 0);
    painter.fillRect(Rect(0, 0, 5, 5), Color(0xFF000000u));
    EXPECT_TRUE(
        painter.drawText(String(u"abc"), Rect(0, 0, 1, 20), 0, FontMetrics::kElideRight, false, nullptr));

    EXPECT_TRUE(recorder.device.log.empty());
    EXPECT_EQ(Rect(), painter.viewport());
    EXPECT_EQ(Color(0xFF123456u), painter.pen().color());
    EXPECT_EQ(String(u"tahoma"), painter.fontMetrics().font().family());
    EXPECT_EQ(5.0f, painter.transform().dx());
    EXPECT_EQ(Rect(0, 0, 5, 5), painter.clip().boundingRect());
}

TEST(PaintDeviceList, FindsCurrentAndForgetsDestroyedDevices)
{
    PaintDevice* previous = PaintDevice::current();
    int destroyed = 0;
    RecordingDevice::addToList(new RecordingDevice(u"First", &destroyed));
    RecordingDevice* second = new RecordingDevice(u"Second", &destroyed);
    RecordingDevice::addToList(second);

    EXPECT_EQ(second, PaintDevice::find(String(u"Second")));
    EXPECT_EQ(String(u"First"), PaintDevice::find(String(u"First"))->name());
    EXPECT_EQ(nullptr, PaintDevice::find(String(u"second"))) << "names match exactly";

    PaintDevice::setCurrent(second);
    EXPECT_EQ(second, PaintDevice::current());
    PaintDevice::destroyAll();
    EXPECT_EQ(2, destroyed);
    EXPECT_EQ(nullptr, PaintDevice::find(String(u"First")));
    EXPECT_EQ(nullptr, PaintDevice::current()) << "no painter may begin on a deleted device";

    FakeTarget target;
    Painter painter(&target);
    EXPECT_FALSE(painter.isActive());

    RecordingDevice outside;
    PaintDevice::setCurrent(&outside);
    PaintDevice::destroyAll();
    EXPECT_EQ(&outside, PaintDevice::current()) << "a device outside the list stays current";
    PaintDevice::setCurrent(previous);
}
