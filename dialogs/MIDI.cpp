#include "dialogs/MIDI.h"

#include "dialogs/OptionFrameLayout.h"

TMIDI_Frame::TMIDI_Frame(Options& options, QWidget* parent)
    : QFrame(parent), ComboBox1(new QComboBox(this)), ComboBox2(new QComboBox(this)),
      options(options) {
    layOutOptionFrame(this, "MIDI_Frame", ComboBox1, ComboBox2);
    fillList(ComboBox1, options.midiConnectionList());
    fillList(ComboBox2, options.midiFloatList());
    // activated comes only from the user; the model's own choices come back through showChoice.
    connect(ComboBox1, &QComboBox::activated, this,
            [this](int entry) { this->options.MidiConnectionChange(entry); });
    connect(ComboBox2, &QComboBox::activated, this,
            [this](int entry) { this->options.MidiFloatChange(entry); });
}

void TMIDI_Frame::showChoice() {
    ComboBox1->setCurrentIndex(options.midiConnectionEntry);
    ComboBox2->setCurrentIndex(options.midiFloatEntry);
}
