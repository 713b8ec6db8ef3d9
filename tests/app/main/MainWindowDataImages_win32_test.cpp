// The main window's pictures from the shipped data archive, under test.style
// (whose own skins are flat colours): the tool bar's separators and the size
// grip draw the data images, not the theme's.
#include "app/main/MainWindow.h"
#include "app/view/View.h"
#include "graphics/paint/BitmapSurface.h"
#include "graphics/paint/Painter.h"
#include "model/CollectionModel.h"
#include "model/images/ImageResource.h"
#include "tests/app/ToolWindowTest.h"
#include "tests/support/SurfacePixels.h"
#include "tests/support/TestText.h"
#include "ui/core/theme/UISkinImage.h"
#include "ui/widgets/picture/UIPicture.h"
#include "ui/widgets/toolbar/UISizeGrip.h"
#include "ui/widgets/toolbar/UIToolBar.h"
#include "ui/widgets/window/UIWindow.h"

#include <cstring>

namespace {

class MainWindowDataImages : public ToolWindowTest
{
protected:
    void SetUp() override
    {
        ToolWindowTest::SetUp();
        model = std::make_unique<CollectionModel>(testsupport::text(folder.path()));
        view = std::make_unique<View>(*model);
        view->createMainWindow();
        main = view->mainWindow();
    }
    void TearDown() override
    {
        view.reset();
        model.reset();
    }

    UISizeGrip* sizeGrip() const
    {
        for (UIWidget* widget : main->window()->descendants()) {
            if (auto* grip = dynamic_cast<UISizeGrip*>(widget))
                return grip;
        }
        return nullptr;
    }

    testsupport::TempDir folder;
    std::unique_ptr<CollectionModel> model;
    std::unique_ptr<View> view;
    MainWindow* main = nullptr;
};

bool samePixels(const Image& a, const Image& b)
{
    return a.size() == b.size() && a.bitsPerPixel() == b.bitsPerPixel() && !a.isNull() &&
           std::memcmp(a.bits(), b.bits(), size_t(a.byteSize())) == 0;
}

} // namespace

TEST_F(MainWindowDataImages, TheToolBarsSeparatorsShowTheirPicture)
{
    const Image separator = loadImageResource(String(u"toolbar_separator"));
    ASSERT_FALSE(separator.isNull()) << "not in the data archive";
    int separators = 0;
    for (UIWidget* child : main->toolBar()->children()) {
        auto* picture = dynamic_cast<UIPicture*>(child);
        if (!picture)
            continue;
        ++separators;
        EXPECT_TRUE(samePixels(picture->image(0), separator)) << "separator " << separators;
        EXPECT_EQ(picture->sizeHint(), separator.size()) << "separator " << separators;
    }
    EXPECT_EQ(separators, 3);
}

TEST_F(MainWindowDataImages, TheSizeGripDrawsItsDataImage)
{
    const Image image = loadImageResource(String(u"sizegrip_background"));
    ASSERT_FALSE(image.isNull()) << "not in the data archive";
    UISizeGrip* grip = sizeGrip();
    ASSERT_NE(grip, nullptr);
    grip->resize(image.width(), image.height());
    BitmapSurface drawn(image.width(), image.height());
    fillWhite(drawn);
    {
        Painter painter(&drawn);
        grip->draw(painter);
    }
    UISkinImage skin(image, true);
    skin.setGrid(0, image.width(), 0, 0, image.height(), 0, 1);
    BitmapSurface expected(image.width(), image.height());
    fillWhite(expected);
    {
        Painter painter(&expected);
        skin.draw(painter, image.rect(), 0, UISkinImage::kAllCells);
    }
    int differing = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            differing += rgbDistance(rgbAt(drawn, x, y), rgbAt(expected, x, y)) > 2 ? 1 : 0;
    }
    EXPECT_EQ(differing, 0);
}
