#include "app/FpsWindow.h"

#include "app/frame/ViewReadout.h"

#include <QPainter>

Tfps_Form1::Tfps_Form1(const SceneState& state, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), state(state) {
    setWindowTitle("Frame");
    setFixedSize(343, 138);
    Label1 = new QLabel(this);
    Label1->move(8, 8);
    Label1->setMinimumWidth(120);
    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &Tfps_Form1::Timer1Timer);
    Timer1.start();
}

void Tfps_Form1::Timer1Timer() {
    const auto texts = ViewReadoutLines(state);
    for (size_t i = 0; i < texts.size(); ++i) lines[i] = QString::fromStdString(texts[i]);
    update();
}

void Tfps_Form1::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QFont font = painter.font();
    font.setStyleHint(QFont::Monospace);
    font.setFamily("Monospace");
    painter.setFont(font);
    for (size_t i = 0; i < lines.size(); ++i)
        painter.drawText(QRect(10, 20 + 15 * int(i), 330, 15), Qt::AlignLeft | Qt::AlignTop,
                         lines[i]);
}
