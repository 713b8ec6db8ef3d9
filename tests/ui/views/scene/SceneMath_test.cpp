#include "ui/views/scene/Angles.h"
#include "ui/views/scene/Camera.h"

#include <gtest/gtest.h>

#include <tuple>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr float kPi = 3.14159265f;
const float kNan = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();

// How far the point lies off the ray, as the sine of the angle at the origin.
float offRay(const Ray& ray, const Vec3& point)
{
    return point.subtract(ray.origin).normalize().cross(ray.direction).length();
}

bool isIdentity(const Matrix4& m, float tolerance)
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (std::fabs(m.m[r][c] - (r == c ? 1.0f : 0.0f)) > tolerance)
                return false;
    return true;
}

} // namespace

TEST(SceneMath, AnglesWrapAndStep)
{
    const std::tuple<float, float> wraps[] = {{-0.5f, Angles::kTwoPi - 0.5f},
                                              {7.0f, 7.0f - Angles::kTwoPi},
                                              {-Angles::kTwoPi, 0.0f},
                                              {3.0f, 3.0f},
                                              {0.0005f, 0.0f},
                                              {-0.0005f, 0.0f},
                                              {kNan, 0.0f},
                                              {kInf, 0.0f},
                                              {-kInf, 0.0f}};
    for (const auto& [in, out] : wraps)
        EXPECT_NEAR(Angles::wrapAngle(in), out, 1e-5f) << "wrapAngle(" << in << ")";
    for (float huge : {1e30f, -1e30f, 3e9f, -3e9f, -1e-4f * Angles::kTwoPi - 1.0f})
        EXPECT_TRUE(Angles::isWrapped(Angles::wrapAngle(huge))) << huge;

    // Values stop on the target; angles take the shorter way round, across 0
    // in either direction.
    const std::tuple<bool, float, float, float, float, bool> steps[] = {
        {false, 0.9f, 1.0f, 0.24f, 1.0f, true}, {false, 1.0f, 1.0f, 0.3f, 1.0f, true},
        {false, 0.5f, 1.0f, 0.5f, 1.0f, false}, {false, 1.5f, 1.0f, 0.25f, 1.25f, false},
        {false, 1.2f, 1.0f, 0.5f, 1.0f, true},  {false, 0.2f, 1.0f, 0.25f, 0.45f, false},
        {true, 0.1f, 6.2f, 0.1f, 0.0f, false},  {true, 6.2f, 0.1f, 0.05f, 6.25f, false},
        {true, 6.2f, 0.1f, 1.0f, 0.1f, true},   {true, 1.0f, 2.0f, 7.0f, 2.0f, true},
        {true, 1.0f, 2.0f, 0.5f, 1.5f, false},  {true, 2.0f, 1.0f, 0.5f, 1.5f, false}};
    for (const auto& [isAngle, from, to, step, after, arrived] : steps) {
        float value = from;
        bool landed =
            isAngle ? Angles::stepAngleToward(value, to, step) : Angles::stepToward(value, to, step);
        EXPECT_EQ(landed, arrived) << from << " -> " << to;
        EXPECT_NEAR(value, after, 1e-5f) << from << " -> " << to;
    }
}

TEST(SceneMath, InvertGivesIdentityOrRefuses)
{
    Camera camera;
    camera.setAxisScale(Vec3(1.5f, 0.8f, 1.0f));
    Matrix4 placed = Matrix4::scaling(2, 2, 2).multiply(Matrix4::fromQuaternion(Vec4::rotationY(0.7f)));
    placed = placed.multiply(Matrix4::translation(Vec3(120, -40, 900)));
    Matrix4 invertible[] = {Matrix4::fromQuaternion(Vec4::rotationY(2.1f)),
                            Matrix4::translation(Vec3(5, -7, 1e3f)), placed, camera.projectionMatrix(),
                            camera.viewMatrix()};
    for (size_t i = 0; i < sizeof(invertible) / sizeof(invertible[0]); ++i) {
        Matrix4 inverse;
        ASSERT_TRUE(invertible[i].invert(inverse)) << "row " << i;
        EXPECT_TRUE(isIdentity(invertible[i].multiply(inverse), 1e-4f)) << "row " << i;
    }

    Matrix4 zero;
    zero.m[0][0] = zero.m[1][1] = zero.m[2][2] = zero.m[3][3] = 0.0f;
    Matrix4 withNan = placed;
    withNan.m[2][1] = kNan;
    Matrix4 withInf = placed;
    withInf.m[0][0] = kInf;
    Matrix4 singular[] = {zero, Matrix4::scaling(1, 0, 1), withNan, withInf};
    for (size_t i = 0; i < sizeof(singular) / sizeof(singular[0]); ++i) {
        Matrix4 out = placed;
        EXPECT_FALSE(singular[i].invert(out)) << "row " << i;
        EXPECT_EQ(std::memcmp(&out, &placed, sizeof(out)), 0) << "row " << i << " touched the target";
    }
}

TEST(SceneMath, PickRayPassesThroughWhatThePixelShows)
{
    const std::tuple<int, int, Vec3, Vec3> setups[] = {{800, 600, Vec3(1, 1, 1), Vec3(0, 1000, -1000)},
                                                       {1000, 500, Vec3(1, 1, 1), Vec3(300, 200, -800)},
                                                       {640, 480, Vec3(1.5f, 0.8f, 1), Vec3(0, 0, -1200)}};
    for (const auto& [width, height, axisScale, eye] : setups) {
        Camera camera;
        camera.setViewport(width, height);
        camera.setAxisScale(axisScale);
        camera.setEye(eye);
        float w = static_cast<float>(width);
        float h = static_cast<float>(height);
        Matrix4 unproject;
        ASSERT_TRUE(camera.viewMatrix().multiply(camera.projectionMatrix()).invert(unproject));
        float pixels[][2] = {{w / 2, h / 2}, {0, 0}, {w, 0}, {0, h}, {w, h}, {17, 311}, {w - 123, 7}};
        for (auto& pixel : pixels) {
            // The world point the pixel shows at some depth, found through the
            // whole inverse rather than the ray's own shortcut.
            float ndcX = 2.0f * pixel[0] / w - 1.0f;
            float ndcY = 1.0f - 2.0f * pixel[1] / h;
            Vec4 clip = unproject.transform(Vec3(ndcX, ndcY, 0.9f));
            Vec3 point(clip.x / clip.w, clip.y / clip.w, clip.z / clip.w);
            Ray ray = camera.pickRay(pixel[0], pixel[1]);
            EXPECT_LT(offRay(ray, point), 1e-4f)
                << width << "x" << height << " at " << pixel[0] << "," << pixel[1];
        }
        Ray centre = camera.pickRay(w / 2, h / 2);
        EXPECT_LT(centre.direction.subtract(camera.direction()).length(), 1e-5f) << width;
    }
}

TEST(SceneMath, CameraEdgeCases)
{
    Camera camera;
    EXPECT_NEAR(camera.verticalFov(), 0.6024f, 1e-4f);
    EXPECT_EQ(Vec3().normalize().length(), 0.0f);
    Frustum frustum = Frustum::fromMatrix(camera.viewMatrix().multiply(camera.projectionMatrix()));
    EXPECT_TRUE(frustum.contains(camera.target()));
    EXPECT_FALSE(frustum.contains(camera.eye()));
    EXPECT_FALSE(frustum.contains(Vec3(0, 2000, -2000)));

    camera.setViewport(1000, 500);
    EXPECT_NEAR(camera.verticalFov(), 2.0f * std::atan(std::tan(kPi / 8) / 2.0f), 1e-6f);
    // A collapsed panel keeps the last viewport and a finite projection.
    for (auto size : {std::make_pair(0, 300), std::make_pair(300, 0), std::make_pair(-5, -5)}) {
        camera.setViewport(size.first, size.second);
        EXPECT_EQ(camera.viewportWidth(), 1000);
        EXPECT_EQ(camera.viewportHeight(), 500);
        EXPECT_TRUE(std::isfinite(camera.projectionMatrix().m[0][0]));
    }

    // A view that cannot be inverted gives a ray that hits nothing.
    Vec3 big[3] = {Vec3(-1e5f, 1e5f, 0), Vec3(1e5f, 1e5f, 0), Vec3(0, -1e5f, 0)};
    const std::tuple<Vec3, Vec3> broken[] = {{Vec3(0, 0, 0), Vec3(0, 0, 0)}, {Vec3(0, 1000, 0), Vec3()}};
    for (const auto& [eye, target] : broken) {
        camera.setEye(eye);
        camera.setTarget(target);
        Ray ray = camera.pickRay(500, 250);
        EXPECT_FALSE(ray.hitsTriangle(big[0], big[1], big[2]) || ray.hitsTriangle(big[2], big[1], big[0]))
            << "eye y " << eye.y;
    }
}
