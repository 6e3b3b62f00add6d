#include "geometry/Float.h"

#include "geometry/Primitives.h"

#include <GL/gl.h>

#include <array>

namespace {

// The body's ends relative to the liquid surface, and the shell radii.
struct FloatShape {
    float bottom, top;
    float outerRadius, innerRadius;
};

FloatShape shapeOf(const FloatSpec& dimensions) {
    return {-dimensions.immersionDepth, dimensions.length - dimensions.immersionDepth,
            dimensions.outerDiameter / 2, dimensions.innerDiameter / 2};
}

// One longitude strip of a dome: a half spheroid of the given radius and half its height,
// based at baseY and bulging up (direction 1) or down (direction -1).
void drawDomeStrip(int i, float radius, float baseY, float direction) {
    glBegin(GL_QUAD_STRIP);
    for (int j = 0; j <= 9; ++j) {
        const SpherePoint p = SphereTable[i][j];
        const SpherePoint q = SphereTable[i + 1][j];
        grey(revolvedGrey(i));
        glVertex3f(radius * p.x, baseY + direction * radius * p.z / 2, radius * p.y);
        grey(revolvedGrey(i + 1));
        glVertex3f(radius * q.x, baseY + direction * radius * q.z / 2, radius * q.y);
    }
    glEnd();
}

// The cylindrical wall from top to bottom over angle indices 0..lastIndex.
void drawWall(int lastIndex, float radius, float top, float bottom) {
    glBegin(GL_QUAD_STRIP);
    for (int i = 0; i <= lastIndex; ++i) {
        const auto [s, c] = CircleTable[i];
        grey(revolvedGrey(i) + 0.1f);
        glVertex3f(radius * s, top, radius * c);
        glVertex3f(radius * s, bottom, radius * c);
    }
    glEnd();
}

// The shell cut in the plane x = 0: one strip around the whole outline, outer edge light red,
// inner edge red.
void drawWallSection(const FloatShape& f) {
    const float R = f.outerRadius, r = f.innerRadius;
    auto pair = [](float yOuter, float zOuter, float yInner, float zInner) {
        glColor3f(1, 0.3f, 0.3f);
        glVertex3f(0, yOuter, zOuter);
        glColor3f(1, 0.1f, 0.1f);
        glVertex3f(0, yInner, zInner);
    };
    glBegin(GL_QUAD_STRIP);
    // Lower dome from +Z through the lower pole to -Z.
    for (int i = 9; i <= 27; ++i) {
        const auto [s, c] = CircleTable[i];
        pair(f.bottom + R * c / 2, R * s, f.bottom + 0.5f + r * c / 2, r * s);
    }
    pair(f.top, -R, f.top, -r);
    // Upper dome from -Z back to +Z.
    for (int i = 27; i >= 9; --i) {
        const auto [s, c] = CircleTable[i];
        pair(f.top - R * c / 2, R * s, f.top - 0.5f - r * c / 2, r * s);
    }
    pair(f.bottom, R, f.bottom, r);
    glEnd();
}

using Rgb = std::array<float, 3>;

void setColour(const Rgb& c) {
    glColor3f(c[0], c[1], c[2]);
}

// The half disc that closes the magnet at z, its centre in one colour and its rim in another.
void drawPoleFace(float m, float z, const Rgb& centre, const Rgb& rim) {
    glBegin(GL_TRIANGLE_FAN);
    setColour(centre);
    glVertex3f(0, 0, z);
    setColour(rim);
    for (int i = 0; i <= 18; ++i) glVertex3f(m * CircleTable[i].s, m * CircleTable[i].c, z);
    glEnd();
}

// The half of the mantle between the pole face at z and the magnet's middle, the pole's colour
// there turning dark grey at the middle.
void drawMantleHalf(float m, float z, const Rgb& pole) {
    glBegin(GL_QUAD_STRIP);
    for (int i = 0; i <= 18; ++i) {
        const auto [s, c] = CircleTable[i];
        setColour(pole);
        glVertex3f(m * s, m * c, z);
        grey(0.2f);
        glVertex3f(m * s, m * c, 0);
    }
    glEnd();
}

// The section of one pole in the plane x = 0, from the pole face at z to the middle; the first
// corner lies at y = yFirst.
void drawPoleSection(float yFirst, float z, const Rgb& pole) {
    glBegin(GL_QUADS);
    setColour(pole);
    glVertex3f(0, yFirst, z);
    glVertex3f(0, -yFirst, z);
    grey(0.4f);
    glVertex3f(0, -yFirst, 0);
    glVertex3f(0, yFirst, 0);
    glEnd();
}

// Half of the bar magnet at the liquid surface, its axis along Z: red pole at +Z, green at -Z.
void drawMagnetHalf(float magnetRadius, float poleZ) {
    const float m = magnetRadius;
    const float redZ = poleZ, greenZ = -poleZ;
    drawPoleFace(m, redZ, {0.6f, 0, 0}, {1, 0, 0});
    drawPoleFace(m, greenZ, {0, 0.6f, 0}, {0, 1, 0});
    drawMantleHalf(m, redZ, {0.8f, 0, 0});
    drawMantleHalf(m, greenZ, {0, 0.8f, 0});
    drawPoleSection(-m, redZ, {1, 0.2f, 0.2f});
    drawPoleSection(m, greenZ, {0.2f, 1, 0.2f});
}

// The float's frame: its placement, lifted so that the origin lies on the liquid surface.
void enterFloatFrame(const SceneState& state, const PlacedPart& floatBody) {
    applyPose(floatBody.pose);
    glTranslatef(0, state.level, 0);
}

} // namespace

void DrawFloatWhole(const SceneState& state, const PlacedPart& floatBody) {
    const FloatShape f = shapeOf(state.selectedFloat);
    const float R = f.outerRadius;
    MatrixScope scope;
    enterFloatFrame(state, floatBody);

    for (int i = 0; i < 36; ++i) {
        drawDomeStrip(i, R, f.bottom, -1);
        drawDomeStrip(i, R, f.top, 1);
    }
    drawWall(36, R, f.top, f.bottom);
}

void DrawFloatCut(const SceneState& state, const PlacedPart& floatBody) {
    const FloatShape f = shapeOf(state.selectedFloat);
    const float R = f.outerRadius, r = f.innerRadius;
    MatrixScope scope;
    enterFloatFrame(state, floatBody);

    for (int i = 0; i < 18; ++i) {
        drawDomeStrip(i, R, f.bottom, -1);
        drawDomeStrip(i, R, f.top, 1);
        drawDomeStrip(i, r, f.bottom + 0.5f, -1);
        drawDomeStrip(i, r, f.top - 0.5f, 1);
    }
    drawWall(18, R, f.top, f.bottom);
    drawWall(18, r, f.top - 0.5f, f.bottom + 0.5f);
    drawWallSection(f);
    drawMagnetHalf(state.selectedFloat.magnetDiameter / 2, R - 3);
}
