#include "gles/PointPixels.h"

#include <cmath>

namespace gles {

namespace {

// The clip coordinate whose window coordinate is the centre of the pixel holding `clip`, along
// one axis of the viewport (origin, size); w is the point's clip w.
float centredCoordinate(float clip, float w, GLint origin, GLsizei size) {
    const float half = float(size) / 2;
    const float centre = float(origin) + half;
    // As Mesa's software renderer maps and snaps it: times the reciprocal of w, then onto its
    // grid of 1/256 pixel.
    const float window = std::nearbyint((clip * (1 / w) * half + centre) * 256) / 256;
    return (std::floor(window) + 0.5f - centre) / half * w;
}

} // namespace

void centreOnPixels(std::span<Vertex> points, const Viewport& viewport) {
    if (viewport.width <= 0 || viewport.height <= 0) return;
    for (Vertex& v : points) {
        const float w = v.position[3];
        if (!(w > 0)) continue;
        v.position[0] = centredCoordinate(v.position[0], w, viewport.x, viewport.width);
        v.position[1] = centredCoordinate(v.position[1], w, viewport.y, viewport.height);
    }
}

} // namespace gles
