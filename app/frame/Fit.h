// "Fit model": the camera's zoom and pan that show the whole model, tank included while it is
// shown, at about 85 % of the view's height or width, its rotation kept. The model's extent comes
// from the state (types, heights, display modes, accessories), not from drawn pixels.
#pragma once

#include "geometry/Primitives.h"
#include "scene/SceneState.h"

#include <vector>

struct Box {
    Point3 min, max;
};

// A box around each part the frame draws of the model, in the coordinates the camera transform
// starts from (the assembly's and the tank's placement included); none when the display modes
// and flags show nothing.
std::vector<Box> ModelParts(const SceneState& state);

// The share of the view's height or width the fitted model fills, whichever is reached first.
inline constexpr float fittedShare = 0.85f;

// Sets zoom and pan for a view of `clientWidth` x `clientHeight`; the rotations stay. Nothing
// changes when nothing is shown or the view has no area.
void FitModel(SceneState& state, int clientWidth, int clientHeight);
