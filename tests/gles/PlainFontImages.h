// The texture font's pictures made without Qt, for programs that draw the read-outs through one
// GL path only: the glyph strip from the program's glyph patterns, the two switch symbols and the
// two percentage labels, laid out as the font holder lays out its own.
#pragma once

#include "overlay/gl/FontLists.h"

#include <memory>

std::unique_ptr<FontImages> plainFontImages();
