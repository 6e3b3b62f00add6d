// Build step: draws the application icon from its SVG into PNG files of the given sizes, so that
// the repository holds the drawing once and no rendered pictures. It knows the few shapes the
// icon uses (filled <rect> with optional rounded corners and filled <circle>) and stops with an
// error on anything else, so that a shape it would silently leave out cannot reach the package.
//
//   niveau_render_icon icon.svg 16 icon-16.png [48 icon-48.png ...]
#include <QColor>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QXmlStreamReader>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <set>
#include <vector>

namespace {

using Shape = std::function<void(QPainter&)>;

struct Drawing {
    QRectF viewBox;
    std::vector<Shape> shapes;
};

[[noreturn]] void fail(const QString& message) {
    std::fprintf(stderr, "niveau_render_icon: %s\n", qPrintable(message));
    std::exit(1);
}

double number(const QXmlStreamAttributes& attributes, const char* name, double fallback = 0) {
    if (!attributes.hasAttribute(name)) return fallback;
    bool ok = false;
    const double value = attributes.value(name).toDouble(&ok);
    if (!ok) fail(QString("attribute %1 is no number").arg(name));
    return value;
}

void onlyAttributes(const QXmlStreamReader& xml, const std::set<QString>& allowed) {
    for (const QXmlStreamAttribute& attribute : xml.attributes()) {
        if (!allowed.count(attribute.qualifiedName().toString())) {
            fail(QString("line %1: <%2> attribute %3 is not supported")
                     .arg(xml.lineNumber())
                     .arg(xml.name())
                     .arg(attribute.qualifiedName()));
        }
    }
}

QColor fillOf(const QXmlStreamAttributes& attributes) {
    const QColor colour = QColor::fromString(attributes.value("fill"));
    if (!colour.isValid()) fail("missing or unknown fill colour");
    return colour;
}

Drawing readDrawing(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) fail("cannot read " + path);
    QXmlStreamReader xml(&file);
    Drawing drawing;
    if (!xml.readNextStartElement() || xml.name() != u"svg") fail(path + " is no SVG drawing");
    onlyAttributes(xml, {"xmlns", "width", "height", "viewBox"});
    const QStringList box =
        xml.attributes().value("viewBox").toString().split(' ', Qt::SkipEmptyParts);
    if (box.size() != 4) fail("the <svg> element needs a viewBox");
    drawing.viewBox =
        QRectF(box[0].toDouble(), box[1].toDouble(), box[2].toDouble(), box[3].toDouble());

    while (xml.readNextStartElement()) {
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == u"title") {
            // the name of the drawing, nothing to draw
        } else if (xml.name() == u"rect") {
            onlyAttributes(xml, {"x", "y", "width", "height", "rx", "fill"});
            const QRectF rect(number(a, "x"), number(a, "y"), number(a, "width"),
                              number(a, "height"));
            const double radius = number(a, "rx");
            const QColor fill = fillOf(a);
            drawing.shapes.push_back([=](QPainter& p) {
                p.setBrush(fill);
                p.drawRoundedRect(rect, radius, radius);
            });
        } else if (xml.name() == u"circle") {
            onlyAttributes(xml, {"cx", "cy", "r", "fill"});
            const QPointF centre(number(a, "cx"), number(a, "cy"));
            const double r = number(a, "r");
            const QColor fill = fillOf(a);
            drawing.shapes.push_back([=](QPainter& p) {
                p.setBrush(fill);
                p.drawEllipse(centre, r, r);
            });
        } else {
            fail(QString("line %1: element <%2> is not supported")
                     .arg(xml.lineNumber())
                     .arg(xml.name()));
        }
        xml.skipCurrentElement();
    }
    if (xml.hasError()) fail(path + ": " + xml.errorString());
    if (drawing.viewBox.isEmpty() || drawing.shapes.empty()) fail(path + " draws nothing");
    return drawing;
}

QImage render(const Drawing& drawing, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.scale(size / drawing.viewBox.width(), size / drawing.viewBox.height());
    painter.translate(-drawing.viewBox.topLeft());
    for (const Shape& shape : drawing.shapes) shape(painter);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4 || argc % 2 != 0) {
        std::fprintf(stderr, "usage: %s icon.svg size out.png [size out.png ...]\n", argv[0]);
        return 2;
    }
    const Drawing drawing = readDrawing(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i + 1 < argc; i += 2) {
        const int size = std::atoi(argv[i]);
        if (size <= 0) fail(QString("size %1 is no positive number").arg(argv[i]));
        if (!render(drawing, size).save(QString::fromLocal8Bit(argv[i + 1]), "PNG"))
            fail(QString("cannot write %1").arg(argv[i + 1]));
    }
    return 0;
}
