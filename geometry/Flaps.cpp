#include "geometry/Flaps.h"

#include "geometry/Primitives.h"

#include <GL/gl.h>

#include <algorithm>
#include <initializer_list>

namespace {

// Side 1 shows the full colour, side 0 the empty one.
constexpr int emptySide = 0;
constexpr int fullSide = 1;

void setFaceColour(const SceneState& state, int side, float shade) {
    const auto [r, g, b] = faceColour(state, side, shade);
    glColor3f(r, g, b);
}

// Flaps outside the placement table (only reachable with an out-of-range count or start) stand
// where an unmoved placement would put them.
const Pose& flapPose(const FlapsPart& flaps, int k) {
    static const Pose unmoved{};
    if (k < lowestFlapIndex || k > highestFlapIndex) return unmoved;
    return flaps.placement(k).pose;
}

// Half cylinder around the plate's centre line, bulging out of the face, with the dark magnet
// end, the pole mark (red on side 0, green on side 1) and its two end caps.
void drawMagnetCore(const SceneState& state, int side) {
    MatrixScope scope;
    glRotatef(90, 0, 1, 0);

    glBegin(GL_QUAD_STRIP);
    for (int i = 0; i <= 9; ++i) {
        const auto [s, c] = CircleTable[18 + 2 * i];
        setFaceColour(state, side, 2.0f * i / 17);
        glVertex3f(2.5f * s, 4, 2.5f * c);
        setFaceColour(state, side, 4.0f * i / 17);
        glVertex3f(2.5f * s, -4, 2.5f * c);
    }
    glEnd();

    glBegin(GL_TRIANGLE_FAN); // magnet end
    glColor3f(0.2f, 0.2f, 0.1f);
    glVertex3f(0, 4.1f, 0);
    for (int i = 0; i <= 36; i += 2) glVertex3f(2 * CircleTable[i].s, 4.1f, 2 * CircleTable[i].c);
    glEnd();

    glBegin(GL_TRIANGLE_FAN); // pole mark
    if (side == emptySide)
        glColor3f(1, 0, 0);
    else
        glColor3f(0, 1, 0);
    glVertex3f(0, 4.2f, 0);
    for (int i = 0; i <= 36; i += 2)
        glVertex3f(1.5f * CircleTable[i].s, 4.2f, 1.5f * CircleTable[i].c);
    glEnd();

    for (const float y : {3.99f, -3.99f}) { // end caps of the half cylinder
        glBegin(GL_TRIANGLE_FAN);
        setFaceColour(state, side, 0.8f);
        glVertex3f(0, y, 0);
        for (int i = 18; i <= 36; i += 2)
            glVertex3f(2.5f * CircleTable[i].s, y, 2.5f * CircleTable[i].c);
        glEnd();
    }
}

// One quad of a flap in the colour of a side at a shade; between glBegin(GL_QUADS) and glEnd.
void faceQuad(const SceneState& state, int side, float shade,
              std::initializer_list<Point3> corners) {
    setFaceColour(state, side, shade);
    for (const Point3& c : corners) glVertex3f(c.x, c.y, c.z);
}

// The plate's face at z = 0.5, lit from the upper left, and its four edges down to z = 0.
void drawPlate(const SceneState& state, int side) {
    glBegin(GL_QUADS);
    setFaceColour(state, side, 1.0f);
    glVertex3f(-13, 4, 0.5f);
    setFaceColour(state, side, 0.6f);
    glVertex3f(13, 4, 0.5f);
    setFaceColour(state, side, 0.8f);
    glVertex3f(13, -4, 0.5f);
    glVertex3f(-13, -4, 0.5f);
    // edges y = -4, x = -13, y = 4, x = 13
    faceQuad(state, side, 0.8f, {{-13, -4, 0.5f}, {13, -4, 0.5f}, {13, -4, 0}, {-13, -4, 0}});
    faceQuad(state, side, 0.8f, {{-13, 4, 0.5f}, {-13, -4, 0.5f}, {-13, -4, 0}, {-13, 4, 0}});
    faceQuad(state, side, 0.8f, {{-13, 4, 0.5f}, {13, 4, 0.5f}, {13, 4, 0}, {-13, 4, 0}});
    faceQuad(state, side, 0.8f, {{13, 4, 0.5f}, {13, -4, 0.5f}, {13, -4, 0}, {13, 4, 0}});
    glEnd();
}

// A small square of the other side's colour near the face's corner, and the half pin beyond
// the plate's end that the flap turns on.
void drawPinAndMarker(const SceneState& state, int side) {
    const int other = 1 - side;
    glBegin(GL_QUADS);
    // marker
    faceQuad(state, other, 0.9f, {{-9, 4, 0.52f}, {-8, 4, 0.52f}, {-8, 3, 0.52f}, {-9, 3, 0.52f}});
    // pin top, pin side y = -0.6
    faceQuad(state, side, 0.8f,
             {{-14, 0.6f, 0.6f}, {-13, 0.6f, 0.6f}, {-13, -0.6f, 0.6f}, {-14, -0.6f, 0.6f}});
    faceQuad(state, side, 0.8f,
             {{-14, -0.6f, 0.6f}, {-13, -0.6f, 0.6f}, {-13, -0.6f, 0}, {-14, -0.6f, 0}});
    // pin end x = -14
    faceQuad(state, side, 0.7f,
             {{-14, 0.6f, 0.6f}, {-14, -0.6f, 0.6f}, {-14, -0.6f, 0}, {-14, 0.6f, 0}});
    // pin side y = 0.6
    faceQuad(state, side, 0.8f,
             {{-14, 0.6f, 0.6f}, {-13, 0.6f, 0.6f}, {-13, 0.6f, 0}, {-14, 0.6f, 0}});
    // pin step x = -13
    faceQuad(state, side, 0.7f,
             {{-13, 0.6f, 0.6f}, {-13, -0.6f, 0.6f}, {-13, -0.6f, 0.5f}, {-13, 0.6f, 0.5f}});
    // marker edge
    faceQuad(state, other, 0.8f,
             {{-9, 4.01f, 0.52f}, {-8, 4.01f, 0.52f}, {-8, 4.01f, 0}, {-9, 4.01f, 0}});
    glEnd();
}

// One half of a flap in its own frame: face at z = 0.5, back at z = 0.
void drawHalfFlap(const SceneState& state, int side) {
    drawMagnetCore(state, side);
    drawPlate(state, side);
    drawPinAndMarker(state, side);
    MatrixScope turned; // the same pin and marker at the other end
    glRotatef(180, 0, 0, 1);
    drawPinAndMarker(state, side);
}

// Two halves back to back; at turn angle 0 the flap lies flat with the full side facing up.
void drawFlap(const SceneState& state, float scale) {
    glScalef(scale, scale, scale);
    glRotatef(90, 1, 0, 0);
    drawHalfFlap(state, emptySide);
    glRotatef(180, 1, 0, 0);
    drawHalfFlap(state, fullSide);
}

} // namespace

void ConstructFlaps(FlapsPart& flaps, int flapStartIndex) {
    static_cast<PlacedPart&>(flaps) = PlacedPart{};
    for (int k = std::max(flapStartIndex, lowestFlapIndex); k <= highestFlapIndex; ++k)
        flaps.placement(k) = PlacedPart{};
}

void DrawFlaps(const SceneState& state, const FlapsPart& flaps) {
    MatrixScope scope;
    applyPose(flaps.pose);
    glTranslatef(0, 0, state.pipeOuterRadius + 14); // 14 in front of the pipe wall
    glTranslatef(0, 10.0f * state.flapStartIndex, 0);
    for (int k = state.flapStartIndex; k < state.flapStartIndex + state.flapCount; ++k) {
        {
            MatrixScope flap;
            applyPose(flapPose(flaps, k));
            glRotatef(flapAngle(state.level, k), 1, 0, 0);
            drawFlap(state, 1);
        }
        glTranslatef(0, 10, 0);
    }
}

float flapAngle(float level, int k) {
    float angle = (level / 10 - static_cast<float>(k)) * 30;
    if (angle > 90) angle = 90;
    if (angle < -90) angle = -90;
    return angle;
}

std::array<float, 3> faceColour(const SceneState& state, int side, float shade) {
    const FlapColour& base = side == fullSide ? state.fullColour : state.emptyColour;
    const float divisor = 1.7f * shade; // zero shade gives +inf, which GL clamps to white
    return {(base.red + 0.1f) / divisor, (base.green + 0.1f) / divisor,
            (base.blue + 0.1f) / divisor};
}
