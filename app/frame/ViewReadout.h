// Texts of the frame-rate window: the frame count of the last second and the six view values.
#pragma once

#include "scene/SceneState.h"

#include <array>
#include <string>

std::string frameRateText(int frameCount);
// "A:" ... "Z:", each followed by its value right-aligned in 10 characters with 5 decimals.
std::array<std::string, 6> viewReadoutLines(const SceneState& state);
