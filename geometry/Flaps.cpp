#include "geometry/Flaps.h"

void ConstructFlaps(FlapsPart& flaps, int) { flaps = FlapsPart{}; }
void DrawFlaps(const SceneState&, const FlapsPart&) {}
float flapAngle(float, int) { return 0; }
std::array<float, 3> faceColour(const SceneState&, int, float) { return {}; }
