// The options dialog's picture beside the type list: the whole chamber of the selected type,
// without the insulation wrapped around it, drawn by the model's own geometry with a fixed
// camera of its own into whatever the caller has bound (both shells render it off-screen).
#pragma once

#include "scene/SceneState.h"

// Clears and draws the chamber of `state`'s type into the bound buffer of width x height pixels.
void RenderTypePicture(const SceneState& state, int pixelWidth, int pixelHeight);
