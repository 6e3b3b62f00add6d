// The options dialog "Niveauanzeiger - Optionen": indicator type, connection and float, display
// height, flap colours, rail material and damping springs. Every control hands its choice to the
// core's options model, which writes the scene state at once and asks for a redraw; there is no
// apply step. Shown non-modally.
#pragma once

#include "core/Options.h"
#include "dialogs/KeLoGradForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

class TMIDI_Frame;
class TStandard_Frame;
class TypePicture;

class TOptionenForm : public TGradientForm {
    Q_OBJECT
  public:
    // The dialog shows the model and hands every choice to it; creating it fills the model's
    // lists (the language of the colour names is fixed then).
    explicit TOptionenForm(Options& options, QWidget* parent = nullptr);

    // The controls after the model: selected entries, shown frame, display-height text, rail
    // material, check boxes and the picture.
    void showOptions();

    QComboBox* ComboBox4; // "Typ:"
    TypePicture* Image1;  // the chamber of the selected type
    QTabWidget* PageControl1;
    QFrame* Panel1; // holds the two option frames
    TMIDI_Frame* MIDI_Frame;
    TStandard_Frame* Standard_Frame;
    QLineEdit* Edit6;           // "Anzeigehöhe:"
    QRadioButton* RadioButton1; // "Kunststoff"
    QRadioButton* RadioButton2; // "alu"
    QComboBox* ComboBox1;       // "voll:"
    QComboBox* ComboBox2;       // "leer:"
    QCheckBox* CheckBox1;       // "Messskala"
    QCheckBox* CheckBox2;       // "Armaflex"
    QCheckBox* CheckBox3;       // "Dämpfungsfeder oben"
    QCheckBox* CheckBox4;       // "Dämpfungsfeder unten"
    QRadioButton* RadioButton3; // "Schalter"
    QRadioButton* RadioButton4; // "Messwertgweber"
    QComboBox* ComboBox3;       // "gelb", "weiss", "exia", "exd"
    QComboBox* ComboBox5;       // "S-101" .. "S-104"
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* HelpBtn;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* createDefaultPage();
    QWidget* createAccessoryPage();
    QWidget* createElectricPage();
    void connectControls();

    Options& options;
};
