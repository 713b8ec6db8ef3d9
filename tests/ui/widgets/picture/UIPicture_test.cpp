#include "tests/support/WidgetFakes.h"
#include "ui/widgets/picture/UIPicture.h"

#include <functional>

class PictureTest : public WidgetTest
{
};

TEST_F(PictureTest, AutoSizeOnlyGrowsAndWithoutIt32By32)
{
    struct Case
    {
        const char* name;
        std::function<void(UIPicture*)> act;
        Size expected;
    };
    const Case cases[] = {
        {"no image", [](UIPicture*) {}, Size(1, 1)},
        {"100x80 then 40x40 keeps the larger",
         [](UIPicture* p) {
             p->setImage(Image(100, 80, true), 0, 5);
             p->setImage(Image(40, 40, true), 0, 5);
         },
         Size(100, 80)},
        {"each side from the largest image",
         [](UIPicture* p) {
             p->addImage(Image(100, 10, true), 0, 5);
             p->addImage(Image(10, 90, true), 0, 5);
         },
         Size(100, 90)},
        {"cleared images keep the auto size",
         [](UIPicture* p) {
             p->setImage(Image(60, 50, true), 0, 5);
             p->clearImages();
         },
         Size(60, 50)},
        {"without auto size", [](UIPicture* p) { p->setAutoSize(false); }, Size(32, 32)},
        {"without auto size, a larger minimum",
         [](UIPicture* p) {
             p->setAutoSize(false);
             p->setMinimumSize(50, 10);
         },
         Size(50, 32)},
    };
    for (const Case& c : cases) {
        UIPicture picture(top);
        c.act(&picture);
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
