#include "RecordingGL.h"
#include "SceneFixture.h"
#include "geometry/ChamberCut.h"
#include "geometry/ChamberPipe.h"
#include "scene/SceneState.h"

#include <gtest/gtest.h>

#include <cmath>

using gldouble::gl;
using gldouble::Primitive;
using gldouble::Vertex;

namespace {

// Start state: R-760, float F-304 (radius 10.5, immersion 100, 123 below), DN10 connection
// (bore radius 7, nozzle 100), chamber bore 14.85, level 200, display height 390.
constexpr float innerRadius = 14.85f;
constexpr float floatRadius = 10.5f;
constexpr float boreRadius = 7;

void drawCut(SceneState& s, bool floatShown) {
    gldouble::reset();
    DrawChamberCut(s, s.pipe, floatShown);
}

using ColourTest = bool (*)(const Vertex&);
bool isBody(const Vertex& v) {
    return v.colour == std::array<float, 4>{0, 0, 1, 0.5f};
}
bool isSurface(const Vertex& v) {
    return v.colour == std::array<float, 4>{0.2f, 0.2f, 1, 0.5f};
}

// The liquid is told apart from the chamber by its translucent colours.
std::vector<const Primitive*> liquid(ColourTest colour, GLenum mode) {
    std::vector<const Primitive*> out;
    for (const auto& p : gl().primitives)
        if (p.mode == mode && !p.vertices.empty() && colour(p.vertices.front())) out.push_back(&p);
    return out;
}

// Liquid vertices in the chamber (inChamber) or beyond its wall in a nozzle, within a height band.
std::vector<Vertex> liquidVertices(ColourTest colour, bool inChamber, float yMin, float yMax) {
    std::vector<Vertex> out;
    for (GLenum mode : {GL_QUADS, GL_QUAD_STRIP, GL_TRIANGLE_FAN})
        for (const auto* p : liquid(colour, mode))
            for (const auto& v : p->vertices)
                if ((v.position.z >= -innerRadius - 0.01f) == inChamber && v.position.y >= yMin &&
                    v.position.y <= yMax)
                    out.push_back(v);
    return out;
}

gldouble::Bounds nozzleBody(float yMin, float yMax) {
    return gldouble::boundsOf(liquidVertices(isBody, false, yMin, yMax));
}

float radius(const Vertex& v) {
    return std::hypot(v.position.x, v.position.z);
}

} // namespace

TEST(ChamberLiquid, SurfaceIsAHalfAnnulusAroundTheFloatOrAFullHalfDisc) {
    SceneState s = startState();
    drawCut(s, true);
    const auto ring = liquid(isSurface, GL_QUAD_STRIP);
    ASSERT_EQ(ring.size(), 1u);
    ASSERT_EQ(ring[0]->vertices.size(), 38u);
    for (size_t i = 0; i < ring[0]->vertices.size(); ++i) {
        const Vertex& v = ring[0]->vertices[i];
        EXPECT_NEAR(radius(v), i % 2 == 0 ? innerRadius : floatRadius, 1e-4);
        EXPECT_GE(v.position.x, -1e-4);
        EXPECT_FLOAT_EQ(v.position.y, 200);
    }
    EXPECT_TRUE(liquid(isSurface, GL_TRIANGLE_FAN).empty());

    // Below the float the liquid's edge follows the lower dome from +Z at its base (level less
    // the immersion depth) down to its lowest point and on past -Z; beside it, up to the level.
    const auto under = liquid(isBody, GL_QUAD_STRIP);
    ASSERT_EQ(under.size(), 1u);
    const auto& edge = under[0]->vertices;
    ASSERT_EQ(edge.size(), 42u);
    EXPECT_NEAR(edge[0].position.z, floatRadius, 1e-4);
    EXPECT_NEAR(edge[0].position.y, 100, 1e-4);
    EXPECT_NEAR(edge[18].position.y, 100 - floatRadius / 2, 1e-4);
    EXPECT_NEAR(edge[36].position.z, -floatRadius, 1e-4);
    for (const auto& v : liquidVertices(isBody, true, 100 + floatRadius / 2, 1000))
        EXPECT_GE(std::fabs(v.position.z), floatRadius - 1e-4) << "liquid inside the float";

    drawCut(s, false);
    const auto fan = liquid(isSurface, GL_TRIANGLE_FAN);
    ASSERT_EQ(fan.size(), 1u);
    ASSERT_EQ(fan[0]->vertices.size(), 20u);
    EXPECT_FLOAT_EQ(radius(fan[0]->vertices[0]), 0);
    for (size_t i = 1; i < 20; ++i) EXPECT_NEAR(radius(fan[0]->vertices[i]), innerRadius, 1e-4);
    EXPECT_NEAR(fan[0]->vertices[10].position.x, innerRadius, 1e-4); // through +X
}

TEST(ChamberLiquid, ColumnRunsFromTheClosureFloorToTheLevelUnclamped) {
    SceneState s = startState();
    drawCut(s, false);
    auto column = gldouble::boundsOf(liquidVertices(isBody, true, -1000, 1000));
    EXPECT_FLOAT_EQ(column.min.y, -125); // bore floor of the R-760 end cap
    EXPECT_FLOAT_EQ(column.max.y, 200);
    EXPECT_NEAR(column.min.z, -innerRadius, 1e-4);
    EXPECT_NEAR(column.max.z, innerRadius, 1e-4);

    s.typeCode = "R-410";
    s.level = -300; // below the floor: drawn upside down
    s.pipe.pose.posY = -200;
    drawCut(s, false);
    column = gldouble::boundsOf(liquidVertices(isBody, true, -10000, 1000));
    EXPECT_FLOAT_EQ(column.min.y, -300 - 200);
    EXPECT_FLOAT_EQ(column.max.y, -123 + 11 - 200); // top of the bottom cover's spigot
}

TEST(ChamberLiquid, NozzlesFillWithTheLevel) {
    SceneState s = startState();
    drawCut(s, true); // level 200: lower nozzle full, upper dry
    EXPECT_FLOAT_EQ(nozzleBody(-100, 100).min.y, -boreRadius);
    EXPECT_FLOAT_EQ(nozzleBody(-100, 100).max.y, boreRadius);
    EXPECT_TRUE(nozzleBody(300, 1000).empty);

    s.level = -boreRadius - 0.5f;
    drawCut(s, true);
    EXPECT_TRUE(nozzleBody(-1000, 1000).empty);
    EXPECT_TRUE(liquidVertices(isSurface, false, -1000, 1000).empty());

    // Part-filled: the surface reaches the side of the bore and ends on the chamber wall.
    s.level = 3;
    drawCut(s, true);
    EXPECT_FLOAT_EQ(nozzleBody(-100, 100).max.y, 3);
    const auto surface = liquid(isSurface, GL_QUADS);
    ASSERT_EQ(surface.size(), 1u);
    const auto& q = surface[0]->vertices;
    EXPECT_NEAR(q[0].position.x, std::sqrt(boreRadius * boreRadius - 9), 1e-4);
    EXPECT_NEAR(radius(q[1]), innerRadius, 1e-3);
    EXPECT_LT(q[1].position.z, 0);

    // Above the upper bore the upper nozzle is full and its surface has zero width.
    s.level = 500;
    drawCut(s, true);
    EXPECT_FLOAT_EQ(nozzleBody(300, 1000).min.y, 390 - boreRadius);
    EXPECT_FLOAT_EQ(nozzleBody(300, 1000).max.y, 390 + boreRadius);
    const auto top = liquidVertices(isSurface, false, 390 + boreRadius, 390 + boreRadius);
    ASSERT_FALSE(top.empty());
    for (const auto& v : top) EXPECT_LE(std::fabs(v.position.x), 0.1f + 1e-6f);
}

TEST(ChamberLiquid, NozzleLiquidRunsIntoTheTankFittingOnlyWhileTheTankIsShown) {
    SceneState s = startState();
    drawCut(s, true);
    EXPECT_FLOAT_EQ(nozzleBody(-100, 100).min.z, -100 - 55);

    s.tankMode = DisplayMode::Off;
    drawCut(s, true);
    EXPECT_NEAR(nozzleBody(-100, 100).min.z, -100 - (16.85f - 14.85f), 1e-4);
}

TEST(ChamberLiquid, IsTranslucentOffTheCutPlaneAndLeavesGLAsItFoundIt) {
    SceneState s = startState();
    s.level = 395; // both nozzles wet
    for (const bool floatShown : {true, false}) {
        drawCut(s, floatShown);
        int translucent = 0;
        for (const auto& p : gl().primitives) {
            if (p.vertices.empty()) continue;
            const bool body = isBody(p.vertices.front());
            if (!body && !isSurface(p.vertices.front())) {
                EXPECT_FALSE(p.blend) << "the chamber itself is opaque";
                continue;
            }
            ++translucent;
            EXPECT_TRUE(p.blend);
            EXPECT_EQ(p.blendSrc, GLenum(GL_SRC_ALPHA));
            EXPECT_EQ(p.blendDst, GLenum(GL_ONE_MINUS_SRC_ALPHA));
            if (body) {
                for (const auto& v : p.vertices) EXPECT_FLOAT_EQ(v.position.x, 0.1f);
            }
        }
        EXPECT_GT(translucent, 0);
        expectGLLeftAsFound();
    }
}
