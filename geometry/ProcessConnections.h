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
void DrawFlangeFaceQuarter(float holeRadius, float boltCircleRadius, float outerRadius,
                           float innerRadius, float y);
