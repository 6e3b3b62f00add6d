#include "geometry/ChamberCut.h"

void DrawChamberCut(SceneState&, const ChamberPart&, bool) {}
