// A borderless 25 x 25 picture that reports presses and releases of any button, left-button
// clicks and the pointer moving over it, like the image controls of the button row.
#pragma once

#include "resources/ButtonPictures.h"

#include <QLabel>

class ImageButton : public QLabel {
    Q_OBJECT
  public:
    explicit ImageButton(QWidget* parent = nullptr);
    // Shows a picture, drawn for the density of the screen the button is on (and again when it
    // moves to another screen).
    void setPicture(ButtonPicture picture, bool highlighted);

  signals:
    void pressed();
    void released();
    void clicked();
    void hovered();
    void left(); // the pointer has left the button

  protected:
    bool event(QEvent* event) override;

  private:
    ButtonPicture shown = ButtonPicture::Start;
    bool shownHighlighted = false;
};
