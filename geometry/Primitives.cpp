#include "geometry/Primitives.h"

#include <GL/gl.h>

#include <cmath>

namespace {

constexpr double degree = 3.14159265358979323846 / 180.0;

std::array<SinCos, 37> buildCircleTable() {
    std::array<SinCos, 37> table{};
    for (int i = 0; i <= 36; ++i)
        table[i] = {static_cast<float>(std::sin(10.0 * i * degree)),
                    static_cast<float>(std::cos(10.0 * i * degree))};
    return table;
}

std::array<std::array<SpherePoint, 37>, 37> buildSphereTable() {
    std::array<std::array<SpherePoint, 37>, 37> table{};
    for (int i = 0; i <= 36; ++i)
        for (int j = 0; j <= 36; ++j) {
            const double lon = 10.0 * i * degree, lat = 10.0 * j * degree;
            table[i][j] = {static_cast<float>(std::sin(lon) * std::cos(lat)),
                           static_cast<float>(std::cos(lon) * std::cos(lat)),
                           static_cast<float>(std::sin(lat))};
        }
    return table;
}

// Filled once when the program is loaded, before any window or drawing exists.
const std::array<SinCos, 37> circleTableData = buildCircleTable();
const std::array<std::array<SpherePoint, 37>, 37> sphereTableData = buildSphereTable();

} // namespace

const std::array<SinCos, 37>& CircleTable = circleTableData;
const std::array<std::array<SpherePoint, 37>, 37>& SphereTable = sphereTableData;

int stepsFromFront(int i) {
    return i <= 17 ? i : 36 - i;
}

float revolvedGrey(int i) {
    return 1.0f - backLitGrey(i);
}

float backLitGrey(int i) {
    return stepsFromFront(i) / 35.0f + 0.3f;
}

void grey(float level) {
    glColor3f(level, level, level);
}

void greyQuad(float shadeA, Point3 a0, Point3 a1, float shadeB, Point3 b0, Point3 b1) {
    grey(shadeA);
    glVertex3f(a0.x, a0.y, a0.z);
    glVertex3f(a1.x, a1.y, a1.z);
    grey(shadeB);
    glVertex3f(b0.x, b0.y, b0.z);
    glVertex3f(b1.x, b1.y, b1.z);
}

float diagonalOffset(float radius) {
    return radius / std::sqrt(2.0f);
}

void drawGlandDome(float base, float direction) {
    for (int i = 0; i < 36; ++i) {
        glBegin(GL_QUAD_STRIP);
        for (int j = 0; j <= 9; ++j) {
            for (const SpherePoint& p : {SphereTable[i][j], SphereTable[i + 1][j]})
                glVertex3f(8 * p.x, base + direction * 8 * p.z / 2, 8 * p.y);
        }
        glEnd();
    }
}

void forEachFlangeQuarter(bool full, const std::function<void()>& drawQuarter) {
    MatrixScope scope;
    for (int quarter = 0; quarter < (full ? 4 : 2); ++quarter) {
        drawQuarter();
        glRotatef(90, 0, 1, 0);
    }
}

void drawCutFace(const SceneState& state, const CutFace& face) {
    const auto [yA, yB, zA, zB, shade] = face;
    const float e = shade - 0.4f;
    float base[3], shaded[3];
    if (state.greenTint) {
        base[0] = 0.1f, base[1] = 1, base[2] = 0.1f;
        shaded[0] = 0.1f, shaded[1] = 1 - e, shaded[2] = 0.1f;
    } else if (state.darkTint) {
        base[0] = 0.2f, base[1] = 0.1f, base[2] = 0.1f;
        shaded[0] = 0.3f - e, shaded[1] = 0.1f, shaded[2] = 0.1f;
    } else {
        base[0] = 1, base[1] = 0.1f, base[2] = 0.1f;
        shaded[0] = 1 - e, shaded[1] = 0.1f, shaded[2] = 0.1f;
    }
    glBegin(GL_QUADS);
    glColor3f(base[0], base[1], base[2]);
    glVertex3f(0, yA, zA);
    glVertex3f(0, yA, zB);
    glColor3f(shaded[0], shaded[1], shaded[2]);
    glVertex3f(0, yB, zB);
    glVertex3f(0, yB, zA);
    glEnd();
}

void drawRevolvedStrip(const SceneState& state, int segments, float radiusA, float radiusB,
                       float heightA, float heightB) {
    glBegin(GL_QUAD_STRIP);
    for (int i = 0; i <= segments && i <= 36; ++i) {
        const auto [s, c] = CircleTable[i];
        float g = revolvedGrey(i);
        float h = g + 0.2f;
        if (state.darkTint) g /= 6, h /= 6;
        if (state.greenTint)
            glColor3f(g, 1, g);
        else
            grey(g);
        glVertex3f(radiusA * s, heightA, radiusA * c);
        if (state.greenTint)
            glColor3f(h, 1, h);
        else
            grey(h);
        glVertex3f(radiusB * s, heightB, radiusB * c);
    }
    glEnd();
}

void drawRing(const SceneState& state, int segments, const Ring& ring) {
    MatrixScope scope;
    glTranslatef(ring.centreX, 0, ring.centreZ);
    drawRevolvedStrip(state, segments, ring.radiusA, ring.radiusB, ring.height, ring.height);
}

void drawTube(const SceneState& state, int segments, const Tube& tube) {
    MatrixScope scope;
    glTranslatef(tube.centreX, 0, tube.centreZ);
    drawRevolvedStrip(state, segments, tube.radius, tube.radius, tube.heightA, tube.heightB);
}

void drawHexStrip(bool full, float radiusA, float radiusB, float heightA, float heightB,
                  HexPalette palette) {
    const int faces = full ? 6 : 3;
    glBegin(GL_QUAD_STRIP);
    for (int i = 0; i <= faces; ++i) {
        const auto [s, c] = CircleTable[6 * i];
        const bool odd = i % 2 == 1;
        if (palette == HexPalette::Grey) {
            grey(odd ? 0.6f : 0.4f);
        } else if (odd) {
            glColor3f(1, 1, 0.5f);
        } else {
            glColor3f(0.8f, 0.8f, 0.3f);
        }
        glVertex3f(radiusA * s, heightA, radiusA * c);
        glVertex3f(radiusB * s, heightB, radiusB * c);
    }
    glEnd();
}

void drawHexCap(bool full, const HexCap& cap, HexPalette palette) {
    MatrixScope scope;
    glTranslatef(cap.centreX, 0, cap.centreZ);
    drawHexStrip(full, 0, cap.radius, cap.height, cap.height, palette);
}

void drawHexSide(bool full, const HexSide& side, HexPalette palette) {
    MatrixScope scope;
    glTranslatef(side.centreX, 0, side.centreZ);
    drawHexStrip(full, side.radius, side.radius, side.heightA, side.heightB, palette);
}

void applyPose(const Pose& pose) {
    glTranslatef(pose.posX, pose.posY, pose.posZ);
    glRotatef(pose.rotX, 1, 0, 0);
    glRotatef(pose.rotY, 0, 1, 0);
    glRotatef(pose.rotZ, 0, 0, 1);
}

MatrixScope::MatrixScope() {
    glPushMatrix();
}
MatrixScope::~MatrixScope() {
    glPopMatrix();
}

TintScope::TintScope(const SceneState& state, Tint tint)
    : flag(tint == Tint::Green ? state.greenTint : state.darkTint), previous(flag) {
    flag = true;
}
TintScope::~TintScope() {
    flag = previous;
}

BlendScope::BlendScope() : wasOn(glIsEnabled(GL_BLEND) == GL_TRUE) {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}
BlendScope::~BlendScope() {
    if (!wasOn) glDisable(GL_BLEND);
}
