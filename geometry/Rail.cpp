#include "geometry/Rail.h"

void ConstructRail(RailPart& rail) { rail = RailPart{}; }
void DrawRailWhole(const SceneState&, const RailPart&) {}
void DrawRailCut(const SceneState&, const RailPart&) {}
