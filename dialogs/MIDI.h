// The option frame of the family: process connection and float, each chosen from
// its catalogue. The options dialog fills both lists when it is created.
#pragma once

#include "scene/SceneState.h"

#include <QComboBox>
#include <QFrame>

#include <functional>

class TMIDI_Frame : public QFrame {
    Q_OBJECT
  public:
    TMIDI_Frame(SceneState& state, std::function<void()> redraw, QWidget* parent = nullptr);

    // connection := the catalogue row the list entry stands for; redraw.
    void ComboBox1Change();
    // selectedFloat := the MIDI float of the list entry; redraw.
    void ComboBox2Change();

    QComboBox* ComboBox1; // "Anschluss:", connection catalogue rows 2..12
    QComboBox* ComboBox2; // "Schwimmer:", the MIDI floats

  private:
    SceneState& state;
    std::function<void()> redraw;
};
