// The indicator rail in front of the chamber that holds the flaps, and the measuring scale.
#pragma once

#include "scene/SceneState.h"

void ConstructRail(RailPart& rail);
void DrawRailWhole(const SceneState& state, const RailPart& rail);
void DrawRailCut(const SceneState& state, const RailPart& rail);
