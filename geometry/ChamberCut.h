// The cut-away chamber with the translucent liquid column, surface and nozzle liquid.
#pragma once

#include "scene/SceneState.h"

void DrawChamberCut(const SceneState& state, const ChamberPart& pipe, bool floatShown);
