#include "geometry/Transmitter.h"

void DrawTransmitter(const SceneState&, const PlacedPart&, bool) {}
