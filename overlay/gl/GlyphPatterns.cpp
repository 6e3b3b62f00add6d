#include "overlay/gl/GlyphPatterns.h"

#include <array>
#include <string_view>

namespace {

struct GlyphPattern {
    char code;
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
        if (static_cast<unsigned char>(pattern.code) == code) return &pattern;
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
