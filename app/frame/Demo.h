// The level and swing demos, the demo speed and the mouse control of the level.
#pragma once

#include "scene/SceneState.h"

// Advances the running demos by one step; the first action of every paint-loop pass.
void DemoStep(SceneState& state);

// Level from the pointer height: the bottom edge maps to -d/2 and the top edge to
// displayHeight + d/2, d being the connection's bore. The 100-pixel strip at the left, where the
// callouts sit, and a running level demo leave the level alone. Returns whether it changed.
bool SetLevelFromPointer(SceneState& state, int x, int y, int clientHeight);

void SpeedUp(SceneState& state);
void SlowDown(SceneState& state);
