#include "dialogs/MIDI.h"

#include "dialogs/OptionFrameLayout.h"
#include "scene/Catalogues.h"

TMIDI_Frame::TMIDI_Frame(SceneState& state, std::function<void()> redraw, QWidget* parent)
    : QFrame(parent), ComboBox1(new QComboBox(this)), ComboBox2(new QComboBox(this)), state(state),
      redraw(std::move(redraw)) {
    layOutOptionFrame(this, "MIDI_Frame", ComboBox1, ComboBox2);
    // activated comes only from the user; the dialog runs the handlers itself after it selects.
    connect(ComboBox1, &QComboBox::activated, this, &TMIDI_Frame::ComboBox1Change);
    connect(ComboBox2, &QComboBox::activated, this, &TMIDI_Frame::ComboBox2Change);
}

void TMIDI_Frame::ComboBox1Change() {
    const int index = ComboBox1->currentIndex();
    if (index < 0 || connectionRowFirstMidi + index >= int(connectionCatalogue.size())) return;
    state.connection = connectionCatalogue[connectionRowFirstMidi + index];
    redraw();
}

void TMIDI_Frame::ComboBox2Change() {
    const int index = ComboBox2->currentIndex();
    if (index < 0 || index >= int(midiFloatCatalogue.size())) return;
    state.selectedFloat = midiFloatCatalogue[index];
    redraw();
}
