#include "app/frame/Camera.h"

#include <algorithm>
#include <cmath>

namespace {
void rotateUp(float& angle) {
    angle += 5;
    if (angle >= 180) angle = -180;
}
void rotateDown(float& angle) {
    angle -= 5;
    if (angle <= -180) angle = 180;
}
void panUp(float& value) {
    value += 20;
    if (value >= 1000) value = 1000;
}
void panDown(float& value) {
    value -= 20;
    if (value <= -1000) value = -1000;
}
void zoomIn(float& zoom) {
    zoom += 1;
    if (zoom >= largestZoom) zoom = largestZoom;
}
void zoomOut(float& zoom) {
    zoom -= 1;
    if (zoom <= smallestZoom) zoom = smallestZoom;
}
} // namespace

float WrappedAngle(float angle) {
    if (!std::isfinite(angle)) return angle;
    angle = std::remainder(angle, 360.0f);
    return angle >= 180 ? angle - 360 : angle;
}

void WheelZoom(SceneState& state, int delta) {
    state.zoom += float(delta / 20);
    if (state.zoom < smallestZoom) state.zoom = smallestZoom;
    if (state.zoom > largestZoom) state.zoom = largestZoom;
}

void ZoomInTick(SceneState& state) {
    zoomIn(state.zoom);
}

void ZoomOutTick(SceneState& state) {
    zoomOut(state.zoom);
}

void ApplyViewStep(SceneState& state, ViewStep step) {
    struct Change {
        float ViewBlock::*value;
        void (*apply)(float&);
    };
    // In the order of ViewStep: rotations up, rotations down, then X and Y pans and zoom.
    static constexpr Change changes[] = {
        {&ViewBlock::cameraRotX, rotateUp},   {&ViewBlock::cameraRotY, rotateUp},
        {&ViewBlock::cameraRotZ, rotateUp},   {&ViewBlock::cameraRotX, rotateDown},
        {&ViewBlock::cameraRotY, rotateDown}, {&ViewBlock::cameraRotZ, rotateDown},
        {&ViewBlock::cameraPanX, panUp},      {&ViewBlock::cameraPanY, panUp},
        {&ViewBlock::zoom, zoomIn},           {&ViewBlock::cameraPanX, panDown},
        {&ViewBlock::cameraPanY, panDown},    {&ViewBlock::zoom, zoomOut}};
    const Change& change = changes[int(step)];
    change.apply(state.*change.value);
}

void ApplyPresetView(SceneState& state, PresetView view) {
    struct Values {
        float rotX, rotY, rotZ, panX, panY, zoom;
    };
    static constexpr Values presets[] = {
        {0, 40, 0, -509, 1189, 986}, {-55, 60, 0, 14, 561, 139}, {0, 125, 0, 232, 721, 179}};
    const Values& v = presets[int(view)];
    state.cameraRotX = v.rotX, state.cameraRotY = v.rotY, state.cameraRotZ = v.rotZ;
    state.cameraPanX = v.panX, state.cameraPanY = v.panY, state.zoom = v.zoom;
}

void Pan(SceneState& state, int dx, int dy) {
    state.cameraPanX += float(dx);
    state.cameraPanY -= float(dy);
}

int WheelAccumulator::take(int delta) {
    if ((delta > 0 && remainder < 0) || (delta < 0 && remainder > 0)) remainder = 0;
    // Kept well inside int: a remainder is always below one step.
    remainder += std::clamp(delta, -1000000, 1000000);
    const int steps = remainder / 20;
    remainder -= steps * 20;
    return steps * 20;
}

void Orbit(SceneState& state, float aboutVertical, float aboutHorizontal) {
    state.cameraRotY = WrappedAngle(state.cameraRotY + aboutVertical);
    state.cameraRotX = WrappedAngle(state.cameraRotX + aboutHorizontal);
}

void PinchZoom(SceneState& state, float factor) {
    if (!(factor > 0) || !std::isfinite(factor)) return;
    state.zoom = std::clamp(state.zoom * factor, smallestZoom, largestZoom);
}

void ResetView(SceneState& state) {
    state.view() = state.defaults.view;
}
