#include "geometry/ChamberPipe.h"

ChamberHeights chamberHeights(const SceneState&) { return {}; }
void ConstructChamber(ChamberPart& pipe) { pipe = ChamberPart{}; }
void DrawChamberWhole(SceneState&, const ChamberPart&) {}
void DrawChamber(SceneState&, const ChamberPart&, bool) {}
void DrawChamberBody(SceneState&, const PlacedPart&, bool) {}
void DrawChamberWall(const SceneState&, bool, float, float, float, float, float) {}
void DrawWallSection(bool, float, float, float, float, float, float) {}
