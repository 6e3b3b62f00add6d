// The two limit switches on the chamber at their switch points, and whether the level trips them.
#pragma once

#include "scene/SceneState.h"

void DrawUpperSwitch(const SceneState& state, const SwitchPart& part, bool full);
void DrawLowerSwitch(const SceneState& state, const SwitchPart& part, bool full);
void DrawSwitch(const SceneState& state, const SwitchPart& part, bool full, float s);
bool IsUpperSwitchTripped(const SceneState& state);
bool IsLowerSwitchTripped(const SceneState& state);
