// The indicator assembly: every component mounted on the chamber, constructed once and drawn
// every frame in a fixed order chosen by the display modes.
#pragma once

#include "scene/SceneState.h"

void BuildAssembly(SceneState& state);
void DrawAssembly(const SceneState& state, const PlacedPart& assembly);
