#include "geometry/Switches.h"

#include "geometry/Primitives.h"

#include <GL/gl.h>

void DrawUpperSwitch(const SceneState& state, const SwitchPart& part, bool full) {
    DrawSwitch(state, part, full, part.switchPoint);
}

void DrawLowerSwitch(const SceneState& state, const SwitchPart& part, bool full) {
    DrawSwitch(state, part, full, part.switchPoint);
}

void DrawSwitch(const SceneState& state, const SwitchPart& part, bool full, float s) {
    MatrixScope scope;
    applyPose(part.pose);
    // On the -Z side of the chamber, 10 clear of its outer wall, axis vertical.
    glTranslatef(0, 0, -(state.pipeOuterRadius + 10));

    drawTube(state, 36, {.heightA = s - 50, .heightB = s + 50, .radius = 8.6f}); // housing
    drawRing(state, 36, {.height = s + 50, .radiusA = 0, .radiusB = 8.6f});
    drawRing(state, 36, {.height = s - 50, .radiusA = 0, .radiusB = 8.6f});
    drawTube(state, 36, {.heightA = s - 63, .heightB = s - 80, .radius = 3}); // cable

    drawHexCap(full, {.height = s - 50, .radius = 10}, HexPalette::Brass); // nut
    drawHexCap(full, {.height = s - 63, .radius = 10}, HexPalette::Brass);
    drawHexSide(full, {.heightA = s - 50, .heightB = s - 63, .radius = 10}, HexPalette::Brass);
    glColor3f(0.8f, 0.8f, 0.3f); // the gland under the nut
    drawGlandDome(s - 63, -1);
}

bool IsUpperSwitchTripped(const SceneState& state) {
    return state.level > state.switch1.switchPoint;
}

bool IsLowerSwitchTripped(const SceneState& state) {
    return state.level < state.switch2.switchPoint;
}
