#include "app/MainWindow.h"

#include "app/CalloutLabel.h"
#include "app/FpsWindow.h"
#include "app/GLView.h"
#include "app/frame/Demo.h"
#include "app/frame/FrameRender.h"
#include "app/frame/StartScene.h"
#include "config/Language.h"
#include "config/ini/Settings.h"
#include "dialogs/Color.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLineF>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QToolBar>
#include <QTouchEvent>
#include <QWheelEvent>

#include <cmath>

namespace {
// The form's own colour and font are not for the menu bar and the toolbars below it: they keep
// the desktop's, so that their texts stay readable on any background colour. Every role and
// property is set explicitly, which stops the form's from being inherited.
void keepDesktopLook(QWidget* widget) {
    QPalette desktop = QApplication::palette();
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = QPalette::ColorGroup(group);
            const auto r = QPalette::ColorRole(role);
            desktop.setBrush(g, r, desktop.brush(g, r));
        }
    widget->setPalette(desktop);
    QFont font = QApplication::font();
    font.setFamilies(font.families());
    font.setPointSizeF(font.pointSizeF());
    font.setWeight(font.weight());
    font.setItalic(font.italic());
    widget->setFont(font);
}
} // namespace

TfrmCube::TfrmCube(SceneState& state, const std::string& programFolder, QWidget* parent)
    : TGradientForm(state.languageCode, FormBorder::Sizeable, parent), state(state),
      programFolder(programFolder) {
    resize(581, 418);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    QFont font("Arial");
    font.setPixelSize(19);
    setFont(font);

    dock = new QMainWindow(nullptr, Qt::Widget);
    // The bars can be moved and docked, but nothing hides them again once they are shown.
    dock->setContextMenuPolicy(Qt::PreventContextMenu);
    keepDesktopLook(dock);
    createView();
    setClientWidget(dock);
    fps = new Tfps_Form1(state, this); // stays above the main window and goes with it

    createCallouts();
    createButtonRow();
    createMenus();
    createStepToolbar();

    ZoomInTimer.setInterval(40);
    ZoomOutTimer.setInterval(40);
    connect(&ZoomInTimer, &QTimer::timeout, this, [this] {
        ZoomInTick(this->state);
        FormPaint();
    });
    connect(&ZoomOutTimer, &QTimer::timeout, this, [this] {
        ZoomOutTick(this->state);
        FormPaint();
    });

    FormCreate();
}

// The steps of window creation that do not need the GL context; the view enables depth testing
// when its context exists.
void TfrmCube::FormCreate() {
    BuildStartScene(state);
    ReadSettings(state, programFolder);
    applyBackgroundColour();
    showAccessoryStates();
    showRunningPictures();
}

void TfrmCube::applyBackgroundColour() {
    QPalette background = palette();
    background.setColor(QPalette::Window,
                        QColor(colourByte(state.backgroundRed), colourByte(state.backgroundGreen),
                               colourByte(state.backgroundBlue)));
    setPalette(background);
}

void TfrmCube::bringToFront() {
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void TfrmCube::FormPaint() {
    glView->FormPaint();
}

void TfrmCube::FormResize(int clientWidth, int clientHeight) {
    const QSize outer = frameGeometry().size();
    if (outer.height() != state.lastHeight || outer.width() != state.lastWidth) {
        RenderScene(state, clientWidth, clientHeight);
        state.lastHeight = outer.height();
        state.lastWidth = outer.width();
    }
    const qreal ratio = glView->devicePixelRatio();
    ApplyProjection(int(clientWidth * ratio), int(clientHeight * ratio));
    for (auto& [name, panel] : buttonPanels) panel->move(panel->x(), clientHeight - 48);
}

void TfrmCube::showEvent(QShowEvent* event) {
    TGradientForm::showEvent(event);
    if (isGerman(state.languageCode))
        ApplyGermanCaptions();
    else
        ApplyEnglishCaptions();
    // Both demos run from the start, so the first redraw request starts the animation.
    QTimer::singleShot(0, this, [this] { FormPaint(); });
}

void TfrmCube::closeEvent(QCloseEvent* event) {
    state.levelDemoRunning = false;
    state.swingDemoRunning = false;
    WriteSettings(state); // a failed write leaves the old file and is not reported
    if (onClose) onClose();
    event->accept();
}

QAction* TfrmCube::menuItem(const QString& name) const {
    const auto it = items.find(name);
    return it == items.end() ? nullptr : it->second;
}

CalloutLabel* TfrmCube::callout(const QString& name) const {
    const auto it = callouts.find(name);
    return it == callouts.end() ? nullptr : it->second;
}

ImageButton* TfrmCube::imageButton(const QString& name) const {
    const auto it = buttons.find(name);
    return it == buttons.end() ? nullptr : it->second;
}

void TfrmCube::FormMouseDown(int x, int y) {
    lastMouseX = x;
    lastMouseY = y;
}

void TfrmCube::FormMouseMove(int x, int y, Qt::MouseButtons mouseButtons,
                             Qt::KeyboardModifiers modifiers) {
    for (auto& [name, label] : callouts) label->setTextColour(Qt::white);
    if (state.hoverImageActive) {
        showRunningPictures();
        state.hoverImageActive = false;
    }
    hoverLeftStrip(x, y);
    if ((mouseButtons & Qt::LeftButton) && (modifiers & Qt::ShiftModifier)) {
        Orbit(state, float(x - lastMouseX) * orbitDegreesPerPixel,
              float(y - lastMouseY) * orbitDegreesPerPixel);
        FormPaint();
        lastMouseX = x;
        lastMouseY = y;
    } else if (mouseButtons & Qt::LeftButton) {
        Pan(state, x - lastMouseX, y - lastMouseY);
        if (!state.levelDemoRunning) FormPaint();
        lastMouseX = x;
        lastMouseY = y;
    } else if (mouseButtons & Qt::RightButton) {
        // The options gesture: the top-right pixel of the client area.
        if (x == glView->width() - 1 && y == 0 && secondary.showOptions) secondary.showOptions();
    } else if (SetLevelFromPointer(state, x, y, glView->height())) {
        FormPaint();
    }
}

void TfrmCube::FormMouseWheel(int delta) {
    WheelZoom(state, wheel.take(delta));
    FormPaint();
}

void TfrmCube::wheelEvent(QWheelEvent* event) {
    FormMouseWheel(event->angleDelta().y());
}

// The controls over the view are windows of their own, from which nothing reaches this window,
// and the bars take the wheel for themselves.
bool TfrmCube::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    return TGradientForm::eventFilter(watched, event);
}

void TfrmCube::FormTouch(QTouchEvent* event) {
    const QList<QEventPoint>& points = event->points();
    const qsizetype fingers = event->type() == QEvent::TouchEnd ? 0 : points.size();
    if (points.size() == 1) {
        const QPoint at = points.front().position().toPoint();
        // A drag starts where the finger is, also when a second finger has just been lifted.
        if (touchFingers != 1)
            FormMouseDown(at.x(), at.y());
        else
            FormMouseMove(at.x(), at.y(), Qt::LeftButton);
    } else if (points.size() >= 2 && touchFingers >= 2) {
        const QLineF now(points[0].position(), points[1].position());
        const QLineF before(points[0].lastPosition(), points[1].lastPosition());
        if (before.length() > 0 && now.length() > 0) {
            PinchZoom(state, float(now.length() / before.length()));
            const qreal turn = before.angleTo(now); // counter-clockwise, 0 .. 360
            const qreal tilt = now.center().y() - before.center().y();
            Orbit(state, float(turn > 180 ? turn - 360 : turn), float(tilt) * orbitDegreesPerPixel);
            FormPaint();
        }
    }
    touchFingers = fingers;
}

void TfrmCube::FormGesture(QNativeGestureEvent* event) {
    switch (event->gestureType()) {
    case Qt::ZoomNativeGesture:
        PinchZoom(state, float(1 + event->value()));
        break;
    case Qt::RotateNativeGesture:
        Orbit(state, float(event->value()), 0);
        break;
    default:
        return;
    }
    FormPaint();
}

void TfrmCube::showAccessoryStates() {
    const std::pair<const char*, bool> flags[] = {{"Label4", state.switch1Visible},
                                                  {"Label5", state.transmitterVisible},
                                                  {"Label2", state.scaleVisible},
                                                  {"Label1", state.insulationVisible},
                                                  {"Label3", state.springTopVisible}};
    for (const auto& [name, shown] : flags) callouts.at(name)->setActive(shown);
}

// A held zoom button zooms only while it is held: losing the window's focus ends it as well.
void TfrmCube::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) stopZooming();
    TGradientForm::changeEvent(event);
}

void TfrmCube::stopZooming() {
    ZoomInTimer.stop();
    ZoomOutTimer.stop();
}

// In full screen the bars appear when it is left.
void TfrmCube::Image1DblClick() {
    if (isFullScreen())
        barsShownBeforeFullScreen = true;
    else
        showBars(true);
}

void TfrmCube::showBars(bool shown) {
    TBToolbar1->setVisible(shown);
    TBToolbar2->setVisible(shown);
}
