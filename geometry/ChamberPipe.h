// The bypass chamber: pipe wall with the connection holes, insulation jacket, spring placement
// and the dispatcher that draws the whole chamber component with its closures and connections.
#pragma once

#include "scene/SceneState.h"

// Heights of the chamber frame derived from the scene state.
struct ChamberHeights {
    float top, bottom;         // ends of the chamber
    float bodyBottom, bodyTop; // the pipe body between the end closures
    float railBottom, railTop; // extent of the indicator rail, for the insulation slot
};
ChamberHeights chamberHeights(const SceneState& state);

void ConstructChamber(ChamberPart& pipe);
void DrawChamberWhole(SceneState& state, const ChamberPart& pipe);
void DrawChamber(SceneState& state, const ChamberPart& pipe, bool full);
void DrawChamberBody(SceneState& state, const PlacedPart& placement, bool full);
void DrawChamberWall(const SceneState& state, bool full, float slotHalfWidth, float holeRadius,
                     float radius, float yBottom, float yTop);
void DrawWallSection(bool full, float dim, float slotHalfWidth, float holeRadius, float radius,
                     float yHole, float yFar);
