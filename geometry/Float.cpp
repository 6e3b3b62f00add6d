#include "geometry/Float.h"

void DrawFloatWhole(const SceneState&, const PlacedPart&) {}
void DrawFloatCut(const SceneState&, const PlacedPart&) {}
