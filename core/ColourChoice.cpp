#include "core/ColourChoice.h"

#include "core/Platform.h"

#include <algorithm>
#include <cmath>

int colourByte(float component) {
    if (!(component > 0)) return 0; // NaN too
    if (component > 1) return 255;
    return int(std::nearbyint(component * 255.0f));
}

ColourChoice::ColourChoice(SceneState& state, std::function<void(unsigned)> changed,
                           std::function<void()> redraw)
    : scene(state), changed(std::move(changed)), redraw(std::move(redraw)) {}

void ColourChoice::FormShow() {
    positions = {colourByte(scene.backgroundRed), colourByte(scene.backgroundGreen),
                 colourByte(scene.backgroundBlue)};
    changed(ColourChanged);
}

void ColourChoice::ScrollBarChange(int slider, int position) {
    if (slider < 0 || slider > 2) return;
    positions[std::size_t(slider)] = std::clamp(position, 0, 255);
    changed(ColourChanged);
}

void ColourChoice::Apply() {
    scene.backgroundRed = float(positions[0]) / 255.0f;
    scene.backgroundGreen = float(positions[1]) / 255.0f;
    scene.backgroundBlue = float(positions[2]) / 255.0f;
    changed(BackgroundChanged);
    redraw();
}

void ColourChoice::BitBtn3Click() {
    positions = {0, 0, 0};
    changed(ColourChanged);
    Apply();
}
