// The windows behind the main window, created in their fixed order and owned by it: options
// dialog, background colour dialog, about and contact windows. They stay hidden until a menu (or
// the options gesture) opens them.
#pragma once

#include "scene/SceneState.h"

class TfrmCube;

void CreateSecondaryWindows(TfrmCube& window, SceneState& state);
