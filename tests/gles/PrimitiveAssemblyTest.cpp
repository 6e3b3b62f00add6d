#include "gles/PrimitiveAssembly.h"

#include <gtest/gtest.h>

#include <vector>

using gles::PrimitiveKind;
using Indices = std::vector<std::uint32_t>;

namespace {

Indices assembled(GLenum mode, std::uint32_t count, GLenum polygonMode, PrimitiveKind expectedKind,
                  bool reachesOutside = false) {
    Indices indices;
    EXPECT_EQ(gles::assemblePrimitive(mode, count, polygonMode, reachesOutside, indices),
              expectedKind);
    return indices;
}

Indices filled(GLenum mode, std::uint32_t count, bool reachesOutside = false) {
    return assembled(mode, count, GL_FILL, PrimitiveKind::Triangles, reachesOutside);
}

} // namespace

// Filled polygons become triangles along Mesa's diagonals and with its order of corners, so that
// colours and depths interpolate as through libGL: where two faces meet in one plane, the same
// one shows.
TEST(PrimitiveAssembly, FilledPolygonsSplitAsMesaSplitsThem) {
    EXPECT_EQ(filled(GL_QUADS, 8), (Indices{0, 1, 2, 0, 2, 3, 4, 5, 6, 4, 6, 7}));
    // The strip's quads have the outlines v0 v1 v3 v2 and v2 v3 v5 v4.
    EXPECT_EQ(filled(GL_QUAD_STRIP, 6), (Indices{2, 0, 3, 0, 1, 3, 4, 2, 5, 2, 3, 5}));
    EXPECT_EQ(filled(GL_POLYGON, 5), (Indices{1, 2, 0, 2, 3, 0, 3, 4, 0}));
    EXPECT_EQ(filled(GL_TRIANGLE_FAN, 5), (Indices{0, 1, 2, 0, 2, 3, 0, 3, 4}));
    // Every second triangle of a strip turned round, keeping the winding.
    EXPECT_EQ(filled(GL_TRIANGLE_STRIP, 5), (Indices{0, 1, 2, 2, 1, 3, 2, 3, 4}));
    EXPECT_EQ(filled(GL_TRIANGLES, 6), (Indices{0, 1, 2, 3, 4, 5}));
}

// Quads of a glBegin/glEnd that reaches outside the view volume go through Mesa's clipper, which
// cuts them along the other diagonal; nothing else changes.
TEST(PrimitiveAssembly, QuadsReachingOutsideTheViewSplitAlongTheOtherDiagonal) {
    EXPECT_EQ(filled(GL_QUADS, 4, true), (Indices{0, 1, 3, 1, 2, 3}));
    for (const GLenum mode : {GL_QUAD_STRIP, GL_POLYGON, GL_TRIANGLE_STRIP, GL_TRIANGLE_FAN})
        EXPECT_EQ(filled(mode, 6, true), filled(mode, 6, false)) << mode;
}

// GL_LINE draws the outline of each polygon: quads without their diagonal, the triangles of strips
// and fans with all three edges; each triangle's edges start with the one back to its first corner.
TEST(PrimitiveAssembly, LineModeDrawsEachPolygonsOutline) {
    const auto lines = [](GLenum mode, std::uint32_t n) {
        return assembled(mode, n, GL_LINE, PrimitiveKind::Lines);
    };
    EXPECT_EQ(lines(GL_QUADS, 4), (Indices{3, 0, 0, 1, 1, 2, 2, 3}));
    EXPECT_EQ(lines(GL_QUAD_STRIP, 4), (Indices{3, 2, 2, 0, 0, 1, 1, 3}));
    EXPECT_EQ(lines(GL_POLYGON, 4), (Indices{0, 1, 1, 2, 2, 3, 3, 0}));
    EXPECT_EQ(lines(GL_TRIANGLE_STRIP, 4), (Indices{2, 0, 0, 1, 1, 2, 3, 2, 2, 1, 1, 3}));
    EXPECT_EQ(lines(GL_TRIANGLE_FAN, 4), (Indices{2, 0, 0, 1, 1, 2, 3, 0, 0, 2, 2, 3}));
}

// GL_POINT draws the corners of each polygon, each corner of a quad once.
TEST(PrimitiveAssembly, PointModeDrawsEachPolygonsCorners) {
    EXPECT_EQ(assembled(GL_QUADS, 4, GL_POINT, PrimitiveKind::Points), (Indices{0, 3, 1, 2}));
    EXPECT_EQ(assembled(GL_QUAD_STRIP, 4, GL_POINT, PrimitiveKind::Points), (Indices{2, 3, 0, 1}));
    EXPECT_EQ(assembled(GL_POLYGON, 4, GL_POINT, PrimitiveKind::Points), (Indices{1, 0, 2, 3}));
    EXPECT_EQ(assembled(GL_TRIANGLES, 3, GL_POINT, PrimitiveKind::Points), (Indices{0, 1, 2}));
}

// Points and lines are what they are in every polygon mode.
TEST(PrimitiveAssembly, PointsAndLinesIgnoreThePolygonMode) {
    for (const GLenum polygonMode : {GL_FILL, GL_LINE, GL_POINT}) {
        EXPECT_EQ(assembled(GL_POINTS, 3, polygonMode, PrimitiveKind::Points), (Indices{0, 1, 2}));
        EXPECT_EQ(assembled(GL_LINES, 4, polygonMode, PrimitiveKind::Lines), (Indices{0, 1, 2, 3}));
        EXPECT_EQ(assembled(GL_LINE_STRIP, 3, polygonMode, PrimitiveKind::Lines),
                  (Indices{0, 1, 1, 2}));
        EXPECT_EQ(assembled(GL_LINE_LOOP, 3, polygonMode, PrimitiveKind::Lines),
                  (Indices{0, 1, 1, 2, 2, 0}));
    }
}

// Vertices that do not complete a primitive are dropped; too few draw nothing.
TEST(PrimitiveAssembly, IncompletePrimitivesAreDropped) {
    EXPECT_EQ(filled(GL_QUADS, 7), (Indices{0, 1, 2, 0, 2, 3}));
    EXPECT_EQ(filled(GL_QUAD_STRIP, 5), (Indices{2, 0, 3, 0, 1, 3}));
    EXPECT_EQ(filled(GL_TRIANGLES, 5), (Indices{0, 1, 2}));
    EXPECT_EQ(assembled(GL_LINES, 3, GL_FILL, PrimitiveKind::Lines), (Indices{0, 1}));
    for (const GLenum mode : {GL_POLYGON, GL_TRIANGLE_STRIP, GL_TRIANGLE_FAN, GL_QUAD_STRIP})
        EXPECT_TRUE(assembled(mode, 2, GL_LINE, PrimitiveKind::Lines).empty()) << mode;
    EXPECT_TRUE(assembled(GL_LINE_LOOP, 1, GL_FILL, PrimitiveKind::Lines).empty());
}

TEST(PrimitiveAssembly, TheTenModesOfGlBeginAreKnown) {
    for (GLenum mode = GL_POINTS; mode <= GL_POLYGON; ++mode) EXPECT_TRUE(gles::isBeginMode(mode));
    EXPECT_FALSE(gles::isBeginMode(GL_POLYGON + 1));
    EXPECT_FALSE(gles::isBeginMode(GL_LINE));
}
