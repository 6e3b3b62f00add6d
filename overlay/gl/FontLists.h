// Display lists of the texture font: list c (1 .. 255) draws the glyph of character code c, lists
// 1000 .. 1003 the two switch symbols and the two percentage labels (numbers in Readouts.h).
// Every list draws one textured quad on the unit square of its coordinate system with a texture
// of its own, uploaded once when the lists are built: a frame binds textures but uploads none,
// which keeps a software renderer from waiting for the frame drawn so far at every glyph. The
// texture is modulated by the current colour, which tints symbols and text.
#pragma once

#include "overlay/gl/FontPictures.h"

// Builds all lists and their textures in the current GL context; the images may go afterwards.
void BuildFontLists(const FontImages& images);
