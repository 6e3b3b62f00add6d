#include "geometry/Springs.h"
#include "RecordingGL.h"
#include "SceneFixture.h"
#include "scene/SceneState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

namespace {

using gldouble::gl;

bool isWireSection(const gldouble::Primitive& p) {
    return p.mode == GL_QUADS && !p.vertices.empty() &&
           std::all_of(p.vertices.begin(), p.vertices.end(), [](const gldouble::Vertex& v) {
               return v.colour[0] == 1 && v.colour[1] == 0.2f && v.colour[2] == 0.2f;
           });
}

} // namespace

TEST(Springs, WholeSpringRisesThreePointSevenPerTurn) {
    const SceneState s = startState();
    struct Case {
        bool small;
        float radius, rise;
    };
    for (Case c : {Case{true, 10, 14.7f}, Case{false, 20, 18.4f}}) {
        gldouble::reset();
        if (c.small)
            DrawSmallSpring(s, true);
        else
            DrawLargeSpring(s, true);
        expectStackBalancedAndNoErrors();
        // The wire is 1 x 1 around a centre line rising from 0 to the full rise.
        const auto b = gldouble::allBounds();
        EXPECT_NEAR(b.min.y, -0.5f, 1e-3);
        EXPECT_NEAR(b.max.y, c.rise + 0.5f, 1e-3);
        EXPECT_NEAR(b.max.z, c.radius + 0.5f, 1e-3);
        EXPECT_NEAR(b.min.x, -(c.radius + 0.5f), 1e-3);
        // One continuous strip per wire face, plus the cap at the wire's start.
        EXPECT_EQ(gldouble::primitivesOfMode(GL_QUAD_STRIP).size(), 4u);
        EXPECT_EQ(std::count_if(gl().primitives.begin(), gl().primitives.end(), isWireSection), 1);
    }
}

TEST(Springs, ConsecutiveTurnsMeetAtTheSameAngleOneStepApart) {
    const SceneState s = startState();
    gldouble::reset();
    // Inner face of a 4-turn spring of radius 10: both edges on radius 9.5.
    DrawSpringLayer(s, 4, true, false, -0.5f, 0.5f, 9.5f, 9.5f);
    ASSERT_EQ(gl().primitives.size(), 1u);
    const auto& v = gl().primitives[0].vertices;
    ASSERT_EQ(v.size(), 2u * 148);
    const auto centre = [&](int pair) {
        return (v[2 * pair].position.y + v[2 * pair + 1].position.y) / 2;
    };
    EXPECT_NEAR(centre(0), 0, 1e-4);
    EXPECT_NEAR(centre(147), 14.7f, 1e-3);
    EXPECT_NEAR(centre(37) - centre(0), 3.7f, 1e-4);
    EXPECT_NEAR(centre(37) - centre(36), 0.1f, 1e-4);
    EXPECT_NEAR(v[2 * 36].position.x, v[2 * 37].position.x, 1e-4);
    EXPECT_NEAR(v[2 * 36].position.z, v[2 * 37].position.z, 1e-4);
}

TEST(Springs, CutAwaySpringShowsHalfTurnsCappedByRedWireSections) {
    SceneState s = startState();
    for (bool small : {true, false}) {
        gldouble::reset();
        if (small)
            DrawSmallSpring(s, false);
        else
            DrawLargeSpring(s, false);
        expectStackBalancedAndNoErrors();
        for (const auto& v : gldouble::allVertices()) ASSERT_GE(v.position.x, -1e-4f);

        std::vector<std::array<float, 2>> sections; // (y, z) of each section's centre
        for (const auto& p : gl().primitives) {
            if (!isWireSection(p)) continue;
            const auto b = gldouble::boundsOf(p.vertices);
            EXPECT_EQ(b.min.x, 0);
            EXPECT_EQ(b.max.x, 0);
            sections.push_back({(b.min.y + b.max.y) / 2, (b.min.z + b.max.z) / 2});
        }
        const int turns = small ? 4 : 5;
        const float r = small ? 10 : 20;
        // At the start, where each half-turn ends (190 degrees) and where each following turn
        // starts (360 degrees): all on the wire's centre line.
        ASSERT_EQ(sections.size(), 2u * turns);
        EXPECT_NEAR(sections[0][0], 0, 1e-4);
        EXPECT_NEAR(sections[0][1], r, 1e-4);
        for (int turn = 0; turn < turns; ++turn) {
            const auto& end = sections[1 + 2 * turn];
            EXPECT_NEAR(end[0], 3.7f * turn + 1.9f, 1e-3);
            EXPECT_NEAR(end[1], -r, 1e-4);
            if (turn + 1 == turns) continue;
            const auto& next = sections[2 + 2 * turn];
            EXPECT_NEAR(next[0], 3.7f * turn + 3.6f, 1e-3);
            EXPECT_NEAR(next[1], r, 1e-4);
        }
        // The wire itself only covers 0 to 180 degrees of each turn.
        for (const auto* strip : gldouble::primitivesOfMode(GL_QUAD_STRIP))
            EXPECT_LE(strip->vertices.size(), 2u * 20);
    }
}
