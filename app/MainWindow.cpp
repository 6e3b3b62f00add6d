#include "app/MainWindow.h"

#include "app/FpsWindow.h"
#include "app/GLView.h"
#include "app/ShowInFront.h"
#include "app/frame/FrameRender.h"
#include "core/ColourChoice.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>
#include <QWheelEvent>

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
      viewer(state, *this), settings(programFolder, userSettingsFolder()),
      scenes(SceneFolder::ofUser()) {
    clock.start();
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
    fps = new Tfps_Form1(viewer, this); // stays above the main window and goes with it

    createControls();
    createMenus();
    createStepToolbar();
    createKeys();

    for (QTimer* timer : {&ZoomInTimer, &ZoomOutTimer}) {
        timer->setInterval(40);
        connect(timer, &QTimer::timeout, this, [this] { viewer.ZoomTick(); });
    }

    pointerCheck.setInterval(250);
    connect(&pointerCheck, &QTimer::timeout, this, &TfrmCube::showPointer);

    viewer.FormCreate();
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

// A change of the outer size first renders once with the old projection.
void TfrmCube::FormResize(int clientWidth, int clientHeight) {
    const QSize outer = frameGeometry().size();
    if (outer.height() != lastHeight || outer.width() != lastWidth) {
        RenderScene(state, clientWidth, clientHeight);
        lastHeight = outer.height();
        lastWidth = outer.width();
    }
    const qreal ratio = glView->devicePixelRatio();
    ApplyProjection(int(clientWidth * ratio), int(clientHeight * ratio));
    viewer.FormResize(clientWidth, clientHeight);
    showCallouts();
    showButtons();
}

void TfrmCube::showEvent(QShowEvent* event) {
    TGradientForm::showEvent(event);
    viewer.FormShow();
    // Both demos run from the start, so the first redraw request starts the animation.
    QTimer::singleShot(0, this, [this] { viewer.FormPaint(); });
}

void TfrmCube::closeEvent(QCloseEvent* event) {
    viewer.FormClose();
    if (onClose) onClose();
    event->accept();
}

// A held zoom button zooms only while it is held: losing the window's focus ends it as well.
void TfrmCube::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) stopZooming();
    TGradientForm::changeEvent(event);
}

void TfrmCube::wheelEvent(QWheelEvent* event) {
    viewer.FormMouseWheel(event->angleDelta().y());
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

SettingsTexts TfrmCube::loadSettings() {
    return settings.load();
}

bool TfrmCube::saveSettings(const std::string& text) {
    return settings.save(text);
}

double TfrmCube::seconds() const {
    return double(clock.nsecsElapsed()) / 1e9;
}

void TfrmCube::requestPasses() {
    glView->startPasses();
}

void TfrmCube::refresh(unsigned changes) {
    if (changes & CaptionsChanged) showCaptions();
    if (changes & MenuEntriesChanged) showMenuEntries();
    if (changes & (MenusChanged | CaptionsChanged)) showMenus();
    if (changes & (CalloutsChanged | CaptionsChanged)) showCallouts();
    if (changes & (ButtonsChanged | CaptionsChanged)) showButtons();
    if (changes & FullScreenChanged) showFullScreen(viewer.wantsFullScreen());
    if (changes & StageChanged) showStage();
    if (changes & BarsChanged) showBars();
    if (changes & BackgroundChanged) applyBackgroundColour();
    if ((changes & OptionsChanged) && secondary.refreshOptions) secondary.refreshOptions();
    if ((changes & ColourChanged) && secondary.refreshColour) secondary.refreshColour();
}

void TfrmCube::showWindow(CoreWindow window) {
    const std::function<void()>* show = nullptr;
    switch (window) {
    case CoreWindow::Options:
        show = &secondary.showOptions;
        break;
    case CoreWindow::BackgroundColour:
        show = &secondary.showBackgroundColour;
        break;
    case CoreWindow::About:
        show = &secondary.showAbout;
        break;
    case CoreWindow::Contact:
        show = &secondary.showContact;
        break;
    case CoreWindow::FrameRate:
        ShowInFront(fps, this);
        return;
    }
    if (*show) (*show)();
}

void TfrmCube::openLink(const std::string& url) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

bool TfrmCube::openHelp(std::string& lookedAt) {
    const QString path = QCoreApplication::applicationDirPath() + "/MONTAGE.HLP";
    lookedAt = path.toStdString();
    if (!QFileInfo::exists(path)) return false;
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    return true;
}

void TfrmCube::showMessage(MessageKind kind, const std::string& title, const std::string& text) {
    const QString caption = QString::fromStdString(title), message = QString::fromStdString(text);
    if (kind == MessageKind::Warning)
        QMessageBox::warning(this, caption, message);
    else
        QMessageBox::information(this, caption, message);
}
