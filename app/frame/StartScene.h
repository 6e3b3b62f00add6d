// The scene the main window starts with; the benchmark and the tests render the same one.
#pragma once

#include "scene/SceneState.h"

// On a state that has been through InitialiseSceneState: constructs the assembly and the tank,
// places both where the frame draws them and shows the switches, the transmitter and the
// measuring scale.
void BuildStartScene(SceneState& state);
