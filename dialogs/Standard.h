// The option frame of the family: a connection size list and the float
// list. Both lists share one change handler, which applies the float choice; the sizes have no
// connection records of their own.
#pragma once

#include "core/Options.h"

#include <QComboBox>
#include <QFrame>

class TStandard_Frame : public QFrame {
    Q_OBJECT
  public:
    explicit TStandard_Frame(Options& options, QWidget* parent = nullptr);
    // The entries the model has chosen.
    void showChoice();

    QComboBox* ComboBox1; // "Anschluss:", "DN15" .. "DN32"
    QComboBox* ComboBox2; // "Schwimmer:", the standard floats

  private:
    void ComboBox1Change();
    Options& options;
};
