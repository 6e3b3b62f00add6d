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

struct OutlinePoint {
    float x, y;
};

// A connection's hole in the front wall: its radius and the height of its centre.
struct WallHole {
    float radius;
    float centre;
};

// One quad of the front wall: outline points p and q, then points k and k + 1 of the hole.
void wallQuad(OutlinePoint p, OutlinePoint q, const WallHole& hole, int k) {
    greyVertex(0.6f, p.x, p.y, 0);
    greyVertex(0.6f, q.x, q.y, 0);
    const auto [s0, c0] = CircleTable[k];
    const auto [s1, c1] = CircleTable[k + 1];
    greyVertex(0.4f, hole.radius * s0, hole.centre + hole.radius * c0, 0);
    greyVertex(0.4f, hole.radius * s1, hole.centre + hole.radius * c1, 0);
}

// The band of the front wall's half from yTop down to yBottom round one hole: quads from the top
// edge, the end x = 100 and the bottom edge in to the half circle of the hole.
void drawWallBand(float yTop, float yBottom, const WallHole& hole) {
    const float step = (yTop - yBottom) / 10;
    for (int k = 0; k <= 3; ++k)
        wallQuad({float(25 * (k + 1)), yTop}, {float(25 * k), yTop}, hole, k);
    for (int k = 4; k <= 13; ++k)
        wallQuad({halfWidth, yTop - (k - 3) * step}, {halfWidth, yTop - (k - 4) * step}, hole, k);
    for (int k = 14; k <= 17; ++k)
        wallQuad({halfWidth - 25 * (k - 13), yBottom}, {halfWidth - 25 * (k - 14), yBottom}, hole,
                 k);
}

// The half x = 0..100 of the front wall, in the wall's plane, with the half of each hole.
void drawFrontWallHalf(const SceneState& state, float top) {
    const float h = state.displayHeight;
    const float r = state.connection.outerDiameter / 2;
    const float mid = h / 2;
    glBegin(GL_QUADS);
    drawWallBand(top, mid, {.radius = r, .centre = h});
    drawWallBand(mid, floorBottom, {.radius = r, .centre = 0});
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
        drawTube(state, 36,
                 {.centreX = c,
                  .centreZ = c,
                  .heightA = length + 3,
                  .heightB = -length - 3,
                  .radius = b});
        drawRing(state, 36,
                 {.centreX = c, .centreZ = c, .height = length + 3, .radiusA = 0, .radiusB = b});
        drawRing(state, 36,
                 {.centreX = c, .centreZ = c, .height = -length - 3, .radiusA = 0, .radiusB = b});
        drawHexSide(true,
                    {.centreX = c,
                     .centreZ = c,
                     .heightA = length,
                     .heightB = thickness,
                     .radius = 1.8f * b},
                    HexPalette::Grey);
        drawHexCap(true, {.centreX = c, .centreZ = c, .height = length, .radius = 1.8f * b},
                   HexPalette::Grey);
        drawHexSide(true,
                    {.centreX = c,
                     .centreZ = c,
                     .heightA = -length,
                     .heightB = -thickness,
                     .radius = 1.8f * b},
                    HexPalette::Grey);
        drawHexCap(true, {.centreX = c, .centreZ = c, .height = -length, .radius = 1.8f * b},
                   HexPalette::Grey);
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
    const bool full = state.pipeMode == DisplayMode::Whole;
    {
        MatrixScope body;
        DrawTankHalf(state, false);
        if (full) {
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
            DrawTankNozzle(state, tank, full);
            glTranslatef(0, h, 0);
            DrawTankNozzle(state, tank, full);
        }
    }
    if (!full) drawTankLiquid(state, box);
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

void DrawTankNozzle(const SceneState& state, const TankPart& tank, bool full) {
    // The frame's origin is the centre of the chamber's connection flange face.
    const float outer = state.connection.outerDiameter / 2;
    const float inner = state.connection.innerDiameter / 2;
    const int n = segmentsFor(full);

    MatrixScope scope;
    if (!full) {
        DrawTankCutFace(inner, 0, outer, -nozzleRun); // sections of the nozzle wall
        DrawTankCutFace(-inner, 0, -outer, -nozzleRun);
    }
    glRotatef(180, 1, 0, 0);
    PlaceConnectionFlange(state, full, 0); // the counter-flange, facing the chamber's flange

    // From here on local +Y runs from the flange towards the tank wall.
    glRotatef(90, 1, 0, 0);
    if (!full) drawTube(state, n, {.heightA = nozzleRun, .heightB = 0, .radius = inner});
    drawTube(state, n, {.heightA = nozzleRun, .heightB = 0, .radius = outer});

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
