// A colour dialog on a colour model of its own, for tests without a main window: the dialog
// shows every change of the model, and `applied` runs where the main window would redraw.
#pragma once

#include "dialogs/Color.h"

#include <functional>

struct ColourDialogOn {
    ColourDialogOn(SceneState& state, std::function<void()> applied)
        : model(
              state, [this](unsigned) { dialog.showChoice(); }, std::move(applied)),
          dialog(model, state.languageCode) {}
    ColourChoice model;
    TColor_dlg dialog;
};
