#include "app/frame/PaintLoop.h"

bool PaintLoop::begin() {
    if (painting) return false;
    painting = true;
    return true;
}

bool PaintLoop::passDone(const SceneState& state, bool moving) {
    if (state.levelDemoRunning || state.swingDemoRunning || moving) return true;
    painting = false;
    return false;
}
