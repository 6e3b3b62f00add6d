#include "geometry/Transmitter.h"

#include "geometry/Primitives.h"

#include <GL/gl.h>

void DrawTransmitter(const SceneState& state, const PlacedPart& part, bool full) {
    MatrixScope scope;
    applyPose(part.pose);
    // Beside the process connection, on the -Z side of the chamber, axis vertical.
    glTranslatef(state.connection.outerDiameter / 2 + 8, 0, -(state.pipeOuterRadius + 10));

    const int n = segmentsFor(full);
    const float h = state.displayHeight;
    drawTube(state, n, {.heightA = -60, .heightB = h - 50, .radius = 7}); // sensor tube
    drawRing(state, n, {.height = -60, .radiusA = 0, .radiusB = 7});
    drawRing(state, n, {.height = h - 50, .radiusA = 0, .radiusB = 7});
    drawTube(state, n, {.heightA = h + 50, .heightB = h - 50, .radius = 8.5f}); // head
    drawRing(state, n, {.height = h - 50, .radiusA = 0, .radiusB = 8.5f});
    drawRing(state, n, {.height = h + 50, .radiusA = 0, .radiusB = 8.5f});
    drawTube(state, n, {.heightA = h + 63, .heightB = h + 80, .radius = 3}); // cable

    drawHexCap(full, {.height = h + 50, .radius = 10}, HexPalette::Brass); // nut
    drawHexCap(full, {.height = h + 63, .radius = 10}, HexPalette::Brass);
    drawHexSide(full, {.heightA = h + 50, .heightB = h + 63, .radius = 10}, HexPalette::Brass);
    glColor3f(0.7f, 0.7f, 0.4f); // the gland on the nut
    drawGlandDome(h + 63, 1);
}
