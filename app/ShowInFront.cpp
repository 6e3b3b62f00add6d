#include "app/ShowInFront.h"

#include <QWidget>

void ShowInFront(QWidget* window, const QWidget* owner) {
    // Later openings keep the place the user moved the window to.
    if (owner && !window->property("placedOnce").toBool()) {
        window->adjustSize();
        const QRect area = owner->frameGeometry();
        window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
        window->setProperty("placedOnce", true);
    }
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
    window->activateWindow();
}
