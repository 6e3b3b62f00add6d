#include "app/frame/ViewReadout.h"

#include "scene/FixedFormat.h"

std::string frameRateText(int frameCount) {
    return std::to_string(frameCount) + "fps";
}

std::array<std::string, 6> viewReadoutLines(const SceneState& state) {
    const char labels[6] = {'A', 'B', 'C', 'X', 'Y', 'Z'};
    const float values[6] = {state.cameraRotX, state.cameraRotY, state.cameraRotZ,
                             state.cameraPanX, state.cameraPanY, state.zoom};
    std::array<std::string, 6> lines;
    for (int i = 0; i < 6; ++i)
        lines[i] = std::string(1, labels[i]) + ":" + formatFixed(values[i], 10, 5);
    return lines;
}
