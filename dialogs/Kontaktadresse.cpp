#include "dialogs/Kontaktadresse.h"

#include "config/Language.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const companyName = "Example Level Instruments";
const char* const mailAddress = "info@example.com";
const char* const webAddress = "www.example.com";

QLabel* linkLabel(const char* text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setStyleSheet("color: blue; text-decoration: underline;");
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace

TKontaktadresseForm::TKontaktadresseForm(const SceneState& state, QWidget* parent)
    : TGradientForm(state.languageCode, FormBorder::Dialog, parent),
      openUrl([](const QUrl& url) { QDesktopServices::openUrl(url); }), state(state) {
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(companyName);
    setMinimumWidth(360); // room for the whole company name in the caption
    QWidget* area = clientArea();

    Heading = new QLabel(area);
    QFont headingFont = Heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.5);
    headingFont.setBold(true);
    Heading->setFont(headingFont);

    auto* company = new QLabel(QString(companyName) + " Ltd.", area);
    QFont bold = company->font();
    bold.setBold(true);
    company->setFont(bold);
    auto* town = new QLabel("Sample Street 1, 00000 Sampletown", area);

    EMail = linkLabel(mailAddress, area);
    Website = linkLabel(webAddress, area);
    EMail->installEventFilter(this);
    Website->installEventFilter(this);

    auto* details = new QGridLayout;
    details->setHorizontalSpacing(14);
    const std::pair<const char*, QWidget*> rows[] = {
        {"Telefon:", new QLabel("+00 123 456 780", area)},
        {"Fax:", new QLabel("+00 123 456 789", area)},
        {"E-Mail:", EMail},
        {"Webseite:", Website}};
    int row = 0;
    for (const auto& [caption, value] : rows) {
        details->addWidget(new QLabel(caption, area), row, 0);
        details->addWidget(value, row++, 1);
    }
    details->setColumnStretch(1, 1);

    auto* footer = new QLabel("Level measurement you can see.", area);
    footer->setStyleSheet("color: gray;");

    BitBtn1 = new QPushButton("&OK", area);
    BitBtn1->setFixedWidth(90);
    connect(BitBtn1, &QPushButton::clicked, this, &TKontaktadresseForm::close);

    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(18, 14, 18, 14);
    column->setSpacing(6);
    column->addWidget(Heading);
    column->addSpacing(8);
    column->addWidget(company);
    column->addWidget(town);
    column->addSpacing(8);
    column->addLayout(details);
    column->addSpacing(10);
    column->addWidget(footer);
    column->addSpacing(6);
    column->addWidget(BitBtn1, 0, Qt::AlignHCenter);

    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &TKontaktadresseForm::setHeading);
    Timer1.start();
}

void TKontaktadresseForm::setHeading() {
    Heading->setText(isGerman(state.languageCode) ? "Kontakt Adresse" : "Contact Address");
}

void TKontaktadresseForm::showEvent(QShowEvent* event) {
    setHeading();
    TGradientForm::showEvent(event);
}

bool TKontaktadresseForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == EMail) EMailClick();
        if (watched == Website) WebsiteClick();
    }
    return TGradientForm::eventFilter(watched, event);
}

void TKontaktadresseForm::EMailClick() {
    openUrl(QUrl(QString("mailto:") + mailAddress));
}

void TKontaktadresseForm::WebsiteClick() {
    openUrl(QUrl(QString("http://") + webAddress));
}
