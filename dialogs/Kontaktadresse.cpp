#include "dialogs/Kontaktadresse.h"

#include "config/Language.h"
#include "core/WindowTexts.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString text(const std::string& value) {
    return QString::fromStdString(value);
}
QString caption(const char* key) {
    return QString::fromStdString(std::string(germanCaptions().textOf(key)));
}

QLabel* linkLabel(const std::string& address, QWidget* parent) {
    auto* label = new QLabel(text(address), parent);
    label->setStyleSheet("color: blue; text-decoration: underline;");
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

// The heading's text follows the language; it is set when the window shows.
QLabel* headingLabel(QWidget* parent) {
    auto* heading = new QLabel(parent);
    QFont font = heading->font();
    font.setPointSizeF(font.pointSizeF() * 1.5);
    font.setBold(true);
    heading->setFont(font);
    return heading;
}

QLabel* companyLabel(QWidget* parent) {
    auto* company = new QLabel(text(contactDetails().companyLine), parent);
    QFont bold = company->font();
    bold.setBold(true);
    company->setFont(bold);
    return company;
}

// Telephone, fax and the two links, each after its caption.
QGridLayout* detailsGrid(QWidget* parent, QLabel* mail, QLabel* web) {
    auto* details = new QGridLayout;
    details->setHorizontalSpacing(14);
    const std::pair<const char*, QWidget*> rows[] = {
        {"contactTelephone", new QLabel(text(contactDetails().telephone), parent)},
        {"contactFax", new QLabel(text(contactDetails().fax), parent)},
        {"contactMail", mail},
        {"contactWeb", web}};
    int row = 0;
    for (const auto& [key, value] : rows) {
        details->addWidget(new QLabel(caption(key), parent), row, 0);
        details->addWidget(value, row++, 1);
    }
    details->setColumnStretch(1, 1);
    return details;
}

QLabel* footerLabel(QWidget* parent) {
    auto* footer = new QLabel(text(contactDetails().footer), parent);
    footer->setStyleSheet("color: gray;");
    return footer;
}

} // namespace

TKontaktadresseForm::TKontaktadresseForm(const SceneState& state, QWidget* parent)
    : TGradientForm(state.languageCode, FormBorder::Dialog, parent),
      openUrl([](const QUrl& url) { QDesktopServices::openUrl(url); }), state(state) {
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(text(contactDetails().company));
    setMinimumWidth(360); // room for the whole company name in the caption
    QWidget* area = clientArea();

    Heading = headingLabel(area);
    QLabel* company = companyLabel(area);
    auto* town = new QLabel(text(contactDetails().address), area);
    EMail = linkLabel(contactDetails().mail, area);
    Website = linkLabel(contactDetails().web, area);
    EMail->installEventFilter(this);
    Website->installEventFilter(this);
    QGridLayout* details = detailsGrid(area, EMail, Website);
    QLabel* footer = footerLabel(area);
    BitBtn1 = new QPushButton("&OK", area);
    BitBtn1->setFixedWidth(90);
    connect(BitBtn1, &QPushButton::clicked, this, &TKontaktadresseForm::close);
    layOutColumn(company, town, details, footer);

    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &TKontaktadresseForm::setHeading);
    Timer1.start();
}

// Heading, address, details and footer one below the other, the OK button centred at the foot.
void TKontaktadresseForm::layOutColumn(QLabel* company, QLabel* town, QGridLayout* details,
                                       QLabel* footer) {
    auto* column = new QVBoxLayout(clientArea());
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
}

void TKontaktadresseForm::setHeading() {
    Heading->setText(QString::fromStdString(
        std::string(captionsFor(state.languageCode).textOf("contactHeading"))));
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
    openUrl(QUrl(text(mailLink())));
}

void TKontaktadresseForm::WebsiteClick() {
    openUrl(QUrl(text(webLink())));
}
