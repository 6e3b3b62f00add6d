#include "dialogs/aboutdlg.h"

#include "core/WindowTexts.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadialGradient>
#include <QTextEdit>
#include <QTime>

namespace {

constexpr int holeRadius = 25;
constexpr int holeInset = 90;

QRegion hole(int x, int y) {
    return QRegion(x - holeRadius, y - holeRadius, 2 * holeRadius, 2 * holeRadius,
                   QRegion::Ellipse);
}

} // namespace

// A rounded rectangle from (5, 10) to (width - 10, height - 10) whose corner ellipses are as
// large as the window: the corners swallow the straight edges and leave an ellipse.
QRegion aboutRegion(QSize size) {
    const int w = size.width();
    const int h = size.height();
    QPainterPath outline;
    outline.addRoundedRect(QRectF(QPointF(5, 10), QPointF(w - 10, h - 10)), w / 2.0, h / 2.0);
    QRegion shape(outline.toFillPolygon().toPolygon());
    for (const QPoint centre :
         {QPoint(holeInset, holeInset), QPoint(w - holeInset, holeInset),
          QPoint(holeInset, h - holeInset), QPoint(w - holeInset, h - holeInset)})
        shape -= hole(centre.x(), centre.y());
    return shape;
}

TAboutForm::TAboutForm(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle("About");
    setFixedSize(500, 420);

    Label1 = new QLabel(this);
    Label1->setGeometry(175, 42, 150, 30);
    Label1->setAlignment(Qt::AlignCenter);
    QFont clockFont = Label1->font();
    clockFont.setPixelSize(20);
    clockFont.setBold(true);
    Label1->setFont(clockFont);
    Label1->setStyleSheet("color: white;");

    Memo1 = new QTextEdit(this);
    Memo1->setGeometry(130, 102, 240, 206);
    Memo1->setReadOnly(true);
    Memo1->setTextInteractionFlags(Qt::NoTextInteraction);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setStyleSheet(
        "QTextEdit { background: black; color: rgb(255, 255, 160); font-size: 15px; }");
    Memo1->setPlainText(QString::fromStdString(aboutText()));
    QTextCursor all(Memo1->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    all.mergeBlockFormat(centred);

    // The clock and the text let the mouse through, so the window can be dragged by them too.
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Memo1->setAttribute(Qt::WA_TransparentForMouseEvents);

    Button1 = new QPushButton("OK", this);
    Button1->setGeometry(210, 330, 80, 28);
    connect(Button1, &QPushButton::clicked, this, &TAboutForm::close);

    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &TAboutForm::Timer1Timer);
    Timer1.start();
    Timer1Timer();
}

void TAboutForm::Timer1Timer() {
    Label1->setText(QTime::currentTime().toString("HH:mm:ss"));
}

void TAboutForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRadialGradient glow(rect().center(), width() / 2.0);
    glow.setColorAt(0, QColor(70, 110, 230));
    glow.setColorAt(1, QColor(0, 0, 90));
    p.fillRect(rect(), glow);
}

void TAboutForm::resizeEvent(QResizeEvent* event) {
    setMask(aboutRegion(size()));
    QWidget::resizeEvent(event);
}

void TAboutForm::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressPoint = event->position().toPoint();
}

void TAboutForm::mouseMoveEvent(QMouseEvent* event) {
    if (pressPoint && (event->buttons() & Qt::LeftButton))
        move(pos() + event->position().toPoint() - *pressPoint);
}

void TAboutForm::mouseReleaseEvent(QMouseEvent*) {
    pressPoint.reset();
}
