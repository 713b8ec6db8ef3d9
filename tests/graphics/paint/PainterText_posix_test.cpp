// Text in a rectangle, laid out with the native build's fixed-width metrics:
// the default font is 16 pixels high and every unit 8 pixels wide.
#include "graphics/paint/Painter.h"

#include "tests/support/RecordingDevice.h"

#include <gtest/gtest.h>

#include <tuple>

using Log = std::vector<std::string>;

using PainterText = PainterOnRecorder;

TEST_F(PainterText, PlacesElidesAndReportsWhatItDrew)
{
    // Text, rectangle, alignment, elision; whether the text shown differs,
    // what the device drew, the rectangle reported (1,1,1,1: none).
    const uint32_t right = FontMetrics::kElideRight, bottomRight = Rect::kAlignRight | Rect::kAlignBottom;
    const std::tuple<const char16_t*, Rect, uint32_t, uint32_t, bool, std::string, Rect> rows[] = {
        {u"", Rect(0, 0, 100, 20), Rect::kAlignRight, 2, false, "", Rect(1, 1, 1, 1)},
        {u"abc", Rect(0, 0, 0, 20), Rect::kAlignRight, 2, true, "", Rect(1, 1, 1, 1)},
        {u"abc", Rect(0, 0, 100, 0), 0, 0, true, "", Rect(1, 1, 1, 1)},
        // No alignment and no elision: drawn whole at the corner.
        {u"far too wide", Rect(5, 6, 10, 10), 0, 0, false, "text 'far too wide' at 5,6", Rect(1, 1, 1, 1)},
        {u"abc", Rect(10, 10, 100, 50), bottomRight, right, false, "text 'abc' at 86,44",
         Rect(86, 44, 24, 16)},
        {u"abcd", Rect(0, 0, 100, 20), Rect::kAlignHCenter | Rect::kAlignVCenter, 0, false,
         "text 'abcd' at 34,2", Rect(34, 2, 32, 16)},
        {u"abcdefghij", Rect(0, 0, 60, 20), Rect::kAlignRight, right, true, "text 'ab ... ' at 4,0",
         Rect(4, 0, 56, 16)},
        {u"abcdefghijkl", Rect(0, 0, 60, 20), Rect::kAlignLeft, FontMetrics::kElideMiddle, true,
         "text 'a ... l' at 0,0", Rect(0, 0, 56, 16)},
        {u"abcdefghij", Rect(0, 0, 30, 20), 0, right, true, "", Rect(1, 1, 1, 1)}}; // elided to nothing
    for (const auto& [text, area, alignment, elision, changed, drawn, reported] : rows) {
        recorder.device.log.clear();
        Rect out(1, 1, 1, 1);
        EXPECT_EQ(changed, painter.drawText(String(text), area, alignment, elision, false, &out))
            << ascii(String(text));
        EXPECT_EQ(drawn.empty() ? Log() : Log{drawn}, recorder.device.log) << ascii(String(text));
        EXPECT_EQ(reported, out) << ascii(String(text));
    }
}

TEST_F(PainterText, LayoutFollowsTheFont)
{
    painter.setFont(FontDesc(String(u"tahoma"), 24.0f, 0));
    Rect out;
    painter.drawText(String(u"ab"), Rect(0, 0, 100, 100), Rect::kAlignBottom, FontMetrics::kElideNone, false,
                     &out);
    EXPECT_EQ(Rect(0, 68, 32, 32), out) << "the metrics were rebuilt for the larger font";
}
