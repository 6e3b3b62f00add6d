// The option frame of the family: process connection and float, each chosen from
// its catalogue.
#pragma once

#include "core/Options.h"

#include <QComboBox>
#include <QFrame>

class TMIDI_Frame : public QFrame {
    Q_OBJECT
  public:
    explicit TMIDI_Frame(Options& options, QWidget* parent = nullptr);
    // The entries the model has chosen.
    void showChoice();

    QComboBox* ComboBox1; // "Anschluss:", connection catalogue rows 2..12
    QComboBox* ComboBox2; // "Schwimmer:", the MIDI floats

  private:
    Options& options;
};
