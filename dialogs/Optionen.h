// The options dialog "Niveauanzeiger - Optionen": indicator type, connection and float, display
// height, flap colours, rail material and damping springs. Every control writes the scene state
// at once and asks the main window to redraw; there is no apply step. Shown non-modally.
#pragma once

#include "dialogs/KeLoGradForm.h"
#include "scene/SceneState.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <functional>

class TMIDI_Frame;
class TStandard_Frame;
class TypePicture;

class TOptionenForm : public TGradientForm {
    Q_OBJECT
  public:
    // redraw: the main window's paint routine; resetMenuChecks: sets the main window's
    // display-mode check marks to the defaults.
    TOptionenForm(SceneState& state, std::function<void()> redraw,
                  std::function<void()> resetMenuChecks, QWidget* parent = nullptr);

    // The main window's "Default" command: snapshot back, menu checks, colours, type "R-650",
    // rail material and check boxes.
    void DefaultEinstellungen();

    // Handlers, named after their controls.
    void ComboBox4Change(); // type selected
    void Edit6Change();     // display height changed
    void ComboBox1Change(); // "voll" colour
    void ComboBox2Change(); // "leer" colour
    void RadioButton1Click();
    void RadioButton2Click();
    void CheckBox1Click();
    void CheckBox2Click();
    void CheckBox3Click();
    void CheckBox4Click();
    // The accessory boxes after the flags they switch, which the callouts switch too.
    void showAccessories();

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
    void switchAccessory(bool& flag, const QCheckBox* box);
    QWidget* createDefaultPage();
    QWidget* createAccessoryPage();
    QWidget* createElectricPage();
    void FormCreate();
    void setUpMidiFamily();
    void setUpStandardFamily();
    // The main window's redraw, and the picture follows the new state.
    void redraw();

    SceneState& state;
    std::function<void()> repaintMainWindow;
    std::function<void()> resetMenuChecks;
};
