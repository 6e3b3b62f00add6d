// The pictures behind the texture font, as the display lists receive them: the font's textures
// repeat and are filtered linearly, so whatever stands at one edge of a picture shows at the
// opposite edge of its quad unless the outer ring is one background.
#include "overlay/gl/FontPictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>

namespace {

using Colour = std::array<float, 3>;

Colour colourOf(std::uint32_t texel) {
    std::array<std::uint8_t, 4> bytes;
    std::memcpy(bytes.data(), &texel, sizeof texel);
    return {float(bytes[0]), float(bytes[1]), float(bytes[2])};
}

// The glyph's cell of the strip, as the texture of its display list.
TexelImage<glyphSize, glyphSize> glyph(const FontImages& images, unsigned char code) {
    TexelImage<glyphSize, glyphSize> cell;
    for (int y = 0; y < glyphSize; ++y)
        for (int x = 0; x < glyphSize; ++x)
            cell.at(x, y) = images.glyphStrip.at(code * glyphSize + x, y);
    return cell;
}

// GL_LINEAR at texture coordinates (u, v): the four texels nearest the point, weighted by
// distance, with texel indices beyond the image wrapped around (GL_REPEAT) or held at the edge.
template <int W, int H> Colour sample(const TexelImage<W, H>& image, float u, float v, bool wrap) {
    const auto fold = [wrap](int i, int size) {
        return wrap ? (i % size + size) % size : std::clamp(i, 0, size - 1);
    };
    const float s = u * W - 0.5f, t = v * H - 0.5f;
    const int x0 = int(std::floor(s)), y0 = int(std::floor(t));
    const float a = s - float(x0), b = t - float(y0);
    Colour sum{};
    for (const auto& [dx, dy, weight] :
         {std::tuple{0, 0, (1 - a) * (1 - b)}, std::tuple{1, 0, a * (1 - b)},
          std::tuple{0, 1, (1 - a) * b}, std::tuple{1, 1, a * b}}) {
        const Colour c = colourOf(image.at(fold(x0 + dx, W), fold(y0 + dy, H)));
        for (int i = 0; i < 3; ++i) sum[i] += weight * c[i];
    }
    return sum;
}

// Along the whole outline of the quad (texture coordinates 0 and 1), the repeated texture shows
// exactly what the same texture held at its edges shows: nothing of the opposite edge.
template <int W, int H>
testing::AssertionResult edgesShowNothingOfTheOppositeEdge(const TexelImage<W, H>& image) {
    constexpr int steps = 4 * std::max(W, H);
    for (int i = 0; i <= steps; ++i) {
        const float along = float(i) / steps;
        for (const auto& [u, v] : {std::pair{0.0f, along}, std::pair{1.0f, along},
                                   std::pair{along, 0.0f}, std::pair{along, 1.0f}}) {
            const Colour wrapped = sample(image, u, v, true), held = sample(image, u, v, false);
            for (int c = 0; c < 3; ++c)
                if (std::abs(wrapped[c] - held[c]) > 1e-3f)
                    return testing::AssertionFailure()
                           << "at (" << u << ", " << v << ") channel " << c << " shows "
                           << wrapped[c] << " instead of " << held[c];
        }
    }
    return testing::AssertionSuccess();
}

// The outer rows and columns hold one colour, the one given.
template <int W, int H>
testing::AssertionResult outerRingIs(const TexelImage<W, H>& image, std::uint32_t background) {
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const bool ring = x == 0 || y == 0 || x == W - 1 || y == H - 1;
            if (ring && image.at(x, y) != background)
                return testing::AssertionFailure() << "texel (" << x << ", " << y << ")";
        }
    return testing::AssertionSuccess();
}

template <int W, int H> int texelsApart(const TexelImage<W, H>& a, const TexelImage<W, H>& b) {
    int n = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) n += a.at(x, y) != b.at(x, y);
    return n;
}

template <int W, int H> int inkedTexels(const TexelImage<W, H>& image) {
    return texelsApart(image, TexelImage<W, H>{});
}

class FontPictures : public testing::Test {
  protected:
    const FontImages images = DrawFontPictures();
};

TEST_F(FontPictures, NoGlyphOrPictureShowsItsOppositeEdgeAtTheBorderOfItsQuad) {
    const std::uint32_t black = texelWord(0, 0, 0);
    for (int code = 1; code <= 255; ++code) {
        const auto cell = glyph(images, static_cast<unsigned char>(code));
        EXPECT_TRUE(outerRingIs(cell, black)) << "glyph " << code;
        EXPECT_TRUE(edgesShowNothingOfTheOppositeEdge(cell)) << "glyph " << code;
    }
    for (const auto* symbol : {&images.switchOn, &images.switchOff}) {
        EXPECT_TRUE(outerRingIs(*symbol, images.switchOn.at(0, 0)));
        EXPECT_TRUE(edgesShowNothingOfTheOppositeEdge(*symbol));
    }
    EXPECT_NE(images.switchOn.at(0, 0), black) << "the symbols stand on their own dark ground";
    for (const auto* label : {&images.label20, &images.label80}) {
        EXPECT_TRUE(outerRingIs(*label, black));
        EXPECT_TRUE(edgesShowNothingOfTheOppositeEdge(*label));
    }
}

TEST_F(FontPictures, ReadoutCharactersAreInkedAndAtLeastThreeTexelsApart) {
    const std::string characters = "0123456789-%";
    for (std::size_t i = 0; i < characters.size(); ++i) {
        const auto a = glyph(images, static_cast<unsigned char>(characters[i]));
        EXPECT_GE(inkedTexels(a), 3) << characters[i];
        for (std::size_t j = i + 1; j < characters.size(); ++j)
            EXPECT_GE(texelsApart(a, glyph(images, static_cast<unsigned char>(characters[j]))), 3)
                << characters[i] << " and " << characters[j];
    }
    EXPECT_EQ(inkedTexels(glyph(images, ' ')), 0);
}

// The label quads show texture coordinates 0.25 .. 0.75: texels 16 .. 47 and 8 .. 23, of which
// the outermost also blend with the texels just outside; the text keeps clear of them.
TEST_F(FontPictures, LabelTextStandsInsideTheShownPartOfTheLabel) {
    for (const auto* label : {&images.label20, &images.label80}) {
        EXPECT_GT(inkedTexels(*label), 20);
        for (int y = 0; y < label->height; ++y)
            for (int x = 0; x < label->width; ++x)
                if (label->at(x, y) != 0) {
                    EXPECT_TRUE(x > 16 && x < 47 && y > 8 && y < 23) << x << ", " << y;
                }
    }
    EXPECT_GE(texelsApart(images.label20, images.label80), 3);
}

} // namespace
