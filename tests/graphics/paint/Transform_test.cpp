#include "graphics/paint/Transform.h"

#include <gtest/gtest.h>

#include <climits>

TEST(Transform, IdentityAndPredicates)
{
    Transform t;
    EXPECT_TRUE(t.isIdentity());
    EXPECT_TRUE(t.isAffine());
    EXPECT_TRUE(t.isInvertible());
    EXPECT_FALSE(t.isScaling());
    EXPECT_FALSE(t.isTranslating());
    EXPECT_FLOAT_EQ(1, t.determinant());

    t.translate(3, 0);
    EXPECT_TRUE(t.isTranslating());
    EXPECT_FALSE(t.isIdentity());
    EXPECT_EQ(3, t.dx());
    t.reset();
    EXPECT_TRUE(t.isIdentity());

    // Leftovers of float arithmetic below the tolerance count as nothing.
    t.setMatrix(1, 5e-8f, 0, 0, 1, 0, 5e-7f, 0, 1);
    EXPECT_TRUE(t.isIdentity());
    EXPECT_FALSE(t.isTranslating());
    t.setMatrix(1, 0, 0, 0, 1.5f, 0, 0, 0, 1);
    EXPECT_TRUE(t.isScaling());
    t.setMatrix(1, 0, 0.01f, 0, 1, 0, 0, 0, 1);
    EXPECT_FALSE(t.isAffine());

    Transform a, b;
    b.setMatrix(1 + 5e-7f, 0, 0, 0, 1, 0, 0, 0, 1);
    EXPECT_TRUE(a == b);
    b.setMatrix(1 + 5e-6f, 0, 0, 0, 1, 0, 0, 0, 1);
    EXPECT_TRUE(a != b);
}

TEST(Transform, ElementaryOperationsActBeforeTheExistingTransform)
{
    Transform r;
    r.rotate(90, 2);
    EXPECT_EQ(0.0f, r.m11());
    EXPECT_EQ(1.0f, r.m12());
    EXPECT_EQ(-1.0f, r.m21());
    EXPECT_EQ(0.0f, r.m22());
    float x = 0, y = 0;
    r.map(1.0f, 0.0f, x, y);
    EXPECT_EQ(0.0f, x);
    EXPECT_EQ(1.0f, y);

    r.reset();
    r.rotate(180, 2);
    r.map(2.0f, 3.0f, x, y);
    EXPECT_EQ(-2.0f, x);
    EXPECT_EQ(-3.0f, y);

    r.reset();
    r.rotate(30, 2);
    r.map(1.0f, 0.0f, x, y);
    EXPECT_NEAR(0.8660254, x, 1e-6);
    EXPECT_NEAR(0.5, y, 1e-6);

    // translate, then scale: the scaling applies to points first.
    Transform t;
    t.translate(10, 0);
    t.scale(2, 2);
    t.map(1.0f, 1.0f, x, y);
    EXPECT_EQ(12.0f, x);
    EXPECT_EQ(2.0f, y);

    // Composition: this x other applies this first.
    Transform move, grow;
    move.translate(10, 0);
    grow.scale(2, 2);
    (move * grow).map(1.0f, 1.0f, x, y);
    EXPECT_EQ(22.0f, x);
    EXPECT_EQ(2.0f, y);
}

TEST(Transform, InverseUndoes)
{
    Transform t;
    t.translate(5, -7);
    t.rotate(33, 2);
    t.scale(2, 0.5f);
    const Transform back = t.inverted();
    EXPECT_TRUE((t * back).isIdentity());
    float x = 0, y = 0, bx = 0, by = 0;
    t.map(3.0f, 4.0f, x, y);
    back.map(x, y, bx, by);
    EXPECT_NEAR(3, bx, 1e-4);
    EXPECT_NEAR(4, by, 1e-4);

    Transform adjoint;
    adjoint.setMatrix(2, 0, 0, 0, 4, 0, 0, 0, 1);
    const Transform adj = adjoint.adjoint();
    EXPECT_FLOAT_EQ(4, adj.m11());
    EXPECT_FLOAT_EQ(2, adj.m22());
    EXPECT_FLOAT_EQ(8, adj.m33());

    Transform singular;
    singular.setMatrix(1, 2, 0, 2, 4, 0, 0, 0, 1);
    EXPECT_EQ(0.0f, singular.determinant());
    EXPECT_FALSE(singular.isInvertible());
    EXPECT_TRUE(singular.inverted().isIdentity());

    // A tiny determinant still inverts, though it does not count as invertible.
    Transform tiny;
    tiny.setMatrix(1e-7f, 0, 0, 0, 1, 0, 0, 0, 1);
    EXPECT_FALSE(tiny.isInvertible());
    EXPECT_FLOAT_EQ(1e7f, tiny.inverted().m11());
}

TEST(Transform, ElementWiseArithmetic)
{
    Transform t;
    t += 1;
    EXPECT_EQ(2.0f, t.m11());
    EXPECT_EQ(1.0f, t.m12());
    t *= 3;
    EXPECT_EQ(6.0f, t.m33());
    t -= 1;
    EXPECT_EQ(2.0f, t.m23());
    const Transform half = t / 2;
    EXPECT_EQ(2.5f, half.m11());
    EXPECT_EQ(5.0f, t.m33()) << "operator/ leaves the original";
    t /= 4;
    EXPECT_EQ(1.25f, t.m11());
}

TEST(Transform, ProjectiveMappingAndTheVanishingLine)
{
    Transform t;
    t.rotate(60, 1);
    EXPECT_FALSE(t.isAffine());
    EXPECT_NEAR(0.5, t.m11(), 1e-6);
    EXPECT_NEAR(-0.8660254 / 1024, t.m13(), 1e-9);
    float x = 0, y = 0;
    t.map(100.0f, 50.0f, x, y);
    const float w = 1 + 100 * t.m13();
    EXPECT_NEAR(50 / w, x, 1e-3);
    EXPECT_NEAR(50 / w, y, 1e-3);

    // The int form truncates before and after the division by w.
    Transform p;
    p.setMatrix(2, 0, 0.25f, 0, 1, 0, 0, 0, 1);
    int ix = 0, iy = 0;
    p.map(4, 1, ix, iy); // (8, 1) / 2
    EXPECT_EQ(4, ix);
    EXPECT_EQ(0, iy);
    p.map(3, 1, ix, iy); // (6, 1) / 1.75
    EXPECT_EQ(3, ix);
    EXPECT_EQ(0, iy);
    p.map(-3, 4, ix, iy); // (-6, 4) / 0.25
    EXPECT_EQ(-24, ix);
    EXPECT_EQ(16, iy);

    // w = 0: the point goes to infinity; the int form saturates instead of
    // converting infinity (undefined), and 0 times infinity gives 0.
    Transform v;
    v.setMatrix(1, 0, 0.5f, 0, 1, 0, 0, 0, 1);
    v.map(-2, 3, ix, iy);
    EXPECT_EQ(INT_MIN, ix);
    EXPECT_EQ(INT_MAX, iy);
    v.map(-2, 0, ix, iy);
    EXPECT_EQ(INT_MIN, ix);
    EXPECT_EQ(0, iy);

    // A huge affine result saturates too.
    Transform big;
    big.scale(1e20f, 1);
    big.map(5, 5, ix, iy);
    EXPECT_EQ(INT_MAX, ix);
    EXPECT_EQ(5, iy);
}
