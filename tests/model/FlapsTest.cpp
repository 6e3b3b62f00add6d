#include "geometry/Flaps.h"

#include "scene/Catalogues.h"

#include "RecordingGL.h"
#include "SceneFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

using namespace gldouble;

namespace {

// Every flap stays within 5 units of its own height, so a primitive belongs to the flap whose
// height is nearest its centre.
int flapOf(const Primitive& p) {
    const Bounds b = boundsOf(p.vertices);
    return static_cast<int>(std::lround((b.min.y + b.max.y) / 2 / 10));
}

std::map<int, std::vector<const Primitive*>> primitivesByFlap() {
    std::map<int, std::vector<const Primitive*>> flaps;
    for (const auto& p : gl().primitives) flaps[flapOf(p)].push_back(&p);
    return flaps;
}

bool sameColour(const Vertex& v, const std::array<float, 3>& c) {
    return v.colour[0] == c[0] && v.colour[1] == c[1] && v.colour[2] == c[2];
}

struct Face {
    int side;
    Vec3 outward; // unit normal pointing out of the face
    std::array<float, 4> litColour;
};

// The two plate faces of flap k, told apart by the colour of their lit corner, with the normal
// that the winding (-13,4) -> (13,4) -> (13,-4) gives, pointing out of the plate.
std::vector<Face> plateFaces(const SceneState& s, const std::vector<const Primitive*>& flap) {
    std::vector<Face> faces;
    for (const Primitive* p : flap) {
        if (p->mode != GL_QUADS) continue;
        for (size_t q = 0; q + 3 < p->vertices.size(); q += 4) {
            const auto& v = p->vertices;
            for (int side : {0, 1}) {
                if (!sameColour(v[q], faceColour(s, side, 1.0f)) ||
                    !sameColour(v[q + 1], faceColour(s, side, 0.6f)))
                    continue;
                const Vec3 a = v[q].position, b = v[q + 1].position, c = v[q + 2].position;
                const Vec3 u{b.x - a.x, b.y - a.y, b.z - a.z}, w{c.x - b.x, c.y - b.y, c.z - b.z};
                Vec3 n{-(u.y * w.z - u.z * w.y), -(u.z * w.x - u.x * w.z),
                       -(u.x * w.y - u.y * w.x)};
                const float len = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
                faces.push_back({side, {n.x / len, n.y / len, n.z / len}, v[q].colour});
            }
        }
    }
    return faces;
}

// The side whose face points most toward a viewer in front of the column (+Z).
int sideSeenFromFront(const SceneState& s, const std::vector<const Primitive*>& flap) {
    const auto faces = plateFaces(s, flap);
    EXPECT_EQ(faces.size(), 2u);
    if (faces.size() != 2) return -1;
    return faces[0].outward.z > faces[1].outward.z ? faces[0].side : faces[1].side;
}

std::vector<const Primitive*> fansOfColour(const std::vector<const Primitive*>& flap,
                                           std::array<float, 3> colour) {
    std::vector<const Primitive*> fans;
    for (const Primitive* p : flap)
        if (p->mode == GL_TRIANGLE_FAN && sameColour(p->vertices[0], colour)) fans.push_back(p);
    return fans;
}

} // namespace

TEST(FlapAngle, TurnsThreeDegreesPerUnitOfLevelAndStopsAtNinety) {
    EXPECT_FLOAT_EQ(flapAngle(200, 17), 90);
    EXPECT_FLOAT_EQ(flapAngle(200, 18), 60);
    EXPECT_FLOAT_EQ(flapAngle(200, 19), 30);
    EXPECT_FLOAT_EQ(flapAngle(200, 20), 0);
    EXPECT_FLOAT_EQ(flapAngle(200, 21), -30);
    EXPECT_FLOAT_EQ(flapAngle(200, 22), -60);
    EXPECT_FLOAT_EQ(flapAngle(200, 23), -90);
    EXPECT_NEAR(flapAngle(201.5f, 20), 4.5f, 1e-4);
    for (int k = -4; k <= 1010; ++k) {
        EXPECT_EQ(flapAngle(10.0f * k + 30, k), 90.0f) << k;
        EXPECT_EQ(flapAngle(10.0f * k - 30, k), -90.0f) << k;
        EXPECT_EQ(flapAngle(10.0f * k + 400, k), 90.0f) << k;
        EXPECT_EQ(flapAngle(10.0f * k - 400, k), -90.0f) << k;
    }
}

TEST(FaceColour, BrightensTheBaseAndDarkensWithShade) {
    const SceneState s = startState(); // full Red, empty White
    const auto red08 = faceColour(s, 1, 0.8f);
    EXPECT_NEAR(red08[0], 0.515, 5e-4);
    EXPECT_NEAR(red08[1], 0.074, 5e-4);
    EXPECT_NEAR(red08[2], 0.074, 5e-4);
    const auto red10 = faceColour(s, 1, 1.0f);
    EXPECT_NEAR(red10[0], 0.412, 5e-4);
    EXPECT_NEAR(red10[1], 0.059, 5e-4);
    const auto white = faceColour(s, 0, 1.0f);
    EXPECT_FLOAT_EQ(white[0], 1.1f / 1.7f);
    EXPECT_FLOAT_EQ(white[2], 1.1f / 1.7f);

    SceneState black = s;
    black.fullColour = colourTable[0];
    for (float channel : faceColour(black, 1, 0)) EXPECT_EQ(channel, INFINITY);

    // The magnet core starts at shade 0 on both ends: white after GL clamps it, on every flap.
    reset();
    DrawFlaps(s, s.flaps);
    int cores = 0;
    for (const Primitive* strip : primitivesOfMode(GL_QUAD_STRIP)) {
        ++cores;
        for (int v : {0, 1})
            for (int c : {0, 1, 2}) EXPECT_EQ(strip->vertices[v].colour[c], INFINITY);
        EXPECT_TRUE(std::isfinite(strip->vertices[2].colour[0]));
    }
    EXPECT_EQ(cores, 2 * 44);
}

TEST(Flaps, ColumnAtStartStandsInFrontOfThePipeOneFlapPerTenUnits) {
    const SceneState s = startState();
    reset();
    DrawFlaps(s, s.flaps);

    const auto flaps = primitivesByFlap();
    ASSERT_EQ(flaps.size(), 44u);
    EXPECT_EQ(flaps.begin()->first, -2);
    EXPECT_EQ(flaps.rbegin()->first, 41);
    for (const auto& [k, prims] : flaps) {
        std::vector<Vertex> vertices;
        for (const Primitive* p : prims)
            vertices.insert(vertices.end(), p->vertices.begin(), p->vertices.end());
        // A flap is symmetric about its turning axis whatever its angle.
        const Bounds b = boundsOf(vertices);
        EXPECT_NEAR((b.min.y + b.max.y) / 2, 10 * k, 1e-3) << k;
        EXPECT_NEAR((b.min.z + b.max.z) / 2, 30.85, 1e-3) << k;
        EXPECT_NEAR(b.min.x, -14, 1e-4) << k;
        EXPECT_NEAR(b.max.x, 14, 1e-4) << k;
        EXPECT_EQ(prims.size(), flaps.begin()->second.size()) << k;
    }
    expectGLLeftAsFound();
}

TEST(Flaps, ViewerSeesFullBelowTheLevelAndEmptyAbove) {
    SceneState s = startState();
    reset();
    DrawFlaps(s, s.flaps);
    const auto flaps = primitivesByFlap();

    for (const auto& [k, prims] : flaps) {
        if (k == 20) continue; // edge-on: neither face is turned toward the viewer
        EXPECT_EQ(sideSeenFromFront(s, prims), k < 20 ? 1 : 0) << k;
    }

    // The full face's normal turns from up (angle 0) toward the viewer (+90).
    const std::map<int, float> expected{{18, 60}, {19, 30}, {20, 0}, {21, -30}, {22, -60}};
    for (const auto& [k, angle] : expected) {
        for (const Face& face : plateFaces(s, flaps.at(k))) {
            if (face.side != 1) continue;
            const float seen = std::atan2(face.outward.z, face.outward.y) * 180 / 3.14159265f;
            EXPECT_NEAR(seen, angle, 1e-3) << k;
        }
    }

    // Swapped colours swap what the viewer sees; the pole marks keep red and green.
    s.fullColour = colourTable[15];
    s.emptyColour = colourTable[4];
    reset();
    DrawFlaps(s, s.flaps);
    const auto swapped = primitivesByFlap();
    for (const Face& face : plateFaces(s, swapped.at(5))) {
        const auto [r, g, b, a] = face.litColour;
        const bool white = r == g && g == b;
        EXPECT_EQ(white, face.outward.z > 0.5f) << "the white face looks at the viewer";
    }
    EXPECT_EQ(fansOfColour(swapped.at(5), {1, 0, 0}).size(), 1u);
    EXPECT_EQ(fansOfColour(swapped.at(5), {0, 1, 0}).size(), 1u);
}

TEST(Flaps, EachHalfIsDrawnInItsOwnFrame) {
    const SceneState s = startState();
    reset();
    DrawFlaps(s, s.flaps);
    const auto flap = primitivesByFlap().at(5); // turned full: standing upright

    // The pole marks sit at opposite ends of the magnet: red below, green above the axis.
    const auto red = fansOfColour(flap, {1, 0, 0});
    const auto green = fansOfColour(flap, {0, 1, 0});
    ASSERT_EQ(red.size(), 1u);
    ASSERT_EQ(green.size(), 1u);
    EXPECT_NEAR(red[0]->vertices[0].position.y, 50 - 4.2, 1e-4);
    EXPECT_NEAR(green[0]->vertices[0].position.y, 50 + 4.2, 1e-4);
}

TEST(Flaps, PlacementsCountAndStartDecideWhatIsDrawn) {
    SceneState s = startState();
    s.flaps.placement(5).pose.posX = 100;
    reset();
    DrawFlaps(s, s.flaps);
    EXPECT_NEAR(boundsOf(primitivesByFlap().at(5).front()->vertices).min.x, 100 - 2.5, 1e-3);
    expectGLLeftAsFound();

    ConstructFlaps(s.flaps, s.flapStartIndex);
    EXPECT_EQ(s.flaps.placement(5).pose.posX, 0);
    EXPECT_EQ(s.flaps.placement(5).mode, DisplayMode::Whole);

    for (int count : {0, -3}) {
        s.flapCount = count;
        reset();
        DrawFlaps(s, s.flaps);
        EXPECT_TRUE(gl().primitives.empty()) << count;
        expectGLLeftAsFound();
    }

    // A column reaching past the last placement still draws every flap where it belongs.
    s.flapStartIndex = 1000;
    s.flapCount = 20;
    s.level = 0;
    reset();
    DrawFlaps(s, s.flaps);
    const auto flaps = primitivesByFlap();
    ASSERT_EQ(flaps.size(), 20u);
    EXPECT_EQ(flaps.rbegin()->first, 1019);
    expectGLLeftAsFound();
}
