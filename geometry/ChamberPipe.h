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
void DrawChamberWhole(const SceneState& state, const ChamberPart& pipe);
void DrawChamber(const SceneState& state, const ChamberPart& pipe, bool full);
void DrawChamberBody(const SceneState& state, const PlacedPart& placement, bool full);

// A wall round the chamber axis from yBottom to yTop, cut by the two connection holes and, for
// the insulation, by the slot for the rail in front.
struct ChamberWall {
    float slotHalfWidth = 0; // 0: no slot, the pipe wall
    float holeRadius;
    float radius;
    float yBottom, yTop;
};
void DrawChamberWall(const SceneState& state, bool full, const ChamberWall& wall);

// One section of such a wall, from the height of a hole's centre to a far height; its grey
// darkens by the divisor dim.
struct WallSection {
    float slotHalfWidth = 0;
    float holeRadius;
    float radius;
    float yHole, yFar;
};
void DrawWallSection(bool full, float dim, const WallSection& section);
