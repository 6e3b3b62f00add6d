// Mouse and wheel events sent straight to the view, as the window system delivers them.
#pragma once

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWindow>

inline void sendWheel(QWindow* view, int delta, QPointF at = QPointF(300, 300)) {
    QWheelEvent event(at, view->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view, &event);
}

inline void sendMove(QWindow* view, QPoint at, Qt::MouseButtons buttons = Qt::NoButton,
                     Qt::KeyboardModifiers keys = Qt::NoModifier) {
    QMouseEvent event(QEvent::MouseMove, QPointF(at), view->mapToGlobal(QPointF(at)), Qt::NoButton,
                      buttons, keys);
    QCoreApplication::sendEvent(view, &event);
}
