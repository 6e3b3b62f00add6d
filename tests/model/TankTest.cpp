#include "geometry/Tank.h"
#include "RecordingGL.h"
#include "SceneFixture.h"
#include "scene/Catalogues.h"
#include "scene/SceneState.h"

#include <gtest/gtest.h>

#include <cmath>

using gldouble::Bounds;
using gldouble::gl;
using gldouble::Primitive;
using gldouble::Vertex;

namespace {

// Start state: DN10 connection (nozzle 100, outer diameter 17.2, bore 14, bolt circle 60,
// bolt holes 14, flange 16 thick), display height 390, tank and pipe cut away.
constexpr float zWall = -150;
constexpr float holeRadius = 8.6f;

void drawTank(const SceneState& s) {
    gldouble::reset();
    DrawTank(s, s.tank);
}

bool hasColour(const Vertex& v, std::array<float, 4> colour) {
    return v.colour == colour;
}
bool isRed(const Primitive& p) {
    return hasColour(p.vertices.front(), {1, 0.1f, 0.1f, 1});
}

// Hole points of the front wall: the grey 0.4 corners of the quads in the wall's plane.
std::vector<Vertex> holePoints(float wall) {
    std::vector<Vertex> out;
    for (const auto* p : gldouble::primitivesOfMode(GL_QUADS))
        for (const auto& v : p->vertices)
            if (hasColour(v, {0.4f, 0.4f, 0.4f, 1}) && std::fabs(v.position.z - wall) < 1e-3)
                out.push_back(v);
    return out;
}

// Round pieces along a nozzle axis, told apart by the span they cover towards the tank.
std::vector<Bounds> stripsSpanning(float zNear, float zFar) {
    std::vector<Bounds> out;
    for (const auto* p : gldouble::primitivesOfMode(GL_QUAD_STRIP)) {
        const Bounds b = gldouble::boundsOf(p->vertices);
        if (std::fabs(b.max.z - zNear) < 1e-3 && std::fabs(b.min.z - zFar) < 1e-3) out.push_back(b);
    }
    return out;
}

// Nozzle walls run from the flange face at -100 to the wall. Bolt shanks: radius 6, length
// 6 * 4/3 + 16 = 24, reaching 27 either side of the flange face.
size_t nozzleWallCount() {
    return stripsSpanning(-100, zWall).size();
}
std::vector<Bounds> boltShanks() {
    return stripsSpanning(-73, -127);
}

} // namespace

TEST(Tank, BoxBesideTheChamberWithHolesAtTheConnectionCentres) {
    SceneState s = startState();
    gldouble::reset();
    DrawTankHalf(s, false);
    DrawTankHalf(s, true);
    const Bounds box = gldouble::allBounds();
    EXPECT_FLOAT_EQ(box.min.x, -100);
    EXPECT_FLOAT_EQ(box.max.x, 100);
    EXPECT_FLOAT_EQ(box.min.y, -30);
    EXPECT_FLOAT_EQ(box.max.y, 420);
    EXPECT_FLOAT_EQ(box.min.z, -250);
    EXPECT_FLOAT_EQ(box.max.z, zWall);

    const auto holes = holePoints(zWall);
    ASSERT_EQ(holes.size(), 2u * 2 * 36);
    const Bounds holeBounds = gldouble::boundsOf(holes);
    EXPECT_NEAR(holeBounds.min.x, -holeRadius, 1e-4); // the mirrored half turns the wall round
    EXPECT_NEAR(holeBounds.max.x, holeRadius, 1e-4);
    for (const auto& v : holes) {
        const float centre = v.position.y > 195 ? 390 : 0;
        EXPECT_NEAR(std::hypot(v.position.x, v.position.y - centre), holeRadius, 1e-4);
    }
    EXPECT_TRUE(gldouble::modelviewAtIdentity());
}

TEST(Tank, NozzlesAndBoltsAtBothConnections) {
    SceneState s = startState();
    const float c = 30 / std::sqrt(2.0f); // bolts on the diagonals of the bolt circle

    drawTank(s); // cut away: inner and outer walls, the two bolts on the kept side
    EXPECT_EQ(nozzleWallCount(), 4u);
    const auto shanks = boltShanks();
    ASSERT_EQ(shanks.size(), 4u);
    for (const auto& b : shanks) {
        const float x = (b.min.x + b.max.x) / 2, y = (b.min.y + b.max.y) / 2;
        EXPECT_NEAR(x, c, 1e-3);
        EXPECT_NEAR(std::fabs(y - (y > 195 ? 390 : 0)), c, 1e-3);
        EXPECT_NEAR(b.max.x - x, 6, 1e-3);
    }
    EXPECT_TRUE(gldouble::modelviewAtIdentity());

    s.pipeMode = DisplayMode::Whole; // outer walls only, all four bolts
    drawTank(s);
    EXPECT_EQ(nozzleWallCount(), 2u);
    EXPECT_EQ(boltShanks().size(), 8u);
    EXPECT_TRUE(gldouble::modelviewAtIdentity());

    s.tank.drawBolts = false;
    drawTank(s);
    EXPECT_TRUE(boltShanks().empty());

    s.tank.drawBolts = true;
    s.connection = connectionCatalogue.back(); // a plain pipe end: no flange thickness
    drawTank(s);
    EXPECT_TRUE(boltShanks().empty());
    EXPECT_EQ(nozzleWallCount(), 2u);
}

TEST(Tank, WithoutConnectionTheFrontWallIsClosedAndNothingLeadsToTheChamber) {
    SceneState s = startState();
    s.connection = connectionCatalogue[connectionRowNull];
    for (const DisplayMode pipe : {DisplayMode::Cut, DisplayMode::Whole}) {
        s.pipeMode = pipe;
        drawTank(s);
        const auto holes = holePoints(-160); // nozzle length 110
        ASSERT_FALSE(holes.empty());
        for (const auto& v : holes) {
            EXPECT_FLOAT_EQ(v.position.x, 0);
            EXPECT_TRUE(v.position.y == 0 || v.position.y == 390);
        }
        EXPECT_FLOAT_EQ(gldouble::allBounds().max.z, -160);
        EXPECT_TRUE(gldouble::modelviewAtIdentity());
    }
}

TEST(Tank, IsNotDrawnWhileHidden) {
    SceneState s = startState();
    s.tankMode = DisplayMode::Off;
    drawTank(s);
    EXPECT_TRUE(gl().primitives.empty());

    s.tankMode = DisplayMode::Cut;
    s.tank.mode = DisplayMode::Off;
    drawTank(s);
    EXPECT_TRUE(gl().primitives.empty());
}

TEST(Tank, CutAwaySectionLeavesTheHolesOpen) {
    SceneState s = startState();
    drawTank(s);
    std::vector<Bounds> front; // section faces through the front wall
    for (const auto* p : gldouble::primitivesOfMode(GL_QUADS)) {
        const Bounds b = gldouble::boundsOf(p->vertices);
        if (isRed(*p) && b.max.z == zWall && b.min.z == zWall - 2) front.push_back(b);
    }
    ASSERT_EQ(front.size(), 3u);
    const float expected[3][2] = {{397, 420}, {7, 383}, {-30, -7}}; // bore radius 7
    for (int i = 0; i < 3; ++i) {
        EXPECT_FLOAT_EQ(front[i].min.y, expected[i][0]);
        EXPECT_FLOAT_EQ(front[i].max.y, expected[i][1]);
        EXPECT_FLOAT_EQ(front[i].max.x, 0);
    }

    // Whole: no section faces of the box or the nozzles, all of which reach the wall.
    s.pipeMode = DisplayMode::Whole;
    drawTank(s);
    for (const auto& p : gl().primitives)
        EXPECT_FALSE(isRed(p) && gldouble::boundsOf(p.vertices).min.z <= zWall + 1e-3);
}

TEST(Tank, CutAwayLiquidFollowsTheLevelBeyondTheLid) {
    SceneState s = startState();
    s.level = 500;
    s.tank.pose.posY = -200;
    drawTank(s);

    std::vector<Vertex> section, surface;
    for (const auto& p : gl().primitives)
        for (const auto& v : p.vertices) {
            if (v.colour[3] != 0.5f) {
                EXPECT_FALSE(p.blend);
                continue;
            }
            EXPECT_TRUE(p.blend);
            EXPECT_EQ(p.blendSrc, GLenum(GL_SRC_ALPHA));
            EXPECT_EQ(p.blendDst, GLenum(GL_ONE_MINUS_SRC_ALPHA));
            if (hasColour(v, {0, 0, 1, 0.5f})) section.push_back(v);
            if (hasColour(v, {0.2f, 0.2f, 1, 0.5f})) surface.push_back(v);
        }
    ASSERT_EQ(section.size(), 4u);
    ASSERT_EQ(surface.size(), 4u);
    const Bounds body = gldouble::boundsOf(section);
    EXPECT_FLOAT_EQ(body.max.y, 500 - 200); // above the lid at 420 - 200
    EXPECT_FLOAT_EQ(body.min.y, -28 - 200);
    EXPECT_FLOAT_EQ(body.max.x, 0);
    const Bounds top = gldouble::boundsOf(surface);
    EXPECT_FLOAT_EQ(top.min.y, 300);
    EXPECT_FLOAT_EQ(top.max.y, 300);
    EXPECT_FLOAT_EQ(top.max.x, 99);
    EXPECT_FLOAT_EQ(top.max.z, zWall - 1);
    EXPECT_FLOAT_EQ(top.min.z, -250 + 1);
    expectGLLeftAsFound();

    s.pipeMode = DisplayMode::Whole;
    drawTank(s);
    for (const auto& v : gldouble::allVertices()) EXPECT_NE(v.colour[3], 0.5f);
}
