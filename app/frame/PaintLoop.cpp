#include "app/frame/PaintLoop.h"

bool BeginPaintLoop(SceneState& state) {
    if (state.painting) return false;
    state.painting = true;
    return true;
}

bool ContinuePaintLoop(SceneState& state) {
    if (state.levelDemoRunning || state.swingDemoRunning) return true;
    state.painting = false;
    return false;
}
