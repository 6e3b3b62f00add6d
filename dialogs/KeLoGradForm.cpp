#include "dialogs/KeLoGradForm.h"

#include "config/Language.h"
#include "dialogs/CaptionBar.h"

#include <QAction>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <QWindow>

#include <utility>

namespace {

struct SystemMenuItem {
    int command;
    const char* caption; // its key in the caption sets
};

// In menu order; the separator goes before the close item.
const SystemMenuItem systemMenuItems[] = {
    {RestoreCommand, "systemRestore"},   {MoveCommand, "systemMove"},
    {SizeCommand, "systemSize"},         {MaximizeCommand, "systemMaximize"},
    {MinimizeCommand, "systemMinimize"}, {CloseCommand, "systemClose"},
};

// The system command behind each caption square but the system button.
constexpr std::pair<CaptionButton, SystemCommand> buttonCommands[] = {
    {CaptionButton::Close, CloseCommand},
    {CaptionButton::Maximize, MaximizeCommand},
    {CaptionButton::Minimize, MinimizeCommand},
    {CaptionButton::Restore, RestoreCommand},
};

// A form with an owner is a dialog to the window system: transient for its owner, which keeps it
// above the owner when the owner is clicked. A form without one is an ordinary window.
Qt::WindowFlags formWindowType(const QWidget* owner) {
    return owner ? Qt::Dialog : Qt::Window;
}

CaptionFlags flagsFor(FormBorder border) {
    const bool changeable = border != FormBorder::Dialog;
    return {true, changeable, changeable, changeable};
}

} // namespace

TGradientForm::TGradientForm(const std::string& languageCode, FormBorder border, QWidget* parent)
    : QWidget(parent, formWindowType(parent) | Qt::FramelessWindowHint), languageCode(languageCode),
      border(border), flags(flagsFor(border)) {
    setMouseTracking(true);
    layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    bar = new CaptionBar(*this);
    client = new QWidget(this);
    client->setAutoFillBackground(true);
    layout->addWidget(bar);
    layout->addWidget(client, 1);
    const int frame = frameWidth();
    layout->setContentsMargins(frame, frame, frame, frame);
    createSystemMenu();
}

void TGradientForm::setClientWidget(QWidget* widget) {
    delete layout->replaceWidget(client, widget);
    delete client;
    client = widget;
}

void TGradientForm::setCaptionFlags(CaptionFlags newFlags) {
    flags = newFlags;
    bar->update();
}

ShownState TGradientForm::shownState() const {
    if (isMinimized()) return ShownState::Minimized;
    if (isMaximized()) return ShownState::Maximized;
    return ShownState::Normal;
}

void TGradientForm::captionButtonClicked(CaptionButton button, QPoint globalPos) {
    if (button == CaptionButton::System) {
        showSystemMenu(globalPos);
        return;
    }
    for (const auto& [square, command] : buttonCommands)
        if (square == button) systemCommand(command);
}

void TGradientForm::createSystemMenu() {
    SystemMenu = new QMenu(this);
    for (const SystemMenuItem& item : systemMenuItems) {
        if (item.command == CloseCommand) SystemMenu->addSeparator();
        QAction* action = SystemMenu->addAction(QString());
        action->setData(item.command);
        connect(action, &QAction::triggered, this,
                [this, command = item.command] { systemCommand(command); });
    }
    updateSystemMenu();
}

void TGradientForm::updateSystemMenu() {
    const CaptionSet& captions = captionsFor(languageCode);
    const auto actions = SystemMenu->actions();
    for (QAction* action : actions) {
        if (action->isSeparator()) continue;
        const int command = action->data().toInt();
        for (const SystemMenuItem& item : systemMenuItems)
            if (item.command == command)
                action->setText(QString::fromStdString(std::string(captions.textOf(item.caption))));
        switch (command) {
        case RestoreCommand:
            action->setEnabled(flags.restoreAllowed);
            break;
        case SizeCommand:
            action->setEnabled(border == FormBorder::Sizeable);
            break;
        case MaximizeCommand:
            action->setEnabled(flags.maximiseAllowed);
            break;
        case MinimizeCommand:
            action->setEnabled(flags.minimiseAllowed);
            break;
        default:
            action->setEnabled(true);
            break;
        }
    }
}

void TGradientForm::showSystemMenu(QPoint globalPos) {
    updateSystemMenu();
    SystemMenu->popup(globalPos);
}

void TGradientForm::systemCommand(int command) {
    QWindow* window = windowHandle();
    switch (command) {
    case RestoreCommand:
        showNormal();
        break;
    case MoveCommand:
        if (window) window->startSystemMove();
        break;
    case SizeCommand:
        if (window) window->startSystemResize(Qt::RightEdge | Qt::BottomEdge);
        break;
    case MinimizeCommand:
        showMinimized();
        break;
    case MaximizeCommand:
        showMaximized();
        break;
    case CloseCommand:
        close();
        break;
    default:
        break;
    }
}

// A thin raised frame around caption bar and client area; sizeable windows get a wider one to
// grab for resizing. Maximised and full-screen windows have none.
int TGradientForm::frameWidth() const {
    if (isMaximized() || isFullScreen()) return 0;
    return border == FormBorder::Sizeable ? 4 : 2;
}

Qt::Edges TGradientForm::resizeEdgesAt(QPoint point) const {
    if (border != FormBorder::Sizeable || isMaximized()) return {};
    return frameEdgesAt(point, size(), frameWidth());
}

void TGradientForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().button());
    if (frameWidth() == 0) return;
    p.setPen(palette().shadow().color());
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(palette().light().color());
    p.drawLine(1, 1, width() - 2, 1);
    p.drawLine(1, 1, 1, height() - 2);
}

void TGradientForm::mousePressEvent(QMouseEvent* event) {
    const Qt::Edges edges = resizeEdgesAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && edges && windowHandle())
        windowHandle()->startSystemResize(edges);
}

void TGradientForm::mouseMoveEvent(QMouseEvent* event) {
    const Qt::Edges edges = resizeEdgesAt(event->position().toPoint());
    if (edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge))
        setCursor(Qt::SizeFDiagCursor);
    else if (edges == (Qt::RightEdge | Qt::TopEdge) || edges == (Qt::LeftEdge | Qt::BottomEdge))
        setCursor(Qt::SizeBDiagCursor);
    else if (edges & (Qt::LeftEdge | Qt::RightEdge))
        setCursor(Qt::SizeHorCursor);
    else if (edges & (Qt::TopEdge | Qt::BottomEdge))
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
}

void TGradientForm::changeEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::WindowStateChange: {
        const int frame = frameWidth();
        layout->setContentsMargins(frame, frame, frame, frame);
        // Full screen is for presenting: the client area alone fills the screen.
        bar->setVisible(!isFullScreen());
        bar->update();
        break;
    }
    case QEvent::ActivationChange:
    case QEvent::WindowTitleChange:
        bar->update();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}
