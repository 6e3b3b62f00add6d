#include "overlay/FontForm.h"

#include "overlay/gl/FontLists.h"

#include <array>
#include <cstring>

namespace {

// The picture as an image: each texel word holds the bytes red, green, blue.
template <int W, int H> QImage imageOf(const TexelImage<W, H>& texels) {
    QImage image(W, H, QImage::Format_RGB32);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const std::uint32_t word = texels.at(x, y);
            std::array<std::uint8_t, 4> bytes;
            std::memcpy(bytes.data(), &word, sizeof word);
            image.setPixel(x, y, qRgb(bytes[0], bytes[1], bytes[2]));
        }
    return image;
}

} // namespace

TFontForm::TFontForm()
    : pictures(DrawFontPictures()),
      Image2(
          imageOf(pictures.glyphStrip).convertToFormat(QImage::Format_Mono, Qt::ThresholdDither)),
      ImageOn(imageOf(pictures.switchOn)), ImageOff(imageOf(pictures.switchOff)),
      Image20proz(imageOf(pictures.label20)), Image80proz(imageOf(pictures.label80)) {}

void TFontForm::FormCreate() const {
    BuildFontLists(pictures);
}

void CreateFontForm() {
    static const TFontForm fontForm;
    fontForm.FormCreate();
}
