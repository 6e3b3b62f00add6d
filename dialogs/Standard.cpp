#include "dialogs/Standard.h"

#include "dialogs/OptionFrameLayout.h"

TStandard_Frame::TStandard_Frame(Options& options, QWidget* parent)
    : QFrame(parent), ComboBox1(new QComboBox(this)), ComboBox2(new QComboBox(this)),
      options(options) {
    layOutOptionFrame(this, "Standard_Frame", ComboBox1, ComboBox2);
    fillList(ComboBox1, options.standardConnectionList());
    fillList(ComboBox2, options.standardFloatList());
    // activated comes only from the user; the model's own choices come back through showChoice.
    connect(ComboBox1, &QComboBox::activated, this, &TStandard_Frame::ComboBox1Change);
    connect(ComboBox2, &QComboBox::activated, this, &TStandard_Frame::ComboBox1Change);
}

void TStandard_Frame::ComboBox1Change() {
    options.StandardChange(ComboBox1->currentIndex(), ComboBox2->currentIndex());
}

void TStandard_Frame::showChoice() {
    ComboBox1->setCurrentIndex(options.standardConnectionEntry);
    ComboBox2->setCurrentIndex(options.standardFloatEntry);
}
