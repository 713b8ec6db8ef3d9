#include "tests/support/UIHarness.h"
#include "tests/ui/views/coverflow/CoverFlowSetup.h"
#include "ui/views/coverflow/D3D9SystemCalls.h"
#include "ui/views/coverflow/UI3d.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ios>

namespace {

using testsupport::UIHarness;

// The real calls, reporting once, when asked to, a device that needs a reset.
class ResettingCalls : public D3D9SystemCalls
{
public:
    Cooperation cooperation() override
    {
        return std::exchange(s_injectNotReset, false) ? kNotReset : D3D9SystemCalls::cooperation();
    }
    static std::unique_ptr<D3D9Calls> make() { return std::make_unique<ResettingCalls>(); }
    static inline bool s_injectNotReset = false;
};

// Direct3D 9 on the software rasterizer: the pixels the widget shows in a real window.
class UI3dPixelsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(UIHarness::start());
        window = UIHarness::openWindow(nullptr, 40, 40, 800, 450);
        widget = new UI3d(window);
        widget->setGeometry(0, 0, 800, 450);
        widget->show();
        widget->setClearColour(Color(255, 50, 41, 31));
    }
    void TearDown() override
    {
        UIHarness::closeWindow(window);
        D3D9Device::setCallsFactory(nullptr);
    }
    // The main window's cover flow with covers of the pictures, drawn.
    CoverFlowScene* coverFlow(const std::vector<Image>& pictures, int selected)
    {
        auto* scene = new CoverFlowScene;
        configureMain(*scene, *widget->camera(), 800, 450);
        for (const Image& picture : pictures)
            scene->addCover(picture)->setTitle(String(u"Cover ") + String::fromInt(scene->count()));
        scene->select(selected);
        scene->relayout();
        widget->addScene(scene);
        frame();
        return scene;
    }
    void frame()
    {
        widget->timerFired(UI3d::kFrameTimerId);
        UIHarness::pump();
    }
    // The pixel showing a point of a cover, across it by a fraction of its width.
    Point project(const CoverNode& node, float across, float up)
    {
        Matrix4 turn = Matrix4::fromQuaternion(Vec4(0, node.rotationY(), 0, node.rotationW()));
        Vec3 point = node.position().add(turn.transformVector(Vec3(across * node.width(), up, 0)));
        Camera& camera = *widget->camera();
        Vec4 clip = camera.viewMatrix().multiply(camera.projectionMatrix()).transform(point);
        return Point(static_cast<int>((clip.x / clip.w + 1) / 2 * 800),
                     static_cast<int>((1 - clip.y / clip.w) / 2 * 450));
    }
    Color pixel(const Point& at) const { return Color(0xFF000000u | UIHarness::screenPixel(widget, at)); }
    // The picture's colour drawn with white darkened by the shade, within 3.
    void expectShaded(const Point& at, const Color& flat, float shade, const char* what)
    {
        int white = Color(0xFFFFFFFF).darker(shade).red();
        Color got = pixel(at);
        int off = std::max({std::abs(got.red() - flat.red() * white / 255),
                            std::abs(got.green() - flat.green() * white / 255),
                            std::abs(got.blue() - flat.blue() * white / 255)});
        EXPECT_LE(off, 3) << what << ": " << std::hex << got.value();
    }

    UIWidget* window = nullptr;
    UI3d* widget = nullptr;
};

TEST_F(UI3dPixelsTest, ClearColourThenThreeCoversShadedWithReflections)
{
    ASSERT_TRUE(widget->initializeDevice());
    frame();
    EXPECT_EQ(pixel(Point(400, 225)), Color(50, 41, 31));

    const Color flats[3] = {Color(200, 30, 30), Color(30, 200, 30), Color(30, 30, 200)};
    CoverFlowScene* scene = coverFlow(
        {flatPicture(200, 300, flats[0]), flatPicture(200, 300, flats[1]), flatPicture(200, 300, flats[2])},
        1);
    Point middle = project(*scene->node(1), 0, 60);
    EXPECT_NEAR(middle.x, 400, 1);
    expectShaded(middle, flats[1], 0, "selected");
    // The side covers on their outer halves, away from the selected one.
    expectShaded(project(*scene->node(0), -0.3f, 60), flats[0], scene->node(0)->shade(), "left");
    expectShaded(project(*scene->node(2), 0.3f, 60), flats[2], scene->node(2)->shade(), "right");
    // Below the floor line the reflection fades into the clear colour.
    int upper = pixel(project(*scene->node(1), 0, -4)).green();
    int lower = pixel(project(*scene->node(1), 0, -50)).green();
    EXPECT_TRUE(flats[1].green() / 2 > upper && upper > lower && lower > 41) << upper << " " << lower;

    EXPECT_EQ(widget->toolTip(middle), String(u"Cover 2"));
    EXPECT_TRUE(widget->toolTip(Point(400, 20)).isEmpty());

    // Pictures without alpha, all transparent or 24-bit, in their colours.
    Image transparent = flatPicture(100, 150, Color(180, 90, 20));
    transparent.setAlpha(0, Rect());
    for (const Image& picture : {transparent, flatPicture(101, 150, Color(180, 90, 20), false)}) {
        delete scene;
        scene = coverFlow({picture}, 0);
        expectShaded(project(*scene->node(0), 0, 60), Color(180, 90, 20), 0,
                     picture.hasAlpha() ? "alpha 0" : "24-bit");
    }
}

TEST_F(UI3dPixelsTest, AResetDrawsAgainASecondWidgetStartsAndWithoutD3d9NoneDoes)
{
    D3D9Device::setCallsFactory(&ResettingCalls::make);
    ASSERT_TRUE(widget->initializeDevice());
    CoverFlowScene* scene = coverFlow({flatPicture(200, 300, Color(30, 200, 30))}, 0);
    ResettingCalls::s_injectNotReset = true;
    widget->setClearColour(Color(255, 90, 10, 160));
    widget->updatePlacement();
    frame();
    EXPECT_FALSE(ResettingCalls::s_injectNotReset);
    EXPECT_EQ(pixel(Point(20, 20)), Color(90, 10, 160));
    // Textures live through a reset.
    expectShaded(project(*scene->node(0), 0, 60), Color(30, 200, 30), 0, "after the reset");

    // A second widget reuses the window class; without d3d9 none starts.
    auto* second = new UI3d(window);
    EXPECT_TRUE(second->initializeDevice());
    delete second;
    D3D9SystemCalls::setLibraryName(u"no-such-d3d9");
    second = new UI3d(window);
    EXPECT_FALSE(second->initializeDevice() || second->isTimerActive(UI3d::kFrameTimerId));
    delete second;
    D3D9SystemCalls::setLibraryName(nullptr);
}

} // namespace
