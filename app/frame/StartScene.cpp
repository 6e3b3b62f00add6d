#include "app/frame/StartScene.h"

#include "geometry/Tank.h"
#include "scene/Assembly.h"

void BuildStartScene(SceneState& state) {
    state.frameCount = 0;
    BuildAssembly(state);
    ConstructTank(state.tank);
    state.scaleVisible = state.switch1Visible = state.switch2Visible = true;
    state.transmitterVisible = true;
}
