// A borderless 25 x 25 picture that reports presses and releases of any button, left-button
// clicks and the pointer moving over it, like the image controls of the button row.
#pragma once

#include <QLabel>

class ImageButton : public QLabel {
    Q_OBJECT
  public:
    explicit ImageButton(QWidget* parent);

  signals:
    void pressed();
    void released();
    void clicked();
    void hovered();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};
