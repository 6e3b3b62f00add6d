#include "dialogs/Optionen.h"

#include "config/Language.h"
#include "dialogs/MIDI.h"
#include "dialogs/OptionFrameLayout.h"
#include "dialogs/Standard.h"
#include "dialogs/TypePicture.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
// The dialog's texts exist in German only.
QString text(const char* key) {
    return QString::fromStdString(std::string(germanCaptions().textOf(key)));
}
} // namespace

TOptionenForm::TOptionenForm(Options& options, QWidget* parent)
    : TGradientForm(options.state().languageCode, FormBorder::Single, parent), options(options) {
    setObjectName("OptionenForm");
    setWindowTitle(text("optionsCaption"));
    setAttribute(Qt::WA_QuitOnClose, false);
    options.FormCreate();

    ComboBox4 = new QComboBox;
    ComboBox4->setObjectName("ComboBox4");
    fillList(ComboBox4, options.typeList());
    Image1 = new TypePicture;
    Image1->setObjectName("Image1");
    Image1->setFixedSize(120, 200);
    PageControl1 = new QTabWidget;
    PageControl1->setObjectName("PageControl1");
    PageControl1->addTab(createDefaultPage(), text("optionsPageDefault"));
    PageControl1->addTab(createAccessoryPage(), text("optionsPageAccessories"));
    PageControl1->addTab(createElectricPage(), text("optionsPageElectric"));

    OKBtn = new QPushButton(text("optionsOk"));
    OKBtn->setObjectName("OKBtn");
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(text("optionsCancel"));
    CancelBtn->setObjectName("CancelBtn");
    HelpBtn = new QPushButton(text("optionsHelp"));
    HelpBtn->setObjectName("HelpBtn");
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    for (QPushButton* button : {OKBtn, CancelBtn, HelpBtn}) buttonRow->addWidget(button);

    auto* typeRow = new QHBoxLayout;
    typeRow->addWidget(new QLabel(text("optionsType")));
    typeRow->addWidget(ComboBox4, 1);
    auto* grid = new QGridLayout(clientArea());
    grid->addLayout(typeRow, 0, 0);
    grid->addWidget(PageControl1, 1, 0);
    grid->addWidget(Image1, 0, 1, 2, 1, Qt::AlignTop);
    grid->addLayout(buttonRow, 2, 0, 1, 2);

    connectControls();
    // The panel keeps room for the larger frame while both are hidden.
    const QSize frameSize =
        MIDI_Frame->sizeHint().expandedTo(Standard_Frame->sizeHint()) + QSize(2, 2);
    Panel1->setMinimumSize(frameSize);
    showOptions();
}

// Lists react to the user's choice only (activated), the edit field to typing only, the boxes
// and radio buttons to clicks: what the model sets itself comes back through showOptions.
void TOptionenForm::connectControls() {
    connect(ComboBox4, &QComboBox::activated, this,
            [this](int entry) { options.ComboBox4Change(entry); });
    connect(Edit6, &QLineEdit::textEdited, this,
            [this](const QString& typed) { options.Edit6Change(typed.toStdString()); });
    connect(ComboBox1, &QComboBox::activated, this,
            [this](int entry) { options.ComboBox1Change(entry); });
    connect(ComboBox2, &QComboBox::activated, this,
            [this](int entry) { options.ComboBox2Change(entry); });
    connect(RadioButton1, &QRadioButton::clicked, this, [this] { options.RadioButton1Click(); });
    connect(RadioButton2, &QRadioButton::clicked, this, [this] { options.RadioButton2Click(); });
    connect(CheckBox1, &QCheckBox::clicked, this, [this](bool on) { options.CheckBox1Click(on); });
    connect(CheckBox2, &QCheckBox::clicked, this, [this](bool on) { options.CheckBox2Click(on); });
    connect(CheckBox3, &QCheckBox::clicked, this, [this](bool on) { options.CheckBox3Click(on); });
    connect(CheckBox4, &QCheckBox::clicked, this, [this](bool on) { options.CheckBox4Click(on); });
    // Every change is already applied, so OK and Cancel both just close. Help has no topic.
    connect(OKBtn, &QPushButton::clicked, this, &QWidget::close);
    connect(CancelBtn, &QPushButton::clicked, this, &QWidget::close);
}

QWidget* TOptionenForm::createDefaultPage() {
    auto* page = new QWidget;
    Panel1 = new QFrame;
    Panel1->setObjectName("Panel1");
    Panel1->setFrameShape(QFrame::StyledPanel);
    MIDI_Frame = new TMIDI_Frame(options);
    Standard_Frame = new TStandard_Frame(options);
    // Both frames lie on top of each other at (1, 1), the panel's size less 2.
    auto* frames = new QGridLayout(Panel1);
    frames->setContentsMargins(1, 1, 1, 1);
    frames->addWidget(MIDI_Frame, 0, 0);
    frames->addWidget(Standard_Frame, 0, 0);

    Edit6 = new QLineEdit;
    Edit6->setObjectName("Edit6");
    auto* height = new QFormLayout;
    height->addRow(text("optionsHeight"), Edit6);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Panel1);
    layout->addLayout(height);
    layout->addStretch();
    return page;
}

QWidget* TOptionenForm::createAccessoryPage() {
    auto* page = new QWidget;
    auto* rail = new QGroupBox(text("optionsRail"));
    RadioButton1 = new QRadioButton(text("optionsPlastic"));
    RadioButton1->setObjectName("RadioButton1");
    RadioButton2 = new QRadioButton(text("optionsAluminium"));
    RadioButton2->setObjectName("RadioButton2");
    auto* railLayout = new QVBoxLayout(rail);
    railLayout->addWidget(RadioButton1);
    railLayout->addWidget(RadioButton2);

    auto* flaps = new QGroupBox(text("optionsFlaps"));
    ComboBox1 = new QComboBox;
    ComboBox1->setObjectName("ComboBox1");
    ComboBox2 = new QComboBox;
    ComboBox2->setObjectName("ComboBox2");
    fillList(ComboBox1, options.colourList());
    fillList(ComboBox2, options.colourList());
    auto* flapLayout = new QFormLayout(flaps);
    flapLayout->addRow(text("optionsFull"), ComboBox1);
    flapLayout->addRow(text("optionsEmpty"), ComboBox2);

    CheckBox1 = new QCheckBox(text("optionsScale"));
    CheckBox2 = new QCheckBox(text("optionsInsulation"));
    CheckBox3 = new QCheckBox(text("optionsSpringTop"));
    CheckBox4 = new QCheckBox(text("optionsSpringBottom"));
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
    RadioButton3 = new QRadioButton(text("optionsSwitch"));
    RadioButton3->setObjectName("RadioButton3");
    RadioButton4 = new QRadioButton(text("optionsTransmitter"));
    RadioButton4->setObjectName("RadioButton4");
    ComboBox3 = new QComboBox;
    ComboBox3->setObjectName("ComboBox3");
    fillList(ComboBox3, electricSwitchList());
    ComboBox5 = new QComboBox;
    ComboBox5->setObjectName("ComboBox5");
    fillList(ComboBox5, electricTransmitterList());
    auto* layout = new QGridLayout(page);
    layout->addWidget(RadioButton3, 0, 0);
    layout->addWidget(RadioButton4, 1, 0);
    layout->addWidget(ComboBox3, 0, 1);
    layout->addWidget(ComboBox5, 1, 1);
    layout->setRowStretch(2, 1);
    return page;
}

void TOptionenForm::showOptions() {
    const QSignalBlocker quietEdit(Edit6);
    ComboBox4->setCurrentIndex(options.typeEntry);
    MIDI_Frame->setVisible(options.frame == OptionFrame::Midi);
    Standard_Frame->setVisible(options.frame == OptionFrame::Standard);
    MIDI_Frame->showChoice();
    Standard_Frame->showChoice();
    // The field keeps the user's cursor while its own text is shown back.
    const QString height = QString::fromStdString(options.displayHeightText);
    if (Edit6->text() != height) Edit6->setText(height);
    ComboBox1->setCurrentIndex(options.fullColourEntry);
    ComboBox2->setCurrentIndex(options.emptyColourEntry);
    (options.railAluminium() ? RadioButton2 : RadioButton1)->setChecked(true);
    const std::pair<QCheckBox*, bool> boxes[] = {{CheckBox1, options.scaleChecked()},
                                                 {CheckBox2, options.insulationChecked()},
                                                 {CheckBox3, options.springTopChecked()},
                                                 {CheckBox4, options.springBottomChecked()}};
    for (const auto& [box, checked] : boxes) box->setChecked(checked);
    Image1->showChamberOf(options.state());
}

void TOptionenForm::showEvent(QShowEvent* event) {
    showOptions();
    TGradientForm::showEvent(event);
}
