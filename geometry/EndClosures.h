// Chamber end closures by type: dished cap, bolted flange sets with gaskets and drain plug,
// and the turned end fittings of "R-760".
#pragma once

#include "scene/SceneState.h"

void DrawDishedCap(const SceneState& state, bool full);
void DrawPipeFlangeTop(const SceneState& state, const PlacedPart& placement, bool full);
void DrawPipeFlangeBottom(const SceneState& state, const PlacedPart& placement, bool full);
void DrawCoverTop(const SceneState& state, const PlacedPart& placement, bool full);
void DrawCoverBottom(const SceneState& state, const PlacedPart& placement, bool full);
void DrawBoltsTop(const SceneState& state, const PlacedPart& placement, bool full);
void DrawBoltsBottom(const SceneState& state, const PlacedPart& placement, bool full);
void DrawGasketTop(const SceneState& state, const PlacedPart& placement, bool full);
void DrawGasketBottom(const SceneState& state, const PlacedPart& placement, bool full);
void DrawDrainPlug(const SceneState& state, const PlacedPart& placement, bool full);
void DrawPlugGasket(const SceneState& state, const PlacedPart& placement, bool full);
void DrawTopEndFitting(const SceneState& state, bool full);
void DrawBottomEndFitting(const SceneState& state, bool full);
void DrawBottomEndRing(const SceneState& state, bool full);
void DrawBottomEndCap(const SceneState& state, bool full);
void DrawBolt(const SceneState& state, float angle, float x, float y, float z);
