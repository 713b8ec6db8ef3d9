#include "tests/support/RecordingRenderDevice.h"
#include "tests/ui/views/coverflow/CoverFlowSetup.h"
#include "ui/views/coverflow/CoverPixels.h"
#include "ui/views/coverflow/CoverSource.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

using testsupport::RecordingRenderDevice;
using Strings = std::vector<std::string>;

namespace {

// Records what a signal carries; may delete the scene from inside the slot.
class SignalLog : public SignalReceiver
{
public:
    void onValue(intptr_t value)
    {
        values.push_back(static_cast<int>(value));
        delete std::exchange(deleteOnSignal, nullptr);
    }
    std::vector<int> values;
    CoverFlowScene* deleteOnSignal = nullptr;
};

// Also the scene's source: a 3 x 4 picture a cover, remembering who asked.
class CoverFlowSceneTest : public ::testing::Test, public CoverSource
{
protected:
    Image coverImage(const CoverNode& node) override
    {
        asked.insert(node.id());
        return flatPicture(3, 4, Color(200, 10, 10));
    }
    void SetUp() override { configureMain(scene, *device.camera(), 800, 450); }
    void fill(int covers, const Image& picture = flatPicture(300, 200, Color(10, 200, 10)))
    {
        for (int i = 0; i < covers; ++i)
            scene.addCover(picture)->setId(i);
    }
    // Ticks until the animation ends; the number of ticks it took.
    int settle()
    {
        int ticks = 0;
        for (; scene.isAnimating() && ticks < 1000; ++ticks)
            scene.tick(24);
        return ticks;
    }
    // The point of a cover at half its height, across times its width from
    // its anchor (negative to its left as it faces the camera).
    Vec3 pointOn(int index, float across)
    {
        const CoverNode& node = *scene.node(index);
        Matrix4 turn = Matrix4::fromQuaternion(Vec4(0, node.rotationY(), 0, node.rotationW()));
        Vec3 local(across * node.width() * node.scale(), node.height() * node.scale() / 2, 0);
        return node.position().add(turn.transformVector(local));
    }
    // The ray through a cover at half its height, on its side toward the
    // selection: at the sides an outer cover, turned toward the camera,
    // stands in front of the outer side of its inner neighbour.
    Ray rayAt(int index)
    {
        float across = index < scene.selectedIndex() ? 0.35f : index > scene.selectedIndex() ? -0.35f : 0.0f;
        Vec3 eye = device.camera()->eye();
        return Ray(eye, pointOn(index, across).subtract(eye).normalize());
    }
    // The camera's pick ray of the pixel a click on that point of the cover
    // lands on.
    Ray clickAt(int index, float across)
    {
        Camera& camera = *device.camera();
        Vec4 clip = camera.viewMatrix().multiply(camera.projectionMatrix()).transform(pointOn(index, across));
        float x = std::round((clip.x / clip.w + 1.0f) / 2.0f * static_cast<float>(camera.viewportWidth()));
        float y = std::round((1.0f - clip.y / clip.w) / 2.0f * static_cast<float>(camera.viewportHeight()));
        return camera.pickRay(x, y);
    }
    // Where each cover ("c") and reflection ("r") stands, in order; depth as "off" and "on".
    Strings drawLog()
    {
        Strings log;
        const Matrix4* world = nullptr;
        for (const auto& call : device.calls()) {
            world = call.kind == RecordingRenderDevice::kWorld ? &call.world : world;
            if (call.kind == RecordingRenderDevice::kDepthTest)
                log.push_back(call.on ? "on" : "off");
            if (call.kind != RecordingRenderDevice::kSubmit)
                continue;
            bool reflection = (call.vertices[0].color >> 24) != 0xFF;
            // The anchor: bottom centre of a cover, top centre of a reflection.
            const SceneVertex& a = call.vertices[reflection ? 0 : 3];
            const SceneVertex& b = call.vertices[reflection ? 1 : 2];
            float x = world->transformPoint(Vec3((a.x + b.x) / 2, (a.y + b.y) / 2, 0)).x;
            log.push_back((reflection ? "r" : "c") + std::to_string(std::lround(x)));
        }
        return log;
    }

    RecordingRenderDevice device;
    CoverFlowScene scene;
    std::set<int> asked;
};

TEST_F(CoverFlowSceneTest, LayoutShadesFittingAndEasingOfTheMainWindowValues)
{
    fill(5);
    scene.select(2);
    scene.relayout();
    const float turn = std::sin(0.7853982f / 2);
    // Index, x, z, scale, rotation's y, shade ((128 / 550)^2 * 0.87 + 0.03 beside the selection).
    const float rows[5][6] = {{1, -128, 0, 1, turn, 0.077121f},
                              {0, -153, 0, 1, turn, 0.097325f},
                              {2, 0, -100, 1.1f, 0, 0},
                              {3, 128, 0, 1, -turn, 0.077121f},
                              {4, 153, 0, 1, -turn, 0.097325f}};
    for (const auto& row : rows) {
        const CoverNode& node = *scene.node(static_cast<int>(row[0]));
        const float got[5] = {node.position().x, node.position().z, node.scale(), node.rotationY(),
                              node.shade()};
        for (int i = 0; i < 5; ++i)
            EXPECT_NEAR(got[i], row[i + 1], 1e-5) << "cover " << row[0] << " value " << i;
    }
    EXPECT_TRUE(std::fabs(scene.shadeAt(Vec3(550, 0, 0)) - 0.9f) < 1e-6 &&
                std::fabs(scene.shadeAt(Vec3()) - 0.03f) < 1e-6);

    const Size fits[][2] = {
        {{300, 200}, {128, 85}}, {{200, 300}, {85, 128}}, {{0, 0}, {128, 128}}, {{1000, 1}, {128, 1}}};
    for (const auto& fit : fits)
        EXPECT_EQ(CoverPixels::fitted(fit[0], Size(128, 128)), fit[1]) << fit[0].width;
    EXPECT_TRUE(std::fabs(CoverFlowScene::ease(0.25f) - 0.49f) < 1e-6 &&
                std::fabs(CoverFlowScene::ease(0.75f) - 0.99f) < 1e-6);

    // Textures take straight pixels; 24-bit and all-transparent pictures are
    // checked by their pixels on the real device.
    Image premultiplied = flatPicture(2, 2, Color(128, 100, 50, 20));
    premultiplied.setPremultiplied(true);
    Image straightened = CoverPixels::prepare(premultiplied);
    Color pixel = straightened.pixel(1, 1);
    EXPECT_TRUE(!straightened.isPremultiplied() && pixel.alpha() == 128 && std::abs(pixel.red() - 100) <= 1);
    Image straight = flatPicture(2, 2, Color(200, 1, 2, 3));
    EXPECT_EQ(CoverPixels::prepare(straight).bits(), straight.bits());
    EXPECT_EQ(CoverPixels::prepare(flatPicture(3, 2, Color(1, 2, 3), false)).pixel(2, 1), Color(1, 2, 3));
    EXPECT_TRUE(CoverPixels::prepare(Image()).isNull());
}

TEST_F(CoverFlowSceneTest, EmptySceneSelectionEdgesTheEndOfAnAnimationAndSlotsDeletingTheScene)
{
    SignalLog selections, finished, log;
    scene.selectionChanged.connectWithArg(&selections, &SignalLog::onValue);
    scene.animationFinished.connectWithArg(&finished, &SignalLog::onValue);
    EXPECT_EQ(scene.pickNode(Ray(Vec3(0, 60, -400), Vec3(0, 0, 1))), nullptr);
    scene.draw();
    scene.selectNext();
    scene.restartAnimation();
    EXPECT_TRUE(device.calls().empty());
    EXPECT_FALSE(scene.isAnimating() || scene.selectedIndex() != -1);

    fill(3);
    settle();
    scene.selectNext();
    EXPECT_EQ(settle(), 21);
    EXPECT_EQ(finished.values, (std::vector<int>{2, 2}));
    scene.selectPrevious();
    EXPECT_FALSE(scene.select(3) || scene.select(-2) || scene.select(0));
    EXPECT_TRUE(scene.select(-1));
    EXPECT_EQ(scene.animationKind(), CoverFlowScene::kSelectionAnimation);
    EXPECT_EQ(selections.values, (std::vector<int>{0, -1}));

    // A slot deletes the scene at the end of an animation, then while it
    // announces the end of the selection as it is cleared.
    auto* doomed = new CoverFlowScene;
    log.deleteOnSignal = doomed;
    doomed->animationFinished.connectWithArg(&log, &SignalLog::onValue);
    doomed->addCover(Image());
    for (int ticks = 0; log.deleteOnSignal && ticks < 100; ++ticks)
        doomed->tick(24);
    EXPECT_EQ(log.values, std::vector<int>{CoverFlowScene::kSelectionAnimation});
    doomed = new CoverFlowScene;
    doomed->selectionChanged.connectWithArg(&log, &SignalLog::onValue);
    doomed->addCover(Image());
    doomed->select(0);
    log.deleteOnSignal = doomed;
    doomed->clear();
    EXPECT_TRUE(log.deleteOnSignal == nullptr && log.values.back() == -1);
}

TEST_F(CoverFlowSceneTest, AddingDefersTheLayoutToTheNextUse)
{
    using Trigger = void (*)(CoverFlowScene&);
    Trigger triggers[] = {[](CoverFlowScene& s) { s.tick(24); }, [](CoverFlowScene& s) { s.draw(); },
                          [](CoverFlowScene& s) { s.pickNode(Ray(Vec3(0, 60, -400), Vec3(0, 0, 1))); },
                          [](CoverFlowScene& s) { s.select(0); }};
    for (Trigger trigger : triggers) {
        scene.clear();
        fill(3);
        EXPECT_FLOAT_EQ(scene.node(2)->targetPosition().x, 0.0f);
        trigger(scene);
        // Second to the right of the selection, or third from the left end.
        EXPECT_FLOAT_EQ(scene.node(2)->targetPosition().x, scene.selectedIndex() == 0 ? 153.0f : -78.0f);
    }
}

TEST_F(CoverFlowSceneTest, DrawOrderReflectionsAndHoveredLast)
{
    fill(5);
    scene.select(2);
    settle();
    scene.updateHover(rayAt(4), false);
    ASSERT_EQ(scene.hoveredNode(), scene.node(4));
    device.clear();
    scene.draw();
    EXPECT_EQ(drawLog(), (Strings{"r-128", "r-153", "r0", "r128", "r153", "c-153", "c-128", "c0", "c128",
                                  "off", "c153", "on"}));

    // The selected cover's reflection: the bottom 60 units of the picture,
    // mirrored, hanging from 1.2 below the floor and fading out downward.
    const auto& reflection = *device.callsOf(RecordingRenderDevice::kSubmit)[2];
    EXPECT_TRUE(reflection.vertices[0].v == 1 && reflection.vertices[2].v == 1 - 60.0f / 85.0f);
    EXPECT_TRUE(reflection.vertices[1].color == Color(0x55FFFFFF).darker(0).value() &&
                reflection.vertices[2].color == Color(0x00FFFFFF).darker(0).value());
    const Matrix4& world = device.callsOf(RecordingRenderDevice::kWorld)[2]->world;
    EXPECT_NEAR(world.transformPoint(Vec3(0, 60, 0)).y, -1.2f, 1e-4);
}

TEST_F(CoverFlowSceneTest, PickingAndHoverShades)
{
    fill(5);
    scene.select(2);
    settle();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(scene.pickNode(rayAt(i)), scene.node(i)) << i;

    // From 3 to 1: 3 gets its shade back, 1 is lit, in one hover animation
    // each; hovering the selected cover leaves it lit; a click selects.
    float shadeOfThree = scene.node(3)->shade();
    scene.updateHover(rayAt(3), false);
    EXPECT_EQ(scene.animationKind(), CoverFlowScene::kHoverAnimation);
    settle();
    EXPECT_FLOAT_EQ(scene.node(3)->shade(), 0.0f);
    scene.updateHover(rayAt(1), false);
    settle();
    EXPECT_FLOAT_EQ(scene.node(3)->shade(), shadeOfThree);
    EXPECT_FLOAT_EQ(scene.node(1)->shade(), 0.0f);
    scene.updateHover(rayAt(2), true);
    settle();
    EXPECT_FLOAT_EQ(scene.node(2)->shade(), 0.0f);
}

// A click picks the cover drawn under it. Where two side covers overlap the
// outer one stands nearer the camera and hides its neighbour; the hovered
// cover is drawn over everything, so where it is hit it wins.
TEST_F(CoverFlowSceneTest, AClickPicksTheCoverDrawnWhereCoversOverlap)
{
    fill(5);
    scene.select(2);
    settle();
    // Per cover, a point that no other cover hides.
    const float clear[5] = {-0.45f, 0.35f, 0.0f, -0.35f, 0.45f};
    const struct
    {
        int cover;
        float across;
        int hovered;
        int picked;
    } rows[] = {
        {0, -0.45f, -1, 0},
        {1, 0.35f, -1, 1},
        {2, 0.0f, -1, 2},
        {3, -0.35f, -1, 3},
        {4, 0.45f, -1, 4},
        // Overlaps, seen through either cover.
        {1, -0.3f, -1, 0},
        {0, 0.3f, -1, 0},
        {3, 0.3f, -1, 4},
        {4, -0.3f, -1, 4},
        // The same overlaps with the hidden cover hovered, and so on top.
        {1, -0.3f, 1, 1},
        {0, 0.3f, 1, 1},
        {3, 0.3f, 3, 3},
        {4, -0.3f, 3, 3},
        // A hovered cover that the ray misses takes nothing from the others.
        {1, -0.3f, 4, 0},
        {3, 0.3f, 0, 4},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE("cover " + std::to_string(row.cover) + " at " + std::to_string(row.across) +
                     ", hovered " + std::to_string(row.hovered));
        scene.updateHover(Ray(device.camera()->eye(), Vec3(0, 1, 0)), false);
        ASSERT_EQ(scene.hoveredNode(), nullptr);
        if (row.hovered >= 0) {
            scene.updateHover(clickAt(row.hovered, clear[row.hovered]), false);
            ASSERT_EQ(scene.hoveredNode(), scene.node(row.hovered));
        }
        EXPECT_EQ(scene.indexOf(scene.pickNode(clickAt(row.cover, row.across))), row.picked);
    }
}

TEST_F(CoverFlowSceneTest, CoversOutsideTheFrustumAreNeitherDrawnNorPicked)
{
    fill(200);
    scene.setVisibleWidth(100000.0f);
    scene.select(100);
    scene.relayout();
    device.clear();
    scene.draw();
    size_t drawn = device.callsOf(RecordingRenderDevice::kSubmit).size();
    EXPECT_TRUE(drawn > 10 && drawn < 100) << drawn;
    // Far along the row, in the ray's way, but out of view.
    EXPECT_EQ(scene.pickNode(rayAt(199)), nullptr);
}

TEST_F(CoverFlowSceneTest, TexturesOnlyNearTheViewFewAFrameBoundedAlive)
{
    scene.setSource(this);
    fill(10000, Image());
    scene.select(5000);
    settle();
    auto drawUntilIdle = [&]() {
        for (int frames = 0; scene.needsFrame() && frames < 100; ++frames) {
            device.clear();
            scene.draw();
            EXPECT_LE(device.callsOf(RecordingRenderDevice::kTexture).size(), 8u);
            EXPECT_LE(device.liveTextures(), CoverFlowScene::kMaxTextures);
        }
        EXPECT_FALSE(scene.needsFrame());
        EXPECT_EQ(device.liveTextures(), scene.textureCount());
    };
    drawUntilIdle();
    for (int i = 0; i < scene.count(); ++i) {
        float d = scene.node(i)->position().length();
        EXPECT_TRUE(d >= 550.0f || scene.node(i)->texture()) << i;
        EXPECT_TRUE(d <= 550.0f + 12 * 25.0f || !asked.count(i)) << i;
    }
    // Refitted to the source's 3 x 4 picture.
    EXPECT_EQ(scene.node(5000)->width(), 96);

    scene.select(0);
    settle();
    drawUntilIdle();
    EXPECT_TRUE(!scene.node(5000)->texture() && scene.node(0)->texture());
    // A view wider than the textures allowed: the nearest covers get them.
    scene.setVisibleWidth(20000.0f);
    scene.relayout();
    drawUntilIdle();
    EXPECT_EQ(device.liveTextures(), CoverFlowScene::kMaxTextures);
    EXPECT_TRUE(scene.node(60)->texture() && !scene.node(200)->texture());
    scene.clear();
    EXPECT_EQ(device.liveTextures(), 0);
}

} // namespace

namespace {

TEST_F(CoverFlowSceneTest, AnchorsAndSelectionByTexture)
{
    fill(5);
    scene.select(2);
    settle();
    // A ray a quarter of the selected cover's height below its position:
    // under the floor while covers stand on their bottom edge, inside the
    // cover once they hang on their centre.
    const CoverNode& selected = *scene.node(2);
    const Vec3 eye = device.camera()->eye();
    const Vec3 low = selected.position().add(Vec3(0, -selected.height() * selected.scale() / 4, 0));
    const Ray ray(eye, low.subtract(eye).normalize());
    EXPECT_EQ(scene.pickNode(ray), nullptr);
    scene.setAnchorAll(QuadNode::kCentre);
    EXPECT_EQ(scene.pickNode(ray), scene.node(2));
    scene.setAnchorAll(99);
    EXPECT_EQ(scene.anchor(), QuadNode::kCentre) << "an unknown anchor changes nothing";

    for (int frames = 0; scene.needsFrame() && frames < 10; ++frames)
        scene.draw();
    ASSERT_NE(scene.node(3)->texture(), nullptr);
    scene.selectByTexture(scene.node(3)->texture());
    EXPECT_EQ(scene.selectedIndex(), 3);
    scene.selectByTexture(nullptr);
    EXPECT_EQ(scene.selectedIndex(), 3);
}

} // namespace
