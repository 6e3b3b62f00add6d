// Short labels with leader lines for the parts of the model, drawn over the frame like the
// read-outs: a small panel per shown part beside the model, its text written with the texture
// font, and a line from the panel to the part. Where a part stands comes from the state as the
// frame draws it, so the labels follow every camera move, display mode, type and accessory.
#pragma once

#include "overlay/gl/PartLabelLayout.h"

#include <vector>

// Draws the labels after the read-outs, outside the camera transform at depth 1500, filled and
// over the model whatever the polygon mode and the depth, then flushes. Leaves GL as it found it.
void DrawPartLabels(const SceneState& state, const std::vector<PlacedLabel>& labels);

// Draws a title placed by placeViewTitle in the same way, after everything else in the frame.
void DrawViewTitle(const SceneState& state, const PlacedLabel& title);
