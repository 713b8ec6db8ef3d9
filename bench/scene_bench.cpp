// The cover flow's picking: every frame each of up to 10,000 covers gets its
// world matrix, and a click tests the pick ray against all of them. Both must
// stay far inside one frame.
#include <benchmark/benchmark.h>

#include "ui/views/scene/Camera.h"
#include "ui/views/scene/QuadNode.h"

#include <vector>

namespace {

const int kCovers = 10000;

// Covers in a row, turned as the flow turns the ones beside the centre.
std::vector<QuadNode> coverRow()
{
    std::vector<QuadNode> covers(kCovers);
    for (int i = 0; i < kCovers; ++i) {
        covers[i].setSize(128, 180);
        covers[i].setAnchor(QuadNode::kBottomCentre);
        covers[i].setPosition(
            Vec3(static_cast<float>(i - kCovers / 2) * 40.0f, 0.0f, i == kCovers / 2 ? 0 : 60.0f));
        covers[i].setRotation(Vec4::rotationY(i < kCovers / 2 ? -1.2f : 1.2f));
    }
    return covers;
}

void worldAndHitTestOfAllCovers(benchmark::State& state)
{
    std::vector<QuadNode> covers = coverRow();
    Camera camera;
    camera.setEye(Vec3(0, 90, -600));
    camera.setTarget(Vec3(0, 90, 0));
    Ray ray = camera.pickRay(400, 300);
    for (auto _ : state) {
        int hits = 0;
        for (QuadNode& cover : covers) {
            cover.setWorld(cover.currentWorld());
            hits += cover.hitTest(ray) ? 1 : 0;
        }
        benchmark::DoNotOptimize(hits);
    }
}
BENCHMARK(worldAndHitTestOfAllCovers)->Unit(benchmark::kMillisecond);

void onePickRay(benchmark::State& state)
{
    Camera camera;
    float x = 0.0f;
    for (auto _ : state) {
        Ray ray = camera.pickRay(x, 300.0f);
        benchmark::DoNotOptimize(ray);
        x = x < 800.0f ? x + 1.0f : 0.0f;
    }
}
BENCHMARK(onePickRay)->Unit(benchmark::kNanosecond);

} // namespace
