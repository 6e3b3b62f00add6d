// Damping springs: a helix of square wire drawn as four continuous strips, one per wire face.
#pragma once

#include "scene/SceneState.h"

void DrawSmallSpring(const SceneState& state, bool full);
void DrawLargeSpring(const SceneState& state, bool full);
void DrawSpring(const SceneState& state, int turns, bool full, float radius);
// One face of the wire along the whole helix; a marked face carries the red wire sections.
void DrawSpringLayer(const SceneState& state, int turns, bool full, bool marked, float lowOffset,
                     float highOffset, float radiusInner, float radiusOuter);
void DrawWireSection(float y, float z);
