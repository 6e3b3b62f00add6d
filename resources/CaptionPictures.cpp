#include "resources/CaptionPictures.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {

// All pictures are designed on a 16-unit-high grid and scaled to the requested height.
constexpr qreal grid = 16.0;

// A raised button face: light upper and left edges, dark lower and right edges.
void drawFace(QPainter& p, const QPalette& palette) {
    p.fillRect(QRectF(0, 0, 16, 16), palette.button());
    p.fillRect(QRectF(0, 0, 15, 1), palette.light());
    p.fillRect(QRectF(0, 0, 1, 15), palette.light());
    p.fillRect(QRectF(0, 15, 16, 1), palette.shadow());
    p.fillRect(QRectF(15, 0, 1, 16), palette.shadow());
    p.fillRect(QRectF(1, 14, 14, 1), palette.dark());
    p.fillRect(QRectF(14, 1, 1, 14), palette.dark());
}

// A window outline with a thick title edge.
void drawWindowGlyph(QPainter& p, const QRectF& frame, const QBrush& ink) {
    p.fillRect(QRectF(frame.left(), frame.top(), frame.width(), 2), ink);
    p.fillRect(QRectF(frame.left(), frame.bottom() - 1, frame.width(), 1), ink);
    p.fillRect(QRectF(frame.left(), frame.top(), 1, frame.height()), ink);
    p.fillRect(QRectF(frame.right() - 1, frame.top(), 1, frame.height()), ink);
}

void drawMinimize(QPainter& p, const QPalette& palette) {
    drawFace(p, palette);
    p.fillRect(QRectF(4, 10, 6, 2), palette.buttonText());
}

void drawMaximize(QPainter& p, const QPalette& palette) {
    drawFace(p, palette);
    drawWindowGlyph(p, QRectF(3, 3, 9, 9), palette.buttonText());
}

void drawRestore(QPainter& p, const QPalette& palette) {
    drawFace(p, palette);
    drawWindowGlyph(p, QRectF(5, 2, 7, 6), palette.buttonText());
    p.fillRect(QRectF(3, 6, 7, 6), palette.button());
    drawWindowGlyph(p, QRectF(3, 6, 7, 6), palette.buttonText());
}

void drawClose(QPainter& p, const QPalette& palette) {
    drawFace(p, palette);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette.buttonText(), 1.8, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(4, 4), QPointF(11.5, 11.5));
    p.drawLine(QPointF(11.5, 4), QPointF(4, 11.5));
}

// A small bypass chamber half full, with the float at the liquid surface.
void drawSystem(QPainter& p, const QPalette& palette) {
    drawFace(p, palette);
    p.fillRect(QRectF(6, 8, 4, 5), QColor(40, 110, 230));
    p.fillRect(QRectF(5, 7, 6, 2), QColor(200, 30, 30));
    p.setPen(QPen(palette.buttonText(), 1));
    p.drawRect(QRectF(5.5, 2.5, 5, 11));
    p.drawLine(QPointF(3, 5.5), QPointF(5, 5.5));
    p.drawLine(QPointF(3, 11.5), QPointF(5, 11.5));
}

// The logo: a row of indicator flaps, the lower ones turned to the full colour.
void drawLogo(QPainter& p, const QPalette&) {
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath frame;
    frame.addRoundedRect(QRectF(0.5, 0.5, 44, 15), 3, 3);
    p.fillPath(frame, Qt::white);
    p.setPen(QPen(QColor(0, 0, 128), 1));
    p.drawPath(frame);
    for (int k = 0; k < 8; ++k) {
        const QRectF flap(4 + 4.6 * k, 4, 3.4, 8);
        p.fillRect(flap, k < 5 ? QColor(200, 30, 30) : QColor(30, 30, 30));
    }
    QPainterPath marker;
    marker.moveTo(26.6, 13), marker.lineTo(29.4, 15), marker.lineTo(23.8, 15);
    marker.closeSubpath();
    p.fillPath(marker, QColor(0, 0, 128));
}

} // namespace

QPixmap captionPicture(const QString& name, int height, const QPalette& palette, qreal ratio) {
    using Drawing = std::function<void(QPainter&, const QPalette&)>;
    struct Picture {
        const char* name;
        int designWidth;
        Drawing draw;
    };
    static const Picture pictures[] = {
        {"KeLo45x16", 45, drawLogo},    {"MINIMIZE", 16, drawMinimize},
        {"MAXIMIZE", 16, drawMaximize}, {"RESTORE", 16, drawRestore},
        {"CLOSE", 16, drawClose},       {"SYSTEM", 16, drawSystem},
    };
    for (const Picture& picture : pictures) {
        if (name != QLatin1String(picture.name)) continue;
        const int width = picture.designWidth * height / int(grid);
        QPixmap pixmap(QSize(width, height) * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.scale(width / qreal(picture.designWidth), height / grid);
        picture.draw(p, palette);
        return pixmap;
    }
    return {};
}
