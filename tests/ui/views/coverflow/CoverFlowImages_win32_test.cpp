// A folder of pictures loaded as covers through the system's decoders: each
// picture that loads becomes a cover named after its file, the rest are
// passed over.
#include "graphics/codecs/ImageCodec.h"
#include "tests/support/RecordingRenderDevice.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/views/coverflow/CoverFlowSetup.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

String pathOf(const std::string& path)
{
    return String(std::u16string(path.begin(), path.end()).c_str());
}

std::string narrow(const char16_t* text)
{
    std::string out;
    for (; *text; ++text)
        out += char(*text);
    return out;
}

} // namespace

TEST(CoverFlowImages, EveryPictureThatLoadsBecomesANamedCover)
{
    ImageCodec::registerAll();
    testsupport::TempDir dir;
    ASSERT_TRUE(flatPicture(300, 200, Color(200, 10, 10)).save(pathOf(dir.file("wide.png")), true));
    ASSERT_TRUE(flatPicture(100, 150, Color(10, 200, 10)).save(pathOf(dir.file("Tall.JPG")), true));
    ASSERT_TRUE(flatPicture(40, 40, Color(10, 10, 200)).save(pathOf(dir.file("square.bmp")), true));
    ASSERT_TRUE(flatPicture(40, 40, Color(10, 10, 200)).save(pathOf(dir.file("other.tif")), true));
    ASSERT_TRUE(testsupport::writeFileBytes(dir.file("broken.png"), std::vector<uint8_t>(200, 0x5A)));

    testsupport::RecordingRenderDevice device;
    CoverFlowScene scene;
    configureMain(scene, *device.camera(), 800, 450);
    EXPECT_EQ(scene.loadImages(pathOf(dir.path()), Size(64, 64)), 3);
    ASSERT_EQ(scene.count(), 3);
    scene.setVisibleWidth(100000.0f);
    scene.select(0);
    scene.relayout();
    for (int frames = 0; scene.needsFrame() && frames < 10; ++frames)
        scene.draw();
    std::set<std::string> names;
    for (int i = 0; i < scene.count(); ++i) {
        ASSERT_NE(scene.node(i)->texture(), nullptr) << i;
        names.insert(narrow(scene.node(i)->texture()->name().text()));
    }
    EXPECT_EQ(names, (std::set<std::string>{"wide.png", "Tall.JPG", "square.bmp"}));
    for (int i = 0; i < scene.count(); ++i) {
        if (narrow(scene.node(i)->texture()->name().text()) == "wide.png") {
            EXPECT_EQ(scene.node(i)->texture()->size(), Size(64, 42)) << "fitted into the size asked";
        }
    }
    EXPECT_EQ(scene.loadImages(pathOf(dir.file("missing")), Size(64, 64)), 0);
    ImageCodec::unregisterAll();
}
