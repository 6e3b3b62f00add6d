// The pictures behind the texture font and the read-out symbols: the glyph strip, the two switch
// symbols and the two percentage labels. They are drawn in plain C++, so that every build of the
// program makes the very same textures, with or without a widget toolkit. The font's textures
// repeat and are filtered linearly, so a quad's edge also samples the opposite edge of its
// texture: every picture keeps its outer rows and columns one uniform background.
#pragma once

#include "overlay/gl/GlyphPatterns.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <vector>

// One texel: a 32-bit word whose bytes read red, green, blue, 0 in memory on any byte order.
inline std::uint32_t texelWord(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    const std::array<std::uint8_t, 4> bytes{red, green, blue, 0};
    std::uint32_t word;
    std::memcpy(&word, bytes.data(), sizeof word);
    return word;
}

// A texture image of W x H texel words, rows top first.
template <int W, int H> class TexelImage {
  public:
    static constexpr int width = W;
    static constexpr int height = H;

    std::uint32_t& at(int x, int y) { return texels_[index(x, y)]; }
    std::uint32_t at(int x, int y) const { return texels_[index(x, y)]; }
    const std::uint32_t* data() const { return texels_.data(); }

  private:
    static std::size_t index(int x, int y) {
        if (x < 0 || x >= W || y < 0 || y >= H) throw std::out_of_range("texel outside the image");
        return std::size_t(y) * W + std::size_t(x);
    }

    std::vector<std::uint32_t> texels_ = std::vector<std::uint32_t>(std::size_t(W) * H, 0);
};

// The pictures the font's display lists are built from.
struct FontImages {
    TexelImage<256 * glyphSize, glyphSize> glyphStrip; // glyph of code c in columns 8c .. 8c + 7
    TexelImage<32, 32> switchOn;
    TexelImage<32, 32> switchOff;
    TexelImage<64, 32> label20; // only the centre half in each direction is shown
    TexelImage<64, 32> label80;
};

// Draws all five pictures: white glyphs and label text on black, light switch symbols on a dark
// ground, so that the colour a read-out sets tints them.
FontImages DrawFontPictures();
