#include "geometry/Primitives.h"

#include "RecordingGL.h"
#include "SceneFixture.h"

#include <gtest/gtest.h>

#include <cmath>

using gldouble::gl;
using gldouble::Vertex;

namespace {

void expectAt(const Vertex& v, float x, float y, float z) {
    EXPECT_NEAR(v.position.x, x, 1e-4);
    EXPECT_NEAR(v.position.y, y, 1e-4);
    EXPECT_NEAR(v.position.z, z, 1e-4);
}

void expectColour(const Vertex& v, float r, float g, float b) {
    EXPECT_NEAR(v.colour[0], r, 1e-5);
    EXPECT_NEAR(v.colour[1], g, 1e-5);
    EXPECT_NEAR(v.colour[2], b, 1e-5);
}

const std::vector<Vertex>& lastVertices() {
    return gl().primitives.back().vertices;
}

class Primitives : public SceneTest {
  protected:
    void TearDown() override { expectStackBalancedAndNoErrors(); }
};

} // namespace

TEST_F(Primitives, RevolvedStripRunsFromPlusZThroughPlusXAndClosesWhenWhole) {
    drawRevolvedStrip(state, 18, 10, 20, 1, 2);
    const auto half = lastVertices();
    ASSERT_EQ(half.size(), 2u * 19);
    expectAt(half[0], 0, 1, 10);
    expectAt(half[1], 0, 2, 20);
    expectAt(half[18], 10, 1, 0);
    expectAt(half[37], 0, 2, -20);
    for (const auto& v : half) EXPECT_GE(v.position.x, -1e-4);

    drawRevolvedStrip(state, 36, 10, 20, 1, 2);
    const auto& whole = lastVertices();
    ASSERT_EQ(whole.size(), 2u * 37);
    expectAt(whole[54], -10, 1, 0); // 270 degrees
    expectAt(whole[72], 0, 1, 10);
    expectAt(whole[73], 0, 2, 20);
}

TEST_F(Primitives, RevolvedStripIsLightestInFrontAndDarkestBehind) {
    drawRevolvedStrip(state, 36, 5, 5, 0, 3);
    const auto& v = lastVertices();
    const float at170 = 1 - (17 / 35.0f + 0.3f), at180 = 1 - (18 / 35.0f + 0.3f);
    EXPECT_NEAR(at180, 0.186f, 1e-3);
    expectColour(v[0], 0.7f, 0.7f, 0.7f);
    expectColour(v[1], 0.9f, 0.9f, 0.9f); // the B edge is 0.2 lighter
    expectColour(v[34], at170, at170, at170);
    expectColour(v[36], at180, at180, at180);
    expectColour(v[38], at170, at170, at170); // 190 mirrors 170
    expectColour(v[72], 0.7f, 0.7f, 0.7f);
}

TEST_F(Primitives, TintsRecolourStripsAndCutFacesWithGreenTestedFirst) {
    state.darkTint = true;
    drawRevolvedStrip(state, 18, 5, 5, 0, 3);
    expectColour(lastVertices()[1], 0.9f / 6, 0.9f / 6, 0.9f / 6);
    drawCutFace(state, {.yA = 10, .yB = 20, .zA = 3, .zB = 7, .shade = 0.5f});
    expectColour(lastVertices()[0], 0.2f, 0.1f, 0.1f);
    expectColour(lastVertices()[2], 0.2f, 0.1f, 0.1f);

    state.greenTint = true;
    drawRevolvedStrip(state, 18, 5, 5, 0, 3);
    expectColour(lastVertices()[0], 0.7f / 6, 1, 0.7f / 6);
    drawCutFace(state, {.yA = 10, .yB = 20, .zA = 3, .zB = 7, .shade = 0.6f});
    expectColour(lastVertices()[0], 0.1f, 1, 0.1f);
    expectColour(lastVertices()[2], 0.1f, 0.8f, 0.1f);
}

TEST_F(Primitives, CutFaceRunsFromItsRedEdgeToItsShadedEdgeInThePlaneXZero) {
    drawCutFace(state, {.yA = 10, .yB = 20, .zA = 3, .zB = 7, .shade = 0.5f});
    const auto& v = lastVertices();
    ASSERT_EQ(v.size(), 4u);
    EXPECT_EQ(gl().primitives.back().mode, static_cast<GLenum>(GL_QUADS));
    expectAt(v[0], 0, 10, 3);
    expectAt(v[1], 0, 10, 7);
    expectAt(v[2], 0, 20, 7);
    expectAt(v[3], 0, 20, 3);
    expectColour(v[1], 1, 0.1f, 0.1f);
    expectColour(v[2], 0.9f, 0.1f, 0.1f);
}

TEST_F(Primitives, HalfHexCapHasThreeFacesWithItsStraightEdgeInThePlaneXZero) {
    drawHexCap(false, {.height = 4, .radius = 12}, HexPalette::Grey);
    const auto& v = lastVertices();
    ASSERT_EQ(v.size(), 2u * 4);
    // Every pair is the centre and one corner; the corners run from +Z to -Z over +X.
    for (size_t i = 0; i < v.size(); i += 2) {
        expectAt(v[i], 0, 4, 0);
        EXPECT_NEAR(std::hypot(v[i + 1].position.x, v[i + 1].position.z), 12, 1e-4);
        EXPECT_GE(v[i + 1].position.x, -1e-4);
    }
    expectAt(v[1], 0, 4, 12);
    expectAt(v[7], 0, 4, -12);
    expectColour(v[0], 0.4f, 0.4f, 0.4f);
    expectColour(v[2], 0.6f, 0.6f, 0.6f);
}

TEST_F(Primitives, PlacedVariantsTranslateToTheirCentre) {
    drawTube(state, 36, {.centreX = 100, .centreZ = -50, .heightA = 2, .heightB = 9, .radius = 4});
    const auto tube = gldouble::boundsOf(lastVertices());
    EXPECT_NEAR(tube.min.x, 96, 1e-4);
    EXPECT_NEAR(tube.max.z, -46, 1e-4);
    EXPECT_FLOAT_EQ(tube.max.y, 9);
    drawHexSide(true, {.centreX = 5, .centreZ = 0, .heightA = -1, .heightB = 1, .radius = 2},
                HexPalette::Brass);
    expectAt(lastVertices()[12], 5, -1, 2);
    expectColour(lastVertices()[2], 1, 1, 0.5f);
}

TEST_F(Primitives, TintScopeRecoloursWhileItLastsAndGivesTheFlagBackOnEveryExit) {
    const auto gasketFace = [&](bool stopEarly) {
        const TintScope green(state, Tint::Green);
        drawCutFace(state, {.yA = 10, .yB = 20, .zA = 3, .zB = 7, .shade = 0.5f});
        if (stopEarly) return;
        const TintScope dark(state, Tint::Dark);
        EXPECT_TRUE(state.greenTint && state.darkTint);
    };
    gasketFace(true);
    expectColour(lastVertices()[0], 0.1f, 1, 0.1f);
    EXPECT_FALSE(state.greenTint);
    gasketFace(false);
    EXPECT_FALSE(state.greenTint);
    EXPECT_FALSE(state.darkTint);

    // An inner scope on a flag already set leaves it set for the outer one.
    const TintScope outer(state, Tint::Dark);
    { const TintScope inner(state, Tint::Dark); }
    EXPECT_TRUE(state.darkTint);
}

TEST_F(Primitives, BlendScopeBlendsWhatItEnclosesAndEndsBlendingOnAnEarlyReturn) {
    const auto translucentRing = [&](bool stopEarly) {
        const BlendScope translucent;
        drawRing(state, 18, {.height = 1, .radiusA = 2, .radiusB = 3});
        if (stopEarly) return;
        drawRing(state, 18, {.height = 4, .radiusA = 2, .radiusB = 3});
    };
    translucentRing(true);
    EXPECT_FALSE(gl().isEnabled(GL_BLEND));
    drawRing(state, 18, {.height = 5, .radiusA = 2, .radiusB = 3});
    const auto& drawn = gl().primitives;
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_TRUE(drawn[0].blend);
    EXPECT_EQ(drawn[0].blendSrc, GLenum(GL_SRC_ALPHA));
    EXPECT_EQ(drawn[0].blendDst, GLenum(GL_ONE_MINUS_SRC_ALPHA));
    EXPECT_FALSE(drawn[1].blend);
}

TEST(BlendScope, PutsBlendingBackAsItWas) {
    gldouble::reset();
    {
        const BlendScope outer;
        { const BlendScope inner; }
        EXPECT_TRUE(gldouble::gl().isEnabled(GL_BLEND)) << "still inside the outer scope";
    }
    EXPECT_FALSE(gldouble::gl().isEnabled(GL_BLEND));
    glEnable(GL_BLEND);
    { const BlendScope run; }
    EXPECT_TRUE(gldouble::gl().isEnabled(GL_BLEND)) << "blending that was on stays on";
    EXPECT_EQ(gldouble::gl().blendSrc, GLenum(GL_SRC_ALPHA));
    glDisable(GL_BLEND);
}
