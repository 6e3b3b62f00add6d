#include "dialogs/CaptionBar.h"

#include "dialogs/KeLoGradForm.h"
#include "resources/CaptionPictures.h"

#include <QApplication>
#include <QFontDatabase>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QWindow>

CaptionBar::CaptionBar(TGradientForm& form)
    : QWidget(&form), form(form), side(style()->pixelMetric(QStyle::PM_SmallIconSize)) {
    setFixedHeight(captionBarHeight(side));
    setAttribute(Qt::WA_OpaquePaintEvent);
    loadPictures();
    readCaptionFont();
}

std::vector<CaptionSquare> CaptionBar::squares() const {
    return captionSquares(width(), height(), side, form.shownState(), form.captionFlags());
}

void CaptionBar::loadPictures() {
    const QPalette colours = QApplication::palette();
    const std::pair<CaptionButton, const char*> names[] = {{CaptionButton::System, "SYSTEM"},
                                                           {CaptionButton::Close, "CLOSE"},
                                                           {CaptionButton::Maximize, "MAXIMIZE"},
                                                           {CaptionButton::Minimize, "MINIMIZE"},
                                                           {CaptionButton::Restore, "RESTORE"}};
    const qreal ratio = devicePixelRatioF();
    for (const auto& [button, name] : names)
        pictures[button] = captionPicture(name, side, colours, ratio);
    logo = captionPicture("KeLo45x16", side, colours, ratio);
}

void CaptionBar::readCaptionFont() {
    captionFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    captionFont.setBold(true);
}

bool CaptionBar::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::ApplicationPaletteChange:
    case QEvent::ThemeChange:
    case QEvent::ScreenChangeInternal: // another screen may have another pixel density
        loadPictures();
        update();
        break;
    case QEvent::ApplicationFontChange:
        readCaptionFont();
        update();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

// The bar is drawn off-screen and copied in one piece, so it never flickers.
void CaptionBar::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    QPixmap buffer(size() * ratio);
    buffer.setDevicePixelRatio(ratio);
    {
        QPainter p(&buffer);
        paintCaptionRamp(p, rect(),
                         form.isActiveWindow() ? activeCaptionRamp() : inactiveCaptionRamp());
        for (const CaptionSquare& s : squares()) p.drawPixmap(s.left, s.top, pictures[s.button]);
        p.drawPixmap(logoLeft(side), (height() - side) / 2, logo);

        const int left = captionTextLeft(side);
        const QRect textArea(left, 0, std::max(0, captionTextRight(width(), side) - left),
                             height());
        p.setFont(captionFont);
        p.setPen(Qt::white);
        const QString text =
            p.fontMetrics().elidedText(form.windowTitle(), Qt::ElideRight, textArea.width());
        p.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    }
    QPainter(this).drawPixmap(0, 0, buffer);
}

void CaptionBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint global = event->globalPosition().toPoint();
    if (const auto button = captionHit(squares(), event->position().toPoint())) {
        form.captionButtonClicked(*button, global);
        return;
    }
    if (form.isMaximized()) return;
    QWindow* window = form.windowHandle();
    if (!window || !window->startSystemMove()) dragOffset = form.pos() - global;
}

void CaptionBar::mouseMoveEvent(QMouseEvent* event) {
    if (dragOffset && (event->buttons() & Qt::LeftButton))
        form.move(event->globalPosition().toPoint() + *dragOffset);
}

void CaptionBar::mouseReleaseEvent(QMouseEvent*) {
    dragOffset.reset();
}
