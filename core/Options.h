// The options dialog "Niveauanzeiger - Optionen" as a model: its lists, their selected entries,
// the display-height text, and the effect of every control on the scene state. Every choice acts
// at once and asks for a redraw; there is no apply step. The check boxes and the rail material
// show the state's own flags, so they always follow the callouts too.
#pragma once

#include "scene/SceneState.h"

#include <functional>
#include <string>
#include <vector>

enum class OptionFrame { None, Midi, Standard };

// The lists of the page for electric accessories, whose choices change nothing in the model.
const std::vector<std::string>& electricSwitchList();
const std::vector<std::string>& electricTransmitterList();

class Options {
  public:
    // `changed` receives the Change flags of every step; `redraw` is the main window's redraw.
    Options(SceneState& state, std::function<void(unsigned)> changed, std::function<void()> redraw);

    // Fills the lists; the language of the colour names is fixed here.
    void FormCreate();

    // Handlers, named after the controls.
    void ComboBox4Change(int typeEntry);                      // type selected
    void Edit6Change(const std::string& text);                // display height typed
    void MidiConnectionChange(int entry);                     // the MIDI frame's connection list
    void MidiFloatChange(int entry);                          // the MIDI frame's float list
    void StandardChange(int connectionEntry, int floatEntry); // the Standard frame's two lists
    void ComboBox1Change(int colourEntry);                    // "voll:"
    void ComboBox2Change(int colourEntry);                    // "leer:"
    void RadioButton1Click();                                 // "Kunststoff"
    void RadioButton2Click();                                 // "alu"
    void CheckBox1Click(bool checked);                        // "Messskala"
    void CheckBox2Click(bool checked);                        // "Armaflex"
    void CheckBox3Click(bool checked);                        // "Dämpfungsfeder oben"
    void CheckBox4Click(bool checked);                        // "Dämpfungsfeder unten"
    // The main window's "Default": snapshot back, colours, type "R-650", rail and boxes.
    void DefaultEinstellungen();

    // The lists and what they show.
    std::vector<std::string> typeList() const;
    std::vector<std::string> midiConnectionList() const;
    std::vector<std::string> midiFloatList() const;
    std::vector<std::string> standardConnectionList() const;
    std::vector<std::string> standardFloatList() const;
    const std::vector<std::string>& colourList() const { return colourNames; }
    int typeEntry = -1;
    OptionFrame frame = OptionFrame::None;
    // A frame's lists start at their first entry, as filled lists do.
    int midiConnectionEntry = 0, midiFloatEntry = 0;
    int standardConnectionEntry = 0, standardFloatEntry = 0;
    int fullColourEntry = -1, emptyColourEntry = -1;
    std::string displayHeightText;
    // The rail material and the four check boxes, from the state.
    bool railAluminium() const { return scene.railAluminium; }
    bool scaleChecked() const { return scene.scaleVisible; }
    bool insulationChecked() const { return scene.insulationVisible; }
    bool springTopChecked() const { return scene.springTopVisible; }
    bool springBottomChecked() const { return scene.springBottomVisible; }
    // The state the type picture shows.
    const SceneState& state() const { return scene; }

  private:
    void setUpMidiFamily();
    void setUpStandardFamily();
    void applyFamilyDimensions(bool midi);
    void switchAccessory(bool& flag, bool on);
    void done(unsigned changes);

    SceneState& scene;
    std::function<void(unsigned)> changed;
    std::function<void()> redraw;
    std::vector<std::string> colourNames;
};
