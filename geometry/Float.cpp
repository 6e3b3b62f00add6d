#include "geometry/Float.h"

#include "geometry/Primitives.h"

#include <GL/gl.h>

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

// Half of the bar magnet at the liquid surface, its axis along Z: red pole at +Z, green at -Z.
void drawMagnetHalf(float magnetRadius, float poleZ) {
    const float m = magnetRadius;
    const float redZ = poleZ, greenZ = -poleZ;

    glBegin(GL_TRIANGLE_FAN); // red end face
    glColor3f(0.6f, 0, 0);
    glVertex3f(0, 0, redZ);
    glColor3f(1, 0, 0);
    for (int i = 0; i <= 18; ++i) glVertex3f(m * CircleTable[i].s, m * CircleTable[i].c, redZ);
    glEnd();

    glBegin(GL_TRIANGLE_FAN); // green end face
    glColor3f(0, 0.6f, 0);
    glVertex3f(0, 0, greenZ);
    glColor3f(0, 1, 0);
    for (int i = 0; i <= 18; ++i) glVertex3f(m * CircleTable[i].s, m * CircleTable[i].c, greenZ);
    glEnd();

    glBegin(GL_QUAD_STRIP); // red half of the mantle
    for (int i = 0; i <= 18; ++i) {
        const auto [s, c] = CircleTable[i];
        glColor3f(0.8f, 0, 0);
        glVertex3f(m * s, m * c, redZ);
        glColor3f(0.2f, 0.2f, 0.2f);
        glVertex3f(m * s, m * c, 0);
    }
    glEnd();

    glBegin(GL_QUAD_STRIP); // green half of the mantle
    for (int i = 0; i <= 18; ++i) {
        const auto [s, c] = CircleTable[i];
        glColor3f(0, 0.8f, 0);
        glVertex3f(m * s, m * c, greenZ);
        glColor3f(0.2f, 0.2f, 0.2f);
        glVertex3f(m * s, m * c, 0);
    }
    glEnd();

    glBegin(GL_QUADS); // red section
    glColor3f(1, 0.2f, 0.2f);
    glVertex3f(0, -m, redZ);
    glVertex3f(0, m, redZ);
    glColor3f(0.4f, 0.4f, 0.4f);
    glVertex3f(0, m, 0);
    glVertex3f(0, -m, 0);
    glEnd();

    glBegin(GL_QUADS); // green section
    glColor3f(0.2f, 1, 0.2f);
    glVertex3f(0, m, greenZ);
    glVertex3f(0, -m, greenZ);
    glColor3f(0.4f, 0.4f, 0.4f);
    glVertex3f(0, -m, 0);
    glVertex3f(0, m, 0);
    glEnd();
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
