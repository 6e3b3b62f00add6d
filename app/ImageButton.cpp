#include "app/ImageButton.h"

#include <QMouseEvent>

ImageButton::ImageButton(QWidget* parent) : QLabel(parent) {
    setFixedSize(25, 25);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

void ImageButton::mousePressEvent(QMouseEvent*) {
    emit pressed();
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event) {
    emit released();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ImageButton::mouseMoveEvent(QMouseEvent*) {
    emit hovered();
}

void ImageButton::leaveEvent(QEvent*) {
    emit left();
}

void ImageButton::setPicture(ButtonPicture picture, bool highlighted) {
    shown = picture;
    shownHighlighted = highlighted;
    setPixmap(buttonPicture(picture, highlighted, devicePixelRatioF()));
}

bool ImageButton::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal) setPicture(shown, shownHighlighted);
    return QLabel::event(event);
}
