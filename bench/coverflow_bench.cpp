// The cover flow with a whole collection in it: filling the row, one frame's
// animation step, and a pick through empty space, which has to try every
// cover. Each must stay a small part of the 24 ms between frames.
#include <benchmark/benchmark.h>

#include "graphics/image/Image.h"
#include "ui/views/coverflow/CoverFlowScene.h"
#include "ui/views/scene/RenderDevice.h"

namespace {

const int kCovers = 10000;

// A device that only carries the camera, so that picking culls by it.
class CameraOnlyDevice : public RenderDevice
{
public:
    CameraOnlyDevice()
    {
        m_camera.setViewport(800, 450);
        m_camera.setNearPlane(0.1f);
        m_camera.setFarPlane(5000.0f);
        m_camera.setEye(Vec3(0, 60, -400));
        m_camera.setTarget(Vec3(0, 60, -100));
        m_camera.placeForHeight(290.0f);
        setRenderDevice(this);
    }
    ~CameraOnlyDevice() override { setRenderDevice(nullptr); }
    bool initialize(uintptr_t) override { return true; }
    void renderFrame() override {}
    Texture* createTexture(const PixelBlock&) override { return nullptr; }
    void submit(const RenderBatch&) override {}
    void setWorldTransform(const Matrix4&) override {}
    void setCamera(Camera*) override {}
    Camera* camera() override { return &m_camera; }
    bool beginFrame() override { return true; }
    void endFrame() override {}
    void flush() override {}
    void release() override {}
    void setDepthTest(bool) override {}

private:
    Camera m_camera;
};

// The main window's settings.
void configure(CoverFlowScene& scene)
{
    scene.setSideAngle(0.7853982f);
    scene.setSideSpacing(25.0f);
    scene.setShades(0.03f, 0.9f);
    scene.setSelectedScale(1.1f);
    scene.setCentreGap(256.0f);
    scene.setSelectedOffset(Vec3(0, 0, -100));
    scene.setVisibleWidth(1100.0f);
}

void fill(CoverFlowScene& scene, const Image& picture)
{
    for (int i = 0; i < kCovers; ++i)
        scene.addCover(picture)->setId(i);
}

void tenThousandAddsAndTheirLayout(benchmark::State& state)
{
    Image picture(148, 198, true);
    picture.fill(Color(10, 20, 30));
    for (auto _ : state) {
        CoverFlowScene scene;
        configure(scene);
        fill(scene, picture);
        scene.tick(24);
        benchmark::DoNotOptimize(scene.count());
    }
}
BENCHMARK(tenThousandAddsAndTheirLayout)->Unit(benchmark::kMillisecond);

void oneTickOfTenThousandCovers(benchmark::State& state)
{
    CoverFlowScene scene;
    configure(scene);
    // So slow that the animation never ends while measured.
    scene.setAnimationSpeed(1e-6f);
    fill(scene, Image());
    scene.select(kCovers / 2);
    for (auto _ : state)
        scene.tick(24);
    benchmark::DoNotOptimize(scene.progress());
}
BENCHMARK(oneTickOfTenThousandCovers)->Unit(benchmark::kMicrosecond);

void onePickThroughEmptySpace(benchmark::State& state)
{
    CameraOnlyDevice device;
    CoverFlowScene scene;
    configure(scene);
    fill(scene, Image());
    scene.select(kCovers / 2);
    scene.relayout();
    // Just above the selected cover: every cover is tried, none is hit.
    Ray ray = device.camera()->pickRay(400.0f, 5.0f);
    for (auto _ : state)
        benchmark::DoNotOptimize(scene.pickNode(ray));
}
BENCHMARK(onePickThroughEmptySpace)->Unit(benchmark::kMicrosecond);

void bytesOfANodeWithoutPicture(benchmark::State& state)
{
    for (auto _ : state) {
        CoverNode node;
        benchmark::DoNotOptimize(&node);
    }
    // The node and its place in the scene's list.
    state.counters["bytes"] = static_cast<double>(sizeof(CoverNode) + sizeof(void*));
}
BENCHMARK(bytesOfANodeWithoutPicture)->Iterations(1);

} // namespace
