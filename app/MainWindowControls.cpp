// The view area of the main window: the GL view, the callout labels at the top left and the button
// row at the bottom left over it, shown as the core's models say, and the view's input handed to
// the core.
#include "app/CalloutLabel.h"
#include "app/GLView.h"
#include "app/ImageButton.h"
#include "app/MainWindow.h"
#include "app/ViewArea.h"

#include <QApplication>
#include <QMainWindow>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QScreen>
#include <QToolTip>
#include <QTouchEvent>

void TfrmCube::createView() {
    glView = new GLView(viewer);
    viewHost = new ViewArea(glView);
    connect(glView, &GLView::frameSwapped, viewHost, &ViewArea::viewPresented);
    limitViewToScreens();
    connect(qApp, &QGuiApplication::screenAdded, this, &TfrmCube::limitViewToScreens);
    connect(qApp, &QGuiApplication::screenRemoved, this, &TfrmCube::limitViewToScreens);
    dock->setCentralWidget(viewHost);

    glView->onInput = [this](QEvent* e) { return viewInput(e); };
    leftStripHint.setSingleShot(true);
    leftStripHint.setInterval(700);
    connect(&leftStripHint, &QTimer::timeout, this, [this] {
        QToolTip::showText(leftStripHintAt, QString::fromStdString(viewer.text("Image1")));
        leftStripTipShown = true;
    });
    glView->onResized = [this](int w, int h) { FormResize(w, h); };
}

// The view never grows beyond what the screens can show: a window made far larger through the
// window system would otherwise make the renderer hold buffers of that size.
void TfrmCube::limitViewToScreens() {
    QRect all;
    for (const QScreen* screen : QGuiApplication::screens()) all |= screen->geometry();
    viewHost->setLimit(all.isEmpty() ? QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX) : all.size());
}

// The view's input to the core, in the view's own coordinates.
bool TfrmCube::viewInput(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        viewer.FormMouseDown(at.x(), at.y());
        return true;
    }
    case QEvent::MouseMove: {
        const auto* move = static_cast<QMouseEvent*>(event);
        const QPoint at = move->position().toPoint();
        hoverLeftStrip(at.x(), at.y());
        unsigned buttons = 0;
        if (move->buttons() & Qt::LeftButton) buttons |= LeftButton;
        if (move->buttons() & Qt::RightButton) buttons |= RightButton;
        if (move->buttons() & Qt::MiddleButton) buttons |= MiddleButton;
        viewer.FormMouseMove(at.x(), at.y(), buttons, move->modifiers() & Qt::ShiftModifier);
        return true;
    }
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->position().x() < leftStripWidth)
            viewer.Image1DblClick();
        return true;
    case QEvent::Wheel:
        viewer.FormMouseWheel(static_cast<QWheelEvent*>(event)->angleDelta().y());
        return true;
    case QEvent::NativeGesture:
        viewGesture(static_cast<QNativeGestureEvent*>(event));
        return true;
    default: // the touches
        viewTouch(static_cast<QTouchEvent*>(event));
        return true;
    }
}

void TfrmCube::viewTouch(QTouchEvent* event) {
    std::vector<TouchPoint> points;
    for (const QEventPoint& point : event->points())
        points.push_back({float(point.position().x()), float(point.position().y()),
                          float(point.lastPosition().x()), float(point.lastPosition().y())});
    viewer.FormTouch(points, event->type() == QEvent::TouchEnd);
}

// A touchpad's pinch zooms, its rotation turns the model.
void TfrmCube::viewGesture(QNativeGestureEvent* event) {
    if (event->gestureType() == Qt::ZoomNativeGesture)
        viewer.FormGesture(Gesture::Zoom, float(event->value()));
    else if (event->gestureType() == Qt::RotateNativeGesture)
        viewer.FormGesture(Gesture::Rotate, float(event->value()));
}

// The strip's tooltip: shown once the pointer has rested on the strip, hidden when it leaves.
void TfrmCube::hoverLeftStrip(int x, int y) {
    if (x < leftStripWidth) {
        leftStripHintAt = glView->mapToGlobal(QPoint(x, y));
        if (!leftStripTipShown && !leftStripHint.isActive()) leftStripHint.start();
        return;
    }
    leftStripHint.stop();
    if (leftStripTipShown) QToolTip::hideText();
    leftStripTipShown = false;
}

void TfrmCube::addControl(QWidget* control) {
    viewHost->addControl(control);
    control->installEventFilter(this); // the wheel
}

// The callouts and the buttons, one widget for each entry of the core's models.
void TfrmCube::createControls() {
    for (const CalloutModel& model : viewer.callouts()) {
        const QString name = QString::fromStdString(model.name);
        auto* label = new CalloutLabel(QString::fromStdString(model.caption));
        if (model.inButtonRow) {
            QFont bold = label->font();
            bold.setBold(true);
            bold.setPixelSize(name == "Label6" ? 21 : 19);
            label->setFont(bold);
            label->setAlignment(Qt::AlignCenter);
        }
        addControl(label);
        callouts[name] = label;
        connect(label, &CalloutLabel::clicked, this, [this, label] { Label1Click(label); });
        connect(label, &CalloutLabel::hovered, this,
                [this, name] { viewer.Label1MouseMove(name.toStdString()); });
    }
    for (const ButtonModel& model : viewer.buttons()) {
        const QString name = QString::fromStdString(model.name);
        auto* button = new ImageButton;
        addControl(button);
        buttons[name] = button;
        connect(button, &ImageButton::hovered, this,
                [this, name] { viewer.ButtonHovered(name.toStdString()); });
    }
    connect(buttons.at("Start_Stop_Image"), &ImageButton::clicked, this,
            [this] { viewer.Start_Stop_ImageClick(); });
    connect(buttons.at("Start_Stop_Image_UpDown"), &ImageButton::clicked, this,
            [this] { viewer.Start_Stop_Image_UpDownClick(); });
    for (const auto& zoom :
         {std::pair{"ZoomIn_Image", &ZoomInTimer}, std::pair{"ZoomOut_Image", &ZoomOutTimer}}) {
        const char* name = zoom.first;
        QTimer* timer = zoom.second;
        ImageButton* button = buttons.at(name);
        connect(button, &ImageButton::pressed, this, [this, name, timer] {
            viewer.ZoomButtonPressed(name);
            timer->start();
        });
        // Zooming ends on release, and also when the pointer leaves the button (a popup or
        // another window may have taken the mouse, so the release would never come).
        connect(button, &ImageButton::released, this, &TfrmCube::stopZooming);
        connect(button, &ImageButton::left, this, &TfrmCube::stopZooming);
    }
}

void TfrmCube::stopZooming() {
    viewer.ZoomButtonReleased();
    ZoomInTimer.stop();
    ZoomOutTimer.stop();
}

void TfrmCube::showCallouts() {
    const int rowTop = buttonRowTop(viewer.viewHeight());
    for (const CalloutModel& model : viewer.callouts()) {
        CalloutLabel* label = callouts.at(QString::fromStdString(model.name));
        label->setGeometry(model.left, model.inButtonRow ? rowTop : model.top, model.width,
                           model.height);
        label->setText(QString::fromStdString(model.caption));
        label->setToolTip(QString::fromStdString(model.tooltip));
        if (!model.inButtonRow) label->setActive(model.active);
        label->setTextColour(model.hovered ? QColor(0, 0, 255) : QColor(Qt::white));
    }
}

void TfrmCube::showButtons() {
    const int rowTop = buttonRowTop(viewer.viewHeight());
    for (const ButtonModel& model : viewer.buttons()) {
        ImageButton* button = buttons.at(QString::fromStdString(model.name));
        button->move(model.left, rowTop);
        button->setToolTip(QString::fromStdString(model.tooltip));
        button->setPicture(model.picture, model.highlighted);
    }
}

void TfrmCube::Label1Click(CalloutLabel* label) {
    for (const auto& [name, callout] : callouts)
        if (callout == label) viewer.Label1Click(name.toStdString());
}

CalloutLabel* TfrmCube::callout(const QString& name) const {
    const auto it = callouts.find(name);
    return it == callouts.end() ? nullptr : it->second;
}

ImageButton* TfrmCube::imageButton(const QString& name) const {
    const auto it = buttons.find(name);
    return it == buttons.end() ? nullptr : it->second;
}
