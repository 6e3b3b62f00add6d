#include "geometry/EndClosures.h"

#include "geometry/ChamberPipe.h"
#include "geometry/Primitives.h"
#include "geometry/ProcessConnections.h"

#include <GL/gl.h>

#include <array>
#include <initializer_list>
#include <utility>

namespace {

// The closures are drawn as profile lists around the chamber axis; these wrappers keep the
// argument order of those lists (radius before heights for tubes, height first for rings, radii
// before heights for strips) and the segment count of the current view.
class Profile {
  public:
    Profile(const SceneState& state, bool full) : state(state), n(segmentsFor(full)) {}

    void tube(float radius, float heightA, float heightB) const {
        drawTube(state, n, {.heightA = heightA, .heightB = heightB, .radius = radius});
    }
    void ring(float height, float radiusA, float radiusB) const {
        drawRing(state, n, {.height = height, .radiusA = radiusA, .radiusB = radiusB});
    }
    void strip(float radiusA, float radiusB, float heightA, float heightB) const {
        drawRevolvedStrip(state, n, radiusA, radiusB, heightA, heightB);
    }
    void cutFace(const CutFace& face) const { drawCutFace(state, face); }
    // A wall cut on both sides of the axis: the faces at +z in their order, then their twins at
    // -z in the same order.
    void cutFaces(std::initializer_list<CutFace> faces) const {
        for (const CutFace& face : faces) cutFace(face);
        for (const CutFace& face : faces)
            cutFace({.yA = face.yA,
                     .yB = face.yB,
                     .zA = -face.zA,
                     .zB = -face.zB,
                     .shade = face.shade});
    }

  private:
    const SceneState& state;
    int n;
};

// Heights of a bolted flange set are measured from the chamber end towards the body: inward is
// -1 at the top end and +1 at the bottom end, so the bottom set mirrors the top one.
// The pipe end flange is welded on the body and carries the gasket recess in its outer face.
void drawPipeFlange(const SceneState& state, bool full, float end, float inward) {
    const Profile p(state, full);
    const float rIn = state.pipeInnerRadius, rOut = state.pipeOuterRadius;
    const float f = state.flangeOuterRadius, k = state.boltCircleRadius;
    const float hole = state.boltHoleRadiusB;
    const auto y = [&](float h) { return end + inward * h; };
    if (!full) {
        p.cutFaces({{.yA = y(13), .yB = y(10), .zA = f, .zB = rOut + 6, .shade = 0.5f},
                    {.yA = y(18), .yB = y(13), .zA = f, .zB = rIn, .shade = 0.4f}});
    }
    p.tube(rIn, y(18), y(13));
    p.tube(f, y(18), y(10));
    p.tube(rOut + 6, y(10), y(13));
    p.ring(y(13), rIn, rOut + 6);
    drawFlangeFaces(state, full,
                    {.holeRadius = hole,
                     .boltCircleRadius = k,
                     .outerRadius = f,
                     .firstInnerRadius = rIn,
                     .firstY = y(18),
                     .secondInnerRadius = rOut + 6,
                     .secondY = y(10)});
}

// Gasket ring in the flange recess, between the pipe bore and the recess wall.
void drawGasket(const SceneState& state, bool full, float end, float inward) {
    const float rIn = state.pipeInnerRadius, recess = state.pipeOuterRadius + 6;
    const auto y = [&](float h) { return end + inward * h; };
    const TintScope green(state, Tint::Green);
    const Profile p(state, full);
    if (!full) p.cutFaces({{.yA = y(13), .yB = y(11), .zA = recess, .zB = rIn, .shade = 0.5f}});
    p.ring(y(11), recess, rIn);
    p.ring(y(13), recess, rIn);
    p.tube(recess, y(11), y(13));
    p.tube(rIn, y(11), y(13));
}

// Bolts on the bolt circle at the diagonals, listed as (x, z) signs; the cut-away view keeps
// the first two, which lie on the +X side.
using Corners = std::array<std::pair<float, float>, 4>;
void drawBolts(const SceneState& state, bool full, float angle, float y, const Corners& corners) {
    const float k = diagonalOffset(state.boltCircleRadius);
    for (int i = 0; i < (full ? 4 : 2); ++i)
        DrawBolt(state, angle, corners[i].first * k, y, corners[i].second * k);
}

// A section outline in the plane x = 0, given as (y, z) points in the current colour.
void sectionPrimitive(GLenum mode, std::initializer_list<std::pair<float, float>> points) {
    glBegin(mode);
    for (const auto& [y, z] : points) glVertex3f(0, y, z);
    glEnd();
}

// A section outline on both sides of the axis: once, and again turned 180 degrees about Y.
void sectionPrimitiveTwice(GLenum mode, std::initializer_list<std::pair<float, float>> points) {
    sectionPrimitive(mode, points);
    MatrixScope scope;
    glRotatef(180, 0, 1, 0);
    sectionPrimitive(mode, points);
}

// The foot of the "R-760" end cap: two flat faces (each a quadrant from +X to -Z) alternating
// with two curved quadrants (from +Z to +X); the cut-away view keeps one of each.
void drawEndCapFoot(const SceneState& state, bool full) {
    MatrixScope scope;
    for (int half = 0; half < (full ? 2 : 1); ++half) {
        glBegin(GL_TRIANGLES);
        grey(0.5f);
        glVertex3f(0, 0, 0);
        grey(0.6f);
        glVertex3f(16, 0, 0);
        grey(0.9f);
        glVertex3f(0, 0, -16);
        glEnd();
        glBegin(GL_QUADS);
        grey(0.5f);
        glVertex3f(16, 0, 0);
        glVertex3f(0, 0, -16);
        grey(0.7f);
        glVertex3f(0, 1.5f, -17.5f);
        glVertex3f(17.5f, 1.5f, 0);
        glEnd();
        glBegin(GL_QUADS);
        grey(0.5f);
        glVertex3f(0, 1.5f, -17.5f);
        glVertex3f(17.5f, 1.5f, 0);
        grey(0.7f);
        glVertex3f(17.5f, 11, 0);
        glVertex3f(0, 11, -17.5f);
        glEnd();
        drawRevolvedStrip(state, 9, 0, 16, 0, 0);
        drawRevolvedStrip(state, 9, 16, 17.5f, 0, 1.5f);
        drawRevolvedStrip(state, 9, 17.5f, 17.5f, 1.5f, 11);
        glRotatef(180, 0, 1, 0);
    }
}

// The turned body of the end cap above its foot.
void drawEndCapProfile(const Profile& p) {
    p.strip(13.5f, 21, 11, 11);
    p.strip(21, 22.5f, 11, 12.5f);
    p.strip(22.5f, 22.5f, 12.5f, 16.5f);
    p.strip(22.5f, 20.5f, 16.5f, 16.5f);
    p.strip(20.5f, 20.5f, 16.5f, 15);
    p.strip(20.5f, 16.5f, 15, 15);
    p.strip(16.5f, 16.5f, 15, 16.5f);
    p.strip(16.5f, 15, 16.5f, 16.5f);
    p.strip(15, 15, 16.5f, 21);
    p.strip(15, 16.5f, 21, 22.5f);
    p.strip(16.5f, 16.5f, 22.5f, 30.5f);
    p.strip(16.5f, 15, 30.5f, 32);
    p.strip(15, 13.5f, 32, 32);
    p.strip(13.5f, 12.5f, 32, 25);
    p.strip(12.5f, 12.5f, 25, 15);
    p.strip(12.5f, 0, 15, 15);
}

// The cut-away end cap's section in the plane x = 0, on both sides of the axis.
void drawEndCapSection() {
    MatrixScope scope;
    glColor3f(0.7f, 0, 0);
    for (int side = 0; side < 2; ++side) {
        if (side == 1) glRotatef(180, 0, 1, 0);
        sectionPrimitive(GL_TRIANGLE_STRIP,
                         {{0, 0}, {0, 16}, {15, 0}, {1.5f, 17.5f}, {15, 12.5f}, {11, 17.5f}});
        sectionPrimitive(GL_TRIANGLE_STRIP, {{16.5f, 22.5f},
                                             {12.5f, 22.5f},
                                             {16.5f, 20.5f},
                                             {11, 21},
                                             {15, 20.5f},
                                             {11, 17.5f},
                                             {15, 16.5f},
                                             {15, 12.5f},
                                             {16.5f, 16.5f},
                                             {16.5f, 15},
                                             {15, 12.5f},
                                             {16.5f, 15},
                                             {25, 12.5f},
                                             {32, 15},
                                             {32, 13.5f}});
        sectionPrimitive(GL_QUADS, {{21, 15}, {22.5f, 16.5f}, {30.5f, 16.5f}, {32, 15}});
    }
}

} // namespace

void DrawDishedCap(const SceneState& state, bool full) {
    const float yB = chamberHeights(state).top - 18;
    const float rOut = state.pipeOuterRadius, rIn = state.pipeInnerRadius;
    const auto shell = [&](int i, float radius, float base, float g1, float g2) {
        glBegin(GL_QUAD_STRIP);
        for (int j = 0; j <= 9; ++j) {
            const SpherePoint a = SphereTable[i][j], b = SphereTable[i + 1][j];
            grey(g1);
            glVertex3f(radius * a.x, base + radius * a.z / 2, radius * a.y);
            grey(g2);
            glVertex3f(radius * b.x, base + radius * b.z / 2, radius * b.y);
        }
        glEnd();
    };
    // Unlike the revolved primitives the cap is darkest at the front.
    for (int i = 0; i < segmentsFor(full); ++i) {
        const float g1 = backLitGrey(i), g2 = backLitGrey(i + 1);
        shell(i, rOut, yB, g1, g2);
        if (!full) shell(i, rIn, yB - 0.5f, g1, g2);
    }
    if (full) return;
    // Section from -Z over the crown to +Z: outer edge light red, inner edge red.
    glBegin(GL_QUAD_STRIP);
    glColor3f(1, 0.3f, 0.3f);
    glVertex3f(0, yB, -rOut);
    glColor3f(1, 0.1f, 0.1f);
    glVertex3f(0, yB, -rIn);
    for (int i = 27; i >= 9; --i) {
        const auto [s, c] = CircleTable[i];
        glColor3f(1, 0.3f, 0.3f);
        glVertex3f(0, yB - rOut * c / 2, rOut * s);
        glColor3f(1, 0.1f, 0.1f);
        glVertex3f(0, yB - 0.5f - rIn * c / 2, rIn * s);
    }
    glEnd();
}

void DrawPipeFlangeTop(const SceneState& state, const PlacedPart& placement, bool full) {
    MatrixScope scope;
    applyPose(placement.pose);
    drawPipeFlange(state, full, chamberHeights(state).top, -1);
}

void DrawPipeFlangeBottom(const SceneState& state, const PlacedPart& placement, bool full) {
    MatrixScope scope;
    applyPose(placement.pose);
    drawPipeFlange(state, full, chamberHeights(state).bottom, 1);
}

void DrawCoverTop(const SceneState& state, const PlacedPart& placement, bool full) {
    MatrixScope scope;
    applyPose(placement.pose);
    const Profile p(state, full);
    const float t = chamberHeights(state).top;
    const float spigot = state.pipeOuterRadius + 6, f = state.flangeOuterRadius;
    const float k = state.boltCircleRadius, hole = state.boltHoleRadiusA;
    if (!full) {
        p.cutFace({.yA = t - 8, .yB = t, .zA = -f, .zB = f, .shade = 0.5f});
        p.cutFace({.yA = t - 11, .yB = t - 8, .zA = -spigot, .zB = spigot, .shade = 0.4f});
    }
    p.tube(spigot, t - 8, t - 11);
    p.tube(f, t - 8, t);
    p.ring(t - 11, spigot, 0);
    drawFlangeFaces(state, full,
                    {.holeRadius = hole,
                     .boltCircleRadius = k,
                     .outerRadius = f,
                     .firstInnerRadius = spigot,
                     .firstY = t - 8,
                     .secondInnerRadius = 0,
                     .secondY = t});
}

void DrawCoverBottom(const SceneState& state, const PlacedPart& placement, bool full) {
    MatrixScope scope;
    applyPose(placement.pose);
    const Profile p(state, full);
    const float b = chamberHeights(state).bottom;
    const float spigot = state.pipeOuterRadius + 6, f = state.flangeOuterRadius;
    const float k = state.boltCircleRadius, hole = state.boltHoleRadiusA;
    // Central hole of radius 8 for the drain plug, recess of radius 11 for its gasket.
    if (!full) {
        p.cutFaces({{.yA = b + 8, .yB = b + 11, .zA = spigot, .zB = 8, .shade = 0.4f},
                    {.yA = b + 1, .yB = b + 8, .zA = f, .zB = 8, .shade = 0.3f},
                    {.yA = b, .yB = b + 1, .zA = f, .zB = 11, .shade = 0.2f}});
    }
    p.ring(b + 11, spigot, 8);
    p.tube(spigot, b + 8, b + 11);
    p.tube(f, b + 8, b);
    p.tube(8, b + 11, b + 1);
    drawFlangeFaces(state, full,
                    {.holeRadius = hole,
                     .boltCircleRadius = k,
                     .outerRadius = f,
                     .firstInnerRadius = spigot,
                     .firstY = b + 8,
                     .secondInnerRadius = 11,
                     .secondY = b});
}

void DrawBoltsTop(const SceneState& state, const PlacedPart& placement, bool full) {
    MatrixScope scope;
    applyPose(placement.pose);
    // Turned head up, the shank reaching down into the flanges.
    drawBolts(state, full, 180, chamberHeights(state).top,
              Corners{{{1, 1}, {1, -1}, {-1, -1}, {-1, 1}}});
}

void DrawBoltsBottom(const SceneState& state, const PlacedPart& placement, bool full) {
    MatrixScope scope;
    applyPose(placement.pose);
    drawBolts(state, full, 0, chamberHeights(state).bottom,
              Corners{{{1, 1}, {1, -1}, {-1, 1}, {-1, -1}}});
}

void DrawGasketTop(const SceneState& state, const PlacedPart& placement, bool full) {
    MatrixScope scope;
    applyPose(placement.pose);
    drawGasket(state, full, chamberHeights(state).top, -1);
}

void DrawGasketBottom(const SceneState& state, const PlacedPart& placement, bool full) {
    MatrixScope scope;
    applyPose(placement.pose);
    drawGasket(state, full, chamberHeights(state).bottom, 1);
}

void DrawDrainPlug(const SceneState& state, const PlacedPart& placement, bool full) {
    MatrixScope scope;
    applyPose(placement.pose);
    const Profile p(state, full);
    const float b = chamberHeights(state).bottom;
    if (!full) {
        p.cutFace({.yA = b - 8, .yB = b, .zA = 12, .zB = -12, .shade = 0.4f});
        p.cutFace({.yA = b, .yB = b + 11, .zA = 8, .zB = -8, .shade = 0.5f});
    }
    drawHexCap(full, {.height = b - 8, .radius = 12}, HexPalette::Grey);
    drawHexCap(full, {.height = b, .radius = 12}, HexPalette::Grey);
    drawHexSide(full, {.heightA = b, .heightB = b - 8, .radius = 12}, HexPalette::Grey);
    p.tube(8, b, b + 11);
    p.ring(b + 11, 0, 8);
}

void DrawPlugGasket(const SceneState& state, const PlacedPart& placement, bool full) {
    MatrixScope scope;
    applyPose(placement.pose);
    const float b = chamberHeights(state).bottom;
    const TintScope green(state, Tint::Green);
    const Profile p(state, full);
    if (!full) p.cutFaces({{.yA = b, .yB = b + 1, .zA = 8, .zB = 11, .shade = 0.5f}});
    p.ring(b, 8, 11);
    p.ring(b + 1, 8, 11);
    p.tube(8, b, b + 1);
    p.tube(11, b, b + 1);
}

void DrawTopEndFitting(const SceneState& state, bool full) {
    const Profile p(state, full);
    // Plug in the pipe end: bore 12.5 wide and 5 deep from below, shoulder on the pipe end at
    // 5.5, chamfered top at 18.
    p.strip(12.5f, 14.85f, 0, 0);
    p.strip(14.85f, 14.85f, 0, 5.5f);
    p.strip(14.85f, 16.85f, 5.5f, 5.5f);
    p.strip(16.85f, 16.85f, 5.5f, 16.5f);
    p.strip(16.85f, 15.35f, 16.5f, 18);
    p.strip(15.35f, 0, 18, 18);
    p.strip(0, 12.5f, 5, 5);
    p.strip(12.5f, 12.5f, 5, 0);
    if (full) return;
    glColor3f(1, 0, 0);
    sectionPrimitiveTwice(GL_POLYGON, {{0, 12.5f},
                                       {0, 14.85f},
                                       {5.5f, 14.85f},
                                       {5.5f, 16.85f},
                                       {16.5f, 16.85f},
                                       {18, 15.35f},
                                       {18, 12.5f},
                                       {0, 12.5f}});
    sectionPrimitiveTwice(GL_QUADS, {{18, 12.5f}, {18, 0}, {5, 0}, {5, 12.5f}});
}

void DrawBottomEndFitting(const SceneState& state, bool full) {
    const Profile p(state, full);
    // Sleeve with a bore of 15, chamfered to 16.5 at the lower end, tapering to the pipe above.
    p.strip(15, 20, 0, 0);
    p.strip(20, 20, 0, 18);
    p.strip(20, 16.85f, 18, 23);
    p.strip(16.85f, 16.85f, 23, 30);
    p.strip(16.85f, 15, 30, 30);
    p.strip(15, 15, 30, 1.5f);
    p.strip(15, 16.5f, 1.5f, 0);
    if (full) return;
    glColor3f(1, 0, 0);
    sectionPrimitiveTwice(
        GL_POLYGON,
        {{0, 20}, {18, 20}, {23, 16.85f}, {30, 16.85f}, {30, 15}, {1.5f, 15}, {0, 16.5f}});
}

void DrawBottomEndRing(const SceneState& state, bool full) {
    const TintScope green(state, Tint::Green);
    const Profile p(state, full);
    p.strip(16.6f, 20.4f, -1.5f, -1.5f);
    p.strip(20.4f, 20.4f, -1.5f, 0);
    p.strip(20.4f, 16.6f, 0, 0);
    p.strip(16.6f, 16.6f, 0, -1.5f);
    if (!full) p.cutFaces({{.yA = -1.5f, .yB = 0, .zA = 16.6f, .zB = 20.4f, .shade = 0.5f}});
}

void DrawBottomEndCap(const SceneState& state, bool full) {
    drawEndCapFoot(state, full);
    drawEndCapProfile(Profile(state, full));
    if (!full) drawEndCapSection();
}

void DrawBolt(const SceneState& state, float angle, float x, float y, float z) {
    MatrixScope scope;
    glTranslatef(x, y, z);
    glRotatef(angle, 0, 0, 1);
    drawRing(state, 36, {.height = -6, .radiusA = 0, .radiusB = 5}); // head end face
    drawRing(state, 36, {.height = 0, .radiusA = 3, .radiusB = 5});  // under the head
    drawRing(state, 36, {.height = 20, .radiusA = 3, .radiusB = 0}); // shank end
    drawTube(state, 36, {.heightA = -6, .heightB = 0, .radius = 5}); // head
    drawTube(state, 36, {.heightA = 0, .heightB = 20, .radius = 3}); // shank
}
