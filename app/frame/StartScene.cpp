#include "app/frame/StartScene.h"

#include "geometry/Tank.h"
#include "scene/Assembly.h"

void BuildStartScene(SceneState& state) {
    BuildAssembly(state);
    ConstructTank(state.tank);
    // The frame draws the assembly and the tank 200 below the camera's centre; nothing else moves
    // them.
    state.assembly.pose.posY = -200;
    state.tank.pose.posY = -200;
    state.scaleVisible = state.switch1Visible = state.switch2Visible = true;
    state.transmitterVisible = true;
}
