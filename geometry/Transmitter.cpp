#include "geometry/Transmitter.h"

#include "geometry/Primitives.h"

#include <GL/gl.h>

void DrawTransmitter(const SceneState& state, const PlacedPart& part, bool whole) {
    MatrixScope scope;
    applyPose(part.pose);
    // Beside the process connection, on the -Z side of the chamber, axis vertical.
    glTranslatef(state.connection.outerDiameter / 2 + 8, 0, -(state.pipeOuterRadius + 10));

    const int n = segmentsFor(whole);
    const float h = state.displayHeight;
    drawTube(state, n, 0, 0, -60, h - 50, 7); // sensor tube
    drawRing(state, n, 0, 0, -60, 0, 7);
    drawRing(state, n, 0, 0, h - 50, 0, 7);
    drawTube(state, n, 0, 0, h + 50, h - 50, 8.5f); // head
    drawRing(state, n, 0, 0, h - 50, 0, 8.5f);
    drawRing(state, n, 0, 0, h + 50, 0, 8.5f);
    drawTube(state, n, 0, 0, h + 63, h + 80, 3); // cable

    drawHexCap(whole, 0, 0, h + 50, 10, HexPalette::Brass); // nut
    drawHexCap(whole, 0, 0, h + 63, 10, HexPalette::Brass);
    drawHexSide(whole, 0, 0, h + 50, h + 63, 10, HexPalette::Brass);
    glColor3f(0.7f, 0.7f, 0.4f); // the gland on the nut
    drawGlandDome(h + 63, 1);
}
