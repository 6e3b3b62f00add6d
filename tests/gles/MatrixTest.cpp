#include "gles/Matrix.h"

#include <gtest/gtest.h>

#include <cmath>

using gles::Matrix;
using gles::Vec4;

namespace {

void expectNear(const Vec4& actual, const Vec4& expected, float eps = 1e-5f) {
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(actual[i], expected[i], eps) << "component " << i;
}

void expectNear(const Matrix& actual, const Matrix& expected, float eps = 1e-6f) {
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(actual[i], expected[i], eps) << "element " << i;
}

// The point after the perspective division.
Vec4 projected(const Matrix& m, float x, float y, float z) {
    const Vec4 p = gles::transformPoint(m, x, y, z);
    return {p[0] / p[3], p[1] / p[3], p[2] / p[3], 1};
}

} // namespace

// GL multiplies a new transformation on the right: translate then scale scales first.
TEST(Matrix, ProductsApplyTheRightFactorFirst) {
    const Matrix m = gles::product(gles::translation(10, 20, 30), gles::scaling(2, 3, 4));
    expectNear(gles::transformPoint(m, 1, 1, 1), {12, 23, 34, 1});
    expectNear(gles::transformPoint(gles::product(gles::identityMatrix, m), 1, 1, 1),
               {12, 23, 34, 1});
}

// Rotations turn counter-clockwise about their axis; a reversed axis turns the other way, the
// length of the axis does not matter, and no axis leaves the matrix unchanged.
TEST(Matrix, RotationsFollowGL) {
    expectNear(gles::transformPoint(gles::rotation(90, 0, 0, 1), 1, 0, 0), {0, 1, 0, 1});
    expectNear(gles::transformPoint(gles::rotation(90, 1, 0, 0), 0, 1, 0), {0, 0, 1, 1});
    expectNear(gles::transformPoint(gles::rotation(90, 0, 1, 0), 0, 0, 1), {1, 0, 0, 1});
    expectNear(gles::rotation(35, 0, -1, 0), gles::rotation(-35, 0, 1, 0));
    expectNear(gles::rotation(35, 0, 0, 5), gles::rotation(35, 0, 0, 1));
    expectNear(gles::rotation(50, 2, 2, 0), gles::rotation(50, 1, 1, 0));
    // About the diagonal, a third of a turn carries each axis onto the next.
    expectNear(gles::transformPoint(gles::rotation(120, 1, 1, 1), 1, 0, 0), {0, 1, 0, 1});
    EXPECT_EQ(gles::rotation(40, 0, 0, 0), gles::identityMatrix);
}

// The frame's perspective: 15 degrees vertical field, near plane 1000, far plane 10000.
TEST(Matrix, PerspectiveMapsTheFrustumOntoTheUnitCube) {
    const Matrix p = gles::perspective(15, 2, 1000, 10000);
    const float halfHeight = 1000 * std::tan(7.5f * 3.14159265f / 180);
    expectNear(projected(p, 0, 0, -1000), {0, 0, -1, 1});
    expectNear(projected(p, 0, 0, -10000), {0, 0, 1, 1}, 1e-4f);
    expectNear(projected(p, 2 * halfHeight, halfHeight, -1000), {1, 1, -1, 1}, 1e-4f);
    // GLU leaves the matrix unchanged where it cannot build one.
    EXPECT_EQ(gles::perspective(15, 0, 1000, 10000), gles::identityMatrix);
    EXPECT_EQ(gles::perspective(15, 1, 1000, 1000), gles::identityMatrix);
}

TEST(Matrix, OrthoMapsTheBoxOntoTheUnitCube) {
    const Matrix o = gles::ortho(-100, 50, -20, 80, -10, 30);
    expectNear(gles::transformPoint(o, -100, -20, 10), {-1, -1, -1, 1});
    expectNear(gles::transformPoint(o, 50, 80, -30), {1, 1, 1, 1});
}

// The stacks hold GL's 32 matrices; beyond that and below the last one nothing changes.
TEST(Matrix, StacksRefuseOverflowAndUnderflow) {
    gles::MatrixStack stack(32);
    EXPECT_FALSE(stack.pop());
    stack.multiply(gles::translation(1, 0, 0));
    for (int i = 1; i < 32; ++i) ASSERT_TRUE(stack.push()) << i;
    EXPECT_FALSE(stack.push());
    stack.load(gles::scaling(2, 2, 2));
    for (int i = 1; i < 32; ++i) ASSERT_TRUE(stack.pop()) << i;
    EXPECT_FALSE(stack.pop());
    EXPECT_EQ(stack.top(), gles::translation(1, 0, 0));
}
