#include "geometry/Switches.h"

#include "geometry/Primitives.h"

#include <GL/gl.h>

void DrawUpperSwitch(const SceneState& state, SwitchPart& part, bool whole) {
    part.switchPoint = state.displayHeight - 70;
    DrawSwitch(state, part, whole, part.switchPoint);
}

void DrawLowerSwitch(const SceneState& state, SwitchPart& part, bool whole) {
    part.switchPoint = 90; // fixed, whatever the display height
    DrawSwitch(state, part, whole, part.switchPoint);
}

void DrawSwitch(const SceneState& state, const SwitchPart& part, bool whole, float s) {
    MatrixScope scope;
    applyPose(part.pose);
    // On the -Z side of the chamber, 10 clear of its outer wall, axis vertical.
    glTranslatef(0, 0, -(state.pipeOuterRadius + 10));

    drawTube(state, 36, 0, 0, s - 50, s + 50, 8.6f); // housing
    drawRing(state, 36, 0, 0, s + 50, 0, 8.6f);
    drawRing(state, 36, 0, 0, s - 50, 0, 8.6f);
    drawTube(state, 36, 0, 0, s - 63, s - 80, 3); // cable

    drawHexCap(whole, 0, 0, s - 50, 10, HexPalette::Brass); // nut
    drawHexCap(whole, 0, 0, s - 63, 10, HexPalette::Brass);
    drawHexSide(whole, 0, 0, s - 50, s - 63, 10, HexPalette::Brass);
    glColor3f(0.8f, 0.8f, 0.3f); // the gland under the nut
    drawGlandDome(s - 63, -1);
}

bool IsUpperSwitchTripped(const SceneState& state) {
    return state.level > state.switch1.switchPoint;
}

bool IsLowerSwitchTripped(const SceneState& state) {
    return state.level < state.switch2.switchPoint;
}
