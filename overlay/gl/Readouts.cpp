#include "overlay/gl/Readouts.h"

void OutText(const std::string&) {}
void DrawTransmitterReadout(const SceneState&, float) {}
void DrawSwitchReadout(bool, float, float) {}
