// The cover flow as the main window shows it, under Wine's Direct3D 9: a real
// UI3d of 800 x 450, 10,000 distinct 148 x 198 thumbnails through a source,
// the next cover selected every half second for 20 seconds of frames, then a
// jump from the first cover to the last, at both ends of the zoom. Prints the
// median and 95th percentile of a drawn frame (tick, draw, read-back, paint),
// the most textures alive, and the private bytes beyond those of 100 covers.
//   wine coverflow_timing.exe
#include "foundation/system/MessageLoop.h"
#include "graphics/paint/PaintDevice.h"
#include "ui/views/coverflow/CoverFlowScene.h"
#include "ui/views/coverflow/CoverSource.h"
#include "ui/views/coverflow/UI3d.h"

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

const int kWidth = 800;
const int kHeight = 450;
const int kFramesPerStep = 21; // about half a second of 24 ms frames
const int kSteps = 40;         // 20 seconds

// A thumbnail of its own for every movie, made when asked.
class GeneratedCovers : public CoverSource
{
public:
    Image coverImage(const CoverNode& node) override
    {
        Image picture(148, 198, true);
        uint32_t id = static_cast<uint32_t>(node.id());
        for (int y = 0; y < picture.height(); ++y) {
            uint32_t* row = reinterpret_cast<uint32_t*>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x)
                row[x] =
                    0xFF000000u | (((id * 2654435761u) ^ static_cast<uint32_t>(x * 7 + y * 13)) & 0xFFFFFF);
        }
        return picture;
    }
};

// The committed bytes; Wine leaves PrivateUsage at 0 but counts these.
size_t privateBytes()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return counters.PagefileUsage;
}

struct Run
{
    std::vector<double> frames;
    std::vector<double> unpainted;
    int mostTextures = 0;
    size_t bytes = 0;
};

void frame(UI3d& widget, CoverFlowScene& scene, Run& run)
{
    int before = widget.frameCount();
    auto start = std::chrono::steady_clock::now();
    widget.renderFrame();
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (widget.frameCount() != before)
        run.frames.push_back(ms);
    run.mostTextures = std::max(run.mostTextures, scene.textureCount());
}

Run runCoverFlow(UIWidget& top, int covers, float zoom)
{
    Run run;
    auto* widget = new UI3d(&top);
    widget->setGeometry(0, 0, kWidth, kHeight);
    widget->show();
    widget->setClearColour(Color(255, 50, 41, 31));
    if (!widget->initializeDevice()) {
        std::printf("no Direct3D 9 device\n");
        delete widget;
        return run;
    }
    Camera& camera = *widget->camera();
    camera.setViewport(kWidth, kHeight);
    camera.setNearPlane(0.1f);
    camera.setFarPlane(5000.0f);
    camera.setEye(Vec3(0, 60, -400));
    camera.setTarget(Vec3(0, 60, -100));
    camera.placeForHeight(290.0f);
    // The zoom as the main window applies it, between a box of 178 and one
    // of 378 units filling the height.
    float nearDistance = camera.distanceForHeight(128 + 50);
    float farDistance = camera.distanceForHeight(128 + 250);
    float distance = farDistance - (farDistance - nearDistance) * zoom;
    camera.setDistance(distance);

    GeneratedCovers source;
    auto* scene = new CoverFlowScene;
    scene->setSideAngle(0.7853982f);
    scene->setSideSpacing(25.0f);
    scene->setShades(0.03f, 0.9f);
    scene->setSelectedScale(1.1f);
    scene->setCentreGap(256.0f);
    scene->setSelectedOffset(Vec3(0, 0, -100));
    scene->setAnimationSpeed(2.0f);
    scene->setVisibleWidth(camera.visibleWidthAt(distance));
    scene->setSource(&source);
    for (int i = 0; i < covers; ++i)
        scene->addCover(Image())->setId(i);
    scene->select(covers / 2);
    scene->relayout();
    widget->addScene(scene);

    for (int step = 0; step < kSteps; ++step) {
        scene->selectNext();
        for (int i = 0; i < kFramesPerStep; ++i)
            frame(*widget, *scene, run);
    }
    for (int target : {0, covers - 1}) {
        scene->select(target);
        for (int i = 0; i < 2 * kFramesPerStep; ++i)
            frame(*widget, *scene, run);
    }
    run.bytes = privateBytes();
    // The same frames without the paint: the device's share.
    for (int i = 0; i < 2 * kFramesPerStep; ++i) {
        if (i % kFramesPerStep == 0)
            scene->selectPrevious();
        auto start = std::chrono::steady_clock::now();
        scene->tick(24);
        if (widget->beginFrame()) {
            scene->draw();
            widget->endFrame();
        }
        run.unpainted.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    delete widget;
    return run;
}

void report(const char* name, Run run, size_t baseline)
{
    if (run.frames.empty())
        return;
    std::sort(run.frames.begin(), run.frames.end());
    double median = run.frames[run.frames.size() / 2];
    double p95 = run.frames[run.frames.size() * 95 / 100];
    std::sort(run.unpainted.begin(), run.unpainted.end());
    double unpainted = run.unpainted.empty() ? 0.0 : run.unpainted[run.unpainted.size() / 2];
    std::printf("%s: %zu frames drawn, median %.2f ms, 95th percentile %.2f ms, most textures %d, "
                "private bytes %+.1f MB beside 100 covers; without the paint, median %.2f ms\n",
                name, run.frames.size(), median, p95, run.mostTextures,
                (static_cast<double>(run.bytes) - static_cast<double>(baseline)) / (1024.0 * 1024.0),
                unpainted);
}

} // namespace

int main()
{
    MessageLoop::create();
    PaintDevice::createDefault();
    {
        UIWidget top(nullptr);
        top.setFlag(UIWidget::kWindow, true);
        top.setStyleName(String(u"UIWindow"));
        top.setLayoutEnabled(false);
        top.resize(kWidth, kHeight);
        top.show();
        std::printf("cores: %u\n", std::thread::hardware_concurrency());
        size_t baseline = runCoverFlow(top, 100, 0.0f).bytes;
        std::printf("private bytes with 100 covers: %.1f MB\n",
                    static_cast<double>(baseline) / (1024.0 * 1024.0));
        report("zoomed out", runCoverFlow(top, 10000, 0.0f), baseline);
        report("zoomed in", runCoverFlow(top, 10000, 1.0f), baseline);
    }
    PaintDevice::destroyAll();
    MessageLoop::destroy();
    return 0;
}
