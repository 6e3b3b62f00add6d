#include "scene/SceneState.h"

#include "scene/Catalogues.h"

void InitialiseSceneState(SceneState& state) {
    state.defaults.options = state.options();
    state.defaults.modes = state.modes();
    state.defaults.view = state.view();
    state.fullColour = colourTable[state.fullColourIndex];
    state.emptyColour = colourTable[state.emptyColourIndex];
    state.connection = connectionCatalogue[connectionRowFirstMidi];
    state.selectedFloat = midiFloatCatalogue[3];
    PlaceSwitchPoints(state);
}

void RestoreDefaults(SceneState& state) {
    state.options() = state.defaults.options;
    state.modes() = state.defaults.modes;
    state.view() = state.defaults.view;
    PlaceSwitchPoints(state);
}

void PlaceSwitchPoints(SceneState& state) {
    state.switch1.switchPoint = state.displayHeight - 70;
    state.switch2.switchPoint = 90;
}
