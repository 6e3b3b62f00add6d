#include "scene/Assembly.h"

#include "geometry/ChamberCut.h"
#include "geometry/ChamberPipe.h"
#include "geometry/Flaps.h"
#include "geometry/Float.h"
#include "geometry/Primitives.h"
#include "geometry/Rail.h"
#include "geometry/Switches.h"
#include "geometry/Transmitter.h"

void BuildAssembly(SceneState& state) {
    state.assembly = PlacedPart{};
    ConstructFlaps(state.flaps, state.flapStartIndex);
    ConstructRail(state.rail);
    ConstructChamber(state.pipe);
    state.floatBody = PlacedPart{};
    state.switch1 = SwitchPart{};
    state.switch2 = SwitchPart{};
    state.transmitter = PlacedPart{};
    PlaceSwitchPoints(state);
}

void DrawAssembly(const SceneState& state, const PlacedPart& assembly) {
    MatrixScope scope;
    applyPose(assembly.pose);
    if (assembly.mode == DisplayMode::Off) return;

    // The whole chamber goes before the float and the cut-away chamber after it, so that the
    // translucent liquid blends over the float already drawn.
    if (state.pipeMode == DisplayMode::Whole) DrawChamberWhole(state, state.pipe);
    if (state.floatMode == DisplayMode::Cut) DrawFloatCut(state, state.floatBody);
    if (state.floatMode == DisplayMode::Whole) DrawFloatWhole(state, state.floatBody);
    if (state.pipeMode == DisplayMode::Cut)
        DrawChamberCut(state, state.pipe, state.floatMode != DisplayMode::Off);
    if (state.flapMode == DisplayMode::Whole) DrawFlaps(state, state.flaps);
    if (state.railMode == DisplayMode::Cut) DrawRailCut(state, state.rail);
    if (state.railMode == DisplayMode::Whole) DrawRailWhole(state, state.rail);
    if (state.switch1Visible) DrawUpperSwitch(state, state.switch1, true);
    if (state.switch2Visible) DrawLowerSwitch(state, state.switch2, true);
    if (state.transmitterVisible) DrawTransmitter(state, state.transmitter, true);
}
