// Points as GL 1.1 rasterises them. A point of size 1 lights the pixel that holds its window
// position, floor(x), floor(y). ES and WebGL draw a point as a square centred on its position,
// which for a position on a pixel border lights the pixel beside it; a point moved to the centre
// of its pixel lights that pixel on both.
#pragma once

#include "gles/DrawBatches.h"

#include <span>

namespace gles {

struct Viewport {
    GLint x = 0, y = 0;
    GLsizei width = 0, height = 0;
};

// Moves the points, in clip coordinates, to the centres of their pixels in the viewport. Points
// behind the eye are left as they are; they are not drawn.
void centreOnPixels(std::span<Vertex> points, const Viewport& viewport);

} // namespace gles
