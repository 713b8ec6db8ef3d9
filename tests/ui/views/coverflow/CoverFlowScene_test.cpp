#include "tests/support/RecordingRenderDevice.h"
#include "tests/ui/views/coverflow/CoverFlowSetup.h"
#include "ui/views/coverflow/CoverPixels.h"
#include "ui/views/coverflow/CoverSource.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

using testsupport::RecordingRenderDevice;

namespace {

// Records the values a signal carries; optionally deletes the scene from
// inside the slot, as a window closing on a selection would.
class SignalLog : public SignalReceiver
{
public:
    void onValue(intptr_t value)
    {
        values.push_back(static_cast<int>(value));
        if (deleteOnSignal) {
            delete deleteOnSignal;
            deleteOnSignal = nullptr;
        }
    }
    std::vector<int> values;
    CoverFlowScene* deleteOnSignal = nullptr;
};

// Gives every cover a small picture and counts the covers asked for.
class CountingSource : public CoverSource
{
public:
    Image coverImage(const CoverNode& node) override
    {
        asked.insert(node.id());
        return flatPicture(3, 4, Color(200, 10, 10));
    }
    std::set<int> asked;
};

class CoverFlowSceneTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        configureMainScene(scene);
        configureMainCamera(*device.camera(), 800, 450);
    }
    void fill(int covers, bool withPictures = true)
    {
        for (int i = 0; i < covers; ++i) {
            CoverNode* node =
                scene.addCover(withPictures ? flatPicture(300, 200, Color(10, 200, 10)) : Image());
            node->setId(i);
            node->setTitle(String(u"Movie ") + String::fromInt(i));
        }
    }
    // Ticks until the animation ends; the number of ticks it took.
    int settle()
    {
        int ticks = 0;
        while (scene.isAnimating() && ticks < 1000) {
            scene.tick(24);
            ++ticks;
        }
        return ticks;
    }
    // The ray from the camera through a cover at half its height, where it
    // shows beside its nearer neighbour.
    Ray rayAt(const CoverNode& node)
    {
        int index = scene.indexOf(&node);
        float fraction = index < scene.selectedIndex()   ? -0.45f
                         : index > scene.selectedIndex() ? 0.45f
                                                         : 0.0f;
        Matrix4 turn = Matrix4::fromQuaternion(Vec4(0, node.rotationY(), 0, node.rotationW()));
        Vec3 local(fraction * node.width() * node.scale(), node.height() * node.scale() / 2, 0);
        Vec3 point = node.position().add(turn.transformVector(local));
        Vec3 eye = device.camera()->eye();
        return Ray(eye, point.subtract(eye).normalize());
    }
    // Where each cover ("c") and reflection ("r", by its alpha) submitted
    // stands on the floor, in order; depth switches as "off" and "on".
    std::vector<std::string> drawLog()
    {
        std::vector<std::string> log;
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
            Vec3 anchor((a.x + b.x) / 2, (a.y + b.y) / 2, 0);
            int x = static_cast<int>(std::lround(world->transformPoint(anchor).x));
            log.push_back((reflection ? "r" : "c") + std::to_string(x));
        }
        return log;
    }

    RecordingRenderDevice device;
    CoverFlowScene scene;
};

TEST_F(CoverFlowSceneTest, LayoutShadesAndFittingOfTheMainWindowValues)
{
    fill(5);
    scene.select(2);
    scene.relayout();
    const float turn = std::sin(0.7853982f / 2);
    struct Row
    {
        int index;
        float x, z, scale, rotY;
    } rows[] = {{1, -128, 0, 1, turn},
                {0, -153, 0, 1, turn},
                {2, 0, -100, 1.1f, 0},
                {3, 128, 0, 1, -turn},
                {4, 153, 0, 1, -turn}};
    for (const Row& row : rows) {
        const CoverNode* node = scene.node(row.index);
        EXPECT_FLOAT_EQ(node->position().x, row.x) << row.index;
        EXPECT_FLOAT_EQ(node->position().z, row.z) << row.index;
        EXPECT_FLOAT_EQ(node->scale(), row.scale) << row.index;
        EXPECT_NEAR(node->rotationY(), row.rotY, 1e-6) << row.index;
    }
    EXPECT_FLOAT_EQ(scene.node(2)->shade(), 0.0f);
    EXPECT_NEAR(scene.shadeAt(Vec3(550, 0, 0)), 0.9f, 1e-6);
    EXPECT_NEAR(scene.shadeAt(Vec3(0, 0, 0)), 0.03f, 1e-6);
    // (128 / 550)^2 * 0.87 + 0.03
    EXPECT_NEAR(scene.node(1)->shade(), 0.077121f, 1e-5);

    struct Fit
    {
        Size picture, quad;
    } fits[] = {{{300, 200}, {128, 85}},
                {{200, 300}, {85, 128}},
                {{0, 0}, {128, 128}},
                {{1000, 1}, {128, 1}},
                {{64, 64}, {128, 128}}};
    for (const Fit& fit : fits)
        EXPECT_EQ(CoverPixels::fitted(fit.picture, Size(128, 128)), fit.quad) << fit.picture.width;

    EXPECT_NEAR(CoverFlowScene::ease(0.25f), 0.49f, 1e-6);
    EXPECT_NEAR(CoverFlowScene::ease(0.75f), 0.99f, 1e-6);
}

TEST_F(CoverFlowSceneTest, EmptySceneAndSelectionEdges)
{
    SignalLog selections;
    scene.selectionChanged.connectWithArg(&selections, &SignalLog::onValue);
    EXPECT_EQ(scene.pickNode(Ray(Vec3(0, 60, -400), Vec3(0, 0, 1))), nullptr);
    scene.draw();
    scene.selectNext();
    scene.restartAnimation();
    EXPECT_TRUE(device.calls().empty());
    EXPECT_FALSE(scene.isAnimating() || scene.selectedIndex() != -1);

    fill(3);
    settle();
    scene.selectNext();
    EXPECT_EQ(scene.selectedIndex(), 0);
    scene.selectPrevious();
    EXPECT_FALSE(scene.select(3) || scene.select(-2) || scene.select(0));
    settle();
    EXPECT_TRUE(scene.select(-1));
    EXPECT_EQ(scene.animationKind(), CoverFlowScene::kSelectionAnimation);
    EXPECT_EQ(selections.values, (std::vector<int>{0, -1}));
}

TEST_F(CoverFlowSceneTest, AnAnimationEndsAfter21TicksWithOneFinish)
{
    SignalLog finished;
    scene.animationFinished.connectWithArg(&finished, &SignalLog::onValue);
    fill(4);
    settle();
    finished.values.clear();
    scene.select(1);
    EXPECT_EQ(settle(), 21);
    EXPECT_EQ(finished.values, std::vector<int>{CoverFlowScene::kSelectionAnimation});
    EXPECT_FLOAT_EQ(scene.node(1)->position().z, -100.0f);
}

TEST_F(CoverFlowSceneTest, AddingDefersTheLayoutToTheNextUse)
{
    using Trigger = void (*)(CoverFlowScene&);
    Trigger triggers[] = {
        [](CoverFlowScene& s) { s.tick(24); },
        [](CoverFlowScene& s) { s.draw(); },
        [](CoverFlowScene& s) { s.pickNode(Ray(Vec3(0, 60, -400), Vec3(0, 0, 1))); },
        [](CoverFlowScene& s) { s.select(0); },
    };
    for (Trigger trigger : triggers) {
        scene.clear();
        fill(3);
        EXPECT_FLOAT_EQ(scene.node(2)->targetPosition().x, 0.0f);
        trigger(scene);
        float expected = scene.selectedIndex() == 0 ? 153.0f : -128.0f + 2 * 25.0f;
        EXPECT_FLOAT_EQ(scene.node(2)->targetPosition().x, expected);
    }
}

TEST_F(CoverFlowSceneTest, DrawOrderReflectionsAndHoveredLast)
{
    fill(5);
    scene.select(2);
    settle();
    scene.updateHover(rayAt(*scene.node(4)), false);
    ASSERT_EQ(scene.hoveredNode(), scene.node(4));
    device.clear();
    scene.draw();
    EXPECT_EQ(drawLog(), (std::vector<std::string>{"r-128", "r-153", "r0", "r128", "r153", "c-153", "c-128",
                                                   "c0", "c128", "off", "c153", "on"}));

    // The selected cover's reflection: the bottom 60 units of the picture,
    // mirrored, hanging below the floor and fading out downward.
    const auto& reflection = *device.callsOf(RecordingRenderDevice::kSubmit)[2];
    float r = 60.0f / 85.0f;
    float uv[4][2] = {{0, 1}, {1, 1}, {1, 1 - r}, {0, 1 - r}};
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(reflection.vertices[i].u == uv[i][0] && reflection.vertices[i].v == uv[i][1]) << i;
    EXPECT_EQ(reflection.vertices[0].color, Color(0x55FFFFFF).darker(0.0f).value());
    EXPECT_EQ(reflection.vertices[3].color, Color(0x00FFFFFF).darker(0.0f).value());
    const Matrix4& world = device.callsOf(RecordingRenderDevice::kWorld)[2]->world;
    // Anchored at its top centre 1.2 below the floor line: the top edge at -1.2.
    EXPECT_NEAR(world.transformPoint(Vec3(0, 60, 0)).y, -1.2f, 1e-4);
}

TEST_F(CoverFlowSceneTest, PickingOrderAndHoverShades)
{
    fill(5);
    scene.select(2);
    settle();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(scene.pickNode(rayAt(*scene.node(i))), scene.node(i)) << i;
    EXPECT_EQ(scene.titleAt(rayAt(*scene.node(3))), String(u"Movie 3"));
    EXPECT_TRUE(scene.titleAt(Ray(Vec3(0, 60, -400), Vec3(0, 1, 0))).isEmpty());

    float shadeOfThree = scene.node(3)->shade();
    scene.updateHover(rayAt(*scene.node(3)), false);
    EXPECT_EQ(scene.animationKind(), CoverFlowScene::kHoverAnimation);
    settle();
    EXPECT_FLOAT_EQ(scene.node(3)->shade(), 0.0f);
    scene.updateHover(rayAt(*scene.node(1)), false);
    settle();
    EXPECT_FLOAT_EQ(scene.node(3)->shade(), shadeOfThree);
    EXPECT_FLOAT_EQ(scene.node(1)->shade(), 0.0f);
    scene.updateHover(rayAt(*scene.node(2)), false);
    settle();
    EXPECT_FLOAT_EQ(scene.node(2)->shade(), 0.0f);
    scene.updateHover(rayAt(*scene.node(4)), true);
    EXPECT_EQ(scene.selectedIndex(), 4);
}

TEST_F(CoverFlowSceneTest, CoversOutsideTheViewAreNeitherDrawnNorPicked)
{
    fill(200);
    scene.setVisibleWidth(100000.0f);
    scene.select(100);
    scene.relayout();
    device.clear();
    scene.draw();
    EXPECT_GT(device.callsOf(RecordingRenderDevice::kSubmit).size(), 10u);
    EXPECT_LT(device.callsOf(RecordingRenderDevice::kSubmit).size(), 200u);
    for (const auto* call : device.callsOf(RecordingRenderDevice::kWorld))
        EXPECT_LT(std::fabs(call->world.m[3][0]), 1500.0f);
    // Far along the row, in the line of sight but outside the frustum.
    const CoverNode& far = *scene.node(199);
    EXPECT_EQ(scene.pickNode(Ray(device.camera()->eye(), rayAt(far).direction)), nullptr);
}

TEST_F(CoverFlowSceneTest, TexturesOnlyNearTheViewFewAFrameBoundedAlive)
{
    CountingSource source;
    scene.setSource(&source);
    fill(10000, false);
    scene.select(5000);
    settle();
    // Frames until the scene needs none.
    auto drawFrames = [&]() {
        for (int frames = 0; scene.needsFrame() && frames < 100; ++frames) {
            device.clear();
            scene.draw();
            EXPECT_LE(device.callsOf(RecordingRenderDevice::kTexture).size(), 8u);
            EXPECT_LE(device.liveTextures(), CoverFlowScene::kMaxTextures);
        }
        EXPECT_FALSE(scene.needsFrame());
    };
    drawFrames();
    EXPECT_EQ(device.liveTextures(), scene.textureCount());
    for (int i = 0; i < scene.count(); ++i) {
        const CoverNode& node = *scene.node(i);
        float d = node.position().length();
        EXPECT_TRUE(d >= 550.0f || node.texture()) << i;
        EXPECT_TRUE(d <= 550.0f + 12 * 25.0f || !source.asked.count(i)) << i;
    }
    // A cover from the source is refitted to its picture (3 x 4).
    EXPECT_EQ(scene.node(5000)->width(), 96);

    scene.select(0);
    settle();
    drawFrames();
    EXPECT_EQ(scene.node(5000)->texture(), nullptr);
    EXPECT_NE(scene.node(0)->texture(), nullptr);
    EXPECT_EQ(device.liveTextures(), scene.textureCount());

    // A view wider than the textures allowed: the nearest covers get them.
    scene.setVisibleWidth(20000.0f);
    scene.relayout();
    drawFrames();
    EXPECT_EQ(device.liveTextures(), CoverFlowScene::kMaxTextures);
    EXPECT_NE(scene.node(60)->texture(), nullptr);
    EXPECT_EQ(scene.node(200)->texture(), nullptr);
    scene.clear();
    EXPECT_EQ(device.liveTextures(), 0);
}

TEST_F(CoverFlowSceneTest, PicturesAreConvertedForTextures)
{
    Image premultiplied = flatPicture(2, 2, Color(128, 100, 50, 20));
    premultiplied.setPremultiplied(true);
    Image transparent = flatPicture(2, 2, Color(40, 50, 60));
    transparent.setAlpha(0, Rect());
    struct Case
    {
        const char* name;
        Image picture;
        Color expected;
    } cases[] = {
        {"24-bit", flatPicture(3, 2, Color(10, 20, 30), false), Color(10, 20, 30)},
        {"alpha 0 everywhere", transparent, Color(40, 50, 60)},
        {"premultiplied", premultiplied, Color(128, 100, 50, 20)},
        {"straight", flatPicture(2, 2, Color(200, 1, 2, 3)), Color(200, 1, 2, 3)},
    };
    for (const Case& c : cases) {
        Image prepared = CoverPixels::prepare(c.picture);
        ASSERT_TRUE(prepared.bitsPerPixel() == 32 && !prepared.isPremultiplied()) << c.name;
        // Straightening may be one off.
        Color got = prepared.pixel(1, 1);
        EXPECT_TRUE(std::abs(got.red() - c.expected.red()) <= 1 &&
                    std::abs(got.green() - c.expected.green()) <= 1 &&
                    std::abs(got.blue() - c.expected.blue()) <= 1 && got.alpha() == c.expected.alpha())
            << c.name << " " << std::hex << got.value();
    }
    EXPECT_EQ(CoverPixels::prepare(cases[3].picture).bits(), cases[3].picture.bits());
    EXPECT_TRUE(CoverPixels::prepare(Image()).isNull());
}

TEST_F(CoverFlowSceneTest, ASlotMayDeleteTheScene)
{
    auto* doomed = new CoverFlowScene;
    SignalLog log;
    log.deleteOnSignal = doomed;
    doomed->animationFinished.connectWithArg(&log, &SignalLog::onValue);
    doomed->addCover(Image());
    while (log.deleteOnSignal)
        doomed->tick(24);
    EXPECT_EQ(log.values, std::vector<int>{CoverFlowScene::kSelectionAnimation});

    // Clearing announces the end of the selection first.
    doomed = new CoverFlowScene;
    doomed->selectionChanged.connectWithArg(&log, &SignalLog::onValue);
    doomed->addCover(Image());
    doomed->select(0);
    log.deleteOnSignal = doomed;
    doomed->clear();
    EXPECT_EQ(log.deleteOnSignal, nullptr);
    EXPECT_EQ(log.values.back(), -1);
}

} // namespace
