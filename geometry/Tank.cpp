#include "geometry/Tank.h"

void ConstructTank(TankPart& tank) {
    tank = TankPart{};
    tank.drawBolts = true;
}
void DrawTank(const SceneState&, const TankPart&) {}
void DrawTankHalf(const SceneState&, bool) {}
void DrawTankNozzle(const SceneState&, const TankPart&, bool) {}
void DrawTankCutFace(float, float, float, float) {}
