#include "app/ViewArea.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>

ViewArea::ViewArea(QWindow* view, QWidget* parent) : QWidget(parent), view(view) {}

// The controls and the view go before the main window's own window, their parent.
ViewArea::~ViewArea() {
    for (const QPointer<QWidget>& control : controls) delete control;
    delete view;
}

void ViewArea::addControl(QWidget* control) {
    control->setParent(this);
    controls.emplace_back(control);
}

void ViewArea::setLimit(QSize size) {
    limit = size;
    place();
}

bool ViewArea::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::Show:
        // The first time once the main window's own window is shown too.
        if (view && embedded)
            view->show();
        else
            QTimer::singleShot(0, this, &ViewArea::embed);
        break;
    case QEvent::Hide:
        if (view) view->hide();
        break;
    case QEvent::Move:
    case QEvent::Resize:
        place();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

// The area moves with every ancestor up to the main window (bars shown, caption bar hidden).
bool ViewArea::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize) place();
    return QWidget::eventFilter(watched, event);
}

void ViewArea::embed() {
    if (embedded || !view || !isVisible() || !window()->windowHandle()) return;
    embedded = true;
    for (QWidget* ancestor = parentWidget(); ancestor && ancestor != window();
         ancestor = ancestor->parentWidget())
        ancestor->installEventFilter(this);
    view->setParent(window()->windowHandle());
    place();
    view->show();
    if (!onWayland()) raiseControls();
}

// On Wayland a window inside the view's window is only mapped once the view has a frame.
void ViewArea::viewPresented() {
    if (onWayland() && !controlsInView) moveControlsIntoView();
}

void ViewArea::setControlsShown(bool shown) {
    controlsShown = shown;
    for (const QPointer<QWidget>& control : controls)
        if (control) control->setVisible(shown);
}

bool ViewArea::onWayland() {
    return QGuiApplication::platformName() == "wayland";
}

// Wayland stacks child windows in the order they are first shown and cannot raise them; a window
// inside the view's window always stands above the view.
void ViewArea::moveControlsIntoView() {
    controlsInView = true;
    for (const QPointer<QWidget>& control : controls) {
        if (!control) continue;
        const QRect placed = control->geometry();
        control->setParent(nullptr,
                           Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
        control->setAttribute(Qt::WA_ShowWithoutActivating);
        control->setAttribute(Qt::WA_QuitOnClose, false);
        control->winId();
        control->windowHandle()->setParent(view);
        control->setGeometry(placed);
        control->setVisible(controlsShown);
    }
}

// Elsewhere the controls become native children of this area raised over the view, which keeps
// their places the widget's own. Qt makes the siblings of a new native widget native too; every
// control is marked first, so that none of them turns the widgets around it into native windows.
void ViewArea::raiseControls() {
    for (const QPointer<QWidget>& control : controls)
        if (control) control->setAttribute(Qt::WA_DontCreateNativeAncestors);
    for (const QPointer<QWidget>& control : controls) {
        if (!control) continue;
        control->setAttribute(Qt::WA_NativeWindow);
        control->raise();
    }
}

void ViewArea::place() {
    if (embedded && view)
        view->setGeometry(QRect(mapTo(window(), QPoint(0, 0)), size().boundedTo(limit)));
}
