// Every input that changes the view: wheel, zoom buttons, the step toolbar, preset views and
// panning. Rotations wrap at +-180, pan and zoom stop at their limits.
#pragma once

#include "scene/SceneState.h"

enum class ViewStep {
    Aplus,
    Bplus,
    Cplus,
    Aminus,
    Bminus,
    Cminus,
    Xplus,
    Yplus,
    Zplus,
    Xminus,
    Yminus,
    Zminus
};
enum class PresetView { Flaps, BottomEnd, SideConnection };

// Zoom by delta / 20 (truncating), limited to 2..1000.
void WheelZoom(SceneState& state, int delta);
// One tick of a held zoom button: +1 or -1, limited to 2..1000.
void ZoomInTick(SceneState& state);
void ZoomOutTick(SceneState& state);
void ApplyViewStep(SceneState& state, ViewStep step);
// Sets all six view values; the caller hides the tank first for the side-connection view.
void ApplyPresetView(SceneState& state, PresetView view);
// Drag by (dx, dy) screen pixels: screen y grows downwards, scene Y upwards.
void Pan(SceneState& state, int dx, int dy);
