#include "app/MainWindow.h"

#include "app/CalloutLabel.h"
#include "app/FpsWindow.h"
#include "app/GLView.h"
#include "app/frame/Demo.h"
#include "app/frame/FrameRender.h"
#include "app/frame/StartScene.h"
#include "app/frame/ViewReadout.h"
#include "config/Language.h"
#include "config/ini/Settings.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QToolBar>

#include <cmath>

namespace {
// A component of a background colour as a Windows colour byte: rounded, halves to even.
int colourByte(float component) {
    return int(std::nearbyint(255.0f * component));
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
    createView();
    setClientWidget(dock);
    fps = new Tfps_Form1(state);

    createCallouts();
    createButtonRow();
    raiseControls();
    createMenus();
    createStepToolbar();

    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, [this] {
        fps->Label1->setText(QString::fromStdString(frameRateText(this->state.frameCount)));
        this->state.frameCount = 0;
    });
    Timer1.start();
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
    for (const char* name : {"Label2", "Label4", "Label5"}) callouts.at(name)->setActive(true);
    showRunningPictures();
}

void TfrmCube::applyBackgroundColour() {
    QPalette background = palette();
    background.setColor(QPalette::Window,
                        QColor(colourByte(state.backgroundRed), colourByte(state.backgroundGreen),
                               colourByte(state.backgroundBlue)));
    setPalette(background);
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
    raiseControls();
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

void TfrmCube::FormMouseMove(int x, int y, Qt::MouseButtons mouseButtons) {
    for (auto& [name, label] : callouts) label->setTextColour(Qt::white);
    if (state.hoverImageActive) {
        showRunningPictures();
        state.hoverImageActive = false;
    }
    if (mouseButtons & Qt::LeftButton) {
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
    WheelZoom(state, delta);
    FormPaint();
}

void TfrmCube::Image1DblClick() {
    TBToolbar1->setVisible(true);
    TBToolbar2->setVisible(true);
}
