// Process connections: nozzles leaving the chamber towards the tank, their flanges, and the flat
// flange face quarter with one bolt hole that the end closures share.
#pragma once

#include "scene/SceneState.h"

void DrawUpperNozzle(const SceneState& state, const PlacedPart& placement, bool full);
void DrawLowerNozzle(const SceneState& state, const PlacedPart& placement, bool full);
void DrawUpperConnectionFlange(const SceneState& state, const PlacedPart& placement, bool full);
void DrawLowerConnectionFlange(const SceneState& state, const PlacedPart& placement, bool full);
void DrawNozzle(const SceneState& state, bool full);
void DrawNozzleWall(int segments, float radius, float chamberRadius, float yEnd);
void PlaceConnectionFlange(const SceneState& state, bool full, float distance);
void DrawConnectionFlange(const SceneState& state, ProcessConnection record, bool full);

// One quarter of a flat flange face at height y, from innerRadius to outerRadius, round the bolt
// hole that sits on the bolt circle at 45 degrees.
struct FlangeFaceQuarter {
    float holeRadius;
    float boltCircleRadius;
    float outerRadius, innerRadius;
    float y;
};
void DrawFlangeFaceQuarter(const FlangeFaceQuarter& quarter);

// The two flat faces of a bolted flange plate, a quarter at a time (two quarters cut away): each
// face from its inner radius out to the rim, and the wall of the bolt hole between them, which
// is always drawn whole.
struct FlangeFaces {
    float holeRadius;
    float boltCircleRadius;
    float outerRadius;
    float firstInnerRadius, firstY;
    float secondInnerRadius, secondY;
};
void drawFlangeFaces(const SceneState& state, bool full, const FlangeFaces& faces);
