#include "app/frame/Demo.h"

#include <algorithm>

void DemoStep(SceneState& state) {
    const float s = state.animationSpeed;
    if (state.swingDemoRunning) {
        if (state.swingForward) {
            state.cameraRotY += s / 6;
            if (state.cameraRotY > 90) state.swingForward = false;
        } else {
            state.cameraRotY -= s / 6;
            if (state.cameraRotY < 0) state.swingForward = true;
        }
    }
    const float d = state.connection.innerDiameter;
    if (state.levelDemoRunning) {
        if (state.levelRising) {
            state.demoPosition += s;
            if (!(state.displayHeight + d > state.demoPosition)) state.levelRising = false;
        } else {
            state.demoPosition -= s;
            if (!(state.demoPosition > 0)) state.levelRising = true;
        }
        state.level = state.demoPosition - d / 2;
    }
}

bool SetLevelFromPointer(SceneState& state, int x, int y, int clientHeight) {
    if (x < 100 || state.levelDemoRunning) return false;
    const float d = state.connection.innerDiameter;
    // A zero-height client area has no pointer rows to map; keep the level.
    if (clientHeight <= 0) return false;
    state.level = (state.displayHeight + d) / float(clientHeight) * float(clientHeight - y) - d / 2;
    return true;
}

float LimitedLevel(const SceneState& state, float level) {
    const float d = state.connection.innerDiameter;
    if (!(level > -d / 2)) return -d / 2;
    return std::min(level, state.displayHeight + d / 2);
}

// Steps that would pass a limit are not taken, so the speed stays on its steps of 1.5 and "+"
// then "-" always gives back the speed before.
void SpeedUp(SceneState& state) {
    const float faster = state.animationSpeed * 1.5f;
    if (faster <= fastestSpeed * 1.001f) state.animationSpeed = faster;
}
void SlowDown(SceneState& state) {
    const float slower = state.animationSpeed / 1.5f;
    if (slower >= slowestSpeed * 0.999f) state.animationSpeed = slower;
}
