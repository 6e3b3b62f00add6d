#include "app/StandaloneView.h"

StandaloneView::StandaloneView(SceneState& state) : viewer(state, *this), glView(viewer) {
    clock.start();
}
