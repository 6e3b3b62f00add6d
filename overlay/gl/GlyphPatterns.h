// The bitmap font: glyphs five pixels wide for the printable ASCII characters and for the German
// letters of Latin-1 (Ä Ö Ü ß ä ö ü at their Latin-1 codes), each in an 8 x 8 cell with its ink
// in rows 1 .. 6 and columns 1 .. 5. Capitals stand five rows high from row 1 and descenders take
// row 6; the digits and '%', which the read-outs show large, use all six rows. The outer rows and
// columns stay empty, so that a glyph texture repeated and linearly filtered shows nothing of its
// opposite edge at its border.
#pragma once

#include <string>
#include <string_view>

constexpr int glyphSize = 8;

// True where the glyph of the character code has ink; cell coordinates, row 0 at the top.
// Codes without a pattern are blank.
bool glyphInk(unsigned char code, int x, int y);

// A UTF-8 text as the font's character codes: Latin-1 for every character up to U+00FF, '?' for
// any other character and for bytes that are not UTF-8.
std::string fontCodes(std::string_view utf8);
