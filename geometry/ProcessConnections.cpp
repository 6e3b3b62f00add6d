#include "geometry/ProcessConnections.h"

#include "geometry/Primitives.h"

#include <GL/gl.h>

#include <cmath>

void DrawUpperNozzle(const SceneState& state, const PlacedPart& placement, bool full) {
    MatrixScope scope;
    applyPose(placement.pose);
    glTranslatef(0, state.displayHeight, 0);
    DrawNozzle(state, full);
}

void DrawLowerNozzle(const SceneState& state, const PlacedPart& placement, bool full) {
    MatrixScope scope;
    applyPose(placement.pose);
    DrawNozzle(state, full);
}

void DrawUpperConnectionFlange(const SceneState& state, const PlacedPart& placement, bool full) {
    MatrixScope scope;
    applyPose(placement.pose);
    glTranslatef(0, state.displayHeight, 0);
    PlaceConnectionFlange(state, full, state.connection.nozzleLength);
}

void DrawLowerConnectionFlange(const SceneState& state, const PlacedPart& placement, bool full) {
    MatrixScope scope;
    applyPose(placement.pose);
    PlaceConnectionFlange(state, full, state.connection.nozzleLength);
}

void DrawNozzle(const SceneState& state, bool full) {
    MatrixScope scope;
    glRotatef(270, 1, 0, 0); // the nozzle axis, local +Y, now points to -Z towards the tank
    const int n = segmentsFor(full);
    const float length = state.connection.nozzleLength;
    const float outer = state.connection.outerDiameter / 2;
    const float inner = state.connection.innerDiameter / 2;
    const float rIn = state.pipeInnerRadius, rOut = state.pipeOuterRadius;

    if (!full) {
        drawCutFace(state, {.yA = length, .yB = rIn, .zA = outer, .zB = inner, .shade = 0.5f});
        drawCutFace(state, {.yA = length, .yB = rIn, .zA = -outer, .zB = -inner, .shade = 0.5f});
    }
    DrawNozzleWall(n, outer, rOut, length);
    DrawNozzleWall(n, inner, rIn, length);
    drawRing(state, n, {.height = length, .radiusA = inner, .radiusB = outer});
}

void DrawNozzleWall(int segments, float radius, float chamberRadius, float yEnd) {
    // Height along the nozzle axis where a line parallel to it meets the chamber cylinder.
    const auto onChamber = [&](float x) {
        return std::sqrt(chamberRadius * chamberRadius - x * x);
    };
    glBegin(GL_QUADS);
    for (int i = 0; i < segments; ++i) {
        const float x0 = radius * CircleTable[i].s, z0 = radius * CircleTable[i].c;
        const float x1 = radius * CircleTable[i + 1].s, z1 = radius * CircleTable[i + 1].c;
        grey(0.7f - stepsFromFront(i) / 35.0f);
        glVertex3f(x0, yEnd, z0);
        glVertex3f(x0, onChamber(x0), z0);
        grey(0.7f - stepsFromFront(i + 1) / 35.0f);
        glVertex3f(x1, onChamber(x1), z1);
        glVertex3f(x1, yEnd, z1);
    }
    glEnd();
}

void PlaceConnectionFlange(const SceneState& state, bool full, float distance) {
    MatrixScope scope;
    glTranslatef(0, 0, -distance);
    glRotatef(90, 1, 0, 0); // the flange axis, local +Y, now points back to the chamber
    DrawConnectionFlange(state, state.connection, full);
}

void DrawConnectionFlange(const SceneState& state, ProcessConnection record, bool full) {
    const float rim = record.flangeDiameter / 2;
    const float boltCircle = record.boltCircleDiameter / 2;
    const float hole = record.boltHoleDiameter / 2;
    const float face = record.faceDiameter / 2;
    const float nozzleRadius = record.outerDiameter / 2;
    const float thickness = record.flangeThickness;
    const float faceHeight = record.faceHeight;
    const int n = segmentsFor(full);

    // Sealing face at y = 0, raised face up to faceHeight, plate up to thickness.
    if (!full) {
        drawCutFace(
            state,
            {.yA = thickness, .yB = faceHeight, .zA = rim, .zB = nozzleRadius, .shade = 0.5f});
        drawCutFace(state,
                    {.yA = faceHeight, .yB = 0, .zA = face, .zB = nozzleRadius, .shade = 0.6f});
        drawCutFace(
            state,
            {.yA = thickness, .yB = faceHeight, .zA = -rim, .zB = -nozzleRadius, .shade = 0.5f});
        drawCutFace(state,
                    {.yA = faceHeight, .yB = 0, .zA = -face, .zB = -nozzleRadius, .shade = 0.6f});
    }
    drawTube(state, n, {.heightA = thickness, .heightB = faceHeight, .radius = rim});
    drawTube(state, n, {.heightA = 0, .heightB = faceHeight, .radius = face});
    drawTube(state, n, {.heightA = 0, .heightB = thickness, .radius = nozzleRadius});
    drawRing(state, n, {.height = 0, .radiusA = face, .radiusB = nozzleRadius});

    drawFlangeFaces(state, full,
                    {.holeRadius = hole,
                     .boltCircleRadius = boltCircle,
                     .outerRadius = rim,
                     .firstInnerRadius = face,
                     .firstY = faceHeight,
                     .secondInnerRadius = nozzleRadius,
                     .secondY = thickness});
}

void drawFlangeFaces(const SceneState& state, bool full, const FlangeFaces& faces) {
    const float holeCentre = diagonalOffset(faces.boltCircleRadius);
    forEachFlangeQuarter(full, [&] {
        DrawFlangeFaceQuarter({.holeRadius = faces.holeRadius,
                               .boltCircleRadius = faces.boltCircleRadius,
                               .outerRadius = faces.outerRadius,
                               .innerRadius = faces.firstInnerRadius,
                               .y = faces.firstY});
        DrawFlangeFaceQuarter({.holeRadius = faces.holeRadius,
                               .boltCircleRadius = faces.boltCircleRadius,
                               .outerRadius = faces.outerRadius,
                               .innerRadius = faces.secondInnerRadius,
                               .y = faces.secondY});
        drawTube(state, 36,
                 {.centreX = holeCentre,
                  .centreZ = holeCentre,
                  .heightA = faces.secondY,
                  .heightB = faces.firstY,
                  .radius = faces.holeRadius});
    });
}

void DrawFlangeFaceQuarter(const FlangeFaceQuarter& quarter) {
    const float a = quarter.holeRadius, c = quarter.outerRadius, d = quarter.innerRadius;
    const float y = quarter.y;
    const float hc = diagonalOffset(quarter.boltCircleRadius); // hole centre at (hc, hc)
    const float step = (c - d) / 9;
    constexpr float light = 0.6f, dark = 0.4f;
    glBegin(GL_QUADS);
    for (int i = 0; i <= 8; ++i) {
        const auto [s0, c0] = CircleTable[i];
        const auto [s1, c1] = CircleTable[i + 1];
        // Inner circle to the inner side of the hole.
        grey(light);
        glVertex3f(d * s1, y, d * c1);
        glVertex3f(d * s0, y, d * c0);
        grey(dark);
        glVertex3f(hc - a * c0, y, hc - a * s0);
        glVertex3f(hc - a * c1, y, hc - a * s1);
        // Outer circle to the outer side of the hole.
        grey(light);
        glVertex3f(c * s1, y, c * c1);
        glVertex3f(c * s0, y, c * c0);
        grey(dark);
        glVertex3f(hc + a * s0, y, hc + a * c0);
        glVertex3f(hc + a * s1, y, hc + a * c1);
        // Hole to the edge x = 0.
        grey(dark);
        glVertex3f(hc - a * c1, y, hc + a * s1);
        glVertex3f(hc - a * c0, y, hc + a * s0);
        grey(light);
        glVertex3f(0, y, d + i * step);
        glVertex3f(0, y, d + (i + 1) * step);
        // Hole to the edge z = 0.
        grey(dark);
        glVertex3f(hc + a * s1, y, hc - a * c1);
        glVertex3f(hc + a * s0, y, hc - a * c0);
        grey(light);
        glVertex3f(d + i * step, y, 0);
        glVertex3f(d + (i + 1) * step, y, 0);
    }
    glEnd();
}
