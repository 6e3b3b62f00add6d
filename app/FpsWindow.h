// The frame-rate window "Frame": the frames of the last second in its label, and the six view
// values written on its canvas every second, also while it is hidden.
#pragma once

#include "scene/SceneState.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <array>

class Tfps_Form1 : public QWidget {
    Q_OBJECT
  public:
    Tfps_Form1(const SceneState& state, QWidget* parent = nullptr);
    QLabel* Label1;
    QTimer Timer1;
    const std::array<QString, 6>& viewLines() const { return lines; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void Timer1Timer();
    const SceneState& state;
    std::array<QString, 6> lines;
};
