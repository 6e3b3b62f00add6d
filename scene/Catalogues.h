// Constant catalogues the model draws its choices from: indicator types, process connections,
// floats and flap colours. The options dialog copies whole rows into the scene state.
#pragma once

#include "scene/SceneState.h"

#include <array>
#include <string>

extern const std::array<std::string, 6> typeCodes;
extern const std::array<ProcessConnection, 13> connectionCatalogue;
extern const std::array<FloatSpec, 5> midiFloatCatalogue;
extern const std::array<FloatSpec, 17> standardFloatCatalogue;
extern const std::array<FlapColour, 16> colourTable;

// Rows the options dialog selects by number.
constexpr int connectionRowNull = 0;    // "FNull"
constexpr int connectionRowDefault = 1; // "FDefault"
constexpr int connectionRowFirstMidi = 2;
