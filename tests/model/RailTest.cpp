#include "geometry/Rail.h"

#include "RecordingGL.h"
#include "SceneFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace gldouble;

namespace {

bool isGlass(const Primitive& p) {
    return p.blend && p.vertices[0].colour[3] == 0.05f;
}

std::vector<const Primitive*> matching(const std::function<bool(const Primitive&)>& test) {
    std::vector<const Primitive*> out;
    for (const auto& p : gl().primitives)
        if (test(p)) out.push_back(&p);
    return out;
}

std::vector<Vertex> verticesOf(const std::vector<const Primitive*>& prims) {
    std::vector<Vertex> out;
    for (const Primitive* p : prims) out.insert(out.end(), p->vertices.begin(), p->vertices.end());
    return out;
}

// Graduation cells lie on the scale's front face, at z = R + 21, over x 18..53.
std::vector<const Primitive*> graduationCells(float xLeft) {
    return matching([xLeft](const Primitive& p) {
        const Bounds b = boundsOf(p.vertices);
        return p.mode == GL_QUADS && b.min.z == b.max.z && std::fabs(b.min.z - 37.85f) < 1e-4f &&
               b.min.x == xLeft;
    });
}

} // namespace

TEST(Rail, WholeRailAtStartSpansTheColumnWithTheGlassInFront) {
    const SceneState s = startState();
    reset();
    DrawRailWhole(s, s.rail);

    const Bounds all = allBounds();
    EXPECT_FLOAT_EQ(all.min.y, -30);
    EXPECT_FLOAT_EQ(all.max.y, 420);
    EXPECT_NEAR(all.min.x, -18, 1e-4);
    EXPECT_NEAR(all.max.x, 18, 1e-4);
    EXPECT_NEAR(all.min.z, 16.85 + 1, 1e-4) << "the foot stops one unit off the pipe";

    const auto glass = matching(isGlass);
    ASSERT_EQ(glass.size(), 6u);
    const Bounds g = boundsOf(verticesOf(glass));
    EXPECT_NEAR(g.min.z, 34.85, 1e-4);
    EXPECT_NEAR(g.max.z, 37.85, 1e-4);
    EXPECT_NEAR(g.max.x, 14.5, 1e-4);
    for (const Primitive* p : glass) EXPECT_EQ(p->blendDst, GL_ONE_MINUS_SRC_ALPHA);

    // The carrier's side walls end where the flap pins rest.
    const auto carrierTops = matching([](const Primitive& p) {
        const Bounds b = boundsOf(p.vertices);
        return p.blend && b.min.z == b.max.z && std::fabs(b.max.z - 30.85f) < 1e-4f;
    });
    EXPECT_EQ(carrierTops.size(), 2u);

    EXPECT_EQ(primitivesOfMode(GL_TRIANGLE_FAN).size(), 8u) << "four screws, head and tip";
    expectGLLeftAsFound();
}

TEST(Rail, WallsAreTranslucentOnlyWhenPlasticWhileGlassStaysFaint) {
    for (bool aluminium : {true, false}) {
        SceneState s = startState();
        s.railAluminium = aluminium;
        const float wallAlpha = aluminium ? 1.0f : 0.4f;
        for (auto draw : {DrawRailWhole, DrawRailCut}) {
            reset();
            draw(s, s.rail);
            int walls = 0;
            for (const auto& p : gl().primitives) {
                if (isGlass(p)) continue;
                if (p.blend) {
                    ++walls;
                    EXPECT_EQ(p.blendSrc, GL_SRC_ALPHA);
                    for (const auto& v : p.vertices) EXPECT_EQ(v.colour[3], wallAlpha);
                } else {
                    for (const auto& v : p.vertices) EXPECT_EQ(v.colour[3], 1) << "opaque";
                }
            }
            EXPECT_EQ(walls, draw == DrawRailWhole ? 24 : 4);
            expectGLLeftAsFound();
        }
    }
}

TEST(Rail, CutAwayKeepsTheSectionedHalfWithoutGlassOrScrews) {
    const SceneState s = startState();
    reset();
    DrawRailCut(s, s.rail);

    for (const auto& v : allVertices()) ASSERT_GE(v.position.x, 0);
    EXPECT_TRUE(matching(isGlass).empty());
    EXPECT_TRUE(primitivesOfMode(GL_TRIANGLE_FAN).empty());
    EXPECT_TRUE(primitivesOfMode(GL_QUAD_STRIP).empty());
    const Bounds all = allBounds();
    EXPECT_FLOAT_EQ(all.min.y, -30);
    EXPECT_FLOAT_EQ(all.max.y, 420);

    // The half rear strip is a magnet: green on the pipe side, red toward the flaps.
    int green = 0, red = 0;
    for (const auto& v : allVertices()) {
        if (v.colour == std::array<float, 4>{0, 1, 0, 1}) {
            ++green;
            EXPECT_NEAR(v.position.z, 16.85 + 5, 1e-4);
        } else if (v.colour == std::array<float, 4>{1, 0, 0, 1}) {
            ++red;
            EXPECT_NEAR(v.position.z, 16.85 + 7, 1e-4);
        }
    }
    EXPECT_EQ(green, 12);
    EXPECT_EQ(red, 12);
    expectGLLeftAsFound();
}

TEST(Rail, ScaleIsGraduatedFromLevelZeroAndIgnoresTheRailPose) {
    SceneState s = startState();
    s.scaleVisible = true;
    s.rail.pose.posX = 100; // moves the rail, not the scale
    for (auto draw : {DrawRailWhole, DrawRailCut}) {
        reset();
        draw(s, s.rail);
        const auto left = graduationCells(18);
        const auto right = graduationCells(35);
        ASSERT_EQ(left.size(), 42u);
        ASSERT_EQ(right.size(), 42u);
        EXPECT_FLOAT_EQ(boundsOf(left.front()->vertices).min.y, 0);
        EXPECT_FLOAT_EQ(boundsOf(left.back()->vertices).min.y, 410);
        EXPECT_FLOAT_EQ(boundsOf(left.back()->vertices).max.y, 420);
        // Left column: black, light, black...; right column: five light, five black.
        EXPECT_EQ(left[0]->vertices[0].colour[0], 0);
        EXPECT_FLOAT_EQ(left[1]->vertices[0].colour[0], 0.9f);
        EXPECT_FLOAT_EQ(right[4]->vertices[0].colour[0], 0.9f);
        EXPECT_EQ(right[5]->vertices[0].colour[0], 0);
        EXPECT_FLOAT_EQ(right[10]->vertices[0].colour[0], 0.9f);
        for (const auto& v : verticesOf(right)) EXPECT_LE(v.position.x, 53);
        expectGLLeftAsFound();
    }

    // A rail ending below level 0 still gets the first pair of cells.
    s.flapCount = 1;
    reset();
    DrawRailCut(s, s.rail);
    EXPECT_EQ(graduationCells(18).size(), 1u);
    EXPECT_EQ(graduationCells(35).size(), 1u);

    s.scaleVisible = false;
    reset();
    DrawRailCut(s, s.rail);
    EXPECT_TRUE(graduationCells(18).empty());
}
