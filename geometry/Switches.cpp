#include "geometry/Switches.h"

void DrawUpperSwitch(const SceneState&, SwitchPart&, bool) {}
void DrawLowerSwitch(const SceneState&, SwitchPart&, bool) {}
void DrawSwitch(const SceneState&, const SwitchPart&, bool, float) {}
bool IsUpperSwitchTripped(const SceneState&) { return false; }
bool IsLowerSwitchTripped(const SceneState&) { return false; }
