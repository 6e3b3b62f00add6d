#include "overlay/gl/FontPictures.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace {

// A colour with channels 0 .. 255, blended in floating point before it becomes a texel.
struct Rgb {
    float red, green, blue;
};

const Rgb symbolBackground{20, 20, 24};
const Rgb contactGrey{170, 170, 170};
const Rgb bladeWhite{255, 255, 255};
const std::uint32_t inkTexel = texelWord(255, 255, 255);

std::uint8_t channel(float value) {
    return std::uint8_t(std::lround(std::clamp(value, 0.0f, 255.0f)));
}

std::uint32_t texelOf(const Rgb& c) {
    return texelWord(channel(c.red), channel(c.green), channel(c.blue));
}

Rgb mix(const Rgb& under, const Rgb& over, float share) {
    return {under.red + (over.red - under.red) * share,
            under.green + (over.green - under.green) * share,
            under.blue + (over.blue - under.blue) * share};
}

// Picture coordinates: pixel (x, y) covers x .. x + 1 and y .. y + 1, y down.
struct Point {
    float x, y;
};

// The points within `radius` of the segment from a to b: a line with round ends, or a disc where
// a and b coincide.
struct Stroke {
    Point a, b;
    float radius;
};

// The share of a pixel the stroke covers, from the distance of the pixel's centre to the
// stroke's outline: all of it half a pixel inside, none half a pixel outside.
float coverage(const Stroke& s, Point centre) {
    const float dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
    const float lengthSquared = dx * dx + dy * dy;
    const float along =
        lengthSquared > 0
            ? std::clamp(((centre.x - s.a.x) * dx + (centre.y - s.a.y) * dy) / lengthSquared, 0.0f,
                         1.0f)
            : 0.0f;
    const float distance =
        std::hypot(centre.x - (s.a.x + along * dx), centre.y - (s.a.y + along * dy));
    return std::clamp(s.radius - distance + 0.5f, 0.0f, 1.0f);
}

struct PaintedStroke {
    Stroke shape;
    Rgb colour;
};

// A switch contact as in a circuit diagram: two terminals on a line, the blade from the left
// terminal either resting on the right one (closed) or lifted off it (open). The terminal lines
// run out to the picture's sides but stop short of its outer ring, which stays background.
void drawSwitchSymbol(TexelImage<32, 32>& image, bool closed) {
    const Point left{7, 21}, right{25, 21};
    const Point bladeEnd = closed ? Point{25, 18} : Point{23, 8};
    const std::array strokes{
        PaintedStroke{{{2, 21}, left, 1}, contactGrey},
        PaintedStroke{{right, {30, 21}, 1}, contactGrey},
        PaintedStroke{{left, left, 3.5f}, contactGrey},
        PaintedStroke{{right, right, 3.5f}, contactGrey},
        PaintedStroke{{left, bladeEnd, 1.5f}, bladeWhite},
    };
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            Rgb colour = symbolBackground;
            for (const auto& stroke : strokes)
                colour = mix(colour, stroke.colour, coverage(stroke.shape, {x + 0.5f, y + 0.5f}));
            image.at(x, y) = texelOf(colour);
        }
}

// Sets the ink of the glyph of `code` into the image, its cell's top left corner at (left, top).
template <int W, int H>
void stampGlyph(TexelImage<W, H>& image, unsigned char code, int left, int top) {
    for (int y = 0; y < glyphSize; ++y)
        for (int x = 0; x < glyphSize; ++x)
            if (glyphInk(code, x, y)) image.at(left + x, top + y) = inkTexel;
}

void drawGlyphStrip(TexelImage<256 * glyphSize, glyphSize>& strip) {
    for (int code = 1; code <= 255; ++code)
        stampGlyph(strip, static_cast<unsigned char>(code), code * glyphSize, 0);
}

// The text centred in the part of the label that is shown (x 16 .. 48, y 8 .. 24).
void drawPercentLabel(TexelImage<64, 32>& image, std::string_view text) {
    const int left = image.width / 2 - int(text.size()) * glyphSize / 2;
    const int top = 12; // the six rows of the digits in rows 13 .. 18
    for (std::size_t i = 0; i < text.size(); ++i)
        stampGlyph(image, static_cast<unsigned char>(text[i]), left + int(i) * glyphSize, top);
}

} // namespace

FontImages DrawFontPictures() {
    FontImages images;
    drawGlyphStrip(images.glyphStrip);
    drawSwitchSymbol(images.switchOn, true);
    drawSwitchSymbol(images.switchOff, false);
    drawPercentLabel(images.label20, "20 %");
    drawPercentLabel(images.label80, "80 %");
    return images;
}
