#include "PlainFontImages.h"

#include "overlay/GlyphPatterns.h"

#include <cmath>
#include <string_view>

namespace {

struct Point {
    float x, y;
};

// Distance of a pixel centre from the segment a-b.
float distanceToSegment(float px, float py, Point a, Point b) {
    const float dx = b.x - a.x, dy = b.y - a.y;
    float t = ((px - a.x) * dx + (py - a.y) * dy) / (dx * dx + dy * dy);
    t = std::fmax(0.0f, std::fmin(1.0f, t));
    return std::hypot(px - (a.x + t * dx), py - (a.y + t * dy));
}

// A switch contact, light on dark: two terminals on a line and the blade from the left one,
// resting on the right terminal (closed) or lifted off it.
void drawSwitchSymbol(TexelImage<32, 32>& image, bool closed) {
    const Point left{7, 21}, right{25, 21};
    const Point bladeEnd = closed ? Point{25, 18} : Point{23, 8};
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const float px = float(x) + 0.5f, py = float(y) + 0.5f;
            std::uint32_t texel = texelWord(20, 20, 24);
            const bool wire = distanceToSegment(px, py, {1, 21}, left) < 1 ||
                              distanceToSegment(px, py, right, {31, 21}) < 1 ||
                              std::hypot(px - left.x, py - left.y) < 2.5f ||
                              std::hypot(px - right.x, py - right.y) < 2.5f;
            if (wire) texel = texelWord(170, 170, 170);
            if (distanceToSegment(px, py, left, bladeEnd) < 1.5f) texel = texelWord(255, 255, 255);
            image.at(x, y) = texel;
        }
}

// White text in the bitmap font on black, centred in the part of the label that is shown.
void drawPercentLabel(TexelImage<64, 32>& image, std::string_view text) {
    const int left = 32 - int(text.size()) * glyphCell / 2;
    const int top = 13;
    for (std::size_t i = 0; i < text.size(); ++i)
        for (int y = 0; y < glyphCell; ++y)
            for (int x = 0; x < glyphCell; ++x)
                if (glyphInk(static_cast<unsigned char>(text[i]), x, y))
                    image.at(left + int(i) * glyphCell + x, top + y) = texelWord(255, 255, 255);
}

} // namespace

std::unique_ptr<FontImages> plainFontImages() {
    auto images = std::make_unique<FontImages>();
    for (int code = 1; code <= 255; ++code)
        for (int y = 0; y < glyphCell; ++y)
            for (int x = 0; x < glyphCell; ++x)
                if (glyphInk(static_cast<unsigned char>(code), x, y))
                    images->glyphStrip.at(code * glyphCell + x, y) = texelWord(255, 255, 255);
    drawSwitchSymbol(images->switchOn, true);
    drawSwitchSymbol(images->switchOff, false);
    drawPercentLabel(images->label20, "20 %");
    drawPercentLabel(images->label80, "80 %");
    return images;
}
