// The two limit switches on the chamber, their switch points and tripped states.
#pragma once

#include "scene/SceneState.h"

void DrawUpperSwitch(const SceneState& state, SwitchPart& part, bool whole);
void DrawLowerSwitch(const SceneState& state, SwitchPart& part, bool whole);
void DrawSwitch(const SceneState& state, const SwitchPart& part, bool whole, float s);
bool IsUpperSwitchTripped(const SceneState& state);
bool IsLowerSwitchTripped(const SceneState& state);
