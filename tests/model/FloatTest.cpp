#include "geometry/Float.h"

#include "RecordingGL.h"
#include "SceneFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace gldouble;

namespace {

// A long float: body 350 long, 307 of it below the surface, shell 25 across.
SceneState exampleState() {
    SceneState s;
    InitialiseSceneState(s);
    s.level = 200;
    s.selectedFloat.length = 350;
    s.selectedFloat.immersionDepth = 307;
    s.selectedFloat.outerDiameter = 25;
    s.selectedFloat.innerDiameter = 23;
    s.selectedFloat.magnetDiameter = 10;
    return s;
}

float radialExtent(const Primitive& p) {
    float r = 0;
    for (const auto& v : p.vertices) r = std::fmax(r, std::hypot(v.position.x, v.position.z));
    return r;
}

// The dome strips are the 20-vertex quad strips; counts them by dome: lower or upper end of the
// body, and outer or inner shell.
struct DomeCounts {
    int outerLower = 0, outerUpper = 0, innerLower = 0, innerUpper = 0;
};

DomeCounts countDomeStrips(float bottom, float top, float outerRadius) {
    DomeCounts n;
    for (const Primitive* p : primitivesOfMode(GL_QUAD_STRIP)) {
        if (p->vertices.size() != 20) continue;
        const Bounds b = boundsOf(p->vertices);
        const bool outer = std::fabs(radialExtent(*p) - outerRadius) < 1e-3f;
        if (b.max.y <= bottom + 0.5f + 1e-3f)
            ++(outer ? n.outerLower : n.innerLower);
        else if (b.min.y >= top - 0.5f - 1e-3f)
            ++(outer ? n.outerUpper : n.innerUpper);
    }
    return n;
}

} // namespace

TEST(Float, WholeCapsuleHangsImmersionDepthBelowTheLevel) {
    const SceneState s = exampleState();
    reset();
    DrawFloatWhole(s, s.floatBody);

    const Bounds all = allBounds();
    EXPECT_NEAR(all.min.y, -107 - 6.25, 1e-3);
    EXPECT_NEAR(all.max.y, 243 + 6.25, 1e-3);
    EXPECT_NEAR(all.min.x, -12.5, 1e-3);
    EXPECT_NEAR(all.max.z, 12.5, 1e-3);

    // The body is one strip around the full circle between the dome bases.
    const auto strips = primitivesOfMode(GL_QUAD_STRIP);
    const auto body = std::find_if(strips.begin(), strips.end(),
                                   [](const Primitive* p) { return p->vertices.size() == 74; });
    ASSERT_NE(body, strips.end());
    const Bounds b = boundsOf((*body)->vertices);
    EXPECT_NEAR(b.min.y, -107, 1e-3);
    EXPECT_NEAR(b.max.y, 243, 1e-3);

    const DomeCounts domes = countDomeStrips(-107, 243, 12.5f);
    EXPECT_EQ(domes.outerLower, 36);
    EXPECT_EQ(domes.outerUpper, 36);
    EXPECT_EQ(domes.innerLower + domes.innerUpper, 0);
    EXPECT_TRUE(primitivesOfMode(GL_TRIANGLE_FAN).empty()) << "the closed float hides its magnet";
    expectGLLeftAsFound();
}

TEST(Float, CutAwayShowsTheHalfShellItsSectionAndTheMagnet) {
    const SceneState s = exampleState();
    reset();
    DrawFloatCut(s, s.floatBody);

    for (const auto& v : allVertices()) ASSERT_GE(v.position.x, 0) << "nothing of the -X half";

    const DomeCounts domes = countDomeStrips(-107, 243, 12.5f);
    EXPECT_EQ(domes.outerLower, 18);
    EXPECT_EQ(domes.outerUpper, 18);
    EXPECT_EQ(domes.innerLower, 18);
    EXPECT_EQ(domes.innerUpper, 18);
    // The inner shell sits half a unit inside the outer one at both ends.
    std::vector<Vertex> inner;
    for (const Primitive* p : primitivesOfMode(GL_QUAD_STRIP))
        if (p->vertices.size() == 20 && std::fabs(radialExtent(*p) - 11.5f) < 1e-3f)
            inner.insert(inner.end(), p->vertices.begin(), p->vertices.end());
    EXPECT_NEAR(boundsOf(inner).min.y, -106.5 - 11.5 / 2, 1e-3);
    EXPECT_NEAR(boundsOf(inner).max.y, 242.5 + 11.5 / 2, 1e-3);

    // The wall section walks the whole outline in the plane x = 0, outer edge lighter.
    const auto strips = primitivesOfMode(GL_QUAD_STRIP);
    const auto section = std::find_if(strips.begin(), strips.end(),
                                      [](const Primitive* p) { return p->vertices.size() == 80; });
    ASSERT_NE(section, strips.end());
    for (size_t i = 0; i < (*section)->vertices.size(); ++i) {
        const Vertex& v = (*section)->vertices[i];
        EXPECT_EQ(v.position.x, 0);
        EXPECT_FLOAT_EQ(v.colour[1], i % 2 == 0 ? 0.3f : 0.1f);
    }
    const Bounds outline = boundsOf((*section)->vertices);
    EXPECT_NEAR(outline.min.y, -113.25, 1e-3);
    EXPECT_NEAR(outline.max.y, 249.25, 1e-3);
    EXPECT_NEAR(outline.min.z, -12.5, 1e-3);

    // The magnet lies across the float at the surface, red pole toward +Z, green toward -Z.
    const auto fans = primitivesOfMode(GL_TRIANGLE_FAN);
    ASSERT_EQ(fans.size(), 2u);
    std::vector<Vertex> magnet;
    for (const auto& p : gl().primitives)
        if (boundsOf(p.vertices).max.y <= 205.001f && boundsOf(p.vertices).min.y >= 194.999f)
            magnet.insert(magnet.end(), p.vertices.begin(), p.vertices.end());
    const Bounds m = boundsOf(magnet);
    EXPECT_NEAR(m.min.z, -9.5, 1e-4);
    EXPECT_NEAR(m.max.z, 9.5, 1e-4);
    EXPECT_NEAR(m.max.x, 5, 1e-4);
    EXPECT_FLOAT_EQ(fans[0]->vertices[0].position.z, 9.5f);
    EXPECT_EQ(fans[0]->vertices[1].colour, (std::array<float, 4>{1, 0, 0, 1}));
    EXPECT_FLOAT_EQ(fans[1]->vertices[0].position.z, -9.5f);
    EXPECT_EQ(fans[1]->vertices[1].colour, (std::array<float, 4>{0, 1, 0, 1}));
    for (const Primitive* q : primitivesOfMode(GL_QUADS))
        for (const auto& v : q->vertices) EXPECT_EQ(v.position.x, 0) << "magnet sections";
    expectGLLeftAsFound();
}

TEST(Float, BothFormsSitAtTheSamePlaceInsideThePose) {
    SceneState s = exampleState();
    s.floatBody.pose.posX = 40;
    s.floatBody.pose.rotX = 180; // upside down: the level offset turns with the float

    reset();
    DrawFloatWhole(s, s.floatBody);
    const Bounds whole = allBounds();
    reset();
    DrawFloatCut(s, s.floatBody);
    const Bounds cut = allBounds();

    EXPECT_NEAR(whole.min.y, -249.25, 1e-3);
    EXPECT_NEAR(whole.max.y, 113.25, 1e-3);
    EXPECT_NEAR(cut.min.y, whole.min.y, 1e-3);
    EXPECT_NEAR(cut.max.y, whole.max.y, 1e-3);
    EXPECT_NEAR(whole.min.x, 27.5, 1e-3);
    EXPECT_NEAR(cut.min.x, 40, 1e-3);
    EXPECT_NEAR(cut.max.x, whole.max.x, 1e-3);
    expectGLLeftAsFound();
}
