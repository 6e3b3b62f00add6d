#include "dialogs/Standard.h"

#include "dialogs/OptionFrameLayout.h"
#include "scene/Catalogues.h"

TStandard_Frame::TStandard_Frame(SceneState& state, std::function<void()> redraw, QWidget* parent)
    : QFrame(parent), ComboBox1(new QComboBox(this)), ComboBox2(new QComboBox(this)), state(state),
      redraw(std::move(redraw)) {
    layOutOptionFrame(this, "Standard_Frame", ComboBox1, ComboBox2);
    ComboBox1->addItems({"DN15", "DN20", "DN25", "DN30", "DN32"});
    // activated comes only from the user; the dialog runs the handler itself after it selects.
    connect(ComboBox1, &QComboBox::activated, this, &TStandard_Frame::ComboBox1Change);
    connect(ComboBox2, &QComboBox::activated, this, &TStandard_Frame::ComboBox1Change);
}

void TStandard_Frame::ComboBox1Change() {
    const int index = ComboBox2->currentIndex();
    if (index >= 0 && index < int(standardFloatCatalogue.size()))
        state.selectedFloat = standardFloatCatalogue[index];
    redraw();
}
