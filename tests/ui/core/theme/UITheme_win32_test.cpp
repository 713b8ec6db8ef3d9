#include "graphics/codecs/ImageCodec.h"
#include "graphics/paint/BitmapSurface.h"
#include "tests/support/GdiTest.h"
#include "graphics/paint/Painter.h"
#include "tests/support/SurfacePixels.h"
#include "tests/ui/core/theme/GeneratedSkins.h"
#include "tools/skingen/TestSkinColors.h"
#include "ui/core/theme/UITheme.h"

#include <gtest/gtest.h>

using namespace generatedskins;

namespace {

// The skins as the program loads them: GDI+ decodes the pictures and the
// GDI device paints.
class GeneratedSkinsOnWindows : public testsupport::GdiTest
{
};

} // namespace

// Every picture decodes; in test.style every frame is its own flat colour.
TEST_F(GeneratedSkinsOnWindows, BothSkinsLoadWithEveryPicture)
{
    for (const char* file : {"white.style", "test.style"}) {
        UITheme theme;
        ASSERT_TRUE(theme.loadFromPath(skinPath(file))) << skinFile(file);
        for (int id = 0; id < UITheme::kImageCount; ++id)
            EXPECT_TRUE(theme.image(id).isPremultiplied()) << file << " image " << id;
        for (const UITheme::SkinEntry& entry : theme.skins()) {
            const UISkinImage& skin = entry.skin;
            ASSERT_EQ(skin.grid().height * skin.frameCount(), skin.image().height()) << file;
            ASSERT_EQ(skin.grid().width, skin.image().width()) << file;
            for (int frame = 0; file[0] == 't' && frame < skin.frameCount(); ++frame) {
                const Rect r = skin.frameRect(frame);
                int wrong = 0;
                for (int y = r.y; y < r.y + r.height; ++y) {
                    for (int x = r.x; x < r.x + r.width; ++x)
                        wrong += skin.image().pixel(x, y) != testSkinFrameColor(entry.name, frame);
                }
                EXPECT_EQ(0, wrong) << "frame " << frame << " of skin " << entry.name.length();
            }
        }
    }
}

TEST_F(GeneratedSkinsOnWindows, NineSliceFramesReadBackFromASurface)
{
    UITheme theme;
    ASSERT_TRUE(theme.loadFromPath(skinPath("test.style")));
    const String name(u"UIButton_Background");
    const UISkinImage& skin = theme.skinImage(name);
    struct Case
    {
        Rect target;
        int frame;
        uint32_t mask;
    };
    const Case cases[] = {{Rect(0, 0, 60, 40), 2, UISkinImage::kAllCells},
                          {Rect(5, 3, 24, 24), 1, UISkinImage::kCentre},
                          {Rect(10, 10, 41, 17), 3, UISkinImage::kAllCells},
                          {Rect(0, 0, 60, 40), 0, UISkinImage::kCentre}};
    for (const Case& c : cases) {
        BitmapSurface surface(64, 48);
        fillWhite(surface);
        {
            Painter painter(&surface);
            skin.draw(painter, c.target, c.frame, c.mask);
        }
        const uint32_t expected = testSkinFrameColor(name, c.frame).value() & 0x00FFFFFFu;
        const Rect& t = c.target;
        for (const Point& p : {Point(t.x, t.y), Point(t.x + t.width - 1, t.y + t.height - 1),
                               Point(t.x + t.width / 2, t.y), Point(t.x + t.width / 2, t.y + t.height / 2)})
            EXPECT_LE(rgbDistance(expected, rgbAt(surface, p.x, p.y)), 2)
                << "frame " << c.frame << " at " << p.x << "," << p.y;
        EXPECT_EQ(0xFFFFFFu, rgbAt(surface, t.x + t.width, t.y + t.height)) << "nothing outside the target";
    }
}
