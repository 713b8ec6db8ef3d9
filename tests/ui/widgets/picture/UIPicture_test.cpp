#include "tests/support/WidgetFakes.h"
#include "ui/widgets/picture/UIPicture.h"

#include <vector>

using PictureTest = WidgetTest;

TEST_F(PictureTest, AutoSizeOnlyGrowsAndWithoutIt32By32)
{
    struct Case
    {
        const char* name;
        bool autoSize;
        std::vector<Size> images;
        bool clear;
        Size minimum, expected;
    };
    const Case cases[] = {
        {"no image", true, {}, false, Size(), Size(1, 1)},
        {"100x80 then 40x40 keeps the larger",
         true,
         {Size(100, 80), Size(40, 40)},
         false,
         Size(),
         Size(100, 80)},
        {"each side from the largest image",
         true,
         {Size(100, 10), Size(10, 90)},
         false,
         Size(),
         Size(100, 90)},
        {"cleared images keep the auto size", true, {Size(60, 50)}, true, Size(), Size(60, 50)},
        {"without auto size", false, {Size(60, 50)}, false, Size(), Size(32, 32)},
        {"without auto size, a larger minimum", false, {}, false, Size(50, 10), Size(50, 32)},
    };
    for (const Case& c : cases) {
        UIPicture picture(top);
        picture.setAutoSize(c.autoSize);
        if (c.minimum.width > 0)
            picture.setMinimumSize(c.minimum.width, c.minimum.height);
        for (const Size& size : c.images)
            picture.addImage(Image(size.width, size.height, true), 0, 5);
        if (c.clear)
            picture.clearImages();
        EXPECT_EQ(c.expected, picture.sizeHint()) << c.name;
    }
}

TEST_F(PictureTest, IndicesPastTheEndGiveNothingAndChangeNothing)
{
    UIPicture picture(top);
    picture.addImage(Image(10, 10, true), 0, 5);
    for (int index : {1, 5, -1}) {
        picture.setImageVisible(index, false);
        picture.replaceImage(index, Image(3, 3, true), 1, 48);
        EXPECT_TRUE(picture.image(index).isNull()) << index;
        EXPECT_EQ(Rect(), picture.imageRect(index)) << index;
    }
    EXPECT_EQ(1, picture.imageCount());
    EXPECT_EQ(10, picture.image(0).width());
}
