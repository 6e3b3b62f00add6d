// The level and swing demos, the demo speed and the mouse control of the level.
#pragma once

#include "scene/SceneState.h"

// Advances the running demos by one step; the first action of every paint-loop pass.
void DemoStep(SceneState& state);

// Level from the pointer height: the bottom edge maps to -d/2 and the top edge to
// displayHeight + d/2, d being the connection's bore. The 100-pixel strip at the left, where the
// callouts sit, and a running level demo leave the level alone. Returns whether it changed.
bool SetLevelFromPointer(SceneState& state, int x, int y, int clientHeight);

// A level the pointer could set: from -d/2 to displayHeight + d/2, d being the connection's
// bore; NaN gives the lower end.
float LimitedLevel(const SceneState& state, float level);

// "+" and "-": the speed times or divided by 1.5, kept within the range where both demos still
// visibly move and no value can run away to infinity: from four steps below the start speed 0.2
// to eight above it. At a limit the button changes nothing.
void SpeedUp(SceneState& state);
void SlowDown(SceneState& state);
inline constexpr float slowestSpeed = 0.2f / (1.5f * 1.5f * 1.5f * 1.5f);
inline constexpr float fastestSpeed =
    0.2f * (1.5f * 1.5f * 1.5f * 1.5f) * (1.5f * 1.5f * 1.5f * 1.5f);
