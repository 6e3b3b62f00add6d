#include "dialogs/Color.h"

#include "config/Language.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <cmath>

namespace {

QScrollBar* makeSlider(QWidget* parent) {
    auto* slider = new QScrollBar(Qt::Horizontal, parent);
    slider->setRange(0, 255);
    slider->setSingleStep(1);
    slider->setPageStep(10);
    slider->setMinimumWidth(220);
    return slider;
}

} // namespace

int colourByte(float component) {
    if (!(component > 0)) return 0; // NaN too
    if (component > 1) return 255;
    return int(std::nearbyint(component * 255.0f));
}

TColor_dlg::TColor_dlg(SceneState& state, std::function<void()> applied, QWidget* parent)
    : TGradientForm(state.languageCode, FormBorder::Dialog, parent), state(state),
      applied(std::move(applied)) {
    setAttribute(Qt::WA_QuitOnClose, false);
    QWidget* area = clientArea();

    ScrollBar1 = makeSlider(area);
    ScrollBar2 = makeSlider(area);
    ScrollBar3 = makeSlider(area);
    Label1 = new QLabel(area);
    Label2 = new QLabel(area);
    Label3 = new QLabel(area);
    Shape1 = new QFrame(area);
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setAutoFillBackground(true);
    Shape1->setFixedSize(90, 90);
    BitBtn1 = new QPushButton(area);
    BitBtn2 = new QPushButton(area);
    BitBtn3 = new QPushButton(area);
    BitBtn4 = new QPushButton(area);

    auto* sliders = new QGridLayout;
    sliders->setHorizontalSpacing(10);
    sliders->setVerticalSpacing(16);
    const std::pair<QLabel*, QScrollBar*> rows[] = {
        {Label1, ScrollBar1}, {Label2, ScrollBar2}, {Label3, ScrollBar3}};
    for (int row = 0; row < 3; ++row) {
        rows[row].first->setMinimumWidth(40);
        sliders->addWidget(rows[row].first, row, 0);
        sliders->addWidget(rows[row].second, row, 1);
    }
    sliders->addWidget(Shape1, 0, 2, 3, 1, Qt::AlignCenter);
    sliders->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {BitBtn1, BitBtn2, BitBtn3, BitBtn4}) buttons->addWidget(button);

    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(12, 12, 12, 12);
    column->setSpacing(16);
    column->addLayout(sliders);
    column->addLayout(buttons);

    // The designed texts are the German ones; every show sets them by the interface language.
    setTexts(true);

    for (QScrollBar* slider : {ScrollBar1, ScrollBar2, ScrollBar3})
        connect(slider, &QScrollBar::valueChanged, this, &TColor_dlg::ScrollBarChange);
    connect(BitBtn1, &QPushButton::clicked, this, &TColor_dlg::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TColor_dlg::close);
    connect(BitBtn3, &QPushButton::clicked, this, &TColor_dlg::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TColor_dlg::Apply);
}

QColor TColor_dlg::sliderColour() const {
    return QColor(ScrollBar1->value(), ScrollBar2->value(), ScrollBar3->value());
}

void TColor_dlg::showEvent(QShowEvent* event) {
    FormShow();
    TGradientForm::showEvent(event);
}

void TColor_dlg::FormShow() {
    ScrollBar1->setValue(colourByte(state.backgroundRed));
    ScrollBar2->setValue(colourByte(state.backgroundGreen));
    ScrollBar3->setValue(colourByte(state.backgroundBlue));
    ScrollBarChange();
    applyLanguage();
}

void TColor_dlg::applyLanguage() {
    setTexts(isGerman(state.languageCode));
}

void TColor_dlg::setTexts(bool german) {
    const auto text = [german](const char* germanText, const char* englishText) {
        return QString::fromUtf8(german ? germanText : englishText);
    };
    setWindowTitle(text("Hintergrund Farbe", "Background Color"));
    Label1->setText(text("rot", "red"));
    Label2->setText(text("gr\u00FCn", "green"));
    Label3->setText(text("blau", "blue"));
    BitBtn1->setText(text("&Ok", "&Ok"));
    BitBtn2->setText(text("&Abbruch", "&Close"));
    BitBtn3->setText(text("&Default", "&Default"));
    BitBtn4->setText(text("\u00DCbernehmen", "&Apply"));
}

void TColor_dlg::ScrollBarChange() {
    QPalette swatch = Shape1->palette();
    swatch.setColor(QPalette::Window, sliderColour());
    Shape1->setPalette(swatch);
}

void TColor_dlg::Apply() {
    state.backgroundRed = ScrollBar1->value() / 255.0f;
    state.backgroundGreen = ScrollBar2->value() / 255.0f;
    state.backgroundBlue = ScrollBar3->value() / 255.0f;
    if (applied) applied();
}

void TColor_dlg::BitBtn1Click() {
    Apply();
    close();
}

void TColor_dlg::BitBtn3Click() {
    for (QScrollBar* slider : {ScrollBar1, ScrollBar2, ScrollBar3}) slider->setValue(0);
    Apply();
}
