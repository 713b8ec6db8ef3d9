#include "tests/ui/views/coverflow/FakeD3D9Calls.h"
#include "ui/views/coverflow/D3D9Device.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

using Log = std::vector<std::string>;

struct Device : D3D9Device
{
    void renderFrame() override {}
};

class D3D9DeviceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        D3D9Device::setCallsFactory(&FakeD3D9Factory::make);
        ASSERT_TRUE(device.initialize(1));
        calls = FakeD3D9Factory::last;
        Log made = calls->take();
        // The caps offer no anisotropic filtering: the states ask for none.
        EXPECT_NE(std::find(made.begin(), made.end(), "setStates"), made.end());
    }
    void TearDown() override { D3D9Device::setCallsFactory(nullptr); }
    void submit(int kind, int count, Texture* texture)
    {
        std::vector<SceneVertex> vertices(static_cast<size_t>(std::max(kind * count, 1)));
        device.submit(RenderBatch{kind, count, texture, vertices.data()});
    }

    Device device;
    FakeD3D9Calls* calls = nullptr;
};

TEST_F(D3D9DeviceTest, BatchesAreCutToTheBufferAndTexturesSetOnlyOnChange)
{
    FakeTexture first(10, 10);
    FakeTexture second(20, 20);
    struct Step
    {
        int kind, count;
        Texture* texture;
        Log expected;
    } steps[] = {{4, 1200, nullptr, {"lock 4000", "draw 4x1000"}},
                 {3, 1500, &first, {"lock 3999", "setTexture 10", "draw 3x1333"}},
                 {4, 1, &first, {"lock 4", "draw 4x1"}},
                 {2, 2, &second, {"lock 4", "setTexture 20", "draw 2x2"}},
                 {4, 1, nullptr, {"lock 4", "setTexture null", "draw 4x1"}},
                 {5, 1, nullptr, {}},
                 {4, 0, nullptr, {}}};
    for (const Step& step : steps) {
        submit(step.kind, step.count, step.texture);
        EXPECT_EQ(calls->take(), step.expected) << step.kind << "x" << step.count;
    }
    device.setDepthTest(false);
    EXPECT_EQ(calls->take(), Log{"depth off"});
}

TEST_F(D3D9DeviceTest, FramesByTheDeviceState)
{
    FakeTexture texture(10, 10);
    const Log drawn{"lock 4", "setTexture 10", "draw 4x1", "endScene", "readBack"};
    const Log resetAndBegin{"releaseDefaultPool",    "displayMode", "reset",     "createBuffers",
                            "setStates anisotropic", "clear",       "beginScene"};
    // Lost or failed, the frame is skipped at once; not reset, it is reset.
    struct Step
    {
        D3D9Calls::Cooperation state;
        bool resets, begins;
        Log expected;
    } steps[] = {{D3D9Calls::kLost, true, false, {}},
                 {D3D9Calls::kFailed, true, false, {}},
                 {D3D9Calls::kReady, true, true, {"clear", "beginScene"}},
                 {D3D9Calls::kNotReset, false, false, {"releaseDefaultPool", "displayMode", "reset"}},
                 {D3D9Calls::kNotReset, true, true, resetAndBegin}};
    for (const Step& step : steps) {
        calls->cooperations.assign(1, step.state);
        // Anisotropic filtering offered now is used from the next set-up on.
        calls->resets = calls->anisotropicCaps = step.resets;
        EXPECT_EQ(device.beginFrame(), step.begins) << step.state;
        Log expected = step.expected;
        if (step.begins) {
            // After a reset the texture is bound anew.
            submit(4, 1, &texture);
            device.endFrame();
            expected.insert(expected.end(), drawn.begin(), drawn.end());
        }
        EXPECT_EQ(calls->take(), expected) << step.state;
    }
    EXPECT_EQ(device.frame().width(), 1024);
}

// A frame drawn into a texture reads nothing back, and the back buffer is
// the target again for the next frame, however the texture frame ended.
TEST_F(D3D9DeviceTest, FramesDrawnIntoATexture)
{
    std::unique_ptr<Texture> target(device.createRenderTarget(Size(64, 32)));
    ASSERT_NE(target, nullptr);
    EXPECT_EQ(target->size(), Size(64, 32));
    ASSERT_TRUE(device.beginFrameOnTexture(target.get()));
    EXPECT_FALSE(device.beginFrame()) << "one scene at a time";
    device.endFrame();
    EXPECT_EQ(calls->take(), (Log{"renderTo 64", "clear", "beginScene", "endScene", "renderTo backBuffer"}));
    ASSERT_TRUE(device.beginFrameOnTexture(target.get()));
    device.endScene();
    EXPECT_EQ(calls->take().back(), "renderTo backBuffer");
    ASSERT_TRUE(device.beginFrame());
    device.endScene();
    EXPECT_EQ(calls->take(), (Log{"clear", "beginScene", "endScene"})) << "ends without a read-back";

    calls->renderTargets = false;
    EXPECT_FALSE(device.beginFrameOnTexture(target.get()));
    EXPECT_FALSE(device.beginFrameOnTexture(nullptr));
    EXPECT_EQ(calls->take(), Log{"renderTo 64"});
    EXPECT_TRUE(device.beginFrame()) << "nothing was left begun";
}

} // namespace
