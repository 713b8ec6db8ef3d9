#include "graphics/paint/Transform.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

namespace {

Transform matrix(float m11, float m12, float m13, float m21, float m22, float m23, float m31, float m32,
                 float m33)
{
    Transform t;
    t.setMatrix(m11, m12, m13, m21, m22, m23, m31, m32, m33);
    return t;
}

} // namespace

TEST(Transform, OperationsActBeforeTheExistingTransform)
{
    Transform rotated90, rotated30, translatedThenScaled, move, grow, projective;
    rotated90.rotate(90, 2);
    rotated30.rotate(30, 2);
    translatedThenScaled.translate(10, 0);
    translatedThenScaled.scale(2, 2); // the scaling applies to points first
    move.translate(10, 0);
    grow.scale(2, 2);
    projective.rotate(60, 1);
    const float w = 1 + 100 * projective.m13();
    const struct
    {
        const char* name;
        Transform t;
        float x, y, mx, my;
    } rows[] = {{"quarter turn", rotated90, 1, 0, 0, 1},
                {"thirty degrees", rotated30, 1, 0, 0.8660254f, 0.5f},
                {"translate then scale", translatedThenScaled, 1, 1, 12, 2},
                {"this x other applies this first", move * grow, 1, 1, 22, 2},
                {"around the y axis", projective, 100, 50, 50 / w, 50 / w}};
    for (const auto& row : rows) {
        float x = 0, y = 0;
        row.t.map(row.x, row.y, x, y);
        EXPECT_NEAR(row.mx, x, 1e-3) << row.name;
        EXPECT_NEAR(row.my, y, 1e-3) << row.name;
    }
    EXPECT_FALSE(projective.isAffine());
    EXPECT_NEAR(-0.8660254 / 1024, projective.m13(), 1e-9);
}

TEST(Transform, InverseUndoesAndSingularGivesIdentity)
{
    Transform t;
    t.translate(5, -7);
    t.rotate(33, 2);
    t.scale(2, 0.5f);
    EXPECT_TRUE((t * t.inverted()).isIdentity());
    float x = 0, y = 0;
    t.map(3.0f, 4.0f, x, y);
    t.inverted().map(x, y, x, y);
    EXPECT_NEAR(3, x, 1e-4);
    EXPECT_NEAR(4, y, 1e-4);
    const Transform adjoint = matrix(2, 0, 0, 0, 4, 0, 0, 0, 1).adjoint();
    EXPECT_EQ(std::make_tuple(4.0f, 2.0f, 8.0f),
              std::make_tuple(adjoint.m11(), adjoint.m22(), adjoint.m33()));
    const Transform singular = matrix(1, 2, 0, 2, 4, 0, 0, 0, 1);
    EXPECT_FALSE(singular.isInvertible());
    EXPECT_TRUE(singular.inverted().isIdentity());
    // A tiny determinant still inverts, though it does not count as invertible.
    const Transform tiny = matrix(1e-7f, 0, 0, 0, 1, 0, 0, 0, 1);
    EXPECT_FALSE(tiny.isInvertible());
    EXPECT_FLOAT_EQ(1e7f, tiny.inverted().m11());
}

TEST(Transform, IntegerMappingTruncatesAndSaturates)
{
    Transform huge;
    huge.scale(1e20f, 1);
    // The int form truncates before and after the division by w; where w is 0
    // the point goes to infinity and saturates, and 0 times infinity is 0.
    const struct
    {
        Transform t;
        int x, y, mx, my;
    } rows[] = {{matrix(2, 0, 0.25f, 0, 1, 0, 0, 0, 1), 4, 1, 4, 0},     // (8, 1) / 2
                {matrix(2, 0, 0.25f, 0, 1, 0, 0, 0, 1), 3, 1, 3, 0},     // (6, 1) / 1.75
                {matrix(2, 0, 0.25f, 0, 1, 0, 0, 0, 1), -3, 4, -24, 16}, // (-6, 4) / 0.25
                {matrix(1, 0, 0.5f, 0, 1, 0, 0, 0, 1), -2, 3, INT_MIN, INT_MAX},
                {matrix(1, 0, 0.5f, 0, 1, 0, 0, 0, 1), -2, 0, INT_MIN, 0},
                {huge, 5, 5, INT_MAX, 5}};
    for (const auto& row : rows) {
        int x = 0, y = 0;
        row.t.map(row.x, row.y, x, y);
        EXPECT_EQ(row.mx, x) << row.x << "," << row.y;
        EXPECT_EQ(row.my, y) << row.x << "," << row.y;
    }
}
