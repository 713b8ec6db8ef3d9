#include "tests/support/RecordingRenderDevice.h"
#include "ui/views/scene/QuadNode.h"

#include <gtest/gtest.h>

#include <tuple>

#include <limits>

using testsupport::RecordingRenderDevice;

namespace {

bool near(const Vec3& a, const Vec3& b)
{
    return a.subtract(b).length() < 1e-3f;
}

// Three triangles in one batch, for the partial draws.
class Triangles : public MatrixPrimitive
{
public:
    Triangles()
    {
        for (int i = 0; i < 9; ++i)
            m_vertices[i].x = static_cast<float>(i);
        setBatch(3, 3, m_vertices);
    }

private:
    SceneVertex m_vertices[9];
};

} // namespace

TEST(SceneNodes, AnchorsPutThePivotOnThePosition)
{
    const std::tuple<int, Vec3> rows[] = {
        {0, Vec3(64, 42.5f, 0)},  {1, Vec3(0, 85, 0)},      {2, Vec3(128, 85, 0)},    {3, Vec3(0, 0, 0)},
        {4, Vec3(128, 0, 0)},     {5, Vec3(64, 85, 0)},     {6, Vec3(64, 0, 0)},      {7, Vec3(0, 42.5f, 0)},
        {8, Vec3(128, 42.5f, 0)}, {9, Vec3(128, 42.5f, 0)}, {-1, Vec3(128, 42.5f, 0)}};
    QuadNode quad;
    quad.setSize(128, 85);
    quad.setPosition(Vec3(10, 20, -100));
    quad.setRotation(Vec4::rotationY(0.6f));
    quad.setScale(1.7f);
    for (const auto& [code, pivot] : rows) {
        quad.setAnchor(code); // unknown codes keep the previous pivot
        EXPECT_TRUE(near(quad.pivot(), pivot)) << "anchor " << code;
        EXPECT_TRUE(near(quad.currentWorld().transformPoint(quad.pivot()), quad.position()))
            << "anchor " << code;
    }

    QuadNode cover;
    cover.setSize(128, 85);
    cover.setAnchor(QuadNode::kBottomCentre);
    cover.setPosition(Vec3(0, 0, -100));
    Matrix4 world = cover.currentWorld();
    EXPECT_TRUE(near(world.transformPoint(Vec3(0, 0, 0)), Vec3(-64, 0, -100)));
    EXPECT_TRUE(near(world.transformPoint(Vec3(128, 0, 0)), Vec3(64, 0, -100)));
}

TEST(SceneNodes, OpacityClampsBeforeTheAlphaByte)
{
    const std::tuple<float, uint32_t> rows[] = {{0.5f, 127}, {1.0f, 255},
                                                {0.0f, 0},   {2.0f, 255},
                                                {-1.0f, 0},  {std::numeric_limits<float>::quiet_NaN(), 0}};
    QuadNode quad;
    quad.setColor(0x80123456);
    for (const auto& [opacity, alpha] : rows) {
        quad.setOpacity(opacity);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(quad.vertexColor(i), (alpha << 24) | 0x123456)
                << "opacity " << opacity << " vertex " << i;
    }
}

TEST(SceneNodes, HitTestFollowsTheCurrentPlacement)
{
    RecordingRenderDevice device;
    QuadNode quad;
    quad.setAnchor(QuadNode::kCentre);
    quad.draw(); // the last draw leaves the quad's matrix at the origin
    Ray front(Vec3(0, 0, -1000), Vec3(0, 0, 1));
    Ray behind(Vec3(0, 0, 1000), Vec3(0, 0, -1));
    Ray beside(Vec3(300, 0, -1000), Vec3(0, 0, 1));
    const std::tuple<Vec3, const Ray&, bool, const char*> rows[] = {
        {Vec3(), front, true, "front"},
        {Vec3(), behind, false, "from behind"},
        {Vec3(300, 0, 0), beside, true, "new place, not drawn since"},
        {Vec3(300, 0, 0), front, false, "old place, not drawn since"},
        {Vec3(0, 0, -2000), front, false, "behind the ray's origin"}};
    for (const auto& [position, ray, hit, what] : rows) {
        quad.setPosition(position);
        EXPECT_EQ(quad.hitTest(ray), hit) << what;
    }
}

TEST(SceneNodes, DrawsReachTheDeviceWithTheirWorld)
{
    RecordingRenderDevice device;
    testsupport::FakeTexture texture(64, 64);
    QuadNode quad;
    quad.setTexture(&texture);
    quad.setPosition(Vec3(5, 6, 7));
    quad.draw();
    QuadNode copy(quad);
    quad.setColor(0xFF00FF00);
    copy.draw();
    ASSERT_EQ(device.calls().size(), 4u);
    for (size_t i = 0; i < 4; i += 2) {
        ASSERT_EQ(device.calls()[i].kind, RecordingRenderDevice::kWorld) << "world set before each submit";
        const RecordingRenderDevice::Call& submit = device.calls()[i + 1];
        ASSERT_EQ(submit.kind, RecordingRenderDevice::kSubmit);
        EXPECT_TRUE(near(device.calls()[i].world.transformPoint(Vec3()), Vec3(5, 6, 7)));
        EXPECT_EQ(submit.batch.kind, 4);
        EXPECT_EQ(submit.batch.count, 1);
        EXPECT_EQ(submit.batch.texture, &texture);
        ASSERT_EQ(submit.vertices.size(), 4u);
        EXPECT_EQ(submit.vertices[0].color, 0xFFFFFFFFu) << "the copy draws its own vertices";
        EXPECT_EQ(submit.vertices[2].u, 1.0f);
    }

    device.clear();
    quad.setVisible(false);
    quad.draw();
    EXPECT_TRUE(device.calls().empty());

    const std::tuple<int, int, int, float> parts[] = {
        {-1, 3, 3, 0}, {-1, 2, 2, 0}, {-1, 0, 0, 0}, {-1, 4, -1, 0}, {-1, -1, -1, 0}, {1, 2, 2, 3},
        {0, 3, 3, 0},  {2, 1, 1, 6},  {2, 2, -1, 0}, {3, 0, 0, 0},   {-2, 1, -1, 0}};
    Triangles triangles;
    for (const auto& [start, count, drawn, firstX] : parts) {
        device.clear();
        if (start == -1)
            triangles.drawFirst(count);
        else
            triangles.drawRange(start, count);
        std::vector<const RecordingRenderDevice::Call*> submits =
            device.callsOf(RecordingRenderDevice::kSubmit);
        std::string name = "start " + std::to_string(start) + " count " + std::to_string(count);
        if (drawn < 0) {
            EXPECT_TRUE(submits.empty()) << name;
            continue;
        }
        ASSERT_EQ(submits.size(), 1u) << name;
        EXPECT_EQ(submits[0]->batch.count, drawn) << name;
        if (drawn > 0) {
            EXPECT_EQ(submits[0]->vertices[0].x, firstX) << name;
        }
    }
}
