// The float riding on the liquid: a grey capsule, or cut away with its shell and magnet.
#pragma once

#include "scene/SceneState.h"

void DrawFloatWhole(const SceneState& state, const PlacedPart& floatBody);
void DrawFloatCut(const SceneState& state, const PlacedPart& floatBody);
