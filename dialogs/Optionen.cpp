#include "dialogs/Optionen.h"

#include "config/Language.h"
#include "dialogs/MIDI.h"
#include "dialogs/Standard.h"
#include "dialogs/TypePicture.h"
#include "scene/Catalogues.h"
#include "scene/DisplayHeight.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
// List entries the family set-ups select.
constexpr int midiFloatEntry = 3;     // "F-304/00 Dichte 1,00"
constexpr int standardFloatEntry = 4; // "F-306/00 Dichte 1,00"
constexpr int defaultTypeEntry = 4;   // "R-650"

// The pipe, flange and bolt dimensions and the first flap of a type family.
struct FamilyDimensions {
    float pipeInnerRadius, pipeOuterRadius;
    float flangeOuterRadius, boltCircleRadius;
    float boltHoleRadiusA, boltHoleRadiusB;
    std::int32_t flapStartIndex;
};
// pipe inner and outer radius, flange, bolt circle, bolt holes A and B, first flap
constexpr FamilyDimensions midiFamily{14.85f, 16.85f, 35, 29, 3.5f, 3.0f, -2};
constexpr FamilyDimensions standardFamily{25, 26.5f, 45, 39, 3.5f, 3.0f, -4};

void applyFamily(SceneState& state, const FamilyDimensions& family) {
    state.pipeInnerRadius = family.pipeInnerRadius;
    state.pipeOuterRadius = family.pipeOuterRadius;
    state.flangeOuterRadius = family.flangeOuterRadius;
    state.boltCircleRadius = family.boltCircleRadius;
    state.boltHoleRadiusA = family.boltHoleRadiusA;
    state.boltHoleRadiusB = family.boltHoleRadiusB;
    state.flapStartIndex = family.flapStartIndex;
}

// Shows a family's frame and selects its first connection and the given float entry, running
// the handlers as the user's choice would; floatChange is the handler of the float list.
template <typename Frame>
void showFrameWith(Frame* frame, int floatEntry, void (Frame::*floatChange)()) {
    frame->show();
    frame->ComboBox1->setCurrentIndex(0);
    frame->ComboBox1Change();
    frame->ComboBox2->setCurrentIndex(floatEntry);
    (frame->*floatChange)();
}

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}
} // namespace

TOptionenForm::TOptionenForm(SceneState& state, std::function<void()> redraw,
                             std::function<void()> resetMenuChecks, QWidget* parent)
    : TGradientForm(state.languageCode, FormBorder::Single, parent), state(state),
      repaintMainWindow(std::move(redraw)), resetMenuChecks(std::move(resetMenuChecks)) {
    setObjectName("OptionenForm");
    setWindowTitle("Niveauanzeiger - Optionen");
    setAttribute(Qt::WA_QuitOnClose, false);

    ComboBox4 = new QComboBox;
    ComboBox4->setObjectName("ComboBox4");
    Image1 = new TypePicture;
    Image1->setObjectName("Image1");
    Image1->setFixedSize(120, 200);
    PageControl1 = new QTabWidget;
    PageControl1->setObjectName("PageControl1");
    PageControl1->addTab(createDefaultPage(), "default");
    PageControl1->addTab(createAccessoryPage(), "Zubeh\u00F6r");
    PageControl1->addTab(createElectricPage(), "Zubeh\u00F6r elek.");

    OKBtn = new QPushButton("OK");
    OKBtn->setObjectName("OKBtn");
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton("Cancel");
    CancelBtn->setObjectName("CancelBtn");
    HelpBtn = new QPushButton("Help");
    HelpBtn->setObjectName("HelpBtn");
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    for (QPushButton* button : {OKBtn, CancelBtn, HelpBtn}) buttonRow->addWidget(button);

    auto* typeRow = new QHBoxLayout;
    typeRow->addWidget(new QLabel("Typ:"));
    typeRow->addWidget(ComboBox4, 1);
    auto* grid = new QGridLayout(clientArea());
    grid->addLayout(typeRow, 0, 0);
    grid->addWidget(PageControl1, 1, 0);
    grid->addWidget(Image1, 0, 1, 2, 1, Qt::AlignTop);
    grid->addLayout(buttonRow, 2, 0, 1, 2);

    // Lists react to the user's choice only (activated); where the dialog selects an entry
    // itself it runs the handler explicitly. Likewise the edit field reacts to typing only.
    connect(ComboBox4, &QComboBox::activated, this, &TOptionenForm::ComboBox4Change);
    connect(Edit6, &QLineEdit::textEdited, this, &TOptionenForm::Edit6Change);
    connect(ComboBox1, &QComboBox::activated, this, &TOptionenForm::ComboBox1Change);
    connect(ComboBox2, &QComboBox::activated, this, &TOptionenForm::ComboBox2Change);
    connect(RadioButton1, &QRadioButton::clicked, this, &TOptionenForm::RadioButton1Click);
    connect(RadioButton2, &QRadioButton::clicked, this, &TOptionenForm::RadioButton2Click);
    // A check box acts on every change of its state, also when the dialog unchecks it.
    for (const auto& [box, handler] : {std::pair{CheckBox1, &TOptionenForm::CheckBox1Click},
                                       std::pair{CheckBox2, &TOptionenForm::CheckBox2Click},
                                       std::pair{CheckBox3, &TOptionenForm::CheckBox3Click},
                                       std::pair{CheckBox4, &TOptionenForm::CheckBox4Click}})
        connect(box, &QCheckBox::toggled, this, handler);
    // Every change is already applied, so OK and Cancel both just close. Help has no topic.
    connect(OKBtn, &QPushButton::clicked, this, &QWidget::close);
    connect(CancelBtn, &QPushButton::clicked, this, &QWidget::close);

    FormCreate();
}

QWidget* TOptionenForm::createDefaultPage() {
    auto* page = new QWidget;
    Panel1 = new QFrame;
    Panel1->setObjectName("Panel1");
    Panel1->setFrameShape(QFrame::StyledPanel);
    const auto redrawRequest = [this] { redraw(); };
    MIDI_Frame = new TMIDI_Frame(state, redrawRequest);
    Standard_Frame = new TStandard_Frame(state, redrawRequest);
    // Both frames lie on top of each other at (1, 1), the panel's size less 2.
    auto* frames = new QGridLayout(Panel1);
    frames->setContentsMargins(1, 1, 1, 1);
    frames->addWidget(MIDI_Frame, 0, 0);
    frames->addWidget(Standard_Frame, 0, 0);

    Edit6 = new QLineEdit;
    Edit6->setObjectName("Edit6");
    auto* height = new QFormLayout;
    height->addRow("Anzeigeh\u00F6he:", Edit6);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Panel1);
    layout->addLayout(height);
    layout->addStretch();
    return page;
}

QWidget* TOptionenForm::createAccessoryPage() {
    auto* page = new QWidget;
    auto* rail = new QGroupBox("Anzeigeschiene::");
    RadioButton1 = new QRadioButton("Kunststoff");
    RadioButton1->setObjectName("RadioButton1");
    RadioButton2 = new QRadioButton("alu");
    RadioButton2->setObjectName("RadioButton2");
    auto* railLayout = new QVBoxLayout(rail);
    railLayout->addWidget(RadioButton1);
    railLayout->addWidget(RadioButton2);

    auto* flaps = new QGroupBox("Fluegeli:");
    ComboBox1 = new QComboBox;
    ComboBox1->setObjectName("ComboBox1");
    ComboBox2 = new QComboBox;
    ComboBox2->setObjectName("ComboBox2");
    auto* flapLayout = new QFormLayout(flaps);
    flapLayout->addRow("voll:", ComboBox1);
    flapLayout->addRow("leer:", ComboBox2);

    CheckBox1 = new QCheckBox("Messskala");
    CheckBox2 = new QCheckBox("Armaflex");
    CheckBox3 = new QCheckBox("D\u00E4mpfungsfeder oben");
    CheckBox4 = new QCheckBox("D\u00E4mpfungsfeder unten");
    auto* layout = new QGridLayout(page);
    layout->addWidget(rail, 0, 0);
    layout->addWidget(flaps, 0, 1);
    int row = 1;
    for (QCheckBox* box : {CheckBox1, CheckBox2, CheckBox3, CheckBox4}) {
        box->setObjectName(QString("CheckBox%1").arg(row));
        layout->addWidget(box, row++, 0, 1, 2);
    }
    layout->setRowStretch(row, 1);
    return page;
}

// Switch and transmitter choices without an effect on the model.
QWidget* TOptionenForm::createElectricPage() {
    auto* page = new QWidget;
    RadioButton3 = new QRadioButton("Schalter");
    RadioButton3->setObjectName("RadioButton3");
    RadioButton4 = new QRadioButton("Messwertgweber");
    RadioButton4->setObjectName("RadioButton4");
    ComboBox3 = new QComboBox;
    ComboBox3->setObjectName("ComboBox3");
    ComboBox3->addItems({"gelb", "weiss", "exia", "exd"});
    ComboBox5 = new QComboBox;
    ComboBox5->setObjectName("ComboBox5");
    ComboBox5->addItems({"S-101", "S-102", "S-103", "S-104"});
    auto* layout = new QGridLayout(page);
    layout->addWidget(RadioButton3, 0, 0);
    layout->addWidget(RadioButton4, 1, 0);
    layout->addWidget(ComboBox3, 0, 1);
    layout->addWidget(ComboBox5, 1, 1);
    layout->setRowStretch(2, 1);
    return page;
}

void TOptionenForm::FormCreate() {
    for (const std::string& code : typeCodes) ComboBox4->addItem(text(code));
    ComboBox4->setCurrentIndex(-1); // no type selected yet, no frame shown
    for (int row = connectionRowFirstMidi; row < int(connectionCatalogue.size()); ++row)
        MIDI_Frame->ComboBox1->addItem(text(connectionCatalogue[row].name));
    for (const FloatSpec& floatRow : midiFloatCatalogue)
        MIDI_Frame->ComboBox2->addItem(text(floatRow.name));
    for (const FloatSpec& floatRow : standardFloatCatalogue)
        Standard_Frame->ComboBox2->addItem(text(floatRow.name));
    // The language of the colour names is fixed here; English unless the interface is German.
    const bool german = isGerman(state.languageCode);
    for (const FlapColour& colour : colourTable) {
        const QString name = text(german ? colour.germanName : colour.englishName);
        ComboBox1->addItem(name);
        ComboBox2->addItem(name);
    }
    ComboBox1->setCurrentIndex(state.fullColourIndex);
    ComboBox2->setCurrentIndex(state.emptyColourIndex);
    (state.railAluminium ? RadioButton2 : RadioButton1)->setChecked(true);
    Edit6->setText(text(formatDisplayHeight(state.displayHeight)));

    // The panel keeps room for the larger frame while both are hidden.
    const QSize frameSize =
        MIDI_Frame->sizeHint().expandedTo(Standard_Frame->sizeHint()) + QSize(2, 2);
    Panel1->setMinimumSize(frameSize);
    MIDI_Frame->hide();
    Standard_Frame->hide();
    Image1->showChamberOf(state);
}

void TOptionenForm::redraw() {
    repaintMainWindow();
    Image1->showChamberOf(state);
}

void TOptionenForm::ComboBox4Change() {
    MIDI_Frame->hide();
    Standard_Frame->hide();
    Edit6->setText(text(formatDisplayHeight(state.displayHeight)));
    state.typeCode = ComboBox4->currentText().toStdString();
    const std::string type = state.typeCode;
    if (type == "R-410") {
        MIDI_Frame->show();
        setUpMidiFamily();
    }
    if (type == "R-520" || type == "R-530") {
        setUpStandardFamily();
        state.connection = connectionCatalogue[connectionRowNull];
    }
    if (type == "R-640" || type == "R-650") {
        setUpStandardFamily();
        state.connection = connectionCatalogue[connectionRowDefault];
    }
    if (type == "R-760") setUpMidiFamily();
    Edit6Change();
    redraw();
}

void TOptionenForm::setUpMidiFamily() {
    applyFamily(state, midiFamily);
    showFrameWith(MIDI_Frame, midiFloatEntry, &TMIDI_Frame::ComboBox2Change);
}

void TOptionenForm::setUpStandardFamily() {
    applyFamily(state, standardFamily);
    state.selectedFloat = standardFloatCatalogue[standardFloatEntry];
    // The standard frame's float list runs the same handler as its connection list.
    showFrameWith(Standard_Frame, standardFloatEntry, &TStandard_Frame::ComboBox1Change);
}

void TOptionenForm::Edit6Change() {
    ApplyDisplayHeight(state, parseDisplayHeight(Edit6->text().toStdString()));
    redraw();
}

// The colour indices stay as they are; the new colour shows at once, also while no demo runs.
void TOptionenForm::ComboBox1Change() {
    const int index = ComboBox1->currentIndex();
    if (index >= 0 && index < int(colourTable.size())) state.fullColour = colourTable[index];
    redraw();
}

void TOptionenForm::ComboBox2Change() {
    const int index = ComboBox2->currentIndex();
    if (index >= 0 && index < int(colourTable.size())) state.emptyColour = colourTable[index];
    redraw();
}

void TOptionenForm::RadioButton1Click() {
    state.railAluminium = false;
    redraw();
}

void TOptionenForm::RadioButton2Click() {
    state.railAluminium = true;
    redraw();
}

void TOptionenForm::CheckBox1Click() {
    switchAccessory(state.scaleVisible, CheckBox1);
}

void TOptionenForm::CheckBox2Click() {
    switchAccessory(state.insulationVisible, CheckBox2);
}

void TOptionenForm::switchAccessory(bool& flag, const QCheckBox* box) {
    flag = box->isChecked();
    redraw();
}

void TOptionenForm::showAccessories() {
    const std::pair<QCheckBox*, bool> boxes[] = {{CheckBox1, state.scaleVisible},
                                                 {CheckBox2, state.insulationVisible},
                                                 {CheckBox3, state.springTopVisible},
                                                 {CheckBox4, state.springBottomVisible}};
    for (const auto& [box, shown] : boxes) {
        const QSignalBlocker quiet(box); // showing a flag does not switch it again
        box->setChecked(shown);
    }
}

void TOptionenForm::showEvent(QShowEvent* event) {
    showAccessories();
    TGradientForm::showEvent(event);
}

void TOptionenForm::CheckBox3Click() {
    switchAccessory(state.springTopVisible, CheckBox3);
}

void TOptionenForm::CheckBox4Click() {
    switchAccessory(state.springBottomVisible, CheckBox4);
}

void TOptionenForm::DefaultEinstellungen() {
    RestoreDefaults(state);
    resetMenuChecks();
    ComboBox1->setCurrentIndex(state.fullColourIndex);
    ComboBox1Change();
    ComboBox2->setCurrentIndex(state.emptyColourIndex);
    ComboBox2Change();
    ComboBox4->setCurrentIndex(defaultTypeEntry);
    ComboBox4Change();
    (state.railAluminium ? RadioButton2 : RadioButton1)->setChecked(true);
    // Unchecking runs the handlers of the boxes that were checked; the flags are off already.
    for (QCheckBox* box : {CheckBox1, CheckBox2, CheckBox3, CheckBox4}) box->setChecked(false);
}
