// The bitmap font: 5 x 7 glyphs (lower-case descenders one row deeper) for the printable ASCII
// characters, each standing in an 8 x 8 cell with its ink in columns 1 .. 5.
#pragma once

constexpr int glyphCell = 8;

// True where the glyph of the character code has ink; cell coordinates, row 0 at the top.
// Codes without a pattern are blank.
bool glyphInk(unsigned char code, int x, int y);
