// The background colour dialog: three sliders for red, green and blue and a swatch that previews
// them, a view of the core's colour model. Nothing changes in the view until the colour is
// applied; every show reloads the sliders from the scene state.
#pragma once

#include "core/ColourChoice.h"
#include "dialogs/KeLoGradForm.h"

class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;

class TColor_dlg : public TGradientForm {
    Q_OBJECT
  public:
    explicit TColor_dlg(ColourChoice& colour, const std::string& languageCode,
                        QWidget* parent = nullptr);

    // The sliders and the swatch after the model.
    void showChoice();

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
    void BitBtn1Click();
    // The caption, the three slider labels and the four buttons in the interface language.
    void showTexts();

    ColourChoice& colour;
    const std::string& languageCode;
};
