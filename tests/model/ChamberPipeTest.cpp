#include "geometry/ChamberPipe.h"

#include "RecordingGL.h"
#include "SceneFixture.h"
#include "scene/Catalogues.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using gldouble::gl;
using gldouble::Vertex;

namespace {

constexpr float eps = 1e-4f;

// Section faces are red (dark red on the insulation); every other surface is grey or green.
bool isSectionColour(const Vertex& v) {
    return v.colour[0] > v.colour[1] + 0.05f;
}

std::vector<const gldouble::Primitive*> sectionQuads() {
    std::vector<const gldouble::Primitive*> out;
    for (const auto* p : gldouble::primitivesOfMode(GL_QUADS))
        if (p->vertices.size() == 4 &&
            std::all_of(p->vertices.begin(), p->vertices.end(), isSectionColour))
            out.push_back(p);
    return out;
}

std::vector<Vertex> verticesAtRadius(float radius) {
    std::vector<Vertex> out;
    for (const auto& v : gldouble::allVertices())
        if (std::fabs(std::hypot(v.position.x, v.position.z) - radius) < 1e-3f) out.push_back(v);
    return out;
}

bool hasVertexNear(const std::vector<Vertex>& vertices, float x, float y, float z) {
    return std::any_of(vertices.begin(), vertices.end(), [&](const Vertex& v) {
        return std::fabs(v.position.x - x) < eps && std::fabs(v.position.y - y) < eps &&
               std::fabs(v.position.z - z) < eps;
    });
}

class ChamberPipe : public SceneTest {
  protected:
    void expectCleanExit() {
        expectStackBalancedAndNoErrors();
        expectTintsOff(state);
    }
    void drawBody(bool full) { DrawChamberBody(state, state.pipe.elements[ceBody], full); }
};

} // namespace

TEST_F(ChamberPipe, BodyLeavesRoomForTheEndClosuresOfEachType) {
    for (const std::string& type : typeCodes) {
        SCOPED_TRACE(type);
        state.typeCode = type;
        gldouble::reset();
        drawBody(true);
        const auto bounds = gldouble::allBounds();
        const float top = 390 + 70, bottom = -123; // start float's chamber lengths
        EXPECT_FLOAT_EQ(bounds.min.y, type == "R-760" ? bottom + 30 : bottom + 18);
        EXPECT_FLOAT_EQ(bounds.max.y, type == "R-760" ? top : top - 18);
        EXPECT_NEAR(bounds.min.x, -state.pipeOuterRadius, eps);
        EXPECT_NEAR(bounds.max.x, state.pipeOuterRadius, eps);
    }
}

TEST_F(ChamberPipe, CutAwayKeepsThePositiveHalfAndClosesItWithSectionsInPlaneXZero) {
    state.insulationVisible = true;
    for (const char* type : {"R-760", "R-530", "R-410"}) {
        SCOPED_TRACE(type);
        state.typeCode = type;
        gldouble::reset();
        DrawChamber(state, state.pipe, false);
        expectCleanExit();
        for (const auto& v : gldouble::allVertices()) {
            EXPECT_GE(v.position.x, -eps);
            if (isSectionColour(v)) {
                EXPECT_NEAR(v.position.x, 0, eps); // includes the insulation profiles
            }
        }
        const auto sections = sectionQuads();
        // Sections drawn again after a half turn about Y land at x = 0 up to rounding.
        for (const auto* p : sections)
            for (const auto& v : p->vertices) EXPECT_NEAR(v.position.x, 0, 1e-5f);
        // At least: pipe wall 4, insulation 5, two nozzles with 2 each, two flanges with 4
        // each; the end closures add their own.
        EXPECT_GE(sections.size(), 4u + 5 + 2 * 2 + 2 * 4);
    }
}

TEST_F(ChamberPipe, WholeFormReachesBothSidesWithoutSections) {
    state.insulationVisible = true;
    DrawChamberWhole(state, state.pipe);
    expectCleanExit();
    const auto bounds = gldouble::allBounds();
    EXPECT_NEAR(bounds.min.x, -state.connection.flangeDiameter / 2, eps);
    EXPECT_NEAR(bounds.max.x, state.connection.flangeDiameter / 2, eps);
    EXPECT_NEAR(bounds.min.z, -state.connection.nozzleLength, eps);
    for (const auto& v : gldouble::allVertices()) EXPECT_FALSE(isSectionColour(v));
}

TEST_F(ChamberPipe, SectionsLeaveTheConnectionHolesAndTheRailSlotOpen) {
    state.insulationVisible = true;
    drawBody(false);
    const ChamberHeights h = chamberHeights(state);
    const float d = state.connection.outerDiameter / 2, height = state.displayHeight;
    const float rIn = state.pipeInnerRadius, rOut = state.pipeOuterRadius, rIns = rOut + 20;
    struct Face {
        float yA, yB, zA, zB;
    };
    const std::vector<Face> expected = {{height + d, h.bodyTop, -rOut, -rIn},
                                        {d, height - d, -rOut, -rIn},
                                        {h.bodyBottom, -d, -rOut, -rIn},
                                        {h.bodyBottom, h.bodyTop, rOut, rIn},
                                        {height + d, h.bodyTop + 11, -rIns, -rOut},
                                        {d, height - d, -rIns, -rOut},
                                        {h.bodyBottom, -d, -rIns, -rOut},
                                        {h.railTop, h.bodyTop + 11, rIns, rOut},
                                        {h.bodyBottom, h.railBottom, rIns, rOut}};
    const auto sections = sectionQuads();
    ASSERT_EQ(sections.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        const auto& v = sections[i]->vertices;
        EXPECT_FLOAT_EQ(v[0].position.y, expected[i].yA); // the edge in full colour
        EXPECT_FLOAT_EQ(v[0].position.z, expected[i].zA);
        EXPECT_FLOAT_EQ(v[2].position.y, expected[i].yB);
        EXPECT_FLOAT_EQ(v[2].position.z, expected[i].zB);
    }
    // The pipe sections are red, those of the insulation near black.
    EXPECT_FLOAT_EQ(sections[0]->vertices[0].colour[0], 1);
    EXPECT_FLOAT_EQ(sections[4]->vertices[0].colour[0], 0.2f);
}

TEST_F(ChamberPipe, WallHolesAreSaddlesAroundTheConnectionCentres) {
    drawBody(true);
    struct Wall {
        float radius, hole;
    };
    for (const Wall wall : {Wall{state.pipeOuterRadius, state.connection.outerDiameter / 2},
                            Wall{state.pipeInnerRadius, state.connection.innerDiameter / 2}}) {
        const auto vertices = verticesAtRadius(wall.radius);
        for (const float centre : {0.0f, state.displayHeight}) {
            // The back column at x = 0 stops on the hole edge, above and below the centre.
            EXPECT_TRUE(hasVertexNear(vertices, 0, centre - wall.hole, -wall.radius));
            EXPECT_TRUE(hasVertexNear(vertices, 0, centre + wall.hole, -wall.radius));
            for (const auto& v : vertices) {
                if (v.position.z > 0) continue;
                EXPECT_GE(std::hypot(v.position.x, v.position.y - centre), wall.hole - eps);
            }
        }
    }
    // Each section strip stays between its far end and its hole, never reaching across it.
    for (const auto* strip : gldouble::primitivesOfMode(GL_QUAD_STRIP)) {
        const float yFar = strip->vertices[0].position.y, yHole = strip->vertices[1].position.y;
        for (const auto& v : strip->vertices) {
            EXPECT_GE(v.position.y, std::min(yFar, yHole) - eps);
            EXPECT_LE(v.position.y, std::max(yFar, yHole) + eps);
        }
    }
}

TEST_F(ChamberPipe, WithoutConnectionNothingLeavesTheClosedWall) {
    state.connection = connectionCatalogue[0];
    ASSERT_EQ(state.connection.name, "FNull");
    DrawChamber(state, state.pipe, true);
    expectCleanExit();
    // Near the connection heights nothing stands out of the wall towards the tank.
    for (const auto& v : gldouble::allVertices())
        if (std::fabs(v.position.y) < 20 || std::fabs(v.position.y - state.displayHeight) < 20) {
            EXPECT_GE(v.position.z, -state.pipeOuterRadius - eps) << v.position.y;
        }
    const auto outer = verticesAtRadius(state.pipeOuterRadius);
    EXPECT_TRUE(hasVertexNear(outer, 0, 0, -state.pipeOuterRadius));
    EXPECT_TRUE(hasVertexNear(outer, 0, state.displayHeight, -state.pipeOuterRadius));
}

TEST_F(ChamberPipe, InsulationLeavesASlotForTheRailAtTheFront) {
    state.insulationVisible = true;
    drawBody(true);
    expectCleanExit();
    const float rIns = state.pipeOuterRadius + 20;
    const auto jacket = verticesAtRadius(rIns);
    for (const auto& v : jacket) {
        EXPECT_LT(v.colour[0], 0.16f); // near black
        if (v.position.z <= 0 || std::fabs(v.position.x) >= 17 - eps) continue;
        EXPECT_TRUE(v.position.y <= -30 + eps || v.position.y >= 420 - eps) << v.position.y;
    }
    // The closed parts meet at the front exactly at the ends of the slot, and the slot's
    // edges run between them on both sides.
    EXPECT_TRUE(hasVertexNear(jacket, 0, -30, rIns));
    EXPECT_TRUE(hasVertexNear(jacket, 0, 420, rIns));
    const float zEdge = std::sqrt(rIns * rIns - 17 * 17);
    for (const float x : {17.0f, -17.0f}) {
        EXPECT_TRUE(hasVertexNear(jacket, x, -30, zEdge));
        EXPECT_TRUE(hasVertexNear(jacket, x, 420, zEdge));
    }
    // "R-760" wraps the jacket round its end fittings.
    const ChamberHeights h = chamberHeights(state);
    EXPECT_FLOAT_EQ(gldouble::boundsOf(jacket).min.y, h.bodyBottom - 30.5f);
    EXPECT_FLOAT_EQ(gldouble::boundsOf(jacket).max.y, h.bodyTop + 15.5f);
}

TEST_F(ChamberPipe, EveryFormLeavesMatrixTintsAndGLStateClean) {
    state.insulationVisible = state.springTopVisible = state.springBottomVisible = true;
    state.pipe.elements[ceBody].pose.posX = 5;
    state.pipe.elements[ceUpperNozzle].pose.rotZ = 10;
    for (const std::string& type : typeCodes)
        for (const bool full : {true, false})
            for (const int row : {0, 2}) {
                SCOPED_TRACE(type + (full ? " whole, row " : " cut, row ") + std::to_string(row));
                state.typeCode = type;
                state.connection = connectionCatalogue[row];
                gldouble::reset();
                DrawChamber(state, state.pipe, full);
                expectCleanExit();
            }
}
