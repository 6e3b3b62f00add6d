#include "geometry/ProcessConnections.h"

#include "RecordingGL.h"
#include "SceneFixture.h"

#include <gtest/gtest.h>

#include <cmath>

using gldouble::gl;
using gldouble::Vec3;
using gldouble::Vertex;

namespace {

constexpr float eps = 1e-4f;

struct Point2 {
    float x, z;
};

// Centres of the bolt hole walls: whole tubes (37 vertex pairs) standing off the flange axis.
std::vector<Point2> boltHoleCentres() {
    std::vector<Point2> centres;
    for (const auto* p : gldouble::primitivesOfMode(GL_QUAD_STRIP)) {
        if (p->vertices.size() != 2 * 37) continue;
        Point2 sum{0, 0};
        for (int i = 0; i < 72; i += 2) {
            sum.x += p->vertices[i].position.x / 36;
            sum.z += p->vertices[i].position.z / 36;
        }
        if (std::hypot(sum.x, sum.z) > 1) centres.push_back(sum);
    }
    return centres;
}

bool hasCentreNear(const std::vector<Point2>& centres, float x, float z) {
    for (const auto& c : centres)
        if (std::fabs(c.x - x) < 1e-3f && std::fabs(c.z - z) < 1e-3f) return true;
    return false;
}

class ProcessConnections : public SceneTest {
  protected:
    void TearDown() override {
        expectStackBalancedAndNoErrors();
        expectTintsOff(state);
    }
    PlacedPart placement;
};

} // namespace

TEST_F(ProcessConnections, NozzleWallStartsExactlyOnTheChamberCylinder) {
    DrawNozzleWall(36, 8.6f, 16.85f, 100);
    ASSERT_EQ(gl().primitives.size(), 1u);
    const auto& v = gl().primitives[0].vertices;
    ASSERT_EQ(v.size(), 4u * 36);
    for (size_t q = 0; q < v.size(); q += 4) {
        EXPECT_FLOAT_EQ(v[q].position.y, 100);
        EXPECT_FLOAT_EQ(v[q + 3].position.y, 100);
        for (const size_t inner : {q + 1, q + 2})
            EXPECT_NEAR(std::hypot(v[inner].position.x, v[inner].position.y), 16.85f, 1e-4);
    }
    // Darkest at 180 degrees, symmetric behind.
    EXPECT_NEAR(v[4 * 17 + 2].colour[0], 0.7f - 18 / 35.0f, 1e-6);
    EXPECT_NEAR(v[4 * 18].colour[0], 0.7f - 18 / 35.0f, 1e-6);
    EXPECT_NEAR(v[4 * 35 + 2].colour[0], 0.7f, 1e-6);
}

TEST_F(ProcessConnections, CutAwayLowerNozzleRunsFromTheChamberWallTowardsTheTank) {
    DrawLowerNozzle(state, placement, false);
    const float length = state.connection.nozzleLength;
    const float outer = state.connection.outerDiameter / 2;
    const float inner = state.connection.innerDiameter / 2;
    const float rIn = state.pipeInnerRadius, rOut = state.pipeOuterRadius;
    int sections = 0;
    for (const auto& p : gl().primitives)
        for (const auto& v : p.vertices) {
            const Vec3 at = v.position;
            EXPECT_GE(at.x, -eps);
            EXPECT_LE(std::fabs(at.y), outer + eps);
            if (std::fabs(at.z + length) < eps) continue; // the end face
            const float fromAxis = std::hypot(at.x, at.z);
            EXPECT_TRUE(std::fabs(fromAxis - rOut) < 1e-3f || std::fabs(fromAxis - rIn) < 1e-3f)
                << "nozzle vertex off the chamber wall at " << at.x << ", " << at.y << ", " << at.z;
        }
    for (const auto* p : gldouble::primitivesOfMode(GL_QUADS)) {
        if (p->vertices.size() != 4 || p->vertices[0].colour[0] != 1) continue;
        ++sections;
        const auto bounds = gldouble::boundsOf(p->vertices);
        EXPECT_EQ(bounds.min.x, 0);
        EXPECT_EQ(bounds.max.x, 0);
        EXPECT_NEAR(bounds.min.z, -length, eps);
        EXPECT_NEAR(bounds.max.z, -rIn, eps);
        EXPECT_NEAR(std::fabs(bounds.min.y + bounds.max.y), outer + inner, eps);
    }
    EXPECT_EQ(sections, 2);
}

TEST_F(ProcessConnections, FlangeShowsTwoBoltHolesCutAwayAndFourWhole) {
    state.connection.boltCount = 8; // the drawing always shows four holes
    const float hc = state.connection.boltCircleDiameter / 2 / std::sqrt(2.0f);
    DrawConnectionFlange(state, state.connection, false);
    auto centres = boltHoleCentres();
    ASSERT_EQ(centres.size(), 2u);
    EXPECT_TRUE(hasCentreNear(centres, hc, hc));  // 45 degrees from +Z towards +X
    EXPECT_TRUE(hasCentreNear(centres, hc, -hc)); // 135 degrees
    for (const auto& v : gldouble::allVertices()) EXPECT_GE(v.position.x, -eps);

    gldouble::reset();
    DrawConnectionFlange(state, state.connection, true);
    centres = boltHoleCentres();
    ASSERT_EQ(centres.size(), 4u);
    for (const float x : {hc, -hc})
        for (const float z : {hc, -hc}) EXPECT_TRUE(hasCentreNear(centres, x, z));
}

TEST_F(ProcessConnections, FlangeSealingFaceMeetsTheTankAtTheNozzleEnd) {
    const auto& c = state.connection;
    DrawLowerConnectionFlange(state, placement, true);
    auto bounds = gldouble::allBounds();
    EXPECT_NEAR(bounds.min.z, -c.nozzleLength, eps);
    EXPECT_NEAR(bounds.max.z, -c.nozzleLength + c.flangeThickness, eps);
    EXPECT_NEAR(bounds.max.x, c.flangeDiameter / 2, eps);
    EXPECT_NEAR(bounds.min.y, -c.flangeDiameter / 2, eps);

    gldouble::reset();
    DrawUpperConnectionFlange(state, placement, false);
    bounds = gldouble::allBounds();
    EXPECT_NEAR(bounds.max.y, state.displayHeight + c.flangeDiameter / 2, eps);
    EXPECT_GE(bounds.min.x, -eps);
    // Only the raised face reaches the sealing plane.
    for (const auto& v : gldouble::allVertices()) {
        if (std::fabs(v.position.z + c.nozzleLength) > eps) continue;
        EXPECT_LE(std::hypot(v.position.x, v.position.y - state.displayHeight),
                  c.faceDiameter / 2 + eps);
    }
}

TEST_F(ProcessConnections, FlangeFaceQuarterFillsItsSectorAroundOneHole) {
    const float hole = 7, boltCircle = 30, outer = 45, inner = 8.6f, y = 2;
    const float hc = boltCircle / std::sqrt(2.0f);
    DrawFlangeFaceQuarter({.holeRadius = hole,
                           .boltCircleRadius = boltCircle,
                           .outerRadius = outer,
                           .innerRadius = inner,
                           .y = y});
    ASSERT_EQ(gl().primitives.size(), 1u);
    const auto& v = gl().primitives[0].vertices;
    ASSERT_EQ(v.size(), 4u * 4 * 9);
    for (const auto& vertex : v) {
        const Vec3 at = vertex.position;
        EXPECT_FLOAT_EQ(at.y, y);
        EXPECT_GE(at.x, -eps);
        EXPECT_GE(at.z, -eps);
        const float fromAxis = std::hypot(at.x, at.z);
        const bool onHole = std::fabs(std::hypot(at.x - hc, at.z - hc) - hole) < 1e-3f;
        const bool onEdge =
            (at.x == 0 || at.z == 0) && fromAxis >= inner - eps && fromAxis <= outer + eps;
        const bool onCircle =
            std::fabs(fromAxis - inner) < 1e-3f || std::fabs(fromAxis - outer) < 1e-3f;
        EXPECT_TRUE(onHole || onEdge || onCircle) << at.x << ", " << at.z;
    }
    // Quads towards the circles start light, those towards the straight edges start dark.
    EXPECT_FLOAT_EQ(v[0].colour[0], 0.6f);
    EXPECT_FLOAT_EQ(v[2].colour[0], 0.4f);
    EXPECT_FLOAT_EQ(v[4].colour[0], 0.6f);
    EXPECT_FLOAT_EQ(v[8].colour[0], 0.4f);
    EXPECT_FLOAT_EQ(v[10].colour[0], 0.6f);
    EXPECT_FLOAT_EQ(v[12].colour[0], 0.4f);
}

TEST_F(ProcessConnections, EveryRoutineLeavesTheMatrixAsItFoundIt) {
    placement.pose = {10, 20, 30, 1, 2, 3};
    for (const bool full : {true, false}) {
        DrawUpperNozzle(state, placement, full);
        DrawLowerNozzle(state, placement, full);
        DrawUpperConnectionFlange(state, placement, full);
        DrawLowerConnectionFlange(state, placement, full);
        DrawNozzle(state, full);
        PlaceConnectionFlange(state, full, 0);
        DrawConnectionFlange(state, state.connection, full);
        EXPECT_TRUE(gldouble::modelviewAtIdentity());
    }
    EXPECT_GT(gldouble::vertexCount(), 0u);
}
