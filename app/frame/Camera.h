// Every input that changes the view: wheel, zoom buttons, the step toolbar, preset views,
// panning, turning by drag and pinching. Rotations wrap at +-180, pan and zoom stop at their
// limits.
#pragma once

#include "scene/SceneState.h"

// The zoom's limits, for every input that zooms.
inline constexpr float smallestZoom = 2;
inline constexpr float largestZoom = 1000;

// An angle into -180 .. 180, where +180 becomes -180 as a step onto it does; the rotations are
// kept so.
float WrappedAngle(float angle);

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

// A touchpad or a high-resolution wheel sends many small deltas where a standard wheel sends 120
// per notch. The accumulator hands them on in whole steps of 20 units, so that a run of small
// events zooms as one event of their total would, while a single event below 20 still changes
// nothing. Turning the other way drops what was left over.
class WheelAccumulator {
  public:
    // The part of `delta` (plus what was left over) that makes whole steps of 20.
    int take(int delta);

  private:
    int remainder = 0;
};

// Turns the model by the given degrees about the vertical axis (cameraRotY) and the horizontal
// axis (cameraRotX); both angles wrap into -180 .. 180 as the step toolbar's do.
void Orbit(SceneState& state, float aboutVertical, float aboutHorizontal);
// Degrees per pixel of a drag that turns the model.
inline constexpr float orbitDegreesPerPixel = 0.5f;

// Zooms by a factor (a pinch that spreads the fingers to 1.1 times their distance gives 1.1),
// limited to 2..1000 like the wheel; a factor that is not a finite positive number is ignored.
void PinchZoom(SceneState& state, float factor);

// The start camera again (rotations, pan and zoom as the program starts), nothing else.
void ResetView(SceneState& state);
