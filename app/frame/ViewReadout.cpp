#include "app/frame/ViewReadout.h"

#include <charconv>

namespace {
// Fixed-point with a decimal point whatever the process locale, right-aligned in the width.
std::string fixed(float value, int width, int decimals) {
    char digits[64];
    const auto end = std::to_chars(digits, digits + sizeof digits, double(value),
                                   std::chars_format::fixed, decimals)
                         .ptr;
    std::string text(digits, end);
    if (int(text.size()) < width) text.insert(0, width - text.size(), ' ');
    return text;
}
} // namespace

std::string FrameRateText(int frameCount) {
    return std::to_string(frameCount) + "fps";
}

std::array<std::string, 6> ViewReadoutLines(const SceneState& state) {
    const char labels[6] = {'A', 'B', 'C', 'X', 'Y', 'Z'};
    const float values[6] = {state.cameraRotX, state.cameraRotY, state.cameraRotZ,
                             state.cameraPanX, state.cameraPanY, state.zoom};
    std::array<std::string, 6> lines;
    for (int i = 0; i < 6; ++i)
        lines[i] = std::string(1, labels[i]) + ":" + fixed(values[i], 10, 5);
    return lines;
}
