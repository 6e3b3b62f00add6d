#include "overlay/FontForm.h"

#include "overlay/gl/FontLists.h"
#include "overlay/gl/GlyphPatterns.h"

#include <QPainter>

#include <memory>
#include <stdexcept>
#include <string_view>

namespace {

const QRgb symbolBackground = qRgb(20, 20, 24);
const QRgb contactGrey = qRgb(170, 170, 170);
const QRgb bladeWhite = qRgb(255, 255, 255);

QImage glyphStrip() {
    QImage strip(256 * glyphSize, glyphSize, QImage::Format_Mono);
    strip.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    strip.fill(0);
    for (int code = 1; code <= 255; ++code)
        for (int y = 0; y < glyphSize; ++y)
            for (int x = 0; x < glyphSize; ++x)
                if (glyphInk(static_cast<unsigned char>(code), x, y))
                    strip.setPixel(code * glyphSize + x, y, 1);
    return strip;
}

// A switch contact as in a circuit diagram: two terminals on a line, the blade from the left
// terminal either resting on the right one (closed) or lifted off it (open). The shapes are light
// on dark, so that the read-out's tint colours them.
QImage switchSymbol(bool closed) {
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(symbolBackground);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(contactGrey), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(1, 21), QPointF(7, 21));
    painter.drawLine(QPointF(25, 21), QPointF(31, 21));
    painter.setBrush(QColor(contactGrey));
    painter.drawEllipse(QPointF(7, 21), 2.5, 2.5);
    painter.drawEllipse(QPointF(25, 21), 2.5, 2.5);
    painter.setPen(QPen(QColor(bladeWhite), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(7, 21), closed ? QPointF(25, 18) : QPointF(23, 8));
    return image;
}

// White text in the bitmap font on black, centred in the part of the label that is shown
// (x 16 .. 48, y 8 .. 24).
QImage percentLabel(std::string_view text) {
    QImage image(64, 32, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 0));
    const int left = 32 - int(text.size()) * glyphSize / 2;
    const int top = 12; // the six rows of the digits in rows 13 .. 18
    for (std::size_t i = 0; i < text.size(); ++i)
        for (int y = 0; y < glyphSize; ++y)
            for (int x = 0; x < glyphSize; ++x)
                if (glyphInk(static_cast<unsigned char>(text[i]), x, y))
                    image.setPixel(left + int(i) * glyphSize + x, top + y, qRgb(255, 255, 255));
    return image;
}

template <int W, int H> void copyTexels(const QImage& image, TexelImage<W, H>& texels) {
    if (image.width() != W || image.height() != H)
        throw std::logic_error("font picture of the wrong size");
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const QRgb pixel = image.pixel(x, y);
            texels.at(x, y) = texelWord(std::uint8_t(qRed(pixel)), std::uint8_t(qGreen(pixel)),
                                        std::uint8_t(qBlue(pixel)));
        }
}

} // namespace

TFontForm::TFontForm()
    : Image2(glyphStrip()), ImageOn(switchSymbol(true)), ImageOff(switchSymbol(false)),
      Image20proz(percentLabel("20 %")), Image80proz(percentLabel("80 %")) {}

void TFontForm::FormCreate() const {
    const auto images = std::make_unique<FontImages>();
    copyTexels(Image2, images->glyphStrip);
    copyTexels(ImageOn, images->switchOn);
    copyTexels(ImageOff, images->switchOff);
    copyTexels(Image20proz, images->label20);
    copyTexels(Image80proz, images->label80);
    BuildFontLists(*images);
}

void CreateFontForm() {
    static const TFontForm fontForm;
    fontForm.FormCreate();
}
