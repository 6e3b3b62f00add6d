// The option frame of the family: a connection size list and the float
// list. Both lists share one change handler, which applies the float choice; the sizes have no
// connection records of their own.
#pragma once

#include "scene/SceneState.h"

#include <QComboBox>
#include <QFrame>

#include <functional>

class TStandard_Frame : public QFrame {
    Q_OBJECT
  public:
    TStandard_Frame(SceneState& state, std::function<void()> redraw, QWidget* parent = nullptr);

    // selectedFloat := the standard float chosen in ComboBox2 (kept without a choice); redraw.
    void ComboBox1Change();

    QComboBox* ComboBox1; // "Anschluss:", "DN15" .. "DN32"
    QComboBox* ComboBox2; // "Schwimmer:", the standard floats

  private:
    SceneState& state;
    std::function<void()> redraw;
};
