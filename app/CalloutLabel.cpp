#include "app/CalloutLabel.h"

#include <QMouseEvent>

CalloutLabel::CalloutLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setAutoFillBackground(true);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    QFont font("Arial");
    font.setPixelSize(19);
    setFont(font);
    setActive(false);
    setTextColour(Qt::white);
}

void CalloutLabel::setActive(bool active) {
    setPanelColour(active ? QColor(204, 0, 0) : QColor(255, 0, 0));
}

void CalloutLabel::setPanelColour(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

void CalloutLabel::setTextColour(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

QColor CalloutLabel::panelColour() const {
    return palette().color(QPalette::Window);
}
QColor CalloutLabel::textColour() const {
    return palette().color(QPalette::WindowText);
}

void CalloutLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void CalloutLabel::mouseMoveEvent(QMouseEvent*) {
    emit hovered();
}
