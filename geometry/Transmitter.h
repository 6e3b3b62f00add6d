// The transmitter: a sensor tube beside the chamber with its head, gland and cable.
#pragma once

#include "scene/SceneState.h"

void DrawTransmitter(const SceneState& state, const PlacedPart& part, bool full);
