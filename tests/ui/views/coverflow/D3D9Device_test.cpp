#include "tests/ui/views/coverflow/FakeD3D9Calls.h"
#include "ui/views/coverflow/D3D9Device.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

using Log = std::vector<std::string>;

// The widget draws frames; the device alone draws none.
class Device : public D3D9Device
{
public:
    void renderFrame() override {}
};

class D3D9DeviceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        D3D9Device::setCallsFactory(&FakeD3D9Factory::make);
        ASSERT_TRUE(device.initialize(1));
        calls = FakeD3D9Factory::last();
        calls->take();
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
    testsupport::FakeTexture first(10, 10);
    testsupport::FakeTexture second(20, 20);
    struct Step
    {
        int kind, count;
        Texture* texture;
        Log expected;
    } steps[] = {
        {4, 1200, nullptr, {"lock 4000", "draw 4x1000"}},
        {3, 1500, &first, {"lock 3999", "setTexture 10", "draw 3x1333"}},
        {4, 1, &first, {"lock 4", "draw 4x1"}},
        {2, 2, &second, {"lock 4", "setTexture 20", "draw 2x2"}},
        {4, 1, nullptr, {"lock 4", "setTexture null", "draw 4x1"}},
        {5, 1, nullptr, {}},
        {4, 0, nullptr, {}},
    };
    for (const Step& step : steps) {
        submit(step.kind, step.count, step.texture);
        EXPECT_EQ(calls->take(), step.expected) << step.kind << "x" << step.count;
    }
    device.setDepthTest(false);
    EXPECT_EQ(calls->take(), Log{"depth off"});
}

TEST_F(D3D9DeviceTest, FramesByTheDeviceState)
{
    testsupport::FakeTexture texture(10, 10);
    struct Step
    {
        D3D9Calls::Cooperation state;
        bool resets;
        bool begins;
        Log expected;
    } steps[] = {
        {D3D9Calls::kLost, true, false, {}},
        {D3D9Calls::kFailed, true, false, {}},
        {D3D9Calls::kReady, true, true, {"clear", "beginScene"}},
        {D3D9Calls::kNotReset, false, false, {"releaseDefaultPool", "displayMode", "reset"}},
        {D3D9Calls::kNotReset,
         true,
         true,
         {"releaseDefaultPool", "displayMode", "reset", "createBuffers", "setStates", "clear", "beginScene"}},
    };
    for (const Step& step : steps) {
        calls->cooperations.push_back(step.state);
        calls->resets = step.resets;
        EXPECT_EQ(device.beginFrame(), step.begins) << step.state;
        Log expected = step.expected;
        if (step.begins) {
            // Drawn in the frame; the texture is bound anew after a reset.
            submit(4, 1, &texture);
            device.endFrame();
            expected.insert(expected.end(), {"lock 4", "setTexture 10", "draw 4x1", "endScene", "readBack"});
        }
        EXPECT_EQ(calls->take(), expected) << step.state;
    }
    EXPECT_EQ(device.frame().width(), 1024);
}

TEST(D3D9DeviceSetUp, InitializationAndFailures)
{
    // What the fake refuses, and the states set when the device exists.
    struct Case
    {
        bool loads, creates, buffers, anisotropic;
        const char* states;
    } cases[] = {{false, true, true, false, nullptr},
                 {true, false, true, false, nullptr},
                 {true, true, false, false, "setStates"},
                 {true, true, true, true, "setStates anisotropic"}};
    D3D9Device::setCallsFactory(&FakeD3D9Factory::make);
    FakeD3D9Calls& preset = FakeD3D9Factory::preset();
    for (const Case& c : cases) {
        std::tie(preset.loads, preset.creates, preset.buffers, preset.anisotropicCaps) =
            std::tie(c.loads, c.creates, c.buffers, c.anisotropic);
        Device device;
        EXPECT_EQ(device.initialize(1), c.states != nullptr) << c.loads << c.creates;
        if (!c.states)
            continue;
        Log log = FakeD3D9Factory::last()->take();
        EXPECT_NE(std::find(log.begin(), log.end(), c.states), log.end()) << c.states;
        // Without buffers nothing is drawn, and nothing breaks.
        std::vector<SceneVertex> quad(4);
        device.submit(RenderBatch{4, 1, nullptr, quad.data()});
        EXPECT_EQ(FakeD3D9Factory::last()->take().empty(), !c.buffers) << c.states;
    }
    preset = FakeD3D9Calls();
    D3D9Device::setCallsFactory(&FakeD3D9Factory::refuse);
    Device device;
    EXPECT_FALSE(device.initialize(1) || device.initialize(0) || device.createTexture(PixelBlock()));
    D3D9Device::setCallsFactory(nullptr);
}

} // namespace
