#include "app/frame/PaintLoop.h"

bool PaintLoop::begin() {
    if (painting) return false;
    painting = true;
    return true;
}

bool PaintLoop::passDone(const SceneState& state) {
    if (state.levelDemoRunning || state.swingDemoRunning) return true;
    painting = false;
    return false;
}
