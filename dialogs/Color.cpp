#include "dialogs/Color.h"

#include "config/Language.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <QSignalBlocker>

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

TColor_dlg::TColor_dlg(ColourChoice& colour, const std::string& languageCode, QWidget* parent)
    : TGradientForm(languageCode, FormBorder::Dialog, parent), colour(colour),
      languageCode(languageCode) {
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

    showTexts();

    int slider = 0;
    for (QScrollBar* bar : {ScrollBar1, ScrollBar2, ScrollBar3}) {
        connect(bar, &QScrollBar::valueChanged, this,
                [this, slider](int position) { this->colour.ScrollBarChange(slider, position); });
        ++slider;
    }
    connect(BitBtn1, &QPushButton::clicked, this, &TColor_dlg::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TColor_dlg::close);
    connect(BitBtn3, &QPushButton::clicked, this, [this] { this->colour.BitBtn3Click(); });
    connect(BitBtn4, &QPushButton::clicked, this, [this] { this->colour.Apply(); });
}

QColor TColor_dlg::sliderColour() const {
    return QColor(ScrollBar1->value(), ScrollBar2->value(), ScrollBar3->value());
}

void TColor_dlg::showEvent(QShowEvent* event) {
    colour.FormShow();
    showTexts();
    TGradientForm::showEvent(event);
}

void TColor_dlg::showTexts() {
    const CaptionSet& texts = captionsFor(languageCode);
    const auto text = [&texts](const char* key) {
        return QString::fromStdString(std::string(texts.textOf(key)));
    };
    setWindowTitle(text("colourCaption"));
    Label1->setText(text("colourRed"));
    Label2->setText(text("colourGreen"));
    Label3->setText(text("colourBlue"));
    BitBtn1->setText(text("colourOk"));
    BitBtn2->setText(text("colourClose"));
    BitBtn3->setText(text("colourDefault"));
    BitBtn4->setText(text("colourApply"));
}

void TColor_dlg::showChoice() {
    const std::array<int, 3>& sliders = colour.sliders();
    int index = 0;
    for (QScrollBar* bar : {ScrollBar1, ScrollBar2, ScrollBar3}) {
        const QSignalBlocker quiet(bar);
        bar->setValue(sliders[std::size_t(index++)]);
    }
    QPalette swatch = Shape1->palette();
    swatch.setColor(QPalette::Window, sliderColour());
    Shape1->setPalette(swatch);
}

void TColor_dlg::BitBtn1Click() {
    colour.Apply();
    close();
}
