#include "overlay/gl/GlyphPatterns.h"

#include <array>
#include <string_view>

namespace {

struct GlyphPattern {
    unsigned char code;
    // Cell rows 1 .. 6 of five pixels, top first, separated by blanks: '#' ink, '.' none.
    std::string_view rows;
};

constexpr int patternWidth = 5;
constexpr int patternHeight = 6;
constexpr int inkColumn = 1;
constexpr int inkRow = 1;

// clang-format off
constexpr std::array patterns{
    GlyphPattern{'!', "..#.. ..#.. ..#.. ..... ..#.. ....."},
    GlyphPattern{'"', ".#.#. .#.#. ..... ..... ..... ....."},
    GlyphPattern{'#', ".#.#. ##### .#.#. ##### .#.#. ....."},
    GlyphPattern{'$', ".#### #.#.. .###. ..#.# ####. ..#.."},
    GlyphPattern{'%', "##..# ##.#. ..#.. ..#.. .#.## #..##"},
    GlyphPattern{'&', ".#... #.#.. .##.# #..#. .##.# ....."},
    GlyphPattern{'\'', "..#.. ..#.. ..... ..... ..... ....."},
    GlyphPattern{'(', "...#. ..#.. ..#.. ..#.. ..#.. ...#."},
    GlyphPattern{')', ".#... ..#.. ..#.. ..#.. ..#.. .#..."},
    GlyphPattern{'*', "..#.. #.#.# .###. #.#.# ..#.. ....."},
    GlyphPattern{'+', "..... ..#.. .###. ..#.. ..... ....."},
    GlyphPattern{',', "..... ..... ..... ..... ..#.. .#..."},
    GlyphPattern{'-', "..... ..... .###. ..... ..... ....."},
    GlyphPattern{'.', "..... ..... ..... ..... ..#.. ....."},
    GlyphPattern{'/', "....# ...#. ..#.. .#... #.... ....."},
    GlyphPattern{'0', ".###. #...# #...# #...# #...# .###."},
    GlyphPattern{'1', "..#.. .##.. ..#.. ..#.. ..#.. .###."},
    GlyphPattern{'2', ".###. #...# ....# ..##. .#... #####"},
    GlyphPattern{'3', "##### ...#. ..##. ....# #...# .###."},
    GlyphPattern{'4', "...#. ..##. .#.#. #..#. ##### ...#."},
    GlyphPattern{'5', "##### #.... ####. ....# #...# .###."},
    GlyphPattern{'6', "..##. .#... ####. #...# #...# .###."},
    GlyphPattern{'7', "##### ....# ...#. ..#.. ..#.. ..#.."},
    GlyphPattern{'8', ".###. #...# .###. #...# #...# .###."},
    GlyphPattern{'9', ".###. #...# #...# .#### ...#. .##.."},
    GlyphPattern{':', "..... ..... ..#.. ..... ..#.. ....."},
    GlyphPattern{';', "..... ..... ..#.. ..... ..#.. .#..."},
    GlyphPattern{'<', "...#. ..#.. .#... ..#.. ...#. ....."},
    GlyphPattern{'=', "..... ##### ..... ##### ..... ....."},
    GlyphPattern{'>', ".#... ..#.. ...#. ..#.. .#... ....."},
    GlyphPattern{'?', ".###. #...# ..##. ..... ..#.. ....."},
    GlyphPattern{'@', ".###. #...# #.### #.#.# #.##. .###."},
    GlyphPattern{'A', ".###. #...# ##### #...# #...# ....."},
    GlyphPattern{'B', "####. #...# ####. #...# ####. ....."},
    GlyphPattern{'C', ".#### #.... #.... #.... .#### ....."},
    GlyphPattern{'D', "####. #...# #...# #...# ####. ....."},
    GlyphPattern{'E', "##### #.... ####. #.... ##### ....."},
    GlyphPattern{'F', "##### #.... ####. #.... #.... ....."},
    GlyphPattern{'G', ".#### #.... #..## #...# .#### ....."},
    GlyphPattern{'H', "#...# #...# ##### #...# #...# ....."},
    GlyphPattern{'I', ".###. ..#.. ..#.. ..#.. .###. ....."},
    GlyphPattern{'J', "..### ...#. ...#. #..#. .##.. ....."},
    GlyphPattern{'K', "#...# #..#. ###.. #..#. #...# ....."},
    GlyphPattern{'L', "#.... #.... #.... #.... ##### ....."},
    GlyphPattern{'M', "#...# ##.## #.#.# #...# #...# ....."},
    GlyphPattern{'N', "#...# ##..# #.#.# #..## #...# ....."},
    GlyphPattern{'O', ".###. #...# #...# #...# .###. ....."},
    GlyphPattern{'P', "####. #...# ####. #.... #.... ....."},
    GlyphPattern{'Q', ".###. #...# #.#.# #..#. .##.# ....."},
    GlyphPattern{'R', "####. #...# ####. #..#. #...# ....."},
    GlyphPattern{'S', ".#### #.... .###. ....# ####. ....."},
    GlyphPattern{'T', "##### ..#.. ..#.. ..#.. ..#.. ....."},
    GlyphPattern{'U', "#...# #...# #...# #...# .###. ....."},
    GlyphPattern{'V', "#...# #...# #...# .#.#. ..#.. ....."},
    GlyphPattern{'W', "#...# #...# #.#.# ##.## #...# ....."},
    GlyphPattern{'X', "#...# .#.#. ..#.. .#.#. #...# ....."},
    GlyphPattern{'Y', "#...# .#.#. ..#.. ..#.. ..#.. ....."},
    GlyphPattern{'Z', "##### ...#. ..#.. .#... ##### ....."},
    GlyphPattern{'[', ".###. .#... .#... .#... .#... .###."},
    GlyphPattern{'\\', "#.... .#... ..#.. ...#. ....# ....."},
    GlyphPattern{']', ".###. ...#. ...#. ...#. ...#. .###."},
    GlyphPattern{'^', "..#.. .#.#. #...# ..... ..... ....."},
    GlyphPattern{'_', "..... ..... ..... ..... ..... #####"},
    GlyphPattern{'`', ".#... ..#.. ..... ..... ..... ....."},
    GlyphPattern{'a', "..... .#### #...# #..## .##.# ....."},
    GlyphPattern{'b', "#.... ####. #...# #...# ####. ....."},
    GlyphPattern{'c', "..... .#### #.... #.... .#### ....."},
    GlyphPattern{'d', "....# .#### #...# #...# .#### ....."},
    GlyphPattern{'e', "..... .###. ##### #.... .#### ....."},
    GlyphPattern{'f', "..##. .#... ####. .#... .#... ....."},
    GlyphPattern{'g', "..... .#### #...# .#### ....# .###."},
    GlyphPattern{'h', "#.... ####. #...# #...# #...# ....."},
    GlyphPattern{'i', "..#.. ..... .##.. ..#.. .###. ....."},
    GlyphPattern{'j', "...#. ..... ..##. ...#. ...#. .##.."},
    GlyphPattern{'k', "#.... #..#. ###.. #..#. #...# ....."},
    GlyphPattern{'l', ".##.. ..#.. ..#.. ..#.. .###. ....."},
    GlyphPattern{'m', "..... ##.#. #.#.# #.#.# #.#.# ....."},
    GlyphPattern{'n', "..... ####. #...# #...# #...# ....."},
    GlyphPattern{'o', "..... .###. #...# #...# .###. ....."},
    GlyphPattern{'p', "..... ####. #...# ####. #.... #...."},
    GlyphPattern{'q', "..... .#### #...# .#### ....# ....#"},
    GlyphPattern{'r', "..... #.##. ##... #.... #.... ....."},
    GlyphPattern{'s', "..... .###. ##... ..##. ###.. ....."},
    GlyphPattern{'t', ".#... ####. .#... .#..# ..##. ....."},
    GlyphPattern{'u', "..... #...# #...# #..## .##.# ....."},
    GlyphPattern{'v', "..... #...# #...# .#.#. ..#.. ....."},
    GlyphPattern{'w', "..... #...# #.#.# #.#.# .#.#. ....."},
    GlyphPattern{'x', "..... #...# .#.#. .#.#. #...# ....."},
    GlyphPattern{'y', "..... #...# #...# .#### ....# .###."},
    GlyphPattern{'z', "..... ##### ...#. .#... ##### ....."},
    GlyphPattern{'{', "...## ..#.. .##.. ..#.. ..#.. ...##"},
    GlyphPattern{'|', "..#.. ..#.. ..#.. ..#.. ..#.. ..#.."},
    GlyphPattern{'}', "##... ..#.. ..##. ..#.. ..#.. ##..."},
    GlyphPattern{'~', "..... .#... #.#.# ...#. ..... ....."},
    // The German letters at their Latin-1 codes. The dots take the top row, so the capitals
    // stand four rows high below them and the small letters three rows high on their baseline.
    GlyphPattern{0xC4, "#...# .###. #...# ##### #...# ....."}, // Ä
    GlyphPattern{0xD6, "#...# .###. #...# #...# .###. ....."}, // Ö
    GlyphPattern{0xDC, ".#.#. #...# #...# #...# .###. ....."}, // Ü
    GlyphPattern{0xDF, ".###. #...# #.##. #...# #.##. #...."}, // ß
    GlyphPattern{0xE4, ".#.#. ..... .#### #..## .##.# ....."}, // ä
    GlyphPattern{0xF6, ".#.#. ..... .###. #...# .###. ....."}, // ö
    GlyphPattern{0xFC, ".#.#. ..... #...# #..## .##.# ....."}, // ü
};
// clang-format on

constexpr bool wellFormed(const GlyphPattern& pattern) {
    if (pattern.rows.size() != patternHeight * (patternWidth + 1) - 1) return false;
    for (std::size_t i = 0; i < pattern.rows.size(); ++i) {
        const char c = pattern.rows[i];
        const bool separator = i % (patternWidth + 1) == patternWidth;
        if (separator ? c != ' ' : c != '#' && c != '.') return false;
    }
    return true;
}

constexpr bool allWellFormed() {
    for (const auto& pattern : patterns)
        if (!wellFormed(pattern)) return false;
    return true;
}
static_assert(allWellFormed(), "every glyph pattern has six rows of five pixels");

const GlyphPattern* patternOf(unsigned char code) {
    for (const auto& pattern : patterns)
        if (pattern.code == code) return &pattern;
    return nullptr;
}

} // namespace

bool glyphInk(unsigned char code, int x, int y) {
    const int column = x - inkColumn;
    const int row = y - inkRow;
    if (column < 0 || column >= patternWidth || row < 0 || row >= patternHeight) return false;
    const GlyphPattern* pattern = patternOf(code);
    return pattern && pattern->rows[std::size_t(row * (patternWidth + 1) + column)] == '#';
}

std::string fontCodes(std::string_view utf8) {
    std::string codes;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i++]);
        if (lead < 0x80) {
            codes += char(lead);
            continue;
        }
        // The continuation bytes of a sequence go with its lead, whatever it stands for.
        const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        unsigned codePoint = lead & (0x7Fu >> length);
        int continued = 1;
        for (; continued < length && i < utf8.size(); ++continued, ++i) {
            const auto next = static_cast<unsigned char>(utf8[i]);
            if ((next & 0xC0) != 0x80) break;
            codePoint = codePoint << 6 | (next & 0x3Fu);
        }
        const bool latin1 = length == 2 && continued == 2 && codePoint >= 0x80 && codePoint <= 0xFF;
        codes += latin1 ? char(codePoint) : '?';
    }
    return codes;
}
