// The view area of the main window: the embedded GL view, the callout labels at the top left and
// the button row at the bottom left over it.
#include "app/CalloutLabel.h"
#include "app/GLView.h"
#include "app/ImageButton.h"
#include "app/MainWindow.h"
#include "app/ViewArea.h"
#include "app/frame/Demo.h"
#include "app/frame/Renderer.h"
#include "config/Language.h"
#include "resources/ButtonPictures.h"

#include <QApplication>
#include <QMainWindow>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QScreen>
#include <QToolTip>
#include <QTouchEvent>

#include <tuple>

namespace {
// The strip along the view's left edge whose double-click shows the menu bar and the toolbar.
constexpr int leftStripWidth = 4;

// The demo buttons show what a click does: stop a running demo, start a stopped one.
ButtonPicture swingPicture(const SceneState& state) {
    return state.swingDemoRunning ? ButtonPicture::Stop : ButtonPicture::Start;
}
ButtonPicture levelPicture(const SceneState& state) {
    return state.levelDemoRunning ? ButtonPicture::StopUpDown : ButtonPicture::StartUpDown;
}
} // namespace

void TfrmCube::createView() {
    glView = new GLView(state);
    viewHost = new ViewArea(glView);
    connect(glView, &GLView::frameSwapped, viewHost, &ViewArea::viewPresented);
    limitViewToScreens();
    connect(qApp, &QGuiApplication::screenAdded, this, &TfrmCube::limitViewToScreens);
    connect(qApp, &QGuiApplication::screenRemoved, this, &TfrmCube::limitViewToScreens);
    dock->setCentralWidget(viewHost);

    glView->onInput = [this](QEvent* e) { return viewInput(e); };
    glView->onRendererKnown = [this](const std::string& renderer) {
        if (!state.smoothEdgesChosen) state.smoothEdges = smoothEdgesByDefault(renderer);
        if (!glView->smoothingAvailable()) state.smoothEdges = false;
    };
    leftStripHint.setSingleShot(true);
    leftStripHint.setInterval(700);
    connect(&leftStripHint, &QTimer::timeout, this, [this] {
        QToolTip::showText(leftStripHintAt, QString::fromStdString(std::string(
                                                captionsFor(state.languageCode).textOf("Image1"))));
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

// The view's input to the handlers, in the view's own coordinates.
bool TfrmCube::viewInput(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        FormMouseDown(at.x(), at.y());
        return true;
    }
    case QEvent::MouseMove: {
        const auto* move = static_cast<QMouseEvent*>(event);
        const QPoint at = move->position().toPoint();
        FormMouseMove(at.x(), at.y(), move->buttons(), move->modifiers());
        return true;
    }
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->position().x() < leftStripWidth) Image1DblClick();
        return true;
    case QEvent::Wheel:
        FormMouseWheel(static_cast<QWheelEvent*>(event)->angleDelta().y());
        return true;
    case QEvent::NativeGesture:
        FormGesture(static_cast<QNativeGestureEvent*>(event));
        return true;
    default: // the touches
        FormTouch(static_cast<QTouchEvent*>(event));
        return true;
    }
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

void TfrmCube::createCallouts() {
    struct Callout {
        const char* name;
        const char* caption;
        int top;
    };
    const Callout accessories[] = {{"Label4", "Schalter", 20},
                                   {"Label5", "Messwertgeber", 60},
                                   {"Label2", "Messskala", 100},
                                   {"Label1", "Armaflex", 140},
                                   {"Label3", "D\u00E4mpfungsfeder", 180}};
    for (const auto& c : accessories) {
        auto* label = new CalloutLabel(QString::fromUtf8(c.caption));
        addControl(label);
        label->setGeometry(8, c.top, 185, 23);
        callouts[c.name] = label;
    }
    for (const auto& [name, caption, left, pixels] :
         {std::tuple{"Label6", "+", 8, 21}, std::tuple{"Label7", "-", 48, 19}}) {
        auto* label = new CalloutLabel(caption);
        addControl(label);
        QFont bold = label->font();
        bold.setBold(true);
        bold.setPixelSize(pixels);
        label->setFont(bold);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(left, 0, 25, 25);
        callouts[name] = label;
        buttonPanels[name] = label;
    }
    for (auto& [name, label] : callouts) {
        connect(label, &CalloutLabel::clicked, this, [this, l = label] { Label1Click(l); });
        connect(label, &CalloutLabel::hovered, this, [this, l = label] { Label1MouseMove(l); });
    }
}

void TfrmCube::createButtonRow() {
    const std::pair<const char*, int> row[] = {{"Start_Stop_Image", 88},
                                               {"Start_Stop_Image_UpDown", 128},
                                               {"ZoomIn_Image", 168},
                                               {"ZoomOut_Image", 208}};
    for (const auto& [name, left] : row) {
        auto* button = new ImageButton;
        addControl(button);
        button->move(left, 0);
        buttons[name] = button;
        buttonPanels[name] = button;
    }
    ImageButton* swing = buttons.at("Start_Stop_Image");
    ImageButton* level = buttons.at("Start_Stop_Image_UpDown");
    ImageButton* zoomIn = buttons.at("ZoomIn_Image");
    ImageButton* zoomOut = buttons.at("ZoomOut_Image");
    connect(swing, &ImageButton::clicked, this, &TfrmCube::Start_Stop_ImageClick);
    connect(level, &ImageButton::clicked, this, &TfrmCube::Start_Stop_Image_UpDownClick);
    connect(zoomIn, &ImageButton::pressed, &ZoomInTimer, qOverload<>(&QTimer::start));
    connect(zoomOut, &ImageButton::pressed, &ZoomOutTimer, qOverload<>(&QTimer::start));
    // Zooming ends on release, and also when the pointer leaves the button (a popup or another
    // window may have taken the mouse, so the release would never come).
    for (ImageButton* button : {zoomIn, zoomOut}) {
        connect(button, &ImageButton::released, this, &TfrmCube::stopZooming);
        connect(button, &ImageButton::left, this, &TfrmCube::stopZooming);
    }

    // Hover pictures; the next move over the window itself restores the normal ones.
    connect(zoomIn, &ImageButton::hovered, this, [this, zoomIn] {
        zoomIn->setPicture(ButtonPicture::ZoomIn, true);
        state.hoverImageActive = true;
    });
    connect(zoomOut, &ImageButton::hovered, this, [this, zoomOut] {
        zoomOut->setPicture(ButtonPicture::ZoomOut, true);
        state.hoverImageActive = true;
    });
    connect(swing, &ImageButton::hovered, this, [this, swing] {
        swing->setPicture(swingPicture(state), true);
        state.hoverImageActive = true;
    });
    connect(level, &ImageButton::hovered, this, [this, level] {
        level->setPicture(levelPicture(state), true);
        state.hoverImageActive = true;
    });
}

void TfrmCube::showRunningPictures() {
    buttons.at("Start_Stop_Image")->setPicture(swingPicture(state), false);
    buttons.at("Start_Stop_Image_UpDown")->setPicture(levelPicture(state), false);
    buttons.at("ZoomIn_Image")->setPicture(ButtonPicture::ZoomIn, false);
    buttons.at("ZoomOut_Image")->setPicture(ButtonPicture::ZoomOut, false);
}

void TfrmCube::Start_Stop_ImageClick() {
    state.swingDemoRunning = !state.swingDemoRunning;
    buttons.at("Start_Stop_Image")->setPicture(swingPicture(state), false);
    FormPaint();
}

void TfrmCube::Start_Stop_Image_UpDownClick() {
    state.levelDemoRunning = !state.levelDemoRunning;
    buttons.at("Start_Stop_Image_UpDown")->setPicture(levelPicture(state), false);
    FormPaint();
}

void TfrmCube::Label1Click(CalloutLabel* label) {
    if (label == callouts.at("Label4")) {
        state.switch1Visible = !state.switch1Visible;
        state.switch2Visible = !state.switch2Visible;
    } else if (label == callouts.at("Label5")) {
        state.transmitterVisible = !state.transmitterVisible;
    } else if (label == callouts.at("Label2")) {
        state.scaleVisible = !state.scaleVisible;
    } else if (label == callouts.at("Label1")) {
        state.insulationVisible = !state.insulationVisible;
    } else if (label == callouts.at("Label3")) {
        state.springTopVisible = !state.springTopVisible;
        state.springBottomVisible = !state.springBottomVisible;
    } else if (label == callouts.at("Label6")) {
        SpeedUp(state);
    } else if (label == callouts.at("Label7")) {
        SlowDown(state);
    }
    showAccessoryStates();
    if (secondary.showAccessories) secondary.showAccessories();
    FormPaint();
}

void TfrmCube::Label1MouseMove(CalloutLabel* label) {
    label->setTextColour(QColor(0, 0, 255));
}
