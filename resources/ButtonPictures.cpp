#include "resources/ButtonPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int side = 25;

void drawPlay(QPainter& p, QRectF area) {
    QPainterPath triangle;
    triangle.moveTo(area.left(), area.top());
    triangle.lineTo(area.right(), area.center().y());
    triangle.lineTo(area.left(), area.bottom());
    triangle.closeSubpath();
    p.fillPath(triangle, Qt::white);
}

void drawUpDownArrows(QPainter& p) {
    QPainterPath arrows;
    arrows.moveTo(19, 4), arrows.lineTo(23, 9), arrows.lineTo(15, 9), arrows.closeSubpath();
    arrows.moveTo(19, 21), arrows.lineTo(23, 16), arrows.lineTo(15, 16), arrows.closeSubpath();
    p.fillPath(arrows, QColor(255, 220, 80));
}

void drawMagnifier(QPainter& p, bool plus) {
    p.setPen(QPen(Qt::white, 2.2));
    p.drawEllipse(QRectF(3.5, 3.5, 13, 13));
    p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15.5, 15.5), QPointF(21.5, 21.5));
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(QPointF(6.5, 10), QPointF(13.5, 10));
    if (plus) p.drawLine(QPointF(10, 6.5), QPointF(10, 13.5));
}

} // namespace

QPixmap buttonPicture(ButtonPicture picture, bool highlighted, qreal ratio) {
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(highlighted ? QColor(40, 90, 230) : QColor(150, 0, 0));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1));
    p.drawRect(QRectF(0.5, 0.5, side - 1, side - 1));
    switch (picture) {
    case ButtonPicture::Start:
        drawPlay(p, QRectF(8, 6, 11, 13));
        break;
    case ButtonPicture::Stop:
        p.fillRect(QRectF(7, 7, 11, 11), Qt::white);
        break;
    case ButtonPicture::StartUpDown:
        drawPlay(p, QRectF(4, 6, 9, 13));
        drawUpDownArrows(p);
        break;
    case ButtonPicture::StopUpDown:
        p.fillRect(QRectF(4, 8, 9, 9), Qt::white);
        drawUpDownArrows(p);
        break;
    case ButtonPicture::ZoomIn:
        drawMagnifier(p, true);
        break;
    case ButtonPicture::ZoomOut:
        drawMagnifier(p, false);
        break;
    }
    return pixmap;
}
