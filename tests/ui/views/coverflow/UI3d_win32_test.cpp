#include "graphics/codecs/ImageCodec.h"
#include "graphics/paint/BitmapSurface.h"
#include "graphics/paint/PaintDevice.h"
#include "tests/support/WidgetFakes.h"
#include "tests/ui/views/coverflow/CoverFlowSetup.h"
#include "ui/views/coverflow/D3D9SystemCalls.h"
#include "ui/views/coverflow/UI3d.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// The real calls, reporting a device that needs a reset once when asked to.
class ResettingCalls : public D3D9SystemCalls
{
public:
    Cooperation cooperation() override
    {
        if (!s_injectNotReset)
            return D3D9SystemCalls::cooperation();
        s_injectNotReset = false;
        return kNotReset;
    }
    static std::unique_ptr<D3D9Calls> make() { return std::make_unique<ResettingCalls>(); }
    static inline bool s_injectNotReset = false;
};

// Direct3D 9 on the software rasterizer: what the widget paints into its
// window's surface, read back pixel by pixel.
class UI3dPixelsTest : public WidgetTest
{
protected:
    static void SetUpTestSuite()
    {
        ImageCodec::registerAll();
        PaintDevice::createDefault();
    }
    static void TearDownTestSuite() { PaintDevice::destroyAll(); }

    void SetUp() override
    {
        WidgetTest::SetUp();
        top->resize(800, 450);
        widget = new UI3d(top);
        widget->setGeometry(0, 0, 800, 450);
        widget->show();
        widget->setPaintTarget(&surface);
        widget->setClearColour(Color(255, 50, 41, 31));
    }
    void TearDown() override
    {
        delete widget;
        D3D9Device::setCallsFactory(nullptr);
        WidgetTest::TearDown();
    }
    // The cover flow of the main window with covers of the given pictures.
    CoverFlowScene* coverFlow(const std::vector<Image>& pictures, int selected)
    {
        configureMainCamera(*widget->camera(), 800, 450);
        auto* scene = new CoverFlowScene;
        configureMainScene(*scene);
        for (const Image& picture : pictures)
            scene->addCover(picture)->setTitle(String(u"Cover ") + String::fromInt(scene->count()));
        scene->select(selected);
        scene->relayout();
        widget->addScene(scene);
        return scene;
    }
    void frame() { widget->timerFired(UI3d::kFrameTimerId); }
    // The pixel where the camera shows a point of the scene.
    Point project(const Vec3& point)
    {
        Camera& camera = *widget->camera();
        Vec4 clip = camera.viewMatrix().multiply(camera.projectionMatrix()).transform(point);
        float x = (clip.x / clip.w + 1) / 2 * 800;
        float y = (1 - clip.y / clip.w) / 2 * 450;
        return Point(static_cast<int>(x), static_cast<int>(y));
    }
    Color pixel(const Point& at) const
    {
        const uint8_t* p = surface.bits() + (static_cast<size_t>(at.y) * 800 + at.x) * 4;
        return Color(p[2], p[1], p[0]);
    }
    // A channel of a texture drawn with white darkened by the shade.
    static int shaded(int channel, float shade)
    {
        int white = Color(0xFFFFFFFF).darker(shade).red();
        return channel * white / 255;
    }
    static void expectColour(const Color& got, int r, int g, int b, const char* what)
    {
        EXPECT_NEAR(got.red(), r, 3) << what;
        EXPECT_NEAR(got.green(), g, 3) << what;
        EXPECT_NEAR(got.blue(), b, 3) << what;
    }

    BitmapSurface surface{800, 450};
    UI3d* widget = nullptr;
};

TEST_F(UI3dPixelsTest, ClearColourThenThreeCoversShadedWithReflections)
{
    ASSERT_TRUE(widget->initializeDevice());
    frame();
    expectColour(pixel(Point(400, 225)), 50, 41, 31, "clear colour");

    CoverFlowScene* scene =
        coverFlow({flatPicture(200, 300, Color(200, 30, 30)), flatPicture(200, 300, Color(30, 200, 30)),
                   flatPicture(200, 300, Color(30, 30, 200))},
                  1);
    frame();
    // With REELSTACK_SHOTS naming a folder, the frame is kept there (Unix
    // paths are on drive Z: under Wine).
    if (const char* shots = std::getenv("REELSTACK_SHOTS")) {
        std::string path = std::string(shots[0] == '/' ? "Z:" : "") + shots + "/coverflow.png";
        EXPECT_TRUE(
            surface.toImage(false).save(String::fromUtf8(path.data(), static_cast<int>(path.size())), true));
    }
    const CoverNode& selected = *scene->node(1);
    Point middle = project(selected.position().add(Vec3(0, 60, 0)));
    EXPECT_NEAR(middle.x, 400, 1);
    expectColour(pixel(middle), shaded(30, 0), shaded(200, 0), shaded(30, 0), "selected");
    for (int side : {0, 2}) {
        const CoverNode& node = *scene->node(side);
        // The outer half of a side cover, away from the selected one.
        Matrix4 turn = Matrix4::fromQuaternion(Vec4(0, node.rotationY(), 0, node.rotationW()));
        float across = side == 0 ? -0.3f : 0.3f;
        Vec3 point = node.position().add(turn.transformVector(Vec3(across * node.width(), 60, 0)));
        int r = side == 0 ? 200 : 30;
        int b = side == 0 ? 30 : 200;
        float shade = node.shade();
        expectColour(pixel(project(point)), shaded(r, shade), shaded(30, shade), shaded(b, shade), "side");
    }
    // Below the floor line the selected cover's reflection fades into the
    // clear colour.
    Color upper = pixel(project(selected.position().add(Vec3(0, -4, 0))));
    Color lower = pixel(project(selected.position().add(Vec3(0, -50, 0))));
    EXPECT_GT(upper.green(), lower.green());
    EXPECT_GT(lower.green(), 41);
    EXPECT_LT(upper.green(), shaded(200, 0) / 2);

    // The tool tip names the cover under the pointer.
    EXPECT_EQ(widget->toolTip(middle), String(u"Cover 2"));
    EXPECT_TRUE(widget->toolTip(Point(400, 20)).isEmpty());
}

TEST_F(UI3dPixelsTest, PicturesWithoutAlphaShowTheirColours)
{
    ASSERT_TRUE(widget->initializeDevice());
    Image transparent = flatPicture(100, 150, Color(180, 90, 20));
    transparent.setAlpha(0, Rect());
    struct Case
    {
        const char* name;
        Image picture;
    } cases[] = {{"alpha 0 everywhere", transparent},
                 {"24-bit", flatPicture(101, 150, Color(180, 90, 20), false)}};
    for (const Case& c : cases) {
        CoverFlowScene* scene = coverFlow({c.picture}, 0);
        frame();
        Point middle = project(scene->node(0)->position().add(Vec3(0, 60, 0)));
        expectColour(pixel(middle), shaded(180, 0), shaded(90, 0), shaded(20, 0), c.name);
        delete scene;
    }
}

TEST_F(UI3dPixelsTest, ADeviceThatNeedsAResetIsResetAndDrawsAgain)
{
    D3D9Device::setCallsFactory(&ResettingCalls::make);
    ASSERT_TRUE(widget->initializeDevice());
    coverFlow({flatPicture(200, 300, Color(30, 200, 30))}, 0);
    frame();
    ResettingCalls::s_injectNotReset = true;
    widget->setClearColour(Color(255, 90, 10, 160));
    widget->updatePlacement();
    frame();
    EXPECT_FALSE(ResettingCalls::s_injectNotReset);
    expectColour(pixel(Point(20, 20)), 90, 10, 160, "cleared after the reset");
    // Textures live through a reset.
    Point middle = project(Vec3(0, 60, -100));
    expectColour(pixel(middle), shaded(30, 0), shaded(200, 0), shaded(30, 0), "cover after the reset");
}

TEST_F(UI3dPixelsTest, ASecondWidgetReusesTheWindowClassAndWithoutD3d9NothingRuns)
{
    ASSERT_TRUE(widget->initializeDevice());
    auto* second = new UI3d(top);
    EXPECT_TRUE(second->initializeDevice());
    delete second;

    D3D9SystemCalls::setLibraryName(u"no-such-d3d9");
    auto* without = new UI3d(top);
    EXPECT_FALSE(without->initializeDevice());
    EXPECT_FALSE(without->isTimerActive(UI3d::kFrameTimerId));
    delete without;
    D3D9SystemCalls::setLibraryName(nullptr);
}

} // namespace
