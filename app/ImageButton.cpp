#include "app/ImageButton.h"

#include <QMouseEvent>

ImageButton::ImageButton(QWidget* parent) : QLabel(parent) {
    setFixedSize(25, 25);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

void ImageButton::setPicture(ButtonPicture picture, bool highlighted) {
    shown = picture;
    shownHighlighted = highlighted;
    setPixmap(buttonPicture(picture, highlighted, devicePixelRatioF()));
}

bool ImageButton::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        emit pressed();
        return true;
    case QEvent::MouseButtonRelease: {
        const auto* release = static_cast<QMouseEvent*>(event);
        emit released();
        if (release->button() == Qt::LeftButton && rect().contains(release->position().toPoint()))
            emit clicked();
        return true;
    }
    case QEvent::MouseMove:
        emit hovered();
        return true;
    case QEvent::Leave:
        emit left();
        break;
    case QEvent::ScreenChangeInternal: // another screen may have another pixel density
        setPicture(shown, shownHighlighted);
        break;
    default:
        break;
    }
    return QLabel::event(event);
}
