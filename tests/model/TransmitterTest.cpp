#include "geometry/Transmitter.h"
#include "RecordingGL.h"
#include "SceneFixture.h"
#include "scene/Catalogues.h"
#include "scene/SceneState.h"

#include <gtest/gtest.h>

#include <cmath>

using gldouble::gl;
using gldouble::Primitive;

namespace {

constexpr float axisZ = -(16.85f + 10); // 10 clear of the chamber's outer wall
constexpr float besideDN10 = 17.2f / 2 + 8;

// Pieces in drawing order, followed by the 36 strips of the gland dome.
enum Piece {
    tube,
    tubeBottom,
    tubeTop,
    head,
    headBottom,
    headTop,
    cable,
    nutBottom,
    nutTop,
    nutSide
};
constexpr size_t pieceCount = 10;

void draw(const SceneState& s, bool whole) {
    gldouble::reset();
    DrawTransmitter(s, s.transmitter, whole);
}

void expectExtent(Piece piece, float axisX, float yMin, float yMax, float radius) {
    SCOPED_TRACE(piece);
    const Primitive& p = gl().primitives.at(piece);
    const auto b = gldouble::boundsOf(p.vertices);
    EXPECT_NEAR(b.min.y, yMin, 1e-3);
    EXPECT_NEAR(b.max.y, yMax, 1e-3);
    float r = 0;
    for (const auto& v : p.vertices)
        r = std::fmax(r, std::hypot(v.position.x - axisX, v.position.z - axisZ));
    EXPECT_NEAR(r, radius, 1e-3);
}

} // namespace

TEST(Transmitter, PiecesStackFromBelowTheDatumToAboveTheDisplayHeight) {
    SceneState s;
    InitialiseSceneState(s);
    draw(s, true);
    ASSERT_EQ(gl().primitives.size(), pieceCount + 36);
    expectExtent(tube, besideDN10, -60, 340, 7);
    expectExtent(tubeBottom, besideDN10, -60, -60, 7);
    expectExtent(tubeTop, besideDN10, 340, 340, 7);
    expectExtent(head, besideDN10, 340, 440, 8.5f);
    expectExtent(headBottom, besideDN10, 340, 340, 8.5f);
    expectExtent(headTop, besideDN10, 440, 440, 8.5f);
    expectExtent(cable, besideDN10, 453, 470, 3);
    expectExtent(nutBottom, besideDN10, 440, 440, 10);
    expectExtent(nutTop, besideDN10, 453, 453, 10);
    expectExtent(nutSide, besideDN10, 440, 453, 10);
    // The dome sits on the nut and ends in its apex, 4 above it.
    const auto all = gldouble::allBounds();
    EXPECT_NEAR(all.max.y, 470, 1e-4);
    for (size_t i = pieceCount; i < gl().primitives.size(); ++i) {
        const auto& strip = gl().primitives[i].vertices;
        EXPECT_NEAR(strip.front().position.y, 453, 1e-4);
        EXPECT_NEAR(strip.back().position.y, 457, 1e-4);
    }
    expectGLLeftAsFound();

    // Without a connection the axis lies 8 from the pipe axis; the tube follows the height.
    s.connection = connectionCatalogue[connectionRowNull];
    s.displayHeight = 150;
    draw(s, true);
    expectExtent(tube, 8, -60, 100, 7);
    expectExtent(cable, 8, 213, 230, 3);
}

TEST(Transmitter, CutAwayDrawsHalfShellsAndHalfNutsButTheWholeDome) {
    SceneState s;
    InitialiseSceneState(s);
    draw(s, false);
    ASSERT_EQ(gl().primitives.size(), pieceCount + 36);
    for (int piece = tube; piece <= cable; ++piece) {
        const auto& v = gl().primitives[piece].vertices;
        EXPECT_EQ(v.size(), 38u) << piece; // 18 segments from +Z round to -Z
        const auto b = gldouble::boundsOf(v);
        EXPECT_NEAR(b.min.x, besideDN10, 1e-4) << piece;
        EXPECT_GT(b.max.z, axisZ + 2) << piece;
        EXPECT_LT(b.min.z, axisZ - 2) << piece;
    }
    for (int piece = nutBottom; piece <= nutSide; ++piece)
        EXPECT_EQ(gl().primitives[piece].vertices.size(), 8u) << piece; // three faces

    float domeMinX = INFINITY;
    for (size_t i = pieceCount; i < gl().primitives.size(); ++i)
        for (const auto& v : gl().primitives[i].vertices)
            domeMinX = std::fmin(domeMinX, v.position.x);
    EXPECT_NEAR(domeMinX, besideDN10 - 8, 1e-4);
    EXPECT_TRUE(gldouble::modelviewAtIdentity());
}
