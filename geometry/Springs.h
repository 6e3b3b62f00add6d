// Damping springs: a helix of square wire drawn as four continuous strips, one per wire face.
#pragma once

#include "scene/SceneState.h"

void DrawSmallSpring(const SceneState& state, bool full);
void DrawLargeSpring(const SceneState& state, bool full);
void DrawSpring(const SceneState& state, int turns, bool full, float radius);
void DrawWireSection(float y, float z);
