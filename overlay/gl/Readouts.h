// The on-screen read-outs at the right edge of the view: transmitter bar and percentage, and one
// panel per limit switch. They draw with the texture font's display lists.
#pragma once

#include "scene/SceneState.h"

#include <string>

// Fixed display-list numbers: list c draws character code c; these draw the symbols and labels.
constexpr unsigned switchOnList = 1000;
constexpr unsigned switchOffList = 1001;
constexpr unsigned label20List = 1002;
constexpr unsigned label80List = 1003;

void OutText(const std::string& text);
void DrawTransmitterReadout(const SceneState& state, float anchorX);
void DrawSwitchReadout(bool tripped, float row, float anchorX);
