#include "geometry/Tank.h"

#include "geometry/Primitives.h"
#include "geometry/ProcessConnections.h"

#include <GL/gl.h>

namespace {

constexpr float halfWidth = 100;
constexpr float floorBottom = -30;
constexpr float wallThickness = 2;
constexpr float nozzleRun = 50; // from the counter-flange to the tank wall

struct TankBox {
    float top, zWall, zBack;
};

TankBox tankBox(const SceneState& state) {
    const float zWall = -(state.connection.nozzleLength + nozzleRun);
    return {state.displayHeight + 30, zWall, zWall - 100};
}

void greyVertex(float level, float x, float y, float z) {
    grey(level);
    glVertex3f(x, y, z);
}

// One quad of the front wall: outline points P and Q, then hole points k and k + 1 of the hole
// centred at height centre.
void wallQuad(float px, float py, float qx, float qy, float r, float centre, int k) {
    greyVertex(0.6f, px, py, 0);
    greyVertex(0.6f, qx, qy, 0);
    const auto [s0, c0] = CircleTable[k];
    const auto [s1, c1] = CircleTable[k + 1];
    greyVertex(0.4f, r * s0, centre + r * c0, 0);
    greyVertex(0.4f, r * s1, centre + r * c1, 0);
}

// The half x = 0..100 of the front wall, in the wall's plane, with the half of each hole.
void drawFrontWallHalf(const SceneState& state, float top) {
    const float h = state.displayHeight;
    const float r = state.connection.outerDiameter / 2;
    const float mid = h / 2;
    const float s1 = (top - mid) / 10;
    const float s2 = (mid - floorBottom) / 10;

    glBegin(GL_QUADS);
    for (int k = 0; k <= 3; ++k) wallQuad(25 * (k + 1), top, 25 * k, top, r, h, k);
    for (int k = 4; k <= 13; ++k)
        wallQuad(halfWidth, top - (k - 3) * s1, halfWidth, top - (k - 4) * s1, r, h, k);
    for (int k = 14; k <= 17; ++k)
        wallQuad(halfWidth - 25 * (k - 13), mid, halfWidth - 25 * (k - 14), mid, r, h, k);

    for (int k = 0; k <= 3; ++k) wallQuad(25 * (k + 1), mid, 25 * k, mid, r, 0, k);
    for (int k = 4; k <= 13; ++k)
        wallQuad(halfWidth, mid - (k - 3) * s2, halfWidth, mid - (k - 4) * s2, r, 0, k);
    for (int k = 14; k <= 17; ++k)
        wallQuad(halfWidth - 25 * (k - 13), floorBottom, halfWidth - 25 * (k - 14), floorBottom, r,
                 0, k);
    glEnd();
}

// The nozzle bolts on their 45 degree diagonals, each a shank with end discs and two nuts.
void drawTankBolts(const SceneState& state, int bolts) {
    const ProcessConnection& con = state.connection;
    const float c = diagonalOffset(con.boltCircleDiameter / 2);
    const float b = con.boltHoleDiameter / 2 - 1;
    const float length = b * 4 / 3 + con.flangeThickness;
    const float thickness = con.flangeThickness;
    for (int bolt = 0; bolt < bolts; ++bolt) {
        drawTube(state, 36, c, c, length + 3, -length - 3, b);
        drawRing(state, 36, c, c, length + 3, 0, b);
        drawRing(state, 36, c, c, -length - 3, 0, b);
        drawHexSide(true, c, c, length, thickness, 1.8f * b, HexPalette::Grey);
        drawHexCap(true, c, c, length, 1.8f * b, HexPalette::Grey);
        drawHexSide(true, c, c, -length, -thickness, 1.8f * b, HexPalette::Grey);
        drawHexCap(true, c, c, -length, 1.8f * b, HexPalette::Grey);
        glRotatef(90, 0, 1, 0);
    }
}

void drawTankLiquid(const SceneState& state, const TankBox& box) {
    const float level = state.level;
    const BlendScope translucent;
    glBegin(GL_QUADS);
    glColor4f(0, 0, 1, 0.5f); // section of the liquid
    glVertex3f(0, level, box.zWall - wallThickness);
    glVertex3f(0, level, box.zBack + wallThickness);
    glVertex3f(0, floorBottom + wallThickness, box.zBack + wallThickness);
    glVertex3f(0, floorBottom + wallThickness, box.zWall - wallThickness);
    glColor4f(0.2f, 0.2f, 1, 0.5f); // surface, one unit short of the walls
    glVertex3f(0, level, box.zWall - 1);
    glVertex3f(0, level, box.zBack + 1);
    glVertex3f(halfWidth - 1, level, box.zBack + 1);
    glVertex3f(halfWidth - 1, level, box.zWall - 1);
    glEnd();
}

} // namespace

void ConstructTank(TankPart& tank) {
    tank = TankPart{};
    tank.drawBolts = true;
}

void DrawTank(const SceneState& state, const TankPart& tank) {
    if (state.tankMode == DisplayMode::Off || tank.mode == DisplayMode::Off) return;
    const TankBox box = tankBox(state);
    const float h = state.displayHeight;

    MatrixScope placement;
    applyPose(tank.pose);
    // The tank is whole exactly when the chamber pipe is whole.
    const bool whole = state.pipeMode == DisplayMode::Whole;
    {
        MatrixScope body;
        DrawTankHalf(state, false);
        if (whole) {
            DrawTankHalf(state, true);
        } else {
            const float d = state.connection.innerDiameter / 2;
            const float inside = box.zWall - wallThickness;
            DrawTankCutFace(h + d, box.zWall, box.top, inside);  // front wall above the upper hole
            DrawTankCutFace(d, box.zWall, h - d, inside);        // front wall between the holes
            DrawTankCutFace(floorBottom, box.zWall, -d, inside); // front wall below the lower hole
            DrawTankCutFace(box.top - wallThickness, box.zWall, box.top, box.zBack); // lid
            DrawTankCutFace(floorBottom, box.zWall, floorBottom + wallThickness, box.zBack);
            DrawTankCutFace(floorBottom, box.zBack + wallThickness, box.top, box.zBack); // back
        }
        if (state.connection.name != "FNull") {
            glTranslatef(0, 0, -state.connection.nozzleLength);
            DrawTankNozzle(state, tank, whole);
            glTranslatef(0, h, 0);
            DrawTankNozzle(state, tank, whole);
        }
    }
    if (!whole) drawTankLiquid(state, box);
}

void DrawTankHalf(const SceneState& state, bool mirrored) {
    const TankBox box = tankBox(state);
    const float x = mirrored ? -halfWidth : halfWidth;
    const float top = box.top, zWall = box.zWall, zBack = box.zBack, bottom = floorBottom;

    glBegin(GL_QUADS);
    // end wall
    greyVertex(0.6f, x, top, zBack);
    greyVertex(0.7f, x, top, zWall);
    greyVertex(0.6f, x, bottom, zWall);
    greyVertex(0.5f, x, bottom, zBack);
    // back wall
    greyVertex(0.6f, 0, top, zBack);
    greyVertex(0.7f, x, top, zBack);
    greyVertex(0.6f, x, bottom, zBack);
    greyVertex(0.5f, 0, bottom, zBack);
    // lid
    greyVertex(0.6f, x, top, zBack);
    greyVertex(0.7f, 0, top, zBack);
    greyVertex(0.6f, 0, top, zWall);
    greyVertex(0.5f, x, top, zWall);
    // floor
    greyVertex(0.6f, x, bottom, zBack);
    greyVertex(0.7f, 0, bottom, zBack);
    greyVertex(0.6f, 0, bottom, zWall);
    greyVertex(0.5f, x, bottom, zWall);
    glEnd();

    MatrixScope wall;
    glTranslatef(0, 0, zWall);
    if (mirrored) glRotatef(180, 0, 1, 0);
    drawFrontWallHalf(state, top);
}

void DrawTankNozzle(const SceneState& state, const TankPart& tank, bool whole) {
    // The frame's origin is the centre of the chamber's connection flange face.
    const float outer = state.connection.outerDiameter / 2;
    const float inner = state.connection.innerDiameter / 2;
    const int n = segmentsFor(whole);

    MatrixScope scope;
    if (!whole) {
        DrawTankCutFace(inner, 0, outer, -nozzleRun); // sections of the nozzle wall
        DrawTankCutFace(-inner, 0, -outer, -nozzleRun);
    }
    glRotatef(180, 1, 0, 0);
    PlaceConnectionFlange(state, whole, 0); // the counter-flange, facing the chamber's flange

    // From here on local +Y runs from the flange towards the tank wall.
    glRotatef(90, 1, 0, 0);
    if (!whole) drawTube(state, n, 0, 0, nozzleRun, 0, inner);
    drawTube(state, n, 0, 0, nozzleRun, 0, outer);

    if (tank.drawBolts && state.connection.flangeThickness != 0 && n / 9 > 0)
        drawTankBolts(state, n / 9);
}

void DrawTankCutFace(float y1, float z1, float y2, float z2) {
    glBegin(GL_QUADS);
    glColor3f(1, 0.1f, 0.1f);
    glVertex3f(0, y1, z2);
    glVertex3f(0, y1, z1);
    glVertex3f(0, y2, z1);
    glVertex3f(0, y2, z2);
    glEnd();
}
