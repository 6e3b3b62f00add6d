// The background colour dialog: three sliders for red, green and blue and a swatch that previews
// them. Nothing changes in the view until the colour is applied; every show reloads the sliders
// from the scene state.
#pragma once

#include "dialogs/KeLoGradForm.h"
#include "scene/SceneState.h"

#include <functional>

class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;

// A colour component as a byte 0..255, for widget colours and slider positions: rounded to
// nearest, halves to even. Components outside 0..1 (kelo.ini does not limit them; GL clamps
// them itself) are limited first, so that no value can overflow the conversion.
int colourByte(float component);

class TColor_dlg : public TGradientForm {
    Q_OBJECT
  public:
    // `applied` runs after the background colour was written: it sets the main window's own
    // colour and redraws the view.
    TColor_dlg(SceneState& state, std::function<void()> applied, QWidget* parent = nullptr);

    QScrollBar* ScrollBar1; // red
    QScrollBar* ScrollBar2; // green
    QScrollBar* ScrollBar3; // blue
    QFrame* Shape1;         // the swatch
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QPushButton* BitBtn1; // OK
    QPushButton* BitBtn2; // close
    QPushButton* BitBtn3; // default
    QPushButton* BitBtn4; // apply

    QColor sliderColour() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    void ScrollBarChange();
    void Apply();
    void BitBtn1Click();
    void BitBtn3Click();
    void applyLanguage();
    // The caption, the three slider labels and the four buttons in German or in English.
    void setTexts(bool german);

    SceneState& state;
    std::function<void()> applied;
};
