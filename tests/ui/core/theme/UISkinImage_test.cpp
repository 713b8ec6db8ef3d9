#include "ui/core/theme/UISkinImage.h"

#include "graphics/paint/Painter.h"
#include "tests/support/RecordingDevice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The image calls a draw made, in order, as the recording device logs them.
std::vector<std::string> drawCalls(const UISkinImage& skin, const Rect& target, int frame, uint32_t mask)
{
    CurrentRecorder recorder;
    FakeTarget paintTarget;
    {
        Painter painter(&paintTarget);
        skin.draw(painter, target, frame, mask);
    }
    std::vector<std::string> calls;
    for (const std::string& line : recorder.device.log) {
        if (line.rfind("image ", 0) == 0 || line.rfind("part ", 0) == 0)
            calls.push_back(line);
    }
    return calls;
}

// A stacked skin of three 30 x 30 frames cut 4, 22, 4 by 5, 20, 5.
UISkinImage threeFrames()
{
    UISkinImage skin(Image(30, 90, true), true);
    skin.setGrid(4, 22, 4, 5, 20, 5, 3);
    return skin;
}

} // namespace

TEST(UISkinImage, NineSliceDrawing)
{
    struct Case
    {
        const char* name;
        Rect target;
        int frame;
        uint32_t mask;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"exact size copies the frame once, whatever the mask",
         Rect(7, 8, 30, 30),
         1,
         2,
         {"part 0,30 to 7,8 30x30"}},
        {"one pixel narrower than left + right + 1 draws nothing", Rect(0, 0, 8, 40), 0, 511, {}},
        {"one pixel lower than top + bottom + 1 draws nothing", Rect(0, 0, 40, 10), 0, 511, {}},
        {"empty destination draws nothing", Rect(0, 0, 0, 40), 0, 511, {}},
        {"frame at the count draws nothing", Rect(0, 0, 40, 40), 3, 511, {}},
        {"negative frame draws nothing", Rect(0, 0, 40, 40), -1, 511, {}},
        {"centre alone fills the whole destination",
         Rect(10, 20, 40, 50),
         0,
         256,
         {"image 30x90 4,5,22,20 to 10,20,40,50"}},
        {"all cells of frame 2 come from rows 60 to 89",
         Rect(0, 0, 40, 50),
         2,
         511,
         {"part 0,60 to 0,0 4x5", "image 30x90 4,60,22,5 to 4,0,32,5", "part 26,60 to 36,0 4x5",
          "image 30x90 26,65,4,20 to 36,5,4,40", "part 26,85 to 36,45 4x5",
          "image 30x90 4,85,22,5 to 4,45,32,5", "part 0,85 to 0,45 4x5", "image 30x90 0,65,4,20 to 0,5,4,40",
          "image 30x90 4,65,22,20 to 4,5,32,40"}},
        {"510: the top edge still starts after the left column",
         Rect(0, 0, 40, 50),
         0,
         510,
         {"image 30x90 4,0,22,5 to 4,0,32,5", "part 26,0 to 36,0 4x5", "image 30x90 26,5,4,20 to 36,5,4,40",
          "part 26,25 to 36,45 4x5", "image 30x90 4,25,22,5 to 4,45,32,5", "part 0,25 to 0,45 4x5",
          "image 30x90 0,5,4,20 to 0,5,4,40", "image 30x90 4,5,22,20 to 4,5,32,40"}},
        {"top edge alone spans the whole width",
         Rect(0, 0, 40, 50),
         0,
         2,
         {"image 30x90 4,0,22,5 to 0,0,40,5"}},
        {"with the left edge, the top grows into the omitted right column",
         Rect(0, 0, 40, 50),
         0,
         2 | 128,
         {"image 30x90 4,0,22,5 to 4,0,36,5", "image 30x90 0,5,4,20 to 0,5,4,40"}},
        {"top row and centre without sides: centre grows down and sideways",
         Rect(0, 0, 40, 50),
         0,
         2 | 256,
         {"image 30x90 4,0,22,5 to 0,0,40,5", "image 30x90 4,5,22,20 to 0,5,40,45"}}};
    const UISkinImage skin = threeFrames();
    for (const Case& c : cases)
        EXPECT_EQ(c.calls, drawCalls(skin, c.target, c.frame, c.mask)) << c.name;
}

TEST(UISkinImage, PlainGridAndFrameGeometry)
{
    UISkinImage plain(Image(20, 40, true), true);
    plain.setGrid(0, 10, 4, 5, 5, 5, 2);
    EXPECT_EQ(0, plain.frames().count()) << "a grid without a left column keeps no records";
    EXPECT_EQ(2, plain.frameCount());
    plain.setGrid(20, 20, 2);
    EXPECT_EQ(Size(20, 20), plain.frameSize());
    EXPECT_EQ(std::vector<std::string>{"image 20x40 0,20,20,20 to 1,2,3,4"},
              drawCalls(plain, Rect(1, 2, 3, 4), 1, 1))
        << "drawn whole and scaled, ignoring the mask";

    UISkinImage none;
    EXPECT_EQ(0, none.frameCount());
    EXPECT_EQ(Size(0, 0), none.frameSize()) << "a count of 0 is not divided by";
    EXPECT_TRUE(drawCalls(none, Rect(0, 0, 10, 10), 0, 511).empty());
}

TEST(UISkinImage, DamagedGridsAndCountsStayInsideThePicture)
{
    UISkinImage skin(Image(30, 90, true), true);
    skin.setGrid(4, 22, 4, 5, 20, 5, 2000000000);
    EXPECT_EQ(90, skin.frameCount()) << "the count is capped by the picture's height";

    skin.setGrid(4, 22, 4, 5, 20, 5, 3);
    skin.setGrid(4, 22, 4, 5, 20, 5, 3);
    EXPECT_EQ(3, skin.frames().count()) << "a second grid replaces the records";
    EXPECT_EQ(Rect(4, 65, 22, 20), skin.storedCellRect(2, UISkinImage::kCentre));
    EXPECT_EQ(Rect(), skin.storedCellRect(3, UISkinImage::kCentre));
    EXPECT_EQ(Rect(), skin.cellRect(0, 3)) << "not a single cell";

    // A grid larger than the picture: frame 1 lies below it and draws nothing;
    // frame 0 is clipped to the picture.
    UISkinImage big(Image(10, 10, true), true);
    big.setGrid(8, 8, 8, 8, 8, 8, 2);
    EXPECT_TRUE(drawCalls(big, Rect(0, 0, 24, 24), 1, 511).empty());
    EXPECT_EQ(std::vector<std::string>{"part 0,0 to 0,0 10x10"}, drawCalls(big, Rect(0, 0, 24, 24), 0, 511));

    UISkinImage negative(Image(10, 10, true), true);
    negative.setGrid(2, -50, 2, 2, 3, 2, 1);
    EXPECT_EQ(4, negative.grid().width) << "negative parts count as 0";
}

TEST(UISkinImage, AlignedAndSingleCellDrawing)
{
    const UISkinImage skin = threeFrames();
    CurrentRecorder recorder;
    FakeTarget paintTarget;
    Rect drawn;
    {
        Painter painter(&paintTarget);
        skin.drawAligned(painter, Rect(0, 0, 20, 20), Rect::kAlignHCenter | Rect::kAlignVCenter, 0, &drawn);
        skin.drawCell(painter, Rect(0, 0, 9, 9), 1, UISkinImage::kTopRight);
        skin.drawCell(painter, Rect(0, 0, 0, 9), 1, UISkinImage::kTopRight);
    }
    EXPECT_EQ(Rect(-5, -5, 30, 30), drawn) << "a larger frame stays centred";
    EXPECT_EQ("image 30x90 26,30,4,5 to 0,0,9,9", recorder.device.log[recorder.device.log.size() - 2]);
}
