// The column of bicolour flaps that turn over as the float's magnet passes.
#pragma once

#include "scene/SceneState.h"

#include <array>

void ConstructFlaps(FlapsPart& flaps, int flapStartIndex);
void DrawFlaps(const SceneState& state, const FlapsPart& flaps);
// Turn of flap k at the given level: 3 degrees per unit of level, limited to -90..90.
float flapAngle(float level, int k);
// Colour of a flap face; side 1 is the full colour, side 0 the empty one; larger shade is darker.
std::array<float, 3> faceColour(const SceneState& state, int side, float shade);
