#include "app/FpsWindow.h"

#include "app/frame/ViewReadout.h"

#include <QEvent>
#include <QPainter>

Tfps_Form1::Tfps_Form1(Viewer& viewer, QWidget* parent)
    : TGradientForm(viewer.state().languageCode, FormBorder::Dialog, parent), viewer(viewer) {
    setWindowTitle(QString::fromStdString(viewer.text("fpsCaption")));
    setAttribute(Qt::WA_QuitOnClose, false);
    QWidget* canvas = clientArea();
    canvas->setFixedSize(343, 138);
    canvas->installEventFilter(this);
    Label1 = new QLabel(canvas);
    Label1->move(8, 8);
    Label1->setMinimumWidth(120);
    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &Tfps_Form1::Timer1Timer);
    Timer1.start();
}

void Tfps_Form1::Timer1Timer() {
    Label1->setText(QString::fromStdString(frameRateText(viewer.takeFrameCount())));
    const auto texts = viewReadoutLines(viewer.state());
    for (size_t i = 0; i < texts.size(); ++i) lines[i] = QString::fromStdString(texts[i]);
    clientArea()->update();
}

bool Tfps_Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == clientArea() && event->type() == QEvent::Paint) paintCanvas();
    return TGradientForm::eventFilter(watched, event);
}

// The six view values at x = 10, one line every 15 pixels from y = 20.
void Tfps_Form1::paintCanvas() {
    QPainter painter(clientArea());
    QFont font("Monospace");
    font.setStyleHint(QFont::Monospace);
    painter.setFont(font);
    for (size_t i = 0; i < lines.size(); ++i)
        painter.drawText(QRect(10, 20 + 15 * int(i), 330, 15), Qt::AlignLeft | Qt::AlignTop,
                         lines[i]);
}
