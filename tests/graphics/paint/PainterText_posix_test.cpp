// Text in a rectangle, laid out with the native build's fixed-width metrics:
// the default font is 16 pixels high and every unit 8 pixels wide.
#include "graphics/paint/Painter.h"

#include "RecordingDevice.h"

#include <gtest/gtest.h>

using Log = std::vector<std::string>;

namespace {

class PainterText : public ::testing::Test
{
protected:
    PainterText() : painter(&target) { recorder.device.log.clear(); }

    CurrentRecorder recorder;
    FakeTarget target;
    Painter painter;
};

} // namespace

TEST_F(PainterText, EmptyTextOrRectangleDrawsNothing)
{
    Rect out(1, 1, 1, 1);
    EXPECT_FALSE(painter.drawText(String(), Rect(0, 0, 100, 20), Rect::kAlignRight, 2, false, &out));
    EXPECT_TRUE(painter.drawText(String(u"abc"), Rect(0, 0, 0, 20), Rect::kAlignRight, 2, false, &out));
    EXPECT_TRUE(painter.drawText(String(u"abc"), Rect(0, 0, 100, 0), 0, 0, false, &out));
    EXPECT_TRUE(recorder.device.log.empty());
    EXPECT_EQ(Rect(1, 1, 1, 1), out) << "nothing drawn, nothing reported";
}

TEST_F(PainterText, NoAlignmentAndNoElisionDrawsWholeAtTheCorner)
{
    Rect out(1, 1, 1, 1);
    EXPECT_FALSE(painter.drawText(String(u"far too wide"), Rect(5, 6, 10, 10), 0, 0, false, &out));
    EXPECT_EQ((Log{"text 'far too wide' at 5,6"}), recorder.device.log);
    EXPECT_EQ(Rect(1, 1, 1, 1), out);
}

TEST_F(PainterText, AlignedTextIsPlacedAndReported)
{
    Rect out;
    EXPECT_FALSE(painter.drawText(String(u"abc"), Rect(10, 10, 100, 50),
                                  Rect::kAlignRight | Rect::kAlignBottom, FontMetrics::kElideRight, false,
                                  &out))
        << "a text that fits is drawn unchanged";
    EXPECT_EQ(Rect(86, 44, 24, 16), out);
    EXPECT_FALSE(painter.drawText(String(u"abcd"), Rect(0, 0, 100, 20),
                                  Rect::kAlignHCenter | Rect::kAlignVCenter, FontMetrics::kElideNone, false,
                                  nullptr));
    EXPECT_EQ((Log{"text 'abc' at 86,44", "text 'abcd' at 34,2"}), recorder.device.log);
}

TEST_F(PainterText, ElidedTextFitsAndReportsTheChange)
{
    Rect out;
    const Rect area(0, 0, 60, 20);
    EXPECT_TRUE(painter.drawText(String(u"abcdefghij"), area, Rect::kAlignRight, FontMetrics::kElideRight,
                                 false, &out));
    EXPECT_EQ((Log{"text 'ab ... ' at 4,0"}), recorder.device.log);
    EXPECT_EQ(Rect(4, 0, 56, 16), out);
    EXPECT_TRUE(area.containsRect(out));

    EXPECT_TRUE(painter.drawText(String(u"abcdefghijkl"), area, Rect::kAlignLeft, FontMetrics::kElideMiddle,
                                 false, &out));
    EXPECT_EQ("text 'a ... l' at 0,0", recorder.device.log.back());

    recorder.device.log.clear();
    out = Rect(1, 1, 1, 1);
    EXPECT_TRUE(
        painter.drawText(String(u"abcdefghij"), Rect(0, 0, 30, 20), 0, FontMetrics::kElideRight, false, &out))
        << "elided to nothing: the text shown differs";
    EXPECT_TRUE(recorder.device.log.empty());
    EXPECT_EQ(Rect(1, 1, 1, 1), out);
}

TEST_F(PainterText, LayoutFollowsTheFont)
{
    painter.setFont(FontDesc(String(u"tahoma"), 24.0f, 0));
    recorder.device.log.clear();
    Rect out;
    painter.drawText(String(u"ab"), Rect(0, 0, 100, 100), Rect::kAlignBottom, FontMetrics::kElideNone, false,
                     &out);
    EXPECT_EQ(Rect(0, 68, 32, 32), out) << "the metrics were rebuilt for the larger font";
}
