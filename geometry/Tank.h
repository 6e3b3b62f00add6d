// The tank beside the chamber with its two nozzles, counter-flanges and liquid.
#pragma once

#include "scene/SceneState.h"

void ConstructTank(TankPart& tank);
void DrawTank(const SceneState& state, const TankPart& tank);
void DrawTankHalf(const SceneState& state, bool mirrored);
void DrawTankNozzle(const SceneState& state, const TankPart& tank, bool full);
void DrawTankCutFace(float y1, float z1, float y2, float z2);
