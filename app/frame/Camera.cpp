#include "app/frame/Camera.h"

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
} // namespace

void WheelZoom(SceneState& state, int delta) {
    state.zoom += float(delta / 20);
    if (state.zoom < 2) state.zoom = 2;
    if (state.zoom > 1000) state.zoom = 1000;
}

void ZoomInTick(SceneState& state) {
    state.zoom += 1;
    if (state.zoom >= 1000) state.zoom = 1000;
}

void ZoomOutTick(SceneState& state) {
    state.zoom -= 1;
    if (state.zoom <= 2) state.zoom = 2;
}

void ApplyViewStep(SceneState& state, ViewStep step) {
    switch (step) {
    case ViewStep::Aplus:
        rotateUp(state.cameraRotX);
        break;
    case ViewStep::Bplus:
        rotateUp(state.cameraRotY);
        break;
    case ViewStep::Cplus:
        rotateUp(state.cameraRotZ);
        break;
    case ViewStep::Aminus:
        rotateDown(state.cameraRotX);
        break;
    case ViewStep::Bminus:
        rotateDown(state.cameraRotY);
        break;
    case ViewStep::Cminus:
        rotateDown(state.cameraRotZ);
        break;
    case ViewStep::Xplus:
        panUp(state.cameraPanX);
        break;
    case ViewStep::Yplus:
        panUp(state.cameraPanY);
        break;
    case ViewStep::Xminus:
        panDown(state.cameraPanX);
        break;
    case ViewStep::Yminus:
        panDown(state.cameraPanY);
        break;
    case ViewStep::Zplus:
        ZoomInTick(state);
        break;
    case ViewStep::Zminus:
        ZoomOutTick(state);
        break;
    }
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
