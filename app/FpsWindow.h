// The frame-rate window "Frame": the frames of the last second in its label, and the six view
// values written on its canvas. One timer writes both every second, also while the window is
// hidden, and starts the next second's frame count.
#pragma once

#include "core/Viewer.h"
#include "dialogs/KeLoGradForm.h"

#include <QLabel>
#include <QTimer>

#include <array>

class Tfps_Form1 : public TGradientForm {
    Q_OBJECT
  public:
    Tfps_Form1(Viewer& viewer, QWidget* parent = nullptr);
    QLabel* Label1;
    QTimer Timer1;
    const std::array<QString, 6>& viewLines() const { return lines; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Timer1Timer();
    void paintCanvas();
    Viewer& viewer;
    std::array<QString, 6> lines;
};
